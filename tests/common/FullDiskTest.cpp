#include <QDir>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "charset/FontFileBuilder.h"
#include "common/AtomicFile.h"
#include "project/ProjectConfig.h"
#include "session/ProjectSession.h"
#include "support/FullDisk.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"

using namespace tavolin::test;

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// Every writer on a really full disk: the message names the file and the system's reason,
// the old file stays as it was and no temporary file is left.
TEST(FullDisk, EveryWriterKeepsTheOldFile)
{
    FullDisk disk;
    TCharSet set('G');
    set.Import(DemoProjectDir() + QStringLiteral("/demo.pix"));
    TMessageTable table;
    ReadTextFile(table, DemoProjectDir() + QStringLiteral("/Sprache1.txt"), 0);
    const TProjectConfig config = DefaultProjectConfig();

    const std::pair<const char*, std::function<void(const QString&)>> writers[] = {
        {"Sprache1.txt", [&](const QString& path) { WriteTextFile(table, path, 0, KeepBackup::Yes); }},
        {"demo.pix", [&](const QString& path) { set.Save(path); }},
        {"demo.fnt", [&](const QString& path) { TCharSet::PixToFont(DemoProjectDir() + QStringLiteral("/demo.pix"), path, QStringLiteral("F")); }},
        {"demo.fon", [&](const QString& path) { BuildFontFile(set.fntPath, path); }},
        {"tavolin.cfg", [&](const QString&) { SaveProjectConfig(disk.Path(), config); }},
    };
    const QByteArray old = QByteArray("the previous version\n").repeated(120); // beyond any small write
    QStringList names;
    for (const auto& [name, write] : writers) {
        const QString path = disk.FilePath(QString::fromLatin1(name));
        WriteAll(path, old);
        names << QString::fromLatin1(name);
        const QString error = disk.ErrorOf([&] { write(path); });
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path) + QStringLiteral(": ") + disk.Reason()))
            << name << ": " << error.toStdString();
        EXPECT_EQ(ReadAll(path), old) << name;
    }
    names.sort();
    EXPECT_EQ(Entries(disk.Path()), names);
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
