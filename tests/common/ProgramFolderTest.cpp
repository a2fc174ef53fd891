#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/ProgramFolder.h"

// Beside the program (the build folder) a shipped file wins; installed, the data and the
// library lie in their own folders, found from the program's folder wherever the tree is.
TEST(ProgramFolderTest, ShippedFilesBesideTheProgramOrInTheInstalledTree)
{
    QTemporaryDir root;
    const auto put = [&](const QString& folder, const QString& name) {
        ASSERT_TRUE(QDir().mkpath(root.filePath(folder)));
        QFile file(root.filePath(folder + QLatin1Char('/') + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    const auto found = [&](const QString& name) {
        return QFileInfo(ShippedFileFrom(root.filePath(QStringLiteral(TAVOLIN_INSTALL_BINDIR)), name));
    };
    const QString bin = QStringLiteral(TAVOLIN_INSTALL_BINDIR);
    const QString lib = QStringLiteral(TAVOLIN_INSTALL_LIBDIR);

    put(bin, QStringLiteral("tavolin"));
    EXPECT_EQ(found(QStringLiteral("led.fix")), QFileInfo(root.filePath(bin + QStringLiteral("/led.fix"))));

    // The installed data folder is the install test's (the installed command line prints).
    put(lib, QStringLiteral("libfontedit.so"));
    EXPECT_EQ(found(QStringLiteral("libfontedit.so")), QFileInfo(root.filePath(lib + QStringLiteral("/libfontedit.so"))));

    put(bin, QStringLiteral("libfontedit.so"));
    EXPECT_EQ(found(QStringLiteral("libfontedit.so")), QFileInfo(root.filePath(bin + QStringLiteral("/libfontedit.so"))));
}
