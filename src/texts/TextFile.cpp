#include "texts/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>
#include <memory>

#include "common/AtomicFile.h"
#include "common/Messages.h"
#include "common/SystemReason.h"
#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/TextNotation.h"

namespace {

constexpr char LF = 0x0A;
constexpr char CR = 0x0D;
constexpr char EndOfFile = 0x1A;
constexpr int PrefixWidth = 5;

[[noreturn]] void Raise(const QString& head, const QString& path, const QString& reason)
{
    throw TavolinError(head + QStringLiteral("\n") + QDir::toNativeSeparators(path)
                       + QStringLiteral(": ") + reason);
}

// Appends pieces while they fit and keeps one byte of the buffer free. A piece that
// does not fit is left out, so a caller can tell an overflow from `complete`.
class Writer
{
public:
    Writer(char* buffer, int size) : m_buffer(buffer), m_size(size) {}

    void Put(const char* data, int length)
    {
        if (length <= 0)
            return;
        if (m_pos + length < m_size) {
            std::memcpy(m_buffer + m_pos, data, static_cast<size_t>(length));
            m_pos += length;
        } else {
            m_complete = false;
        }
    }
    void Put(const QByteArray& bytes) { Put(bytes.constData(), static_cast<int>(bytes.size())); }
    void LineEnd() { Put("\n\r", 2); }

    int Position() const { return m_pos; }
    bool Complete() const { return m_complete; }

private:
    char* m_buffer;
    int m_size;
    int m_pos = 0;
    bool m_complete = true;
};

// The display shows at most `lineLength` characters of a line; attribute bytes take no
// column. A line that fits goes out unchanged. A longer one loses the characters beyond
// the last column but keeps its attribute bytes, so blink and graphics end as written.
QByteArray FilterForDisplay(const char* line, int length, int lineLength)
{
    QByteArray out;
    out.reserve(length);
    int visible = 0;
    for (int i = 0; i < length; ++i) {
        const char c = line[i];
        if (Attr::IsAttribute(c))
            out.append(c);
        else if (visible++ < lineLength)
            out.append(c);
    }
    return out;
}

int VisibleLength(const char* line, int length)
{
    int visible = 0;
    for (int i = 0; i < length; ++i)
        if (!Attr::IsAttribute(line[i]))
            ++visible;
    return visible;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsAsciiAlnum(char c)
{
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsLineEnd(char c)
{
    return c == CR || c == LF;
}

// Length of `bytes` up to (not including) the first end-of-file mark.
int UpToEndOfFile(const char* bytes, int length)
{
    const void* mark = std::memchr(bytes, EndOfFile, static_cast<size_t>(length));
    return mark ? static_cast<int>(static_cast<const char*>(mark) - bytes) : length;
}

bool IsBlankOrEndOfFile(char c)
{
    return c == ' ' || c == EndOfFile;
}

bool AllBlank(const char* bytes, int length)
{
    for (int i = 0; i < length; ++i)
        if (!IsBlankOrEndOfFile(bytes[i]))
            return false;
    return true;
}

// Line numbers as a text editor counts them: CR LF and LF CR end one line, while the
// parser's other two-byte line ends (CR CR, LF LF) hold an empty line in between.
int LineEndCount(char first, char second)
{
    return IsLineEnd(second) && second == first ? 2 : 1;
}

// The 1-based line of the byte at `offset`.
int LineAt(const char* buffer, int offset)
{
    int line = 1;
    for (int pos = 0; pos < offset;) {
        if (!IsLineEnd(buffer[pos])) {
            ++pos;
            continue;
        }
        const bool pair = pos + 1 < offset && IsLineEnd(buffer[pos + 1]);
        line += pair ? LineEndCount(buffer[pos], buffer[pos + 1]) : 1;
        pos += pair ? 2 : 1;
    }
    return line;
}

// Bytes of a file in the export notation, so that control bytes show.
QString Shown(const char* bytes, int length)
{
    return TextNotation::Encode(QByteArray(bytes, length)).replace(QLatin1Char('\n'), QStringLiteral("{x0D}"));
}

} // namespace

int FormatText(const TMessageTable& table, int language, char* buffer, int bufferSize, int flags,
               int lineLength, bool* complete)
{
    if (complete)
        *complete = true;
    if (!buffer || bufferSize <= 0 || language < 0 || language >= TMessageTable::Languages)
        return 0;
    std::memset(buffer, 0, static_cast<size_t>(bufferSize));
    Writer out(buffer, bufferSize);
    const size_t lang = static_cast<size_t>(language);
    const bool filter = (flags & TextFile::DisplayFilter) && lineLength > 0;

    const QList<QByteArray>& header = table.headerLines[lang];
    const bool headerBlock = (flags & TextFile::HeaderBlock) && !header.isEmpty();
    QByteArray messageZeroPrefix = QByteArrayLiteral("0    ");
    if (headerBlock) {
        for (qsizetype k = 0; k < header.size(); ++k) {
            out.Put(k == 0 ? "0    *" : "     *", 6);
            out.Put(header[k]);
            out.LineEnd();
        }
        if (flags & TextFile::MessageTexts)
            out.Put("     *\n\r", 8);
        // Message 0 continues the "0" block of the header.
        messageZeroPrefix = QByteArrayLiteral("     ");
    }

    if (flags & TextFile::MessageTexts) {
        for (int slot = 0; slot < table.Count(); ++slot) {
            const TMessage& message = table.At(slot);
            const QByteArray& text = message.text[lang];
            if (text.isEmpty())
                continue;
            const QByteArray numberPrefix = (slot == 0 && message.number == 0)
                ? messageZeroPrefix
                : QByteArray::number(message.number).leftJustified(PrefixWidth, ' ');
            const char* line = text.constData();
            const char* const end = line + text.size();
            bool first = true;
            while (line < end) {
                const char* cut = static_cast<const char*>(
                    std::memchr(line, CR, static_cast<size_t>(end - line)));
                if (!cut)
                    cut = end;
                const int length = static_cast<int>(cut - line);
                if (first)
                    out.Put(numberPrefix);
                else
                    out.Put("     ", PrefixWidth);
                if (filter && VisibleLength(line, length) > lineLength)
                    out.Put(FilterForDisplay(line, length, lineLength));
                else
                    out.Put(line, length);
                out.LineEnd();
                first = false;
                // A CR at the very end closes the last line; it does not open an empty one.
                line = cut + 1;
            }
        }
    }

    if (complete)
        *complete = out.Complete();
    return out.Position();
}

QByteArray FormatTextChecked(const TMessageTable& table, int language, int flags, int lineLength)
{
    auto buffer = std::make_unique<char[]>(TextFile::BufferSize);
    bool complete = true;
    const int length = FormatText(table, language, buffer.get(), TextFile::BufferSize, flags,
                                  lineLength, &complete);
    if (!complete)
        throw TavolinError(
            Messages::SaveError()
            + QCoreApplication::translate(
                  "TextFile",
                  "\nDie Texte von Sprache%1 sind zu lang: die Anzeige nimmt höchstens %2 Bytes je Sprache an. "
                  "Bitte Meldungen kürzen oder löschen.")
                  .arg(language + 1)
                  .arg(TextFile::BufferSize - 1));
    return QByteArray(buffer.get(), length);
}

QString UnstorableTextReason(int number, const QByteArray& text)
{
    for (const char c : {'\0', LF, EndOfFile})
        if (text.contains(c))
            return QCoreApplication::translate("TextFile", "Das Zeichen %1 kann in einer Textdatei nicht stehen.")
                .arg(Shown(&c, 1));
    if (text.endsWith(CR))
        return QCoreApplication::translate("TextFile", "Eine leere letzte Zeile kann in einer Textdatei nicht stehen.");
    if (number == 0 && text.startsWith('*'))
        return QCoreApplication::translate(
            "TextFile",
            "Der Text von Meldung 0 darf nicht mit \"*\" beginnen: die Textdatei liest eine "
            "solche erste Zeile als Kopfzeile der Systemeinstellungen, und der Text ginge beim "
            "Speichern verloren.");
    return QString();
}

QString UnstorableHeaderReason(const QByteArray& line)
{
    if (line.isEmpty() || !IsAsciiAlnum(line[0]))
        return QCoreApplication::translate("TextFile",
                                           "Eine Kopfzeile muss mit einem Buchstaben oder einer Ziffer beginnen.");
    for (const char c : {'\0', LF, CR, EndOfFile})
        if (line.contains(c))
            return QCoreApplication::translate("TextFile", "Das Zeichen %1 kann in einer Kopfzeile nicht stehen.")
                .arg(Shown(&c, 1));
    return QString();
}

void WriteTextBytes(QIODevice& device, const QByteArray& bytes)
{
    const qint64 written = device.write(bytes);
    if (written != bytes.size())
        throw TavolinError(Messages::SaveError() + QStringLiteral("\n") + device.errorString());
}

QByteArray TextFileContent(const TMessageTable& table, const QString& path, int language)
{
    try {
        return FormatTextChecked(table, language, TextFile::HeaderBlock | TextFile::MessageTexts);
    } catch (const TavolinError& error) {
        throw TavolinError(error.message() + QStringLiteral("\n") + QDir::toNativeSeparators(path));
    }
}

void SaveTextFile(const QString& path, const QByteArray& bytes, KeepBackup backup)
{
    const QFileInfo info(path);
    if (info.isDir())
        Raise(Messages::SaveError(), path,
              QCoreApplication::translate("TextFile", "Ein Ordner dieses Namens ist bereits vorhanden."));
    QDir().mkpath(info.absolutePath());
    ReplaceFileContent(
        path, [&](QIODevice& file) { WriteTextBytes(file, bytes); }, Messages::SaveError(), backup);
}

void WriteTextFile(TMessageTable& table, const QString& path, int language, KeepBackup backup)
{
    if (language < 0 || language >= TMessageTable::Languages)
        return;
    SaveTextFile(path, TextFileContent(table, path, language), backup);
}

int ParseText(TMessageTable& table, int language, char* buffer, int length, const QString& path,
              ReadWarnings* warnings)
{
    if (language < 0 || language >= TMessageTable::Languages)
        return 0;
    const size_t lang = static_cast<size_t>(language);
    table.fileName[lang] = path;
    if (!buffer)
        return 0;
    if (length < 0)
        return 1;

    int number = -1;
    int numberLine = 0;
    int lineCount = 0;
    QByteArray text;
    bool headerMode = true;
    bool continuation = false;
    // Per number the line whose non-empty text was stored; 0 for none.
    std::array<int, TMessageTable::MaxNumber + 1> storedLine{};
    table.headerLines[lang].clear();
    buffer[length] = '\0';

    // Reading keeps its rules; what they leave out is told, with the line it stood in.
    const auto warn = [&](int line, const QString& what) {
        if (warnings)
            warnings->append({path, line, what});
    };
    // Content up to an end-of-file byte; what stands behind it in the line is lost.
    const auto upToEndOfFile = [&](const char* bytes, int count) {
        const int kept = UpToEndOfFile(bytes, count);
        if (!AllBlank(bytes + kept, count - kept))
            warn(lineCount,
                 QCoreApplication::translate("TextFile",
                                             "Der Text nach dem Dateiende-Zeichen {x1A} wurde nicht gelesen: „%1“.")
                     .arg(Shown(bytes + kept + 1, count - kept - 1)));
        return kept;
    };
    const auto store = [&]() {
        if (number > TMessageTable::MaxNumber) {
            warn(numberLine,
                 QCoreApplication::translate(
                     "TextFile", "Die Meldungsnummer %1 ist größer als %2; die Meldung wurde nicht gelesen.")
                     .arg(number)
                     .arg(TMessageTable::MaxNumber));
        } else if (number < 0) {
            if (!text.isEmpty())
                warn(
                    numberLine,
                    QCoreApplication::translate("TextFile", "Text vor der ersten Meldungsnummer wurde nicht gelesen."));
        } else {
            int& earlier = storedLine[static_cast<size_t>(number)];
            if (earlier > 0)
                warn(numberLine,
                     QCoreApplication::translate("TextFile",
                                                 "Meldung %1 steht schon in Zeile %2; ihr Text von dort wurde ersetzt.")
                         .arg(number)
                         .arg(earlier));
            if (!text.isEmpty())
                earlier = numberLine;
            table.SetText(number, language, text);
        }
    };

    const int end = static_cast<int>(strnlen(buffer, static_cast<size_t>(length)));
    int pos = 0;
    int extraLines = 0;
    while (pos < end) {
        const int start = pos;
        lineCount += 1 + extraLines;
        extraLines = 0;
        while (pos < end && !IsLineEnd(buffer[pos]))
            ++pos;
        const int lineLength = pos - start;
        const char* line = buffer + start;
        // One line end is one or two bytes of CR and LF in any order.
        if (pos < end)
            ++pos;
        if (pos < end && IsLineEnd(buffer[pos])) {
            extraLines = LineEndCount(buffer[pos - 1], buffer[pos]) - 1;
            ++pos;
        }
        if (lineLength == 0)
            continue;

        const bool startsWithDigit = IsDigit(line[0]);
        // A line too short for its prefix carries no content; unless it names a message
        // (a tool that strips trailing blanks leaves "7"), it is ignored. This is how a
        // lone end-of-file byte after the last line end reads.
        if (lineLength < PrefixWidth && !startsWithDigit) {
            if (!AllBlank(line, lineLength))
                warn(lineCount,
                     QCoreApplication::translate(
                         "TextFile", "Die Zeile „%1“ hat weder Meldungsnummer noch Text und wurde nicht gelesen.")
                         .arg(Shown(line, lineLength)));
            continue;
        }
        int digits = 0;
        int lineNumber = 0;
        for (; digits < 4 && digits < lineLength && IsDigit(line[digits]); ++digits)
            lineNumber = lineNumber * 10 + (line[digits] - '0');
        const char* content = line + PrefixWidth;
        const int contentLength = qMax(0, lineLength - PrefixWidth);
        const int prefixLength = qMin(lineLength, PrefixWidth);
        if (!AllBlank(line + digits, prefixLength - digits)) {
            const QString field = Shown(line, prefixLength).trimmed();
            if (startsWithDigit)
                warn(lineCount,
                     QCoreApplication::translate(
                         "TextFile", "Im Nummernfeld „%1“ wurde nur die Nummer %2 gelesen; der Rest ging verloren.")
                         .arg(field)
                         .arg(lineNumber));
            else
                warn(
                    lineCount,
                    QCoreApplication::translate("TextFile",
                                                "„%1“ ist keine Meldungsnummer; die Zeile wurde ohne diese Zeichen als "
                                                "weitere Zeile der Meldung davor gelesen.")
                        .arg(field));
        }

        if (headerMode && (number == 0 || (startsWithDigit && lineNumber == 0))) {
            if (contentLength < 1 || content[0] != '*') {
                headerMode = false;
            } else {
                bool done = false;
                if (startsWithDigit) {
                    // Text already collected for another message is kept, not dropped.
                    if (number != 0 && !text.isEmpty())
                        store();
                    number = lineNumber;
                    numberLine = lineCount;
                    text.clear();
                    continuation = false;
                }
                if (number == 0) {
                    if (contentLength >= 2 && IsAsciiAlnum(content[1])) {
                        table.headerLines[lang].append(
                            QByteArray(content + 1, upToEndOfFile(content + 1, contentLength - 1)));
                    } else {
                        // The header end line; anything after its "*" is lost.
                        headerMode = false;
                        if (!AllBlank(content + 1, contentLength - 1))
                            warn(lineCount,
                                 QCoreApplication::translate("TextFile",
                                                             "Die Kopfzeile „%1“ beginnt nicht mit einem Buchstaben "
                                                             "oder einer Ziffer und wurde nicht gelesen.")
                                     .arg(Shown(content + 1, contentLength - 1)));
                    }
                    done = true;
                }
                if (done)
                    continue;
            }
        }

        if (startsWithDigit) {
            store();
            number = lineNumber;
            numberLine = lineCount;
            text.clear();
            continuation = false;
        }
        if (number < 0 && text.isEmpty())
            numberLine = lineCount;
        if (continuation)
            text.append(CR);
        text.append(content, upToEndOfFile(content, contentLength));
        continuation = true;
    }
    if (!text.isEmpty() || number > TMessageTable::MaxNumber)
        store();
    // A 0 byte ends the text; a tail of only zeros and blanks is padding.
    if (end < length) {
        int rest = end;
        while (rest < length && (buffer[rest] == '\0' || IsLineEnd(buffer[rest]) || IsBlankOrEndOfFile(buffer[rest])))
            ++rest;
        if (rest < length)
            warn(LineAt(buffer, end),
                 QCoreApplication::translate("TextFile",
                                             "Ein Nullbyte beendet hier den Text; die folgenden %1 Bytes wurden "
                                             "nicht gelesen.")
                     .arg(length - end));
    }
    return 1;
}

ReadWarnings ReadTextFile(TMessageTable& table, const QString& path, int language, bool* truncated)
{
    if (truncated)
        *truncated = false;
    ReadWarnings warnings;
    auto buffer = std::make_unique<char[]>(TextFile::BufferSize + 1);
    int length = -1;

    const QFileInfo info(path);
    if (info.exists()) {
        // A missing file is a language without texts yet; a file that is there but cannot
        // be read is an error, or the next save would replace it with nothing.
        if (info.isDir())
            Raise(Messages::ReadError(), path,
                  QCoreApplication::translate("TextFile", "Das ist ein Ordner, keine Textdatei."));
        // A pipe or a device would block the program or never end.
        if (!info.isFile())
            Raise(Messages::ReadError(), path,
                  QCoreApplication::translate("TextFile", "Das ist keine gewöhnliche Datei."));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            Raise(Messages::ReadError(), path, SystemReason::FromText(file.errorString()));
        const qint64 got = file.read(buffer.get(), TextFile::BufferSize);
        if (got < 0)
            Raise(Messages::ReadError(), path, SystemReason::FromText(file.errorString()));
        length = static_cast<int>(got);
        char probe;
        if (got == TextFile::BufferSize && file.read(&probe, 1) == 1) {
            if (truncated)
                *truncated = true;
            warnings.append(
                {path, LineAt(buffer.get(), length),
                 QCoreApplication::translate("TextFile",
                                             "Die Datei ist länger als %1 Bytes; die Anzeige nimmt nur so viel an. "
                                             "Der Rest ab hier wurde nicht gelesen.")
                     .arg(TextFile::BufferSize)});
        }
    }

    if (ParseText(table, language, buffer.get(), length, path, &warnings) == 0)
        throw TavolinError(Messages::ReadError());
    table.modified[static_cast<size_t>(language)] = false;
    return warnings;
}
