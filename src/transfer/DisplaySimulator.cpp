#include "transfer/DisplaySimulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <chrono>
#include <thread>

#include "common/AtomicFile.h"
#include "common/Messages.h"
#include "common/SystemReason.h"
#include "common/TavolinError.h"

namespace {

constexpr char Xoff = 0x13;
constexpr char Xon = 0x11;
constexpr char EndMark = 0x19;
constexpr char EndOfFile = 0x1A;
constexpr char LineBit = 0x20;

const QByteArray StreamHeader = QByteArrayLiteral("\n\r\n\r     #$temp.txt\n\r\n\r");
const QString GlyphFile = QStringLiteral("glyphs.pix");

bool IsCommand(const QByteArray& bytes)
{
    if (bytes.size() != 6 || !bytes.startsWith("(14") || bytes[5] != ')')
        return false;
    const auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    return hex(bytes[3]) && hex(bytes[4]);
}

// The text file a display keeps: the stream without its header and end mark.
QByteArray StoredText(QByteArray stream)
{
    if (stream.startsWith(StreamHeader))
        stream.remove(0, StreamHeader.size());
    if (stream.endsWith("     \x19"))
        stream.chop(6);
    else if (stream.endsWith(EndMark))
        stream.chop(1);
    return stream;
}

QString TargetName(const QByteArray& target)
{
    if (target == "(14E0)")
        return QCoreApplication::translate("DisplaySimulator", "Betriebstexte Sprache 1");
    if (target == "(14E2)")
        return QCoreApplication::translate("DisplaySimulator", "Betriebstexte Sprache 2");
    if (target == "(14E1)")
        return QCoreApplication::translate("DisplaySimulator", "Diagnosetexte Sprache 1");
    return QCoreApplication::translate("DisplaySimulator", "Diagnosetexte Sprache 2");
}

QString FileNameOf(const QByteArray& target)
{
    return QStringLiteral("E%1.txt").arg(QLatin1Char(target[4]));
}

void WriteAll(QIODevice& device, const QByteArray& bytes)
{
    // A buffered file learns of a full disk only when it is flushed.
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (device.write(bytes) != bytes.size() || (file && !file->flush()))
        throw TavolinError(device.errorString());
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TavolinError(Messages::WithFile(Messages::ReadError(), path, SystemReason::FromText(file.errorString())));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TavolinError(Messages::WithFile(Messages::ReadError(), path, SystemReason::FromText(file.errorString())));
    return bytes;
}

} // namespace

const QList<QByteArray>& TDisplaySimulator::Targets()
{
    static const QList<QByteArray> targets = {"(14E0)", "(14E1)", "(14E2)", "(14E3)"};
    return targets;
}

qint64 TDisplaySimulator::NowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

TDisplaySimulator::TDisplaySimulator() : charSet(CharSetSize, '\0') {}

TDisplaySimulator::~TDisplaySimulator() = default;

void TDisplaySimulator::SetOptions(const Options& value)
{
    std::lock_guard lock(mutex);
    options = value;
}

TDisplaySimulator::Options TDisplaySimulator::GetOptions() const
{
    std::lock_guard lock(mutex);
    return options;
}

void TDisplaySimulator::SetLog(std::function<void(const QString&)> value)
{
    std::lock_guard lock(mutex);
    logger = std::move(value);
}

void TDisplaySimulator::SetCharSet(const QByteArray& pix)
{
    std::lock_guard lock(mutex);
    charSet = pix;
}

void TDisplaySimulator::SetTextFile(const QByteArray& targetCommand, const QByteArray& bytes)
{
    std::lock_guard lock(mutex);
    textFiles[targetCommand] = bytes;
}

QByteArray TDisplaySimulator::CharSet() const
{
    std::lock_guard lock(mutex);
    return charSet;
}

QByteArray TDisplaySimulator::TextFile(const QByteArray& targetCommand) const
{
    std::lock_guard lock(mutex);
    return textFiles.value(targetCommand);
}

bool TDisplaySimulator::CharSetChecksumOk() const
{
    std::lock_guard lock(mutex);
    return charSetOk;
}

void TDisplaySimulator::Store(const QString& folder) const
{
    QByteArray glyphs;
    QMap<QByteArray, QByteArray> texts;
    {
        std::lock_guard lock(mutex);
        glyphs = charSet;
        texts = textFiles;
    }
    if (!QDir().mkpath(folder))
        throw TavolinError(Messages::WithFile(
            Messages::SaveError(), folder,
            QCoreApplication::translate("DisplaySimulator", "Der Ordner kann nicht angelegt werden.")));
    const QDir dir(folder);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        ReplaceFileContent(dir.filePath(FileNameOf(it.key())),
                           [&](QIODevice& device) { WriteAll(device, it.value()); }, Messages::SaveError());
    ReplaceFileContent(dir.filePath(GlyphFile), [&](QIODevice& device) { WriteAll(device, glyphs); },
                       Messages::SaveError());
}

void TDisplaySimulator::Load(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        throw TavolinError(
            Messages::WithFile(Messages::ReadError(), folder,
                               QCoreApplication::translate("DisplaySimulator", "Der Ordner existiert nicht.")));
    const QDir dir(folder);
    QMap<QByteArray, QByteArray> texts;
    for (const QByteArray& t : Targets()) {
        const QString path = dir.filePath(FileNameOf(t));
        if (QFileInfo::exists(path))
            texts[t] = ReadFile(path);
    }
    QByteArray glyphs(CharSetSize, '\0');
    const QString pixPath = dir.filePath(GlyphFile);
    if (QFileInfo::exists(pixPath)) {
        glyphs = ReadFile(pixPath);
        if (glyphs.size() != CharSetSize)
            throw TavolinError(Messages::WithFile(
                Messages::ReadError(), pixPath,
                QCoreApplication::translate("DisplaySimulator", "Ein Zeichensatz hat %1 Bytes, diese Datei %2.")
                    .arg(CharSetSize)
                    .arg(glyphs.size())));
    }
    std::lock_guard lock(mutex);
    textFiles = texts;
    charSet = glyphs;
}

QList<QByteArray> TDisplaySimulator::Commands() const
{
    std::lock_guard lock(mutex);
    QList<QByteArray> commands;
    for (const Item& item : items)
        commands.append(item.command);
    return commands;
}

QList<TDisplaySimulator::Item> TDisplaySimulator::Items() const
{
    std::lock_guard lock(mutex);
    return items;
}

QByteArray TDisplaySimulator::Received() const
{
    std::lock_guard lock(mutex);
    return received;
}

int TDisplaySimulator::CountOf(const QByteArray& commandBytes) const
{
    std::lock_guard lock(mutex);
    int n = 0;
    for (const Item& item : items)
        n += item.command == commandBytes ? 1 : 0;
    return n;
}

bool TDisplaySimulator::WaitForCommands(int n, int timeoutMs) const
{
    const qint64 end = NowUs() + qint64(timeoutMs) * 1000;
    for (;;) {
        {
            std::lock_guard lock(mutex);
            if (items.size() >= n)
                return true;
        }
        if (NowUs() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void TDisplaySimulator::ClearRecord()
{
    std::lock_guard lock(mutex);
    items.clear();
    received.clear();
}

void TDisplaySimulator::record(char c)
{
    // The record may be cleared while a block is still arriving.
    if (items.isEmpty())
        return;
    Item& item = items.last();
    const qint64 now = NowUs();
    if (item.data.isEmpty())
        item.firstUs = now;
    item.lastUs = now;
    item.data += c;
}

void TDisplaySimulator::log(const QString& text)
{
    if (logger)
        logger(text);
}

QByteArray TDisplaySimulator::infoAnswer()
{
    return options.info + '$';
}

char TDisplaySimulator::charSetReply(bool checksumOk)
{
    return checksumOk ? '0' : '1';
}

TDisplaySimulator::Reaction TDisplaySimulator::streamByte(int count, After&)
{
    Reaction reaction;
    if (options.xoffEvery > 0 && count % options.xoffEvery == 0) {
        reaction.answer = QByteArray(1, Xoff);
        reaction.pauseMs = options.xonPauseMs;
        reaction.afterPause = QByteArray(1, Xon);
    }
    return reaction;
}

char TDisplaySimulator::streamReply()
{
    return '0';
}

QByteArray TDisplaySimulator::charSetAnswer(const QByteArray& glyphs)
{
    QByteArray out;
    char sum = 0;
    for (int k = 0; k < CharSetSize && k < glyphs.size(); ++k) {
        const char value = static_cast<char>(glyphs[k] & 0x1F);
        sum ^= value;
        out += static_cast<char>(value | LineBit);
    }
    out += static_cast<char>(sum | LineBit);
    return out;
}

TDisplaySimulator::Reaction TDisplaySimulator::command(const QByteArray& bytes)
{
    Reaction reaction;
    items.append({bytes, {}});
    if (bytes == "(1418)") {
        log(QCoreApplication::translate("DisplaySimulator", "%1 Kennung angefragt").arg(QLatin1String(bytes)));
        reaction.answer = infoAnswer();
    } else if (bytes == "(1412)") {
        log(QCoreApplication::translate("DisplaySimulator", "%1 Zeichensatz folgt").arg(QLatin1String(bytes)));
        state = State::CharSet;
        block.clear();
    } else if (bytes == "(1407)") {
        log(QCoreApplication::translate("DisplaySimulator", "%1 Textdatei folgt für %2")
                .arg(QLatin1String(bytes), TargetName(target)));
        state = State::Stream;
        block.clear();
        streamCount = 0;
    } else if (bytes == "(1413)") {
        log(QCoreApplication::translate("DisplaySimulator", "%1 Zeichensatz angefordert, wird gesendet")
                .arg(QLatin1String(bytes)));
        reaction.answer = charSetAnswer(charSet);
    } else if (bytes == "(140C)") {
        const QByteArray text = textFiles.value(target);
        log(QCoreApplication::translate("DisplaySimulator", "%1 Textdatei angefordert: %2, %3 Bytes werden gesendet")
                .arg(QLatin1String(bytes), TargetName(target))
                .arg(text.size()));
        reaction.answer = text + EndOfFile;
    } else if (Targets().contains(bytes)) {
        log(QCoreApplication::translate("DisplaySimulator", "%1 Ziel: %2")
                .arg(QLatin1String(bytes), TargetName(bytes)));
        target = bytes;
    } else {
        log(QCoreApplication::translate("DisplaySimulator", "%1 Unbekannter Befehl, nicht beachtet")
                .arg(QLatin1String(bytes)));
    }
    return reaction;
}

TDisplaySimulator::Reaction TDisplaySimulator::Feed(char c)
{
    std::lock_guard lock(mutex);
    received += c;
    Reaction reaction;

    switch (state) {
    case State::Dead:
        break;
    case State::Idle:
        if (c == '(')
            pending = QByteArray(1, c);
        else if (!pending.isEmpty())
            pending += c;
        if (pending.size() == 6) {
            const QByteArray bytes = pending;
            pending.clear();
            if (IsCommand(bytes))
                reaction = command(bytes);
        }
        break;
    case State::CharSet:
        record(c);
        block += c;
        if (block.size() == CharSetSize + 1) {
            char sum = 0;
            QByteArray glyphs;
            for (int k = 0; k < CharSetSize; ++k) {
                const char value = static_cast<char>(block[k] & ~LineBit);
                glyphs += value;
                sum ^= value;
            }
            charSetOk = static_cast<char>(block[CharSetSize] & ~LineBit) == sum;
            if (charSetOk)
                charSet = glyphs;
            log(charSetOk ? QCoreApplication::translate("DisplaySimulator",
                                                        "Zeichensatz empfangen (%1 Bytes, Prüfsumme richtig)")
                                .arg(CharSetSize)
                          : QCoreApplication::translate(
                              "DisplaySimulator", "Zeichensatz mit falscher Prüfsumme empfangen, nicht übernommen"));
            const char reply = charSetReply(charSetOk);
            if (reply)
                reaction.answer = QByteArray(1, reply);
            state = State::Idle;
        }
        break;
    case State::Stream:
        record(c);
        block += c;
        ++streamCount;
        if (c == EndMark) {
            const QByteArray text = StoredText(block);
            textFiles[target] = text;
            log(QCoreApplication::translate("DisplaySimulator", "Textdatei empfangen: %1, %2 Bytes")
                    .arg(TargetName(target))
                    .arg(text.size()));
            state = State::Idle;
            if (const char reply = streamReply())
                reaction.answer = QByteArray(1, Xoff) + reply;
        } else {
            After after = After::Continue;
            reaction = streamByte(streamCount, after);
            if (after == After::Idle)
                state = State::Idle;
            else if (after == After::Dead)
                state = State::Dead;
        }
        break;
    }
    return reaction;
}
