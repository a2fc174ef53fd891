#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class TMessageTable;

// The display text file format: one language of one table as lines with a 5-column
// prefix, a header block of settings lines, and LF CR line ends.
namespace TextFile {

constexpr int BufferSize = 60000;

enum Flag : int {
    HeaderBlock = 1,   // the header lines (and, with MessageTexts, the header end line)
    MessageTexts = 2,  // the messages
    DisplayFilter = 4, // lines as the display takes them (download only)
};

} // namespace TextFile

// Formats one language into `buffer` (zero-filled first) and returns the bytes written.
// A piece that does not fit is left out; when `complete` is given it tells whether
// everything fitted. `lineLength` is the display line width the display filter uses.
int FormatText(const TMessageTable& table, int language, char* buffer, int bufferSize, int flags,
               int lineLength = 0, bool* complete = nullptr);

// Convenience: the formatted bytes of one language (at most BufferSize - 1).
// Raises the German save error when the language does not fit completely.
QByteArray FormatTextChecked(const TMessageTable& table, int language, int flags, int lineLength = 0);

// Writes one language (header block and messages) to `path`, replacing the file
// atomically: the old file stays whole until the new one is complete. Raises
// "Fehler bei Dateispeichern" on every failure.
void WriteTextFile(TMessageTable& table, const QString& path, int language);

// Writes formatted bytes to a device; raises "Fehler bei Dateispeichern" on a short write.
void WriteTextBytes(QIODevice& device, const QByteArray& bytes);

// Moves the previous content of `path` to the ".bak" file of the same name.
void BackupFile(const QString& path);

// Parses `length` bytes of `buffer` into one language of the table; the buffer must
// have one writable byte after `length` and is changed in place. A negative length only
// sets the file name. Returns 1 when parsed, 0 when refused.
int ParseText(TMessageTable& table, int language, char* buffer, int length, const QString& path);

// Reads at most 60,000 bytes of the file into one language. A file that cannot be opened
// reads as empty. Raises "Fehler bei Datenlesen" when the parser refuses.
void ReadTextFile(TMessageTable& table, const QString& path, int language);
