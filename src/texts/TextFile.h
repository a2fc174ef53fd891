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
// everything fitted. `lineLength` is the display line width the display filter uses:
// with DisplayFilter a line whose visible characters fit goes out unchanged; a longer
// line loses the characters beyond `lineLength` but keeps its attribute bytes.
int FormatText(const TMessageTable& table, int language, char* buffer, int bufferSize, int flags,
               int lineLength = 0, bool* complete = nullptr);

// Convenience: the formatted bytes of one language (at most BufferSize - 1).
// Raises the German save error when the language does not fit completely.
QByteArray FormatTextChecked(const TMessageTable& table, int language, int flags, int lineLength = 0);

// Writes one language (header block and messages) to `path`, replacing the file
// atomically: the old file stays whole until the new one is complete. Raises
// "Fehler bei Dateispeichern" on every failure, also when the language does not fit
// into the display's 60,000 bytes (nothing is written then).
void WriteTextFile(TMessageTable& table, const QString& path, int language);

// Writes formatted bytes to a device; raises "Fehler bei Dateispeichern" on a short write.
void WriteTextBytes(QIODevice& device, const QByteArray& bytes);

// The backup of a text file: its name with the extension replaced by ".bak"
// ("Sprache1.txt" -> "Sprache1.bak"; a name without extension gets ".bak" appended).
QString BackupFileName(const QString& path);

// Copies the current content of `path` to its ".bak" file (replacing an older backup);
// the file itself stays. Nothing happens when the file does not exist. Raises
// "Fehler bei Dateispeichern" when the backup cannot be made, so that saving stops
// before the previous version could be lost.
void BackupFile(const QString& path);

// Parses `length` bytes of `buffer` into one language of the table; the buffer must
// have one writable byte after `length` and is changed in place. A negative length only
// sets the file name. Returns 1 when parsed, 0 when refused.
int ParseText(TMessageTable& table, int language, char* buffer, int length, const QString& path);

// Reads at most 60,000 bytes of the file into one language. A missing file reads as
// empty. Raises "Fehler bei Datenlesen" when the file exists but cannot be read or the
// parser refuses. `truncated` (optional) tells whether the file was longer than the
// 60,000 bytes read, so that a caller can warn before a save drops its tail.
void ReadTextFile(TMessageTable& table, const QString& path, int language, bool* truncated = nullptr);
