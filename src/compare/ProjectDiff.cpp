#include "compare/ProjectDiff.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "charset/CharSet.h"
#include "common/TavolinError.h"
#include "session/ProjectSession.h"
#include "settings/SystemSettings.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "texts/TextNotation.h"

namespace {

constexpr int GlyphRows = 7;
constexpr int FirstCode = 32;
constexpr quint8 RowBits = 0x1F;
const QString Arrow = QStringLiteral(" \u2192 ");

const QByteArray& TextOf(const TMessageTable* table, int slot, int language)
{
    return table->At(slot).text[static_cast<size_t>(language)];
}

QString Words(quint8 flags, quint8 mask, const char* on, const char* off)
{
    return QString::fromUtf8((flags & mask) ? on : off);
}

// Names shown for the keys of ValueDifference; keys not listed show as they are.
struct KeyName
{
    const char* key;
    const char* name;
};
constexpr KeyName KeyNames[] = {
    {"displayType", QT_TRANSLATE_NOOP("ProjectDiff", "Anzeigetyp")},
    {"charSetName", QT_TRANSLATE_NOOP("ProjectDiff", "Zeichensatz")},
    {"language1File", QT_TRANSLATE_NOOP("ProjectDiff", "Datei Sprache 1")},
    {"language2File", QT_TRANSLATE_NOOP("ProjectDiff", "Datei Sprache 2")},
    {"diagLanguage1File", QT_TRANSLATE_NOOP("ProjectDiff", "Datei Diagnose Sprache 1")},
    {"diagLanguage2File", QT_TRANSLATE_NOOP("ProjectDiff", "Datei Diagnose Sprache 2")},
    {"selection", QT_TRANSLATE_NOOP("ProjectDiff", "Meldetextauswahl")},
    {"charset", QT_TRANSLATE_NOOP("ProjectDiff", "Interner Zeichensatz")},
    {"printer", QT_TRANSLATE_NOOP("ProjectDiff", "Drucker")},
    {"brightness", QT_TRANSLATE_NOOP("ProjectDiff", "Helligkeit")},
    {"scroll", QT_TRANSLATE_NOOP("ProjectDiff", "Scrollzeit")},
    {"blinkon", QT_TRANSLATE_NOOP("ProjectDiff", "Blink-Ein")},
    {"blinkoff", QT_TRANSLATE_NOOP("ProjectDiff", "Blink-Aus")},
    {"keyaddress", QT_TRANSLATE_NOOP("ProjectDiff", "SPS-Adresse Tasten")},
    {"ledaddress", QT_TRANSLATE_NOOP("ProjectDiff", "SPS-Adresse LEDs")},
    {"station", QT_TRANSLATE_NOOP("ProjectDiff", "TeilnehmerNr")},
    {"other", QT_TRANSLATE_NOOP("ProjectDiff", "Weitere Zeile")},
    {"lines", QT_TRANSLATE_NOOP("ProjectDiff", "Einstellungszeilen")},
};

QString Encoded(const QByteArray& text, const QString& indent)
{
    QString notation = TextNotation::Encode(text);
    notation.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
    return notation;
}

QString Shown(const QString& value)
{
    return value.isEmpty() ? QCoreApplication::translate("ProjectDiff", "(keine)") : value;
}

QJsonArray JsonLines(const QList<QByteArray>& lines)
{
    QJsonArray array;
    for (const QByteArray& line : lines)
        array.append(TextNotation::Encode(line));
    return array;
}

QJsonArray JsonValues(const QList<ValueDifference>& values)
{
    QJsonArray array;
    for (const ValueDifference& v : values)
        array.append(QJsonObject{{QStringLiteral("key"), v.key},
                                 {QStringLiteral("old"), v.left},
                                 {QStringLiteral("new"), v.right}});
    return array;
}

} // namespace

QList<int> TableDifference::OnlyLeft() const
{
    QList<int> numbers;
    for (const MessageDifference& d : messages)
        if (d.right.isEmpty())
            numbers.append(d.number);
    return numbers;
}

QList<int> TableDifference::OnlyRight() const
{
    QList<int> numbers;
    for (const MessageDifference& d : messages)
        if (d.left.isEmpty())
            numbers.append(d.number);
    return numbers;
}

QList<MessageDifference> TableDifference::Changed() const
{
    QList<MessageDifference> changed;
    for (const MessageDifference& d : messages)
        if (!d.left.isEmpty() && !d.right.isEmpty())
            changed.append(d);
    return changed;
}

QString TableDifference::Title() const
{
    return (table == 0 ? QCoreApplication::translate("DisplayCompare", "Betriebstexte Sprache %1")
                       : QCoreApplication::translate("DisplayCompare", "Diagnosetexte Sprache %1"))
        .arg(language + 1);
}

TableDifference TableDifference::Of(const TMessageTable* left, const TMessageTable* right, int table, int language)
{
    TableDifference result;
    result.table = table;
    result.language = language;
    const auto lang = static_cast<size_t>(language);
    if (left)
        result.leftHeader = left->headerLines[lang];
    if (right)
        result.rightHeader = right->headerLines[lang];
    // Both tables are sorted by number: one walk along both.
    const int leftCount = left ? left->Count() : 0;
    const int rightCount = right ? right->Count() : 0;
    int l = 0;
    int r = 0;
    while (l < leftCount || r < rightCount) {
        const int ln = l < leftCount ? left->At(l).number : TMessageTable::MaxNumber + 1;
        const int rn = r < rightCount ? right->At(r).number : TMessageTable::MaxNumber + 1;
        const int number = std::min(ln, rn);
        const QByteArray a = ln == number ? TextOf(left, l++, language) : QByteArray();
        const QByteArray b = rn == number ? TextOf(right, r++, language) : QByteArray();
        if (a != b)
            result.messages.append({number, a, b});
    }
    return result;
}

QStringList GlyphDifference::Picture(const std::array<quint8, 7>& rows)
{
    QStringList picture;
    for (const quint8 bits : rows) {
        QString row;
        for (int column = 0; column < 5; ++column)
            row += (bits >> (4 - column) & 1) ? QLatin1Char('#') : QLatin1Char('.');
        picture.append(row);
    }
    return picture;
}

std::array<quint8, 7> GlyphDifference::Rows(const QByteArray& pix, int code)
{
    std::array<quint8, 7> rows{};
    for (int row = 0; row < GlyphRows; ++row) {
        const qsizetype k = static_cast<qsizetype>(code - FirstCode) * GlyphRows + row;
        rows[static_cast<size_t>(row)] = k >= 0 && k < pix.size() ? static_cast<quint8>(pix[k]) & RowBits : 0;
    }
    return rows;
}

QList<GlyphDifference> CompareGlyphs(const QByteArray& leftPix, const QByteArray& rightPix)
{
    QList<GlyphDifference> result;
    for (int code = FirstCode; code < FirstCode + TCharSet::PixSize / GlyphRows; ++code) {
        GlyphDifference d{code, GlyphDifference::Rows(leftPix, code), GlyphDifference::Rows(rightPix, code)};
        if (d.left != d.right)
            result.append(d);
    }
    return result;
}

QString ValueDifference::Name() const
{
    if (key.startsWith(QLatin1String("key:")))
        return QCoreApplication::translate("ProjectDiff", "Taste F%1").arg(key.mid(4));
    for (const KeyName& k : KeyNames)
        if (key == QLatin1String(k.key))
            return QCoreApplication::translate("ProjectDiff", k.name);
    return key;
}

QList<ValueDifference> CompareSettings(const QList<QByteArray>& left, const QList<QByteArray>& right, int keyCount,
                                       bool plcAddresses)
{
    QList<ValueDifference> result;
    if (left == right)
        return result;
    const TSystemSettings a = ReadSystemSettings(left);
    const TSystemSettings b = ReadSystemSettings(right);
    const auto add = [&](const char* key, const QString& x, const QString& y) {
        if (x != y)
            result.append({QLatin1String(key), x, y});
    };
    add("selection", a.bcd ? QStringLiteral("BCD") : QStringLiteral("Binär"),
        b.bcd ? QStringLiteral("BCD") : QStringLiteral("Binär"));
    add("charset", a.cpmCharSet ? QStringLiteral("CP/M") : QStringLiteral("IBM"),
        b.cpmCharSet ? QStringLiteral("CP/M") : QStringLiteral("IBM"));
    add("printer", a.printer ? QStringLiteral("ein") : QStringLiteral("aus"),
        b.printer ? QStringLiteral("ein") : QStringLiteral("aus"));
    add("brightness", a.brightness, b.brightness);
    add("scroll", a.scrollTime, b.scrollTime);
    add("blinkon", a.blinkOnTime, b.blinkOnTime);
    add("blinkoff", a.blinkOffTime, b.blinkOffTime);
    if (plcAddresses) {
        add("keyaddress", a.keyAddress, b.keyAddress);
        add("ledaddress", a.ledAddress, b.ledAddress);
        add("station", a.station, b.station);
    }
    for (int key = 0; key < std::min(keyCount, MaxKeys); ++key) {
        const quint8 x = a.keys[static_cast<size_t>(key)];
        const quint8 y = b.keys[static_cast<size_t>(key)];
        const QString name = QStringLiteral("key:%1").arg(key + 1);
        static constexpr struct
        {
            quint8 mask;
            const char* on;
            const char* off;
        } Attributes[] = {{kfLatching, "Rastend", "Tastend"},
                          {kfExternal, "Extern", "Intern"},
                          {kfGreen, "Grün", "Rot"},
                          {kfBlinking, "Blinkend", "Ruhig"}};
        for (const auto& attribute : Attributes)
            if ((x ^ y) & attribute.mask)
                result.append({name, Words(x, attribute.mask, attribute.on, attribute.off),
                               Words(y, attribute.mask, attribute.on, attribute.off)});
    }
    for (const QByteArray& line : a.otherLines)
        if (!b.otherLines.contains(line))
            result.append({QStringLiteral("other"), TextNotation::Encode(line), QString()});
    for (const QByteArray& line : b.otherLines)
        if (!a.otherLines.contains(line))
            result.append({QStringLiteral("other"), QString(), TextNotation::Encode(line)});
    if (result.isEmpty()) {
        QStringList x;
        QStringList y;
        for (const QByteArray& line : left)
            x.append(TextNotation::Encode(line));
        for (const QByteArray& line : right)
            y.append(TextNotation::Encode(line));
        result.append({QStringLiteral("lines"), x.join(QStringLiteral(" | ")), y.join(QStringLiteral(" | "))});
    }
    return result;
}

ProjectSide ProjectSide::Of(const ProjectSession& session)
{
    ProjectSide side;
    side.state = session.project;
    side.tables = {session.Table(0), session.Table(1)};
    side.glyphs = session.graphics.Glyphs();
    return side;
}

bool ProjectDifference::Equal() const
{
    return config.isEmpty() && settings.isEmpty() && glyphs.isEmpty()
        && std::all_of(tables.cbegin(), tables.cend(), [](const TableDifference& t) { return t.Equal(); });
}

ProjectDifference CompareProjects(const ProjectSide& left, const ProjectSide& right)
{
    ProjectDifference result;
    const TProjectConfig& a = left.state.config;
    const TProjectConfig& b = right.state.config;
    const std::pair<const char*, TProjectConfig::Field TProjectConfig::*> Fields[] = {
        {"displayType", &TProjectConfig::displayTypeName},     {"charSetName", &TProjectConfig::charSetName},
        {"language1File", &TProjectConfig::language1File},     {"language2File", &TProjectConfig::language2File},
        {"diagLanguage1File", &TProjectConfig::diagLanguage1File}, {"diagLanguage2File", &TProjectConfig::diagLanguage2File}};
    for (const auto& [key, field] : Fields) {
        const QString x = TProjectConfig::Get(a.*field);
        const QString y = TProjectConfig::Get(b.*field);
        if (x != y)
            result.config.append({QLatin1String(key), x, y});
    }

    const TDisplayType& typeA = left.state.displayType;
    const TDisplayType& typeB = right.state.displayType;
    const auto header = [](const ProjectSide& side) {
        return side.tables[0] ? side.tables[0]->headerLines[0] : QList<QByteArray>();
    };
    result.settings = CompareSettings(header(left), header(right), std::max(typeA.keyCount, typeB.keyCount),
                                      typeA.Has(dtPlcAddresses) || typeB.Has(dtPlcAddresses));

    const int languages = std::max(typeA.LanguageCount(), typeB.LanguageCount());
    for (int table = 0; table < 2; ++table) {
        if (!left.tables[static_cast<size_t>(table)] && !right.tables[static_cast<size_t>(table)])
            continue;
        for (int language = 0; language < languages; ++language) {
            TableDifference t = TableDifference::Of(left.tables[static_cast<size_t>(table)],
                                                    right.tables[static_cast<size_t>(table)], table, language);
            if (table == 0 && language == 0) // the settings above, decoded
                t.leftHeader = t.rightHeader = {};
            result.tables.append(t);
        }
    }
    result.glyphs = CompareGlyphs(left.glyphs, right.glyphs);
    return result;
}

QString ProjectDifference::Report() const
{
    QString text;
    const auto line = [&](const QString& indent, const ValueDifference& v) {
        text += indent + v.Name() + QStringLiteral(": ") + Shown(v.left) + Arrow + Shown(v.right) + QLatin1Char('\n');
    };
    for (const ValueDifference& v : config)
        line(QString(), v);
    if (!settings.isEmpty()) {
        text += QCoreApplication::translate("ProjectDiff", "Systemeinstellungen:\n");
        for (const ValueDifference& v : settings)
            line(QStringLiteral("  "), v);
    }
    for (const TableDifference& t : tables) {
        if (t.Equal())
            continue;
        text += t.Title() + QStringLiteral(":\n");
        if (t.HeaderChanged()) {
            text += QCoreApplication::translate("ProjectDiff", "  Kopfzeilen alt: ");
            for (const QByteArray& h : t.leftHeader)
                text += TextNotation::Encode(h) + QStringLiteral(" | ");
            text += QCoreApplication::translate("ProjectDiff", "\n  Kopfzeilen neu: ");
            for (const QByteArray& h : t.rightHeader)
                text += TextNotation::Encode(h) + QStringLiteral(" | ");
            text += QLatin1Char('\n');
        }
        const QString indent = QStringLiteral("         ");
        for (const MessageDifference& d : t.messages) {
            if (d.left.isEmpty()) {
                text += QCoreApplication::translate("ProjectDiff", "  Meldung %1 neu:\n").arg(d.number);
                text += QCoreApplication::translate("ProjectDiff", "    neu: ") + Encoded(d.right, indent) + QLatin1Char('\n');
            } else if (d.right.isEmpty()) {
                text += QCoreApplication::translate("ProjectDiff", "  Meldung %1 entfernt:\n").arg(d.number);
                text += QCoreApplication::translate("ProjectDiff", "    alt: ") + Encoded(d.left, indent) + QLatin1Char('\n');
            } else {
                text += QCoreApplication::translate("ProjectDiff", "  Meldung %1 geändert:\n").arg(d.number);
                text += QCoreApplication::translate("ProjectDiff", "    alt: ") + Encoded(d.left, indent) + QLatin1Char('\n');
                text += QCoreApplication::translate("ProjectDiff", "    neu: ") + Encoded(d.right, indent) + QLatin1Char('\n');
            }
        }
    }
    if (!glyphs.isEmpty()) {
        text += QCoreApplication::translate("ProjectDiff", "Zeichensatz:\n");
        for (const GlyphDifference& g : glyphs) {
            text += QCoreApplication::translate("ProjectDiff", "  Code %1 (hex)   alt     neu\n")
                        .arg(QStringLiteral("%1").arg(g.code, 2, 16, QLatin1Char('0')).toUpper());
            const QStringList a = GlyphDifference::Picture(g.left);
            const QStringList b = GlyphDifference::Picture(g.right);
            for (qsizetype row = 0; row < a.size(); ++row)
                text += QStringLiteral("                  ") + a[row] + QStringLiteral("   ") + b[row]
                    + QLatin1Char('\n');
        }
    }
    return text;
}

QByteArray ProjectDifference::Json() const
{
    QJsonArray tableArray;
    for (const TableDifference& t : tables) {
        if (t.Equal())
            continue;
        QJsonArray added;
        QJsonArray removed;
        QJsonArray changed;
        for (const MessageDifference& d : t.messages) {
            if (d.left.isEmpty())
                added.append(QJsonObject{{QStringLiteral("number"), d.number},
                                         {QStringLiteral("text"), TextNotation::Encode(d.right)}});
            else if (d.right.isEmpty())
                removed.append(QJsonObject{{QStringLiteral("number"), d.number},
                                           {QStringLiteral("text"), TextNotation::Encode(d.left)}});
            else
                changed.append(QJsonObject{{QStringLiteral("number"), d.number},
                                           {QStringLiteral("old"), TextNotation::Encode(d.left)},
                                           {QStringLiteral("new"), TextNotation::Encode(d.right)}});
        }
        QJsonObject object{{QStringLiteral("table"), t.table == 0 ? QStringLiteral("operating")
                                                                  : QStringLiteral("diagnostic")},
                           {QStringLiteral("language"), t.language + 1},
                           {QStringLiteral("added"), added},
                           {QStringLiteral("removed"), removed},
                           {QStringLiteral("changed"), changed}};
        if (t.HeaderChanged())
            object.insert(QStringLiteral("header"), QJsonObject{{QStringLiteral("old"), JsonLines(t.leftHeader)},
                                                                {QStringLiteral("new"), JsonLines(t.rightHeader)}});
        tableArray.append(object);
    }
    QJsonArray glyphArray;
    for (const GlyphDifference& g : glyphs)
        glyphArray.append(QJsonObject{{QStringLiteral("code"), g.code},
                                      {QStringLiteral("old"), QJsonArray::fromStringList(GlyphDifference::Picture(g.left))},
                                      {QStringLiteral("new"), QJsonArray::fromStringList(GlyphDifference::Picture(g.right))}});
    const QJsonObject root{{QStringLiteral("equal"), Equal()},
                           {QStringLiteral("config"), JsonValues(config)},
                           {QStringLiteral("settings"), JsonValues(settings)},
                           {QStringLiteral("tables"), tableArray},
                           {QStringLiteral("charSet"), glyphArray}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void LoadBackupGeneration(ProjectSession& session)
{
    bool found = false;
    for (int table = 0; table < 2; ++table)
        if (session.tables[static_cast<size_t>(table)])
            session.tables[static_cast<size_t>(table)] = std::make_unique<TMessageTable>();
    for (const ProjectSession::TableLanguage& tl : session.TableLanguages()) {
        const QString path = BackupFileName(session.project.TextFilePath(tl.table, tl.language));
        found = found || QFileInfo::exists(path);
        ReadTextFile(*session.Table(tl.table), path, tl.language);
    }
    if (!found)
        throw TavolinError(QCoreApplication::translate("ProjectDiff", "Im Projekt \"%1\" gibt es keine Sicherung (.bak).")
                               .arg(QDir::toNativeSeparators(session.project.folder)));
}
