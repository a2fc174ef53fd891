#pragma once

#include <QString>
#include <array>

#include "common/ReadWarnings.h"
#include "project/DisplayType.h"

// The project configuration file "tavolin.cfg": six text fields of 256 bytes, each
// 8-bit text ended by a NUL. No header, no version, no checksum.
struct TProjectConfig
{
    static constexpr int FieldSize = 256;
    static constexpr int Size = 6 * FieldSize;
    static constexpr int MaxText = FieldSize - 1;

    using Field = std::array<char, FieldSize>;

    Field language1File{};
    Field language2File{};
    Field diagLanguage1File{};
    Field diagLanguage2File{};
    Field charSetName{};
    Field displayTypeName{};

    // Field text as Latin-1; a field without NUL reads as its first 255 characters.
    static QString Get(const Field& field);
    // Stores at most 255 characters; characters outside Latin-1 become "?".
    static void Set(Field& field, const QString& text);

    // The text file of a table (0 operating, 1 diagnostic) and language (0, 1).
    QString TextFileName(int table, int language) const;

    QByteArray ToBytes() const;
    // Overlays the record with up to Size bytes; a shorter array keeps the rest.
    void OverlayBytes(const QByteArray& bytes);

    friend bool operator==(const TProjectConfig&, const TProjectConfig&) = default;
};
static_assert(sizeof(TProjectConfig) == TProjectConfig::Size);

inline constexpr const char* ProjectConfigFileName = "tavolin.cfg";

// The default configuration: the four standard file names, no character set name and
// the display type "DefaultAnzeigeTyp" (read anew each time) or else the first row.
TProjectConfig DefaultProjectConfig();

// Reads <folder>/tavolin.cfg over `config` (by convention the default configuration).
// Returns false (and leaves `config` as it was) when there is no such file; raises
// "Fehler bei Datenlesen" with file and reason when it is there but cannot be read.
// A field the file holds only in part (a file shorter than 1536 bytes) or holds as no
// text (no NUL in its 256 bytes, or control bytes) keeps the value `config` had; such
// fields are named, with the values kept, in one note added to `warnings`.
bool ReadProjectConfig(const QString& folder, TProjectConfig& config, ReadWarnings* warnings = nullptr);

// Writes the 1536 bytes at the start of <folder>/tavolin.cfg, keeping any longer tail.
// The old file stays intact if the write fails; then "Fehler bei Dateispeichern" is raised
// with the file and the system's reason.
void SaveProjectConfig(const QString& folder, const TProjectConfig& config);
// The same, returning whether it was written.
bool WriteProjectConfig(const QString& folder, const TProjectConfig& config);

// The open project.
struct TProjectState
{
    static constexpr int MaxFolder = 1023;

    QString folder; // empty while no project is open
    TProjectConfig config;
    TDisplayType displayType;
    bool modified = false;

    bool IsOpen() const { return !folder.isEmpty(); }
    // Path of a table language's text file: the folder, a separator and the configured name.
    QString TextFilePath(int table, int language) const;
    void Clear() { *this = TProjectState(); }
};
