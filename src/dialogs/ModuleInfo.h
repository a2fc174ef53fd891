#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the about and version dialogs show of one module of the program. There are no
// version resources on every platform, so the program knows its own modules and takes the
// Qt libraries' versions from their file names.
struct TModuleVersion
{
    QString productName;
    QString fileName;
    QString fileVersion;
    QString companyName;
    QString legalCopyright;
    QString productVersion;

    friend bool operator==(const TModuleVersion&, const TModuleVersion&) = default;
};

namespace ModuleInfo {

inline constexpr const char* ProductName = "Tavolin Editor";
inline constexpr const char* CompanyName = "MURAN Software";
inline constexpr const char* QtCompanyName = "The Qt Company Ltd.";

// "Copyright © <year> MURAN Software".
QString Copyright();

// The version of this build, with the source revision when it is known: "0.1.0 (f213ee4)".
QString ProductVersion();

// The version information of the module at `path`. The running program is recognised by
// its path; the glyph editor library and Qt libraries by their file names. Any other file
// gives its file name and otherwise empty texts.
TModuleVersion Read(const QString& path);

// The modules of the running program: the program file, the glyph editor library of the
// program folder if it is there, then every Qt library the process has loaded.
QStringList LoadedModules();

// The glyph editor library's file in the program folder, whether or not it exists.
QString GlyphEditorLibraryPath();

} // namespace ModuleInfo
