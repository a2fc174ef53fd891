#include "texts/Translation.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <array>

#include "charset/DisplayCodeMap.h"
#include "common/AtomicFile.h"
#include "common/Messages.h"
#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "texts/TextNotation.h"

namespace Translation {

namespace {

QList<QByteArray> Lines(const QByteArray& text)
{
    if (text.isEmpty())
        return {};
    return text.split(Attr::LineBreak);
}

QString Quoted(const QString& text)
{
    return QStringLiteral("\u201E%1\u201C").arg(text);
}

QString TableTitle(int table)
{
    return table == OperatingTexts ? QCoreApplication::translate("Translation", "Betriebstexte") : QCoreApplication::translate("Translation", "Diagnosetexte");
}

QString LinePlace(int table, int number, int line)
{
    return QCoreApplication::translate("Translation", "%1, Meldung %2, Zeile %3").arg(TableTitle(table)).arg(number).arg(line);
}

bool IsShownWindowsCode(quint8 windows)
{
    static const std::array<bool, 256> shown = [] {
        std::array<bool, 256> table{};
        for (int w = 0x20; w < 256; ++w)
            table[static_cast<size_t>(w)] = w != 0x7F && CodePoint::DisplayableWindowsCode(static_cast<char32_t>(w)) == w;
        return table;
    }();
    return shown[windows];
}

} // namespace

QString TableId(int table)
{
    return table == OperatingTexts ? QStringLiteral("operating") : QStringLiteral("diagnostic");
}

int TableFromId(const QString& id)
{
    if (id == QLatin1String("operating"))
        return OperatingTexts;
    if (id == QLatin1String("diagnostic"))
        return DiagnosticTexts;
    return -1;
}

QString UnitId(int table, int number, int line)
{
    return QStringLiteral("%1/%2/%3").arg(TableId(table)).arg(number).arg(line);
}

bool ParseUnitId(const QString& id, int& table, int& number, int& line)
{
    static const QRegularExpression form(QStringLiteral("^(operating|diagnostic)/([0-9]{1,4})/([0-9]{1,3})$"));
    const QRegularExpressionMatch match = form.match(id.trimmed());
    if (!match.hasMatch())
        return false;
    table = TableFromId(match.captured(1));
    number = match.captured(2).toInt();
    line = match.captured(3).toInt();
    return number <= TMessageTable::MaxNumber && line >= 1;
}

QString SourceHash(const QByteArray& line)
{
    return QString::fromLatin1(QCryptographicHash::hash(line, QCryptographicHash::Sha1).toHex().left(12));
}

int VisibleLength(const QByteArray& line)
{
    int length = 0;
    for (const char c : line)
        if (!Attr::IsAttribute(c))
            ++length;
    return length;
}

QString LineNotation(const QByteArray& line)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QString out;
    out.reserve(line.size() + 8);
    for (const char c : line) {
        switch (c) {
        case Attr::BlinkOn: out += QLatin1String("{blink}"); continue;
        case Attr::BlinkOff: out += QLatin1String("{/blink}"); continue;
        case Attr::GraphicsOn: out += QLatin1String("{gfx}"); continue;
        case Attr::GraphicsOff: out += QLatin1String("{/gfx}"); continue;
        default: break;
        }
        const quint8 windows = map.ToWindows(static_cast<quint8>(c));
        if (windows == '{') {
            out += QLatin1String("{{");
        } else if (IsShownWindowsCode(windows)) {
            out += QChar(static_cast<char16_t>(windows));
        } else {
            static const char digits[] = "0123456789ABCDEF";
            const quint8 code = static_cast<quint8>(c);
            out += QLatin1String("{x");
            out += QLatin1Char(digits[code >> 4]);
            out += QLatin1Char(digits[code & 0xF]);
            out += QLatin1Char('}');
        }
    }
    return out;
}

QString DisplayForm(const QByteArray& line, bool graphics, bool blink)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    // Notes are part of the exchange file and so never change with the program's language.
    QString out = blink ? QStringLiteral("[Blinken]") : QString();
    for (const char c : line) {
        switch (c) {
        case Attr::GraphicsOn: graphics = true; continue;
        case Attr::GraphicsOff: graphics = false; continue;
        case Attr::BlinkOn:
            if (!blink)
                out += QStringLiteral("[Blinken]");
            blink = true;
            continue;
        case Attr::BlinkOff:
            if (blink)
                out += QStringLiteral("[/Blinken]");
            blink = false;
            continue;
        default: break;
        }
        const quint8 code = static_cast<quint8>(c);
        const quint8 windows = map.ToWindows(code);
        if (graphics)
            out += QStringLiteral("[Grafik %1]").arg(QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')));
        else if (IsShownWindowsCode(windows))
            out += QChar(static_cast<char16_t>(windows));
        else
            out += QStringLiteral("[Zeichen %1]").arg(QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    }
    if (blink)
        out += QStringLiteral("[/Blinken]");
    return out;
}

bool IsDisplayable(char32_t codePoint)
{
    if (codePoint > 0xFF)
        return false;
    const int windows = CodePoint::DisplayableWindowsCode(codePoint);
    return windows >= 0 && IsShownWindowsCode(static_cast<quint8>(windows));
}

QString NearestDisplayText(char32_t codePoint)
{
    static const QMap<char32_t, QString> look = {
        {0x2018, QStringLiteral("'")}, {0x2019, QStringLiteral("'")}, {0x201A, QStringLiteral("'")},
        {0x2032, QStringLiteral("'")}, {0x201C, QStringLiteral("\"")}, {0x201D, QStringLiteral("\"")},
        {0x201E, QStringLiteral("\"")}, {0x00AB, QStringLiteral("\"")}, {0x00BB, QStringLiteral("\"")},
        {0x2013, QStringLiteral("-")}, {0x2014, QStringLiteral("-")}, {0x2212, QStringLiteral("-")},
        {0x2010, QStringLiteral("-")}, {0x2026, QStringLiteral("...")}, {0x00A0, QStringLiteral(" ")},
        {0x2009, QStringLiteral(" ")}, {0x202F, QStringLiteral(" ")}, {0x00D7, QStringLiteral("x")},
        {0x00B7, QStringLiteral(".")}, {0x2022, QStringLiteral("*")}, {0x00C6, QStringLiteral("AE")},
        {0x00E6, QStringLiteral("ae")}, {0x0152, QStringLiteral("OE")}, {0x0153, QStringLiteral("oe")},
        {0x00D8, QStringLiteral("O")}, {0x00F8, QStringLiteral("o")}, {0x0141, QStringLiteral("L")},
        {0x0142, QStringLiteral("l")}, {0x20AC, QStringLiteral("EUR")}, {0x00A9, QStringLiteral("(C)")},
        {0x00AE, QStringLiteral("(R)")}, {0x00B2, QStringLiteral("2")}, {0x00B3, QStringLiteral("3")},
        {0x00B9, QStringLiteral("1")}};
    const auto special = look.constFind(codePoint);
    if (special != look.constEnd())
        return special.value();
    // The letter without its accents, when the display has it.
    const QString decomposed = QString::fromUcs4(&codePoint, 1).normalized(QString::NormalizationForm_KD);
    QString base;
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_SpacingCombining)
            base += c;
    bool shown = !base.isEmpty();
    for (const QChar c : base)
        shown = shown && IsDisplayable(c.unicode());
    return shown ? base : QStringLiteral("?");
}

QString Record::Direction(int source, int target)
{
    return QStringLiteral("%1>%2").arg(source + 1).arg(target + 1);
}

Record Record::Read(const QString& folder)
{
    Record record;
    QFile file(folder + QLatin1Char('/') + FileName());
    if (!file.exists())
        return record;
    const auto damaged = [&]() {
        return TavolinError(QCoreApplication::translate("Translation", "Die Datei \"%1\" des Projekts ist beschädigt; sie kann gelöscht werden, dann gelten alle "
                               "Übersetzungen als aktuell.")
                                .arg(FileName()));
    };
    if (!file.open(QIODevice::ReadOnly) || file.size() > 16 * 1024 * 1024)
        throw damaged();
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        throw damaged();
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String("tavolin-translation"))
        throw damaged();
    record.sourceLanguage = root.value(QLatin1String("source-language")).toString();
    record.targetLanguage = root.value(QLatin1String("target-language")).toString();
    const QJsonObject directions = root.value(QLatin1String("lines")).toObject();
    for (auto d = directions.begin(); d != directions.end(); ++d) {
        const QJsonObject units = d.value().toObject();
        QMap<QString, QString>& lines = record.lines[d.key()];
        for (auto u = units.begin(); u != units.end(); ++u)
            lines.insert(u.key(), u.value().toString());
    }
    return record;
}

QByteArray Record::ToJson() const
{
    QJsonObject directions;
    for (auto d = lines.begin(); d != lines.end(); ++d) {
        QJsonObject units;
        for (auto u = d.value().begin(); u != d.value().end(); ++u)
            units.insert(u.key(), u.value());
        directions.insert(d.key(), units);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), QStringLiteral("tavolin-translation"));
    root.insert(QStringLiteral("version"), 1);
    if (!sourceLanguage.isEmpty())
        root.insert(QStringLiteral("source-language"), sourceLanguage);
    if (!targetLanguage.isEmpty())
        root.insert(QStringLiteral("target-language"), targetLanguage);
    root.insert(QStringLiteral("lines"), directions);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void Record::Write(const QString& folder) const
{
    ReplaceFileBytes(folder + QLatin1Char('/') + FileName(), ToJson(), Messages::SaveError());
}

QList<Unit> Units(const Project& project, const QList<int>& tables, Record& record)
{
    QList<Unit> units;
    QMap<QString, QString>& known = record.lines[Record::Direction(project.source, project.target)];
    for (const int t : tables) {
        const TMessageTable* table = project.tables[static_cast<size_t>(t)];
        if (!table)
            continue;
        for (int slot = 0; slot < table->Count(); ++slot) {
            const TMessage& message = table->At(slot);
            const QList<QByteArray> source = Lines(message.text[static_cast<size_t>(project.source)]);
            const QList<QByteArray> target = Lines(message.text[static_cast<size_t>(project.target)]);
            bool graphics = false;
            bool blink = false;
            for (qsizetype k = 0; k < std::max(source.size(), target.size()); ++k) {
                Unit unit;
                unit.table = t;
                unit.number = message.number;
                unit.line = static_cast<int>(k + 1);
                unit.source = k < source.size() ? source[k] : QByteArray();
                unit.target = k < target.size() ? target[k] : QByteArray();
                unit.graphicsAtStart = graphics;
                unit.blinkAtStart = blink;
                for (const char c : unit.source) {
                    graphics = c == Attr::GraphicsOn ? true : c == Attr::GraphicsOff ? false : graphics;
                    blink = c == Attr::BlinkOn ? true : c == Attr::BlinkOff ? false : blink;
                }
                if (unit.source.isEmpty() && unit.target.isEmpty())
                    continue;
                const QString id = UnitId(t, unit.number, unit.line);
                const QString hash = SourceHash(unit.source);
                if (unit.target.isEmpty()) {
                    unit.needsTranslation = true;
                } else {
                    const QString made = known.value(id);
                    if (made.isEmpty())
                        known.insert(id, hash);
                    unit.needsTranslation = !made.isEmpty() && made != hash;
                }
                units.append(unit);
            }
        }
    }
    return units;
}

namespace {

// The target of an entry as display codes; characters the display cannot show are
// replaced by their nearest and listed in `replaced`.
QByteArray DecodeTarget(const QList<Segment>& segments, QStringList& replaced)
{
    QByteArray bytes;
    for (const Segment& segment : segments) {
        if (segment.text.isEmpty()) {
            bytes += segment.codes;
            continue;
        }
        QString shown;
        for (const char32_t cp : segment.text.toUcs4()) {
            if (cp < 0x80 || IsDisplayable(cp)) {
                shown += QString::fromUcs4(&cp, 1);
                continue;
            }
            const QString nearest = NearestDisplayText(cp);
            replaced += QCoreApplication::translate("Translation", "%1 (U+%2) wird %3")
                            .arg(Quoted(QString::fromUcs4(&cp, 1)))
                            .arg(static_cast<uint>(cp), 4, 16, QLatin1Char('0'))
                            .arg(Quoted(nearest));
            shown += nearest;
        }
        bytes += TextNotation::Decode(shown, false);
    }
    return bytes;
}

bool IsBlank(const QList<Segment>& segments)
{
    for (const Segment& segment : segments)
        if (!segment.text.isEmpty() || !segment.codes.isEmpty())
            return false;
    return true;
}

} // namespace

Plan Check(const Project& project, const QList<Entry>& entries)
{
    Plan plan;
    // (table, number) -> line index -> new line
    std::map<std::pair<int, int>, QMap<int, QByteArray>> staged;
    QSet<QString> seen;
    const auto refuse = [&](Finding::Kind kind, const QString& text) {
        plan.errors.append({kind, text});
        plan.left.append(text);
    };
    for (const Entry& entry : entries) {
        int t = -1;
        int number = -1;
        int line = 0;
        const TMessageTable* table = nullptr;
        int slot = -1;
        if (ParseUnitId(entry.id, t, number, line))
            table = project.tables[static_cast<size_t>(t)];
        if (table)
            slot = table->IndexOf(number);
        QList<QByteArray> source;
        QList<QByteArray> target;
        if (slot >= 0) {
            source = Lines(table->At(slot).text[static_cast<size_t>(project.source)]);
            target = Lines(table->At(slot).text[static_cast<size_t>(project.target)]);
        }
        if (slot < 0 || line > std::max(source.size(), target.size())) {
            refuse(Finding::UnknownId,
                   QCoreApplication::translate("Translation", "%1: Die Kennung %2 gehört zu keiner Zeile des Projekts.").arg(entry.place, Quoted(entry.id)));
            continue;
        }
        const QString id = UnitId(t, number, line);
        const QString place = LinePlace(t, number, line);
        if (seen.contains(id)) {
            refuse(Finding::BadText, QCoreApplication::translate("Translation", "%1: %2 kommt in der Datei doppelt vor.").arg(entry.place, Quoted(id)));
            continue;
        }
        seen.insert(id);
        if (IsBlank(entry.target)) {
            ++plan.empty;
            continue;
        }
        const QByteArray currentSource = line <= source.size() ? source[line - 1] : QByteArray();
        const bool sourceChanged = !entry.sourceHash.isEmpty() ? entry.sourceHash != SourceHash(currentSource)
                                   : entry.hasSource && entry.source != LineNotation(currentSource);
        if (sourceChanged) {
            refuse(Finding::SourceChanged,
                   QCoreApplication::translate("Translation", "%1: Der Ausgangstext wurde seit dem Export geändert (jetzt %2); die Übersetzung wird nicht "
                      "übernommen.")
                       .arg(place, Quoted(LineNotation(currentSource))));
            continue;
        }
        QStringList replaced;
        QByteArray bytes;
        try {
            bytes = DecodeTarget(entry.target, replaced);
        } catch (const TavolinError& error) {
            refuse(Finding::BadText, place + QStringLiteral(": ") + error.message());
            continue;
        }
        if (!replaced.isEmpty())
            plan.errors.append({Finding::UnknownCharacter,
                                QCoreApplication::translate("Translation", "%1: Zeichen, die die Anzeige nicht hat: %2.").arg(place, replaced.join(QStringLiteral(", ")))});
        if (VisibleLength(bytes) > project.lineLength) {
            refuse(Finding::TooLong, QCoreApplication::translate("Translation", "%1: %2 hat %3 Zeichen, eine Zeile der Anzeige %4.")
                                         .arg(place, Quoted(LineNotation(bytes)))
                                         .arg(VisibleLength(bytes))
                                         .arg(project.lineLength));
            continue;
        }
        const QByteArray current = line <= target.size() ? target[line - 1] : QByteArray();
        if (bytes == current) {
            ++plan.unchanged;
            continue;
        }
        staged[{t, number}].insert(line - 1, bytes);
        plan.taken.append(QStringLiteral("%1: %2").arg(place, Quoted(LineNotation(bytes))));
        plan.takenIds.append(id);
    }
    for (const auto& [key, lines] : staged) {
        const TMessageTable* table = project.tables[static_cast<size_t>(key.first)];
        QList<QByteArray> target = Lines(table->At(table->IndexOf(key.second)).text[static_cast<size_t>(project.target)]);
        for (auto l = lines.begin(); l != lines.end(); ++l) {
            while (target.size() <= l.key())
                target.append(QByteArray());
            target[l.key()] = l.value();
        }
        QByteArray text = target.join(Attr::LineBreak);
        while (text.endsWith(Attr::LineBreak))
            text.chop(1);
        const QString refusal = UnstorableTextReason(key.second, text);
        if (!refusal.isEmpty()) {
            refuse(Finding::BadText, QCoreApplication::translate("Translation", "%1, Meldung %2: %3").arg(TableTitle(key.first)).arg(key.second).arg(refusal));
            continue;
        }
        plan.texts[key] = text;
    }
    return plan;
}

QString Plan::Report(bool force) const
{
    QString report;
    if (!errors.isEmpty()) {
        report += QCoreApplication::translate("Translation", "Fehler (%1):\n").arg(errors.size());
        for (const Finding& finding : errors)
            report += QStringLiteral("  - ") + finding.text + QLatin1Char('\n');
    }
    if (force && !left.isEmpty()) {
        report += QCoreApplication::translate("Translation", "Nicht übernommen (%1):\n").arg(left.size());
        for (const QString& line : left)
            report += QStringLiteral("  - ") + line + QLatin1Char('\n');
    }
    if (!HasErrors() || force) {
        report += QCoreApplication::translate("Translation", "Übernommen (%1):\n").arg(taken.size());
        for (const QString& line : taken)
            report += QStringLiteral("  - ") + line + QLatin1Char('\n');
    }
    report += QCoreApplication::translate("Translation", "%1 Zeilen übernommen, %2 unverändert, %3 ohne Übersetzung, %4 abgelehnt.\n")
                  .arg(HasErrors() && !force ? 0 : taken.size())
                  .arg(unchanged)
                  .arg(empty)
                  .arg(left.size());
    return report;
}

bool Apply(const Plan& plan, const std::array<TMessageTable*, 2>& tables, int target)
{
    bool changed = false;
    for (const auto& [key, text] : plan.texts) {
        TMessageTable* table = tables[static_cast<size_t>(key.first)];
        if (!table || table->At(table->IndexOf(key.second)).text[static_cast<size_t>(target)] == text)
            continue;
        table->SetText(key.second, target, text);
        table->modified[static_cast<size_t>(target)] = true;
        changed = true;
    }
    return changed;
}

void NoteTaken(const Plan& plan, const Project& project, Record& record)
{
    QMap<QString, QString>& known = record.lines[Record::Direction(project.source, project.target)];
    for (const QString& id : plan.takenIds) {
        int t = 0;
        int number = 0;
        int line = 0;
        ParseUnitId(id, t, number, line);
        const TMessageTable* table = project.tables[static_cast<size_t>(t)];
        const QList<QByteArray> source = Lines(table->At(table->IndexOf(number)).text[static_cast<size_t>(project.source)]);
        known.insert(id, SourceHash(line <= source.size() ? source[line - 1] : QByteArray()));
    }
}

TableStatus Status(const Project& project, int t, const Record& record)
{
    TableStatus status;
    const TMessageTable* table = project.tables[static_cast<size_t>(t)];
    if (!table)
        return status;
    const QMap<QString, QString> known = record.lines.value(Record::Direction(project.source, project.target));
    for (int slot = 0; slot < table->Count(); ++slot) {
        const TMessage& message = table->At(slot);
        const QList<QByteArray> source = Lines(message.text[static_cast<size_t>(project.source)]);
        const QList<QByteArray> target = Lines(message.text[static_cast<size_t>(project.target)]);
        if (source.isEmpty() && target.isEmpty())
            continue;
        ++status.messages;
        bool missing = false;
        bool outdated = false;
        bool tooLong = false;
        for (qsizetype k = 0; k < std::max(source.size(), target.size()); ++k) {
            const QByteArray s = k < source.size() ? source[k] : QByteArray();
            const QByteArray tl = k < target.size() ? target[k] : QByteArray();
            if (tl.isEmpty()) {
                missing = missing || !s.isEmpty();
                continue;
            }
            const auto entry = known.constFind(UnitId(t, message.number, static_cast<int>(k + 1)));
            outdated = outdated || (entry != known.constEnd() && entry.value() != SourceHash(s));
            tooLong = tooLong || VisibleLength(tl) > project.lineLength;
        }
        status.missing += missing;
        status.outdated += outdated;
        status.tooLong += tooLong;
    }
    return status;
}

} // namespace Translation
