#include "transfer/TransferProtocol.h"

#include <QFile>
#include <array>
#include <mutex>

#include "charset/CharSet.h"
#include "charset/DisplayCodeMap.h"
#include "charset/TempFile.h"
#include "common/AtomicFile.h"
#include "common/Messages.h"
#include "common/TavolinError.h"
#include "common/SettingsStore.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "transfer/SerialLink.h"
#include "transfer/TransferObserver.h"

namespace {

const char* const InfoRequest = "(1418)";
const char* const CharSetFollows = "(1412)";
const char* const TextFollows = "(1407)";
const char* const SendCharSet = "(1413)";
const char* const SendTextFile = "(140C)";

constexpr int InfoMaxBytes = 60;
constexpr char CharSetLineBit = 0x20;

// The scratch file of the character set goes away on every path.
class TempFileGuard
{
public:
    TempFileGuard() : path(MakeTempFileName(0)) {}
    ~TempFileGuard() { QFile::remove(path); }
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;
    const QString path;
};

// cp1252 characters of the Windows codes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// The display describes itself in its own character codes; control bytes show as spaces.
QString InfoText(const QByteArray& displayBytes)
{
    QString text;
    for (const char c : displayBytes) {
        const quint8 windows = DisplayCodeMap::Instance().ToWindows(static_cast<quint8>(c));
        if (windows < 0x20 || windows == 0x7F)
            text += QLatin1Char(' ');
        else if (windows >= 0x80 && windows < 0xA0)
            text += QChar(Cp1252High[windows - 0x80]);
        else
            text += QChar(static_cast<char16_t>(windows));
    }
    return text.trimmed();
}

} // namespace

int Selection::Allowed(const TDisplayType& type)
{
    int allowed = SystemSettings | CharSet | Language1;
    if (type.Has(dtSecondLanguage))
        allowed |= Language2;
    if (type.Has(dtDiagnosticTexts))
        allowed |= DiagLanguage1 | DiagLanguage2;
    return allowed;
}

int Selection::Complete(int selection, const TDisplayType& type)
{
    if (selection & Language1)
        selection |= SystemSettings;
    return selection & Allowed(type);
}

int Selection::Effective(const TransferJob& job)
{
    const int stored = job.selection >= 0
                           ? job.selection
                           : SettingsStore::ReadInteger(SettingsStore::Key::TransferSelection);
    return Complete(stored, job.displayType);
}

QString Selection::Describe(int selection)
{
    static const std::pair<int, const char*> names[] = {
        {SystemSettings, QT_TRANSLATE_NOOP("TransferProtocol", "Systemeinstellungen")},
        {CharSet, QT_TRANSLATE_NOOP("TransferProtocol", "Zeichensatz")},
        {Language1, QT_TRANSLATE_NOOP("TransferProtocol", "Sprache 1")},
        {Language2, QT_TRANSLATE_NOOP("TransferProtocol", "Sprache 2")},
        {DiagLanguage1, QT_TRANSLATE_NOOP("TransferProtocol", "Diagnosesprache 1")},
        {DiagLanguage2, QT_TRANSLATE_NOOP("TransferProtocol", "Diagnosesprache 2")}};
    QStringList items;
    for (const auto& [bit, name] : names)
        if (selection & bit)
            items << QCoreApplication::translate("TransferProtocol", name);
    return items.join(QStringLiteral(", "));
}

TTransferProtocol::TTransferProtocol(TSerialLink& serialLink, TransferObserver& transferObserver)
    : link(serialLink), observer(transferObserver)
{
}

QByteArray TTransferProtocol::StreamHeader()
{
    return QByteArrayLiteral("\n\r\n\r     #$temp.txt\n\r\n\r");
}

QByteArray TTransferProtocol::EndMarkFor(bool withMessages)
{
    return withMessages ? QByteArrayLiteral("     \x19") : QByteArrayLiteral("\x19");
}

QString TTransferProtocol::DisplayErrorText(int code)
{
    switch (code) {
    case 1: return QCoreApplication::translate("TransferProtocol", "Andere Sprache muss wieder prog. werden");
    case 2: return QCoreApplication::translate("TransferProtocol", "Handshake-Fehler");
    case 3: return QCoreApplication::translate("TransferProtocol", "Meld. Nr zu groß");
    case 4: return QCoreApplication::translate("TransferProtocol", "Meld. Nr vertauscht");
    case 5: return QCoreApplication::translate("TransferProtocol", "TAB erwartet");
    case 6: return QCoreApplication::translate("TransferProtocol", "Gartenzaun nicht gefunden");
    case 7: return QCoreApplication::translate("TransferProtocol", "Fehler");
    case 8: return QCoreApplication::translate("TransferProtocol", "Fehler in Zahlenfeld");
    case 9: return QCoreApplication::translate("TransferProtocol", "Textspeicher voll");
    default: return QString();
    }
}

QByteArray TTransferProtocol::FormatItem(const TMessageTable* table, int language, int flags, int lineLength)
{
    if (!table)
        return {};
    QByteArray buffer(TextFile::BufferSize, '\0');
    bool complete = true;
    const int n = FormatText(*table, language, buffer.data(), TextFile::BufferSize,
                             flags | TextFile::DisplayFilter, lineLength, &complete);
    // A language cut short would leave the display with messages silently missing.
    if (!complete)
        throw TavolinError(QCoreApplication::translate("TransferProtocol",
                                                       "Die Texte von Sprache %1 sind zu groß für die Übertragung "
                                                       "(höchstens %2 Bytes) !")
                               .arg(language + 1)
                               .arg(TextFile::BufferSize - 1));
    buffer.truncate(n);
    return buffer;
}

void TTransferProtocol::setStatus(const QString& text)
{
    status = text;
    observer.SetStatus(text);
}

void TTransferProtocol::setRange(int maximum)
{
    progressMaximum = maximum;
    observer.SetProgressRange(maximum);
}

void TTransferProtocol::setProgress(int value)
{
    progress = value;
    if (progress > progressMaximum)
        setRange(progress);
    observer.SetProgress(progress);
}

bool TTransferProtocol::RequestInfo(int attempts, QString& info)
{
    const QString statusBefore = status;
    bool found = false;
    for (int a = 0; a < attempts && !found; ++a) {
        link.Pump(0);
        if (a > 0) {
            // Up to 60 attempts take minutes against a dead display: say why we wait.
            setStatus(QCoreApplication::translate("TransferProtocol", "Warte auf Anzeige (Versuch %1 von %2)...")
                          .arg(a + 1)
                          .arg(attempts));
            link.Delay(link.Timing().infoRetryMs);
        }
        link.CheckAbort();
        link.WriteText(InfoRequest);
        info = TransferText::NoInfo();
        QByteArray received;
        for (int i = 0; i < InfoMaxBytes; ++i) {
            const int c = link.ReadByte(link.Timing().infoByteMs);
            if (c < 0)
                break;
            if (c == '$') {
                info = InfoText(received);
                found = true;
                break;
            }
            received += static_cast<char>(c);
        }
    }
    if (status != statusBefore)
        setStatus(statusBefore);
    return found;
}

int TTransferProtocol::CheckFlow()
{
    link.Pump(0);
    if (link.AbortRequested())
        return 1;

    const TransferTiming& timing = link.Timing();
    if (link.ctsHandshake) {
        // The display holds CTS low while it is busy; a line held low for good is a time-out.
        TStopwatch held;
        while (!link.CtsOn()) {
            link.Pump(1);
            if (link.AbortRequested())
                return 1;
            link.ClearErrors();
            if (held.Passed(timing.xonMs)) {
                observer.ShowMessage(TransferText::ErrorCaption(), TransferText::Timeout());
                return 1;
            }
        }
        return 0;
    }

    link.WaitSent(2);
    link.ClearErrors();
    while (link.bytesWaiting > 0) {
        link.Pump(0);
        if (link.AbortRequested())
            return 1;
        const int c = link.TakeByte();
        if (c == Xoff) {
            TStopwatch paused;
            bool resumed = false;
            while (!resumed) {
                if (paused.Passed(timing.xonMs)) {
                    observer.ShowMessage(TransferText::ErrorCaption(), TransferText::Timeout());
                    return 1;
                }
                link.Pump(1);
                if (link.AbortRequested())
                    return 1;
                link.ClearErrors();
                if (link.bytesWaiting == 0)
                    continue;
                const int answer = link.TakeByte();
                if (answer == Xon)
                    resumed = true;
                else if (answer == '0')
                    return 2;
                else if (answer >= '1' && answer <= '9') {
                    observer.ShowMessage(TransferText::ErrorCaption(), DisplayErrorText(answer - '0'));
                    return 1;
                }
            }
        }
        link.ClearErrors();
    }
    return 0;
}

int TTransferProtocol::SendPaced(const char* bytes, int count)
{
    TStopwatch stuck;
    for (int i = 0; i < count; ++i) {
        if (bytes[i] == EndOfFile)
            continue;
        const int r = CheckFlow();
        if (r != 0)
            return r;
        if (link.WriteByte(bytes[i])) {
            setProgress(progress + 1);
            stuck = TStopwatch();
        } else if (stuck.Passed(link.Timing().xonMs)) {
            // A line that takes no byte at all would otherwise keep us here for good.
            observer.ShowMessage(TransferText::ErrorCaption(), TransferText::Timeout());
            return 1;
        } else {
            --i;
        }
    }
    return 0;
}

TTransferProtocol::StreamResult TTransferProtocol::sendStream(const QByteArray& text, bool withMessages,
                                                              bool waitForReply)
{
    const QByteArray header = StreamHeader();
    const QByteArray endMark = EndMarkFor(withMessages);
    setRange(static_cast<int>(header.size() + text.size() - text.count(EndOfFile) + endMark.size()));
    setProgress(0);

    link.WriteText(TextFollows);
    openBlock = Block::Stream;
    streamEnd = endMark;
    link.Delay(link.Timing().streamDelayMs);
    if (SendPaced(header.constData(), static_cast<int>(header.size())) != 0)
        return StreamResult::EndRun;
    if (SendPaced(text.constData(), static_cast<int>(text.size())) != 0)
        return StreamResult::EndRun;
    const int r = SendPaced(endMark.constData(), static_cast<int>(endMark.size()));
    if (r == 1)
        return StreamResult::EndRun;
    openBlock = Block::None;
    if (r == 2 || !waitForReply)
        return StreamResult::NextItem;

    TStopwatch watch;
    int answer = 0;
    while (answer == 0 && !watch.Passed(link.Timing().completionMs)) {
        answer = CheckFlow();
        if (answer == 0)
            link.Pump(1);
    }
    if (answer == 0) {
        observer.ShowMessage(TransferText::ErrorCaption(), TransferText::NoReply());
        return StreamResult::NextItem;
    }
    return answer == 1 ? StreamResult::EndRun : StreamResult::NextItem;
}

QByteArray TTransferProtocol::charSetBytes(const TransferJob& job)
{
    if (!job.graphics)
        throw TavolinError(TransferText::TransferFailed());

    QByteArray glyphs;
    {
        TempFileGuard temp;
        // Writing the set to a scratch file is no save of the project's own ".pix" file.
        const bool wasModified = job.graphics->modified;
        try {
            job.graphics->Save(temp.path);
        } catch (...) {
            job.graphics->modified = wasModified;
            throw;
        }
        job.graphics->modified = wasModified;
        QFile file(temp.path);
        if (file.open(QIODevice::ReadOnly))
            glyphs = file.read(TCharSet::PixSize + 1);
    }
    // A block of another size would put the display out of step with the protocol.
    if (glyphs.size() != TCharSet::PixSize)
        throw TavolinError(TransferText::TransferFailed());
    return glyphs;
}

void TTransferProtocol::sendCharSet(const QByteArray& glyphs)
{
    setRange(TCharSet::PixSize + 1);
    setStatus(QCoreApplication::translate("TransferProtocol", "Zeichensatz wird geladen..."));
    link.WriteText(CharSetFollows);
    openBlock = Block::CharSet;
    charSetSent = 0;
    charSetSum = 0;
    link.Delay(link.Timing().charSetCommandDelayMs);
    char checksum = 0;
    for (const char b : glyphs) {
        checksum ^= b;
        if (link.WriteByte(static_cast<char>(b | CharSetLineBit))) {
            ++charSetSent;
            charSetSum ^= b;
        }
        setProgress(progress + 1);
    }
    checksum |= CharSetLineBit;
    link.DiscardInput();
    if (link.WriteByte(checksum))
        openBlock = Block::None;
    const int answer = link.ReadByte(link.Timing().charSetAnswerMs);
    setProgress(progress + 1);
    if (answer != '0')
        throw TavolinError(TransferText::TransferFailed());
}

void TTransferProtocol::checkCharSetSource(const TransferJob& job)
{
    if (!job.graphics)
        throw TavolinError(TransferText::TransferFailed());
    // A set changed in the editor goes out as it is; otherwise its file must be whole, or
    // the display's graphics would be overwritten with blanks.
    if (!job.graphics->modified && !job.graphics->importedFrom.isEmpty())
        TCharSet::ReadPixFile(job.graphics->importedFrom);
}

void TTransferProtocol::Download(const TransferJob& job)
{
    // However the run ends (Ctrl+C, "Abbruch", a display that stops answering), the display
    // is left at its commands: otherwise it stays busy until it is restarted.
    try {
        download(job);
    } catch (...) {
        endOpenBlock();
        throw;
    }
    endOpenBlock();
}

void TTransferProtocol::endOpenBlock()
{
    QByteArray rest;
    if (openBlock == Block::CharSet) {
        // The rest of the block and a checksum that cannot match: the display refuses the
        // set and keeps its own.
        rest = QByteArray(TCharSet::PixSize - charSetSent, CharSetLineBit);
        rest += static_cast<char>((charSetSum ^ 1) | CharSetLineBit);
    } else if (openBlock == Block::Stream) {
        // The end mark: the display takes the text up to here and answers again.
        rest = streamEnd;
    }
    openBlock = Block::None;
    if (rest.isEmpty())
        return;
    try {
        link.SendFinally(rest);
    } catch (const TavolinError&) {
        // The run already has its error; a line that has gone cannot be helped here.
    }
}

void TTransferProtocol::download(const TransferJob& job)
{
    const int selection = Selection::Effective(job);
    const int lineLength = job.displayType.lineLength;
    // Several displays served side by side read the same project: one at a time.
    static std::mutex projectLock;
    std::unique_lock lock(projectLock);
    QByteArray glyphs;
    if (selection & Selection::CharSet) {
        checkCharSetSource(job);
        glyphs = charSetBytes(job);
    }

    // Every selected language is formatted before the first byte goes out, so a language
    // that does not fit stops the run before the display was changed at all.
    std::array<QByteArray, 5> texts;
    if (selection & Selection::SystemSettings)
        texts[1] = FormatItem(job.operating, 0,
                              TextFile::HeaderBlock
                                  | ((selection & Selection::Language1) ? TextFile::MessageTexts : 0),
                              lineLength);
    if (selection & Selection::Language2)
        texts[2] = FormatItem(job.operating, 1, TextFile::MessageTexts, lineLength);
    if (selection & Selection::DiagLanguage1)
        texts[3] = FormatItem(job.diagnostic, 0, TextFile::MessageTexts, lineLength);
    if (selection & Selection::DiagLanguage2)
        texts[4] = FormatItem(job.diagnostic, 1, TextFile::MessageTexts, lineLength);
    lock.unlock();

    QString info;
    if (!link.noInfoRequest) {
        if (!RequestInfo(1, info))
            throw TavolinError(TransferText::NotConnected());
        observer.SetInfo(info);
    }

    setProgress(0);
    observer.SetCaption(QCoreApplication::translate("TransferProtocol", "Übertragen"));
    setRange(100);
    observer.SetStatusVisible(true);
    int pause = 1;
    const bool waitForReply = !job.displayType.Has(dtNoTransferReply);

    struct TextItem
    {
        int bit;
        const char* command;
        const char* status;
    };
    const std::array<TextItem, 5> items = {{
        {Selection::CharSet, nullptr, nullptr},
        {Selection::SystemSettings, "(14E0)", QT_TRANSLATE_NOOP("TransferProtocol", "Sprache1 wird geladen...")},
        {Selection::Language2, "(14E2)", QT_TRANSLATE_NOOP("TransferProtocol", "Sprache2 wird geladen...")},
        {Selection::DiagLanguage1, "(14E1)",
         QT_TRANSLATE_NOOP("TransferProtocol", "Diagnose-Sprache1 wird geladen...")},
        {Selection::DiagLanguage2, "(14E3)",
         QT_TRANSLATE_NOOP("TransferProtocol", "Diagnose-Sprache2 wird geladen...")},
    }};

    for (int item = 0; item < 5; ++item) {
        link.Pump(0);
        if (link.AbortRequested())
            break;
        if (!link.noInfoRequest && !RequestInfo(link.Timing().infoAttemptsPerItem, info))
            throw TavolinError(TransferText::NotConnected());
        if (!(selection & items[item].bit))
            continue;

        if (item == 0) {
            sendCharSet(glyphs);
            pause = link.ctsHandshake ? link.Timing().ctsItemPauseMs : link.Timing().itemPauseMs;
            continue;
        }

        bool withMessages = true;
        QString itemStatus = QCoreApplication::translate("TransferProtocol", items[item].status);
        if (item == 1 && !(selection & Selection::Language1)) {
            withMessages = false;
            itemStatus = QCoreApplication::translate("TransferProtocol", "Systemeinstellungen werden geladen...");
        }
        setStatus(itemStatus);
        setProgress(0);
        link.Delay(pause);
        link.WriteText(items[item].command);
        pause = link.Timing().itemPauseMs;
        if (sendStream(texts[item], withMessages, waitForReply) == StreamResult::EndRun)
            break;
    }
    // A run ended by "Abbruch" is no success, wherever the abort was noticed.
    link.CheckAbort();
}

void TTransferProtocol::readCharSet(const TransferJob& job)
{
    setStatus(QCoreApplication::translate("TransferProtocol", "Zeichensatz wird gelesen..."));
    link.DiscardInput();
    link.WriteText(SendCharSet);
    int remaining = TCharSet::PixSize;
    setRange(TCharSet::PixSize / 2 + 1);
    char checksum = 0;
    QByteArray glyphs;
    glyphs.reserve(TCharSet::PixSize);
    int c = -1;
    for (;;) {
        c = link.ReadByte(link.Timing().readBackByteMs);
        if (c == -1 || remaining == 0)
            break;
        const char value = static_cast<char>(c & ~CharSetLineBit);
        glyphs += value;
        if (remaining % 2 == 1)
            setProgress(progress + 1);
        --remaining;
        checksum ^= value;
    }
    // A damaged set is not stored: its glyphs stay blank, the texts are read all the same,
    // and the user hears why.
    if (remaining != 0) {
        warnings << QCoreApplication::translate("TransferProtocol",
                                                "Der Zeichensatz wurde nicht richtig empfangen (%1 von %2 Bytes); "
                                                "seine Zeichen bleiben leer.")
                        .arg(TCharSet::PixSize - remaining)
                        .arg(TCharSet::PixSize);
        glyphs.clear();
    } else if (c == -1 || static_cast<char>(c & ~CharSetLineBit) != checksum) {
        warnings << QCoreApplication::translate("TransferProtocol",
                                                "Der Zeichensatz wurde nicht richtig empfangen (Prüfsumme falsch); "
                                                "seine Zeichen bleiben leer.");
        glyphs.clear();
    }
    if (job.receivedCharSet) {
        // A comparison with a damaged set would name every glyph.
        if (glyphs.isEmpty())
            throw TavolinError(QCoreApplication::translate("TransferProtocol",
                                                           "Der Zeichensatz wurde nicht richtig empfangen; "
                                                           "die Anzeige kann nicht verglichen werden."));
        *job.receivedCharSet = glyphs;
    }
    if (!job.graphics)
        return;

    TempFileGuard temp;
    ReplaceFileBytes(temp.path, glyphs, Messages::SaveError());
    job.graphics->Import(temp.path);
    job.graphics->importedFrom.clear(); // the glyphs came from the display, not from a file
}

int TTransferProtocol::readText(QByteArray& buffer)
{
    int received = 0;
    int room = TextFile::BufferSize;
    setProgress(0);
    setRange(47000);
    for (;;) {
        const int n = link.ReadBlock(link.Timing().readBackBlockMs, buffer.data() + received, room);
        if (n <= 0)
            break;
        room -= n;
        received += n;
        setProgress(received);
        const char last = buffer[received - 1];
        if (last == EndOfFile || last == EndMark)
            break;
    }
    return received;
}

void TTransferProtocol::ReadBack(const TransferJob& job)
{
    warnings.clear();
    setProgress(0);
    observer.SetCaption(QCoreApplication::translate("TransferProtocol", "Auslesen"));
    // ParseText writes its terminating 0 behind the received bytes.
    QByteArray buffer(TextFile::BufferSize + 1, '\0');

    QString info;
    if (!link.noInfoRequest) {
        if (!RequestInfo(1, info))
            throw TavolinError(TransferText::NotConnected());
        observer.SetInfo(info);
    }

    observer.SetStatusVisible(true);
    try {
        for (int item = 0; item < 5; ++item) {
            link.Pump(0);
            link.CheckAbort();
            int language = -1;
            if (item == 0) {
                readCharSet(job);
            } else if (item == 1) {
                setStatus(QCoreApplication::translate("TransferProtocol", "Sprache1 wird gelesen..."));
                link.WriteText("(14E0)");
                link.WriteText(SendTextFile);
                language = 0;
            } else if (item == 2 && job.displayType.Has(dtSecondLanguage)) {
                setStatus(QCoreApplication::translate("TransferProtocol", "Sprache2 wird gelesen..."));
                link.WriteText("(14E2)");
                link.WriteText(SendTextFile);
                language = 1;
            }
            if (language < 0)
                continue;
            const int received = readText(buffer);
            if (job.operating)
                ParseText(*job.operating, language, buffer.data(), received,
                          job.config.TextFileName(0, language));
        }
    } catch (...) {
        observer.SetStatusVisible(false);
        throw;
    }
    observer.SetStatusVisible(false);
}
