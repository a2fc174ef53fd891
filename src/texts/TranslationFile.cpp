#include "texts/TranslationFile.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include "charset/DisplayCodeMap.h"
#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/TextExchange.h"

namespace TranslationFile {

namespace {

using Translation::Unit;

const QString XliffNamespace = QStringLiteral("urn:oasis:names:tc:xliff:document:1.2");
const QString OwnNamespace = QStringLiteral("urn:x-tavolin:translation");

QByteArray Escaped(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

QString Hex(quint8 code)
{
    return QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

// A line with the bytes a translator must keep as they are (blink and graphics switches,
// graphics characters, characters without a typed form) as <ph> codes carrying the
// display codes; the content of a code is the line's notation, so that tools that flatten
// codes to text keep a text the import still reads.
QByteArray InlineLine(const QByteArray& line, bool graphics)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QByteArray out;
    int id = 0;
    qsizetype i = 0;
    const auto isCode = [&](char c, bool inGraphics) {
        if (Attr::IsAttribute(c) || inGraphics)
            return true;
        const quint8 windows = map.ToWindows(static_cast<quint8>(c));
        return windows != '{' && !Translation::IsDisplayable(windows);
    };
    while (i < line.size()) {
        if (!isCode(line[i], graphics)) {
            QByteArray plain;
            while (i < line.size() && !isCode(line[i], graphics))
                plain += line[i++];
            out += Escaped(Translation::LineNotation(plain));
            continue;
        }
        QByteArray codes;
        bool hasGraphics = false;
        bool hasBlink = false;
        while (i < line.size() && isCode(line[i], graphics)) {
            const char c = line[i++];
            hasGraphics = hasGraphics || graphics || c == Attr::GraphicsOn || c == Attr::GraphicsOff;
            hasBlink = hasBlink || c == Attr::BlinkOn || c == Attr::BlinkOff;
            graphics = c == Attr::GraphicsOn ? true : c == Attr::GraphicsOff ? false : graphics;
            codes += c;
        }
        QStringList hex;
        for (const char c : codes)
            hex += Hex(static_cast<quint8>(c));
        const char* ctype = hasGraphics ? "x-graphics" : hasBlink ? "x-blink" : "x-display-code";
        out += "<ph id=\"" + QByteArray::number(++id) + "\" ctype=\"" + ctype + "\" tav:codes=\""
            + hex.join(QLatin1Char(' ')).toLatin1() + "\">" + Escaped(Translation::LineNotation(codes)) + "</ph>";
    }
    return out;
}

// The graphics state at the start of the target's line: the target's own earlier lines.
QList<bool> TargetGraphicsStarts(const QList<Unit>& units)
{
    QList<bool> starts;
    starts.reserve(units.size());
    bool graphics = false;
    int table = -1;
    int number = -1;
    for (const Unit& unit : units) {
        if (unit.table != table || unit.number != number || unit.line == 1)
            graphics = false;
        table = unit.table;
        number = unit.number;
        starts.append(graphics);
        for (const char c : unit.target)
            graphics = c == Attr::GraphicsOn ? true : c == Attr::GraphicsOff ? false : graphics;
    }
    return starts;
}

QByteArray Number(int n)
{
    return QByteArray::number(n);
}

} // namespace

QByteArray ToXliff(const QList<Unit>& units, const Translation::Project& project, const Languages& languages)
{
    const QList<bool> targetGraphics = TargetGraphicsStarts(units);
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff version=\"1.2\" xmlns=\""
        + XliffNamespace.toUtf8() + "\" xmlns:tav=\"" + OwnNamespace.toUtf8() + "\">\n";
    int table = -1;
    int number = -1;
    const auto closeGroup = [&]() {
        if (number >= 0)
            out += "      </group>\n";
        number = -1;
    };
    const auto closeFile = [&]() {
        closeGroup();
        if (table >= 0)
            out += "    </body>\n  </file>\n";
        table = -1;
    };
    for (qsizetype i = 0; i < units.size(); ++i) {
        const Unit& unit = units[i];
        if (unit.table != table) {
            closeFile();
            table = unit.table;
            out += "  <file original=\"" + Translation::TableId(table).toUtf8()
                + "\" datatype=\"plaintext\" source-language=\"" + Escaped(languages.source)
                + "\" target-language=\"" + Escaped(languages.target) + "\" tav:source=\""
                + Number(project.source + 1) + "\" tav:target=\"" + Number(project.target + 1) + "\">\n    <body>\n";
        }
        if (unit.number != number) {
            closeGroup();
            number = unit.number;
            out += "      <group id=\"" + Translation::TableId(table).toUtf8() + '/' + Number(number)
                + "\" resname=\"" + Number(number) + "\">\n";
        }
        out += "        <trans-unit id=\"" + Translation::UnitId(table, number, unit.line).toUtf8()
            + "\" maxwidth=\"" + Number(project.lineLength) + "\" size-unit=\"char\" xml:space=\"preserve\" tav:source-hash=\""
            + Translation::SourceHash(unit.source).toUtf8() + "\">\n          <source>"
            + InlineLine(unit.source, unit.graphicsAtStart) + "</source>\n          <target state=\""
            + (unit.needsTranslation ? "needs-translation" : "translated") + "\">"
            + InlineLine(unit.target, targetGraphics[i]) + "</target>\n          <note>"
            + Escaped(Translation::DisplayForm(unit.source, unit.graphicsAtStart, unit.blinkAtStart))
            + "</note>\n        </trans-unit>\n";
    }
    closeFile();
    return out + "</xliff>\n";
}

QByteArray ToCsv(const QList<Unit>& units, const Translation::Project& project)
{
    QByteArray out = "\xEF\xBB\xBFtable,number,line,source,target,maximum length,remark\r\n";
    for (const Unit& unit : units) {
        // The remark repeats the source as the display shows it; a translation made for an
        // older source says so.
        QString remark = Translation::DisplayForm(unit.source, unit.graphicsAtStart, unit.blinkAtStart);
        if (unit.needsTranslation && !unit.target.isEmpty())
            remark = QStringLiteral("[Ausgangstext geändert] ") + remark;
        out += Translation::TableId(unit.table).toUtf8() + ',' + Number(unit.number) + ',' + Number(unit.line) + ','
            + TextExchange::CsvField(Translation::LineNotation(unit.source)) + ','
            + TextExchange::CsvField(Translation::LineNotation(unit.target)) + ',' + Number(project.lineLength) + ','
            + TextExchange::CsvField(remark) + "\r\n";
    }
    return out;
}

namespace {

struct Inline
{
    QString text;
    QList<Translation::Segment> segments;
};

// The content of <source> or <target> up to its end tag: text, and codes from elements
// that carry them; elements without codes count with their text (tools that turned codes
// into other elements), empty ones with nothing.
Inline ReadInline(QXmlStreamReader& xml)
{
    Inline result;
    const auto addText = [&](const QString& text) {
        result.text += text;
        if (result.segments.isEmpty() || !result.segments.last().codes.isEmpty())
            result.segments.append(Translation::Segment());
        result.segments.last().text += text;
    };
    int depth = 1;
    int codeDepth = 0; // inside an element whose codes were taken
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (codeDepth > 0) {
                ++codeDepth;
                continue;
            }
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView codes = attributes.value(OwnNamespace, QStringLiteral("codes"));
            if (!codes.isNull()) {
                QByteArray bytes;
                for (const QString& hex : codes.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    bool ok = false;
                    const uint code = hex.toUInt(&ok, 16);
                    if (!ok || code > 0xFF || code == 0 || code == 0x0A || code == 0x0D || code == 0x1A)
                        throw TavolinError(QCoreApplication::translate("TranslationFile", "Zeile %1: ungültiger Code \"%2\".").arg(xml.lineNumber()).arg(hex));
                    bytes += static_cast<char>(code);
                }
                result.segments.append(Translation::Segment{QString(), bytes});
                codeDepth = 1;
            }
        } else if (xml.isEndElement()) {
            --depth;
            if (codeDepth > 0)
                --codeDepth;
        } else if (xml.isCharacters() && codeDepth == 0) {
            addText(xml.text().toString());
        } else if (xml.isCharacters()) {
            result.text += xml.text();
        }
    }
    return result;
}

} // namespace

Content FromXliff(const QByteArray& xliff)
{
    Content content;
    QXmlStreamReader xml(xliff);
    bool isXliff = false;
    Translation::Entry entry;
    bool inUnit = false;
    QString location;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView name = xml.name();
            if (name == QLatin1String("xliff")) {
                isXliff = true;
            } else if (name == QLatin1String("file") && content.source == 0) {
                content.source = xml.attributes().value(OwnNamespace, QStringLiteral("source")).toInt();
                content.target = xml.attributes().value(OwnNamespace, QStringLiteral("target")).toInt();
            } else if (name == QLatin1String("trans-unit")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (attributes.value(QStringLiteral("restype")) == QLatin1String("x-gettext-domain-header")) {
                    xml.skipCurrentElement();
                    continue;
                }
                inUnit = true;
                entry = {};
                location.clear();
                entry.id = attributes.value(QStringLiteral("id")).toString();
                entry.sourceHash = attributes.value(OwnNamespace, QStringLiteral("source-hash")).toString();
                entry.place = QCoreApplication::translate("TranslationFile", "Zeile %1").arg(xml.lineNumber());
            } else if (inUnit && name == QLatin1String("source")) {
                entry.source = ReadInline(xml).text;
                entry.hasSource = true;
            } else if (inUnit && name == QLatin1String("target")) {
                entry.target = ReadInline(xml).segments;
            } else if (inUnit && name == QLatin1String("context")
                       && xml.attributes().value(QStringLiteral("context-type")) == QLatin1String("sourcefile")) {
                location = xml.readElementText().trimmed();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("trans-unit") && inUnit) {
            inUnit = false;
            int t = 0;
            int n = 0;
            int l = 0;
            // Through PO and back the id is a running number; the location kept the unit's.
            if (!Translation::ParseUnitId(entry.id, t, n, l) && Translation::ParseUnitId(location, t, n, l))
                entry.id = location;
            content.entries.append(entry);
        }
    }
    if (xml.hasError())
        throw TavolinError(QCoreApplication::translate("TranslationFile", "Kein gültiges XLIFF (Zeile %1: %2).").arg(xml.lineNumber()).arg(xml.errorString()));
    if (!isXliff)
        throw TavolinError(QCoreApplication::translate("TranslationFile", "Die Datei ist kein XLIFF (kein Element <xliff>)."));
    return content;
}

Content FromCsv(const QByteArray& csv)
{
    Content content;
    QList<int> lines;
    const QList<QStringList> records = TextExchange::CsvRecords(TextExchange::DecodeUtf8(csv), lines);
    // Columns are found by the names of the first row, so that a spreadsheet may move them.
    int columns[5] = {0, 1, 2, 3, 4};
    static const char* const names[5] = {"table", "number", "line", "source", "target"};
    qsizetype first = 0;
    if (!records.isEmpty() && records[0].value(0).trimmed().compare(QLatin1String("table"), Qt::CaseInsensitive) == 0) {
        first = 1;
        for (int c = 0; c < 5; ++c) {
            columns[c] = -1;
            for (qsizetype k = 0; k < records[0].size(); ++k)
                if (records[0][k].trimmed().compare(QLatin1String(names[c]), Qt::CaseInsensitive) == 0)
                    columns[c] = static_cast<int>(k);
            if (columns[c] < 0)
                throw TavolinError(QCoreApplication::translate("TranslationFile", "CSV: die Spalte \"%1\" fehlt.").arg(QLatin1String(names[c])));
        }
    }
    for (qsizetype r = first; r < records.size(); ++r) {
        const QStringList& record = records[r];
        Translation::Entry entry;
        entry.place = QCoreApplication::translate("TranslationFile", "CSV Zeile %1").arg(lines[r]);
        entry.id = QStringLiteral("%1/%2/%3")
                       .arg(record.value(columns[0]).trimmed(), record.value(columns[1]).trimmed(),
                            record.value(columns[2]).trimmed());
        entry.hasSource = columns[3] < record.size();
        entry.source = record.value(columns[3]);
        if (!record.value(columns[4]).isEmpty())
            entry.target.append(Translation::Segment{record.value(columns[4]), QByteArray()});
        content.entries.append(entry);
    }
    if (content.entries.isEmpty())
        throw TavolinError(QCoreApplication::translate("TranslationFile", "Die Datei enthält keine Zeile zum Übersetzen."));
    return content;
}

} // namespace TranslationFile
