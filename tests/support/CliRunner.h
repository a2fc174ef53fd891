#pragma once

#include <QProcess>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

#include "support/TestPaths.h"

namespace tavolin::test {

inline QString CliPath()
{
    return ProgramDir() + QStringLiteral("/tavolin-cli");
}

struct CliResult
{
    int exitCode = -1;
    QString err;
    QString out;
};

// Runs tavolin-cli with its stdin closed while this process keeps its event loop
// turning (a simulated display answers from its own thread either way). `during` acts on
// the running tool; `inChild` runs in the child before the tool starts.
inline CliResult RunCli(const QStringList& args, const std::function<void(QProcess&)>& during = {},
                        const std::function<void()>& inChild = {})
{
    QProcess process;
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(CliPath(), args);
    EXPECT_TRUE(process.waitForStarted(5000));
    process.closeWriteChannel();
    if (during)
        during(process);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace tavolin::test
