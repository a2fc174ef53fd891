#include <QDir>
#include <gtest/gtest.h>

#include "project/ProjectConfig.h"
#include "session/ProjectSession.h"
#include "support/FullDisk.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"

using namespace tavolin::test;

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// The configuration's writer on a really full disk (the command line's writers meet one
// in fulldisk_cli): the message names the file and the system's reason, the old file
// stays as it was and no temporary file is left.
TEST(FullDisk, ConfigurationWriterKeepsTheOldFile)
{
    FullDisk disk;
    const QString path = disk.FilePath(QStringLiteral("tavolin.cfg"));
    const QByteArray old = QByteArray("the previous version\n").repeated(120); // beyond any small write
    WriteAll(path, old);
    const QString error = disk.ErrorOf([&] { SaveProjectConfig(disk.Path(), DefaultProjectConfig()); });
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path) + QStringLiteral(": ") + disk.Reason()))
        << error.toStdString();
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(Entries(disk.Path()), QStringList{QStringLiteral("tavolin.cfg")});
}

// The editor's save of a whole project: the first write that fails ends the save, every
// file of the project is as it was, and the project stays changed.
TEST(FullDisk, ProjectSaveKeepsEveryFile)
{
    FullDisk disk;
    CopyFiles(DemoProjectDir(), disk.Path());
    ProjectSession project;
    project.Load(disk.Path());
    project.Table(0)->SetText(7, 0, "geändert");
    const QString error = disk.ErrorOf([&] { project.Save(); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Fehler bei Dateispeichern\n"))) << error.toStdString();
    EXPECT_TRUE(error.contains(disk.Reason())) << error.toStdString();
    EXPECT_TRUE(project.NeedsSaving());
    EXPECT_EQ(Entries(disk.Path()), Entries(DemoProjectDir()));
    for (const QString& name : Entries(DemoProjectDir()))
        EXPECT_EQ(ReadAll(disk.FilePath(name)), ReadAll(DemoProjectDir() + QLatin1Char('/') + name)) << name.toStdString();
}
