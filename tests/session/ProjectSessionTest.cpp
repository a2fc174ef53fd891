#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/ProgramFolder.h"
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

} // namespace

// The command line loads and writes with Load/SaveTo, the editor opens the folder's state
// and saves in place: both must leave the same bytes, and reopening changes nothing.
TEST(ProjectSession, CommandLineAndEditorSaveTheSameFolder)
{
    QTemporaryDir dir;
    const QString editorCopy = dir.filePath(QStringLiteral("Editor"));
    CopyFiles(DemoProjectDir(), editorCopy);

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
    CopyFiles(DemoProjectDir(), unknown);
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
    CopyFiles(DemoProjectDir(), unreadable);
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

// A save that is refused touches no file and no backup: every text is checked before the
// first is written, and a session without the project's lock writes nothing.
TEST(ProjectSession, ARefusedSaveTouchesNothing)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("P"));
    CopyFiles(DemoProjectDir(), folder);
    ProjectSession session;
    session.Load(folder);
    session.Save();
    const QStringList names{QStringLiteral("Sprache1.txt"), QStringLiteral("Sprache1.bak"),
                            QStringLiteral("Sprache2.txt"), QStringLiteral("Sprache2.bak")};
    QMap<QString, QByteArray> before;
    for (const QString& name : names)
        before.insert(name, ReadAll(folder + QLatin1Char('/') + name));

    session.Table(0)->SetText(1, 0, "geändert");
    for (int n = 0; n < 1024; ++n)
        session.Table(0)->SetText(n, 1, QByteArray(60, 'x'));
    EXPECT_TRUE(ErrorOf([&] { session.Save(); }).contains(QStringLiteral("Sprache2.txt")));

    session.Table(0)->SetText(1, 1, "kurz");
    for (int n = 2; n < 1024; ++n)
        session.Table(0)->SetText(n, 1, QByteArray());
    ProjectLock other(folder);
    ASSERT_EQ(other.Result(), ProjectLock::State::Held);
    session.HoldLock(std::make_unique<ProjectLock>(folder));
    EXPECT_TRUE(session.Caption().contains(QStringLiteral("schreibgeschützt")));
    const QString refused = ErrorOf([&] { session.Save(); });
    EXPECT_TRUE(refused.contains(QStringLiteral("ist in Tavolin auf"))) << refused.toStdString();
    for (const QString& name : names)
        EXPECT_EQ(ReadAll(folder + QLatin1Char('/') + name), before.value(name)) << name.toStdString();
}

// What a download would send must be what the files hold: a configuration that was not
// read whole, or a missing character set file, is refused naming the file; the editor
// opens such a project with a note, the starter set counting as a change.
TEST(ProjectSession, AProjectThatIsNotWholeIsNotTransferred)
{
    QTemporaryDir dir;
    const QString shortConfig = dir.filePath(QStringLiteral("Kurz"));
    CopyFiles(DemoProjectDir(), shortConfig);
    WriteAll(shortConfig + QStringLiteral("/tavolin.cfg"), ReadAll(shortConfig + QStringLiteral("/tavolin.cfg")).left(1535));
    const QString noPix = dir.filePath(QStringLiteral("OhnePix"));
    CopyFiles(DemoProjectDir(), noPix);
    QFile::remove(noPix + QStringLiteral("/demo.pix"));
    const QString escape = dir.filePath(QStringLiteral("Ausbruch"));
    CopyFiles(DemoProjectDir(), escape);
    QByteArray config = ReadAll(escape + QStringLiteral("/tavolin.cfg"));
    config.replace(0, 14, QByteArray("../escape.txt\0", 14));
    WriteAll(escape + QStringLiteral("/tavolin.cfg"), config);

    SetProgramFolder(ProgramDir()); // where the starter set is
    ProjectSession session;
    session.Load(shortConfig);
    EXPECT_TRUE(ErrorOf([&] { session.CheckTransferable(Selection::Language1); }).contains(QStringLiteral("Kurz/tavolin.cfg")));
    session.Load(noPix);
    EXPECT_NO_THROW(session.CheckTransferable(Selection::Language1));
    EXPECT_TRUE(ErrorOf([&] { session.CheckTransferable(Selection::CharSet); }).contains(QStringLiteral("OhnePix/demo.pix")));
    ASSERT_EQ(session.warnings.size(), 1);
    EXPECT_TRUE(session.warnings.first().text.contains(QStringLiteral("Startzeichensatz")));
    EXPECT_TRUE(session.NeedsSaving());
    session.Load(DemoProjectDir());
    EXPECT_NO_THROW(session.CheckTransferable(Selection::All));

    const QString outside = ErrorOf([&] { session.Load(escape); });
    EXPECT_TRUE(outside.contains(QStringLiteral("Der Dateiname \"../escape.txt\" in tavolin.cfg"))) << outside.toStdString();
}
