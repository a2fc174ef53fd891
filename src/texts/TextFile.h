#pragma once

#include <QByteArray>
#include <QString>

#include "common/AtomicFile.h"
#include "common/ReadWarnings.h"

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

// Why a text file cannot hold `text` as the text of message `number` so that it reads
// back the same (a German sentence for the user), or an empty string when it can: a 0,
// LF or end-of-file byte, an empty last line, and message 0 beginning with "*", whose
// first line the reader takes for a header line. The editor and imports refuse such a
// text where it is entered; reading a file never does.
QString UnstorableTextReason(int number, const QByteArray& text);

// The same for a header line: it must begin with an ASCII letter or digit and hold no
// line end, 0 or end-of-file byte.
QString UnstorableHeaderReason(const QByteArray& line);

// Writes one language (header block and messages) to `path`, replacing the file
// atomically: the old file stays whole until the new one is complete, and with
// KeepBackup::Yes becomes the ".bak" only then. Raises "Fehler bei Dateispeichern" on
// every failure, also when the language does not fit into the display's 60,000 bytes
// (nothing is written and no backup touched then).
void WriteTextFile(TMessageTable& table, const QString& path, int language, KeepBackup backup = KeepBackup::No);

// The two halves of WriteTextFile, for a save of several files that checks them all
// before the first is written: the bytes (raising the save error naming `path` when the
// language does not fit), then the write.
QByteArray TextFileContent(const TMessageTable& table, const QString& path, int language);
void SaveTextFile(const QString& path, const QByteArray& bytes, KeepBackup backup);

// Writes formatted bytes to a device; raises "Fehler bei Dateispeichern" on a short write.
void WriteTextBytes(QIODevice& device, const QByteArray& bytes);

// Parses `length` bytes of `buffer` into one language of the table; the buffer must
// have one writable byte after `length` and is changed in place. A negative length only
// sets the file name. Returns 1 when parsed, 0 when refused. What the reading rules leave
// out (text after a 0 byte or an end-of-file byte, numbers above 1023, a number given
// twice, a line without number field, a header line that is not one) is added to
// `warnings` with its line, when given.
int ParseText(TMessageTable& table, int language, char* buffer, int length, const QString& path,
              ReadWarnings* warnings = nullptr);

// Reads at most 60,000 bytes of the file into one language. A missing file reads as
// empty. Raises "Fehler bei Datenlesen" when the file exists but cannot be read or the
// parser refuses. Returns what was left out (ParseText's warnings, and a file longer than
// the 60,000 bytes read), so that a caller can warn before a save makes the loss final;
// `truncated` (optional) tells the last case alone.
ReadWarnings ReadTextFile(TMessageTable& table, const QString& path, int language, bool* truncated = nullptr);
