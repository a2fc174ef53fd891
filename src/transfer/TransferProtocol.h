#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "project/DisplayType.h"
#include "project/ProjectConfig.h"

class TCharSet;
class TMessageTable;
class TSerialLink;
class TransferObserver;

// What one transfer works on. The tables and the character set belong to the caller.
struct TransferJob
{
    bool download = true;                // false: read the display back
    TMessageTable* operating = nullptr;  // operating texts
    TMessageTable* diagnostic = nullptr; // diagnostic texts; null when the type has none
    TCharSet* graphics = nullptr;        // the project's graphics character set
    TDisplayType displayType;
    TProjectConfig config;               // file names the read-back gives the tables
    int selection = -1;                  // transfer selection; -1: the settings value "Übertragen"
    QString port;                        // empty: the settings value "Schnittstelle"
    QByteArray* receivedCharSet = nullptr; // read-back: also gets the set's 1568 bytes
};

// Bits of the transfer selection ("Übertragen").
namespace Selection {
constexpr int SystemSettings = 0x01;
constexpr int CharSet = 0x02;
constexpr int Language1 = 0x04;
constexpr int Language2 = 0x08;
constexpr int DiagLanguage1 = 0x10;
constexpr int DiagLanguage2 = 0x20;
constexpr int All = 1023; // what an empty settings value means

// The bits a display type can take: no second-language or diagnostic items for a
// display that has none, whatever the stored value says.
int Allowed(const TDisplayType& type);
// The stored selection ("Übertragen"; 1023 when empty) limited to what the type has and
// completed as the selection dialog does: language 1 brings the system settings.
int Effective(const TransferJob& job);
// `selection` limited and completed the same way.
int Complete(int selection, const TDisplayType& type);
// The items of a selection by the selection dialog's names ("Systemeinstellungen, Zeichensatz").
QString Describe(int selection);
} // namespace Selection

// The display's command protocol on an open link: identification, the character set
// block with its checksum, paced text streams and their answers, and the read-back.
class TTransferProtocol
{
public:
    static constexpr char Xoff = 0x13;
    static constexpr char Xon = 0x11;
    static constexpr char EndOfFile = 0x1A; // never sent
    static constexpr char EndMark = 0x19;

    TTransferProtocol(TSerialLink& link, TransferObserver& observer);

    // Asks the display who it is; true and its text when it answered with "...$".
    bool RequestInfo(int attempts, QString& info);
    // Before each paced byte: 0 go on, 1 stop (abort, or error already shown), 2 display said "0".
    int CheckFlow();
    // Sends bytes one by one under CheckFlow; 0x1A is skipped. Returns as CheckFlow.
    int SendPaced(const char* bytes, int count);

    // The whole download of the selected items. Errors that end the run are raised.
    void Download(const TransferJob& job);
    // Reads the graphics character set and the operating texts back into the job's objects.
    // A character set that arrives incomplete or damaged leaves blank glyphs and a warning;
    // the texts are read all the same.
    void ReadBack(const TransferJob& job);
    // What the user must hear about a run that went to its end.
    const QStringList& Warnings() const { return warnings; }

    static QByteArray StreamHeader();
    static QByteArray EndMarkFor(bool withMessages);
    static QString DisplayErrorText(int code);
    // The formatted text of one download item, display filter applied.
    static QByteArray FormatItem(const TMessageTable* table, int language, int flags, int lineLength);

private:
    enum class StreamResult { NextItem, EndRun };

    void download(const TransferJob& job);
    StreamResult sendStream(const QByteArray& text, bool withMessages, bool waitForReply);
    // Completes a block the display is still taking, so that it is back at its commands.
    void endOpenBlock();
    // The glyph block as it goes out (written through a scratch file, as the editor saves it).
    static QByteArray charSetBytes(const TransferJob& job);
    void sendCharSet(const QByteArray& glyphs);
    static void checkCharSetSource(const TransferJob& job);
    void readCharSet(const TransferJob& job);
    int readText(QByteArray& buffer);
    void setStatus(const QString& text);
    void setRange(int maximum);
    void setProgress(int value);

    TSerialLink& link;
    TransferObserver& observer;
    QString status;
    int progress = 0;
    int progressMaximum = 100;
    QStringList warnings;
    // The block the display is taking: after "(1412)" until the checksum, after "(1407)"
    // until the end mark. A display left inside one takes every later command as its data.
    enum class Block { None, CharSet, Stream };
    Block openBlock = Block::None;
    int charSetSent = 0;
    char charSetSum = 0;
    QByteArray streamEnd;
};
