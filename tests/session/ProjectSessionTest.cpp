#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "session/ProjectSession.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"

using namespace tavolin::test;

namespace {

// Every file of a folder but the backups, by name.
QMap<QString, QByteArray> Contents(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        if (!name.endsWith(QStringLiteral(".bak")))
            files.insert(name, ReadAll(folder + QLatin1Char('/') + name));
    return files;
}

void CopyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        WriteAll(to + QLatin1Char('/') + name, ReadAll(from + QLatin1Char('/') + name));
}

} // namespace

// The command line loads and writes with Load/SaveTo, the editor opens the folder's state
// and saves in place: both must leave the same bytes, and reopening changes nothing.
TEST(ProjectSession, CommandLineAndEditorSaveTheSameFolder)
{
    QTemporaryDir dir;
    const QString editorCopy = dir.filePath(QStringLiteral("Editor"));
    CopyFolder(DemoProjectDir(), editorCopy);

    ProjectSession editor;
    int changes = 0;
    QObject::connect(&editor, &ProjectSession::Changed, [&changes] { ++changes; });
    editor.Begin(ProjectSession::ReadFolder(editorCopy));
    editor.LoadFiles(false);
    editor.Table(0)->SetText(7, 0, QByteArray("Tank voll"));
    EXPECT_TRUE(editor.NeedsSaving());
    editor.Save();
    EXPECT_FALSE(editor.NeedsSaving());
    EXPECT_GE(changes, 3);

    ProjectSession cli;
    cli.Load(editorCopy);
    const QString cliCopy = dir.filePath(QStringLiteral("Kommandozeile"));
    cli.SaveTo(cliCopy);
    EXPECT_EQ(cli.project.folder, editorCopy);

    const QMap<QString, QByteArray> saved = Contents(editorCopy);
    EXPECT_TRUE(saved.contains(QStringLiteral("tavolin.cfg")));
    EXPECT_TRUE(saved.contains(QStringLiteral("demo.pix")));
    EXPECT_EQ(Contents(cliCopy), saved);
    EXPECT_EQ(cli.Job(true).operating->At(cli.Table(0)->IndexOf(7)).text[0], QByteArray("Tank voll"));
}

TEST(ProjectSession, EveryFailureNamesItsFile)
{
    QTemporaryDir dir;
    ProjectSession session;
    const QString missing = dir.filePath(QStringLiteral("Fehlt"));
    EXPECT_EQ(ErrorOf([&] { session.Load(missing); }),
              QStringLiteral("Das Projekt \"%1\" existiert nicht.").arg(QDir::toNativeSeparators(missing)));

    const QString unknown = dir.filePath(QStringLiteral("Fremd"));
    CopyFolder(DemoProjectDir(), unknown);
    QByteArray config = ReadAll(unknown + QStringLiteral("/tavolin.cfg"));
    config.replace(5 * 256, 6, QByteArray("Nix\0\0\0", 6));
    WriteAll(unknown + QStringLiteral("/tavolin.cfg"), config);
    EXPECT_EQ(ErrorOf([&] { session.Load(unknown); }),
              QStringLiteral("Der Anzeigentyp \"Nix\" ist unbekannt.\n") + unknown + QStringLiteral("/tavolin.cfg"));
    EXPECT_FALSE(session.IsOpen());
    EXPECT_EQ(ErrorOf([&] { session.Create(unknown, QStringLiteral("Nix")); }),
              QStringLiteral("Der Anzeigentyp \"Nix\" ist unbekannt."));

    // A text file that cannot be read leaves no half-open project behind.
    const QString unreadable = dir.filePath(QStringLiteral("Kaputt"));
    CopyFolder(DemoProjectDir(), unreadable);
    QFile::remove(unreadable + QStringLiteral("/Sprache2.txt"));
    QDir().mkdir(unreadable + QStringLiteral("/Sprache2.txt"));
    const QString readError = ErrorOf([&] { session.Load(unreadable); });
    EXPECT_TRUE(readError.startsWith(QStringLiteral("Fehler bei Datenlesen"))) << readError.toStdString();
    EXPECT_TRUE(readError.contains(unreadable + QStringLiteral("/Sprache2.txt"))) << readError.toStdString();
    EXPECT_FALSE(session.IsOpen());

    // Saving: a folder that cannot be made, then each file in the way of its write.
    session.Load(DemoProjectDir());
    const QString blocked = dir.filePath(QStringLiteral("Datei"));
    WriteAll(blocked, "x");
    const QString noFolder = ErrorOf([&] { session.SaveTo(blocked + QStringLiteral("/Projekt")); });
    EXPECT_TRUE(noFolder.startsWith(QStringLiteral("Fehler bei Dateispeichern\n") + blocked)) << noFolder.toStdString();
    for (const QString& name : {QStringLiteral("Sprache1.txt"), QStringLiteral("demo.pix"), QStringLiteral("tavolin.cfg")}) {
        const QString target = dir.filePath(QStringLiteral("Ziel-") + name);
        QDir().mkpath(target + QLatin1Char('/') + name);
        const QString error = ErrorOf([&] { session.SaveTo(target); });
        EXPECT_TRUE(error.contains(target + QLatin1Char('/') + name)) << error.toStdString();
    }
}
