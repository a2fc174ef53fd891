#pragma once

#include <QString>

namespace tavolin::test {

// The repository's top folder (examples, data sources).
inline QString SourceDir() { return QStringLiteral(TAVOLIN_SOURCE_DIR); }

// The program folder of the build: executables, libraries, standard character sets.
inline QString ProgramDir() { return QStringLiteral(TAVOLIN_PROGRAM_DIR); }

inline QString DemoProjectDir() { return SourceDir() + QStringLiteral("/examples/Demo"); }

} // namespace tavolin::test
