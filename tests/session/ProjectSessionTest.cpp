#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/ProgramFolder.h"
#include "session/ProjectFind.h"
#include "session/ProjectSession.h"
#include "support/FullDisk.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "texts/TextFile.h"

using namespace tavolin::test;

namespace {

// The undo history and find (ProjectHistoryTest) on the demo project, with a diagnostic
// table beside the operating texts.
class History : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetProgramFolder(ProgramDir());
        const QString folder = dir.filePath(QStringLiteral("Demo"));
        CopyFiles(DemoProjectDir(), folder);
        TProjectState state = ProjectSession::ReadFolder(folder);
        state.displayType.flags |= dtDiagnosticTexts | dtSecondLanguage;
        session.Begin(state);
        session.LoadFiles(true);
        session.Table(1)->SetText(7, 0, "Diagnose \x0F" "\x84" "l\x0E");
        session.Table(1)->SetText(7, 1, "Diagnosis");
        session.Save();
        session.history.clock = [this] { return now; };
    }

    // Everything a save would write: the formatted text files, configuration and glyphs.
    QByteArray Files() const
    {
        QByteArray all;
        for (const auto& tl : session.TableLanguages())
            all += FormatTextChecked(*session.Table(tl.table), tl.language, TextFile::HeaderBlock | TextFile::MessageTexts) + '|';
        return all + session.project.config.ToBytes() + session.graphics.Glyphs();
    }

    // Types the rest of `text` after what the cell holds, a key at a time.
    void Type(int number, const QByteArray& text, qint64 step = 100)
    {
        const QByteArray held = session.Table(0)->At(session.Table(0)->IndexOf(number)).text[0];
        for (qsizetype i = text.startsWith(held) ? held.size() + 1 : 1; i <= text.size(); ++i) {
            now += step;
            session.history.RecordTyping(0, number, 0, text.left(i));
        }
    }

    QTemporaryDir dir;
    ProjectSession session;
    qint64 now = 0;
};

} // namespace

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

// Each kind of change is undone to the bytes before it and redone to the bytes after it.
TEST_F(History, EveryChangeUndoesAndRedoesByteForByte)
{
    QUndoStack& stack = session.history.Stack();
    QByteArray glyphs = session.graphics.Glyphs();
    glyphs[100] = char(glyphs[100] ^ 0x01); // five dots a row
    const QList<std::pair<int, std::function<void()>>> changes = {
        {SessionSnapshot::OperatingTexts, [&] { session.Table(0)->SetText(999, 1, "Neu"); }},
        {SessionSnapshot::OperatingTexts, [&] { session.Table(0)->DeleteAt(session.Table(0)->IndexOf(12)); }},
        {SessionSnapshot::DiagnosticTexts, [&] { session.Table(1)->DeleteAt(0); }},
        {SessionSnapshot::OperatingTexts | SessionSnapshot::Configuration,
         [&] { session.Table(0)->headerLines[0][2] = "Helligkeit: 10%"; }},
        {SessionSnapshot::Configuration | SessionSnapshot::Glyphs,
         [&] {
             session.SetCharSetName(QStringLiteral("neu"));
             session.ImportGraphics(QStringLiteral("neu"));
         }},
        {SessionSnapshot::Glyphs, [&] { session.graphics.SetGlyphs(glyphs); }},
    };
    for (const auto& [parts, change] : changes) {
        const QByteArray before = Files();
        session.history.Record(QStringLiteral("Schritt"), parts, change);
        const QByteArray after = Files();
        ASSERT_NE(before, after);
        stack.undo();
        EXPECT_EQ(Files(), before);
        stack.redo();
        EXPECT_EQ(Files(), after);
    }

    // A change that changes nothing is no step.
    session.history.Record(QStringLiteral("Nichts"), SessionSnapshot::OperatingTexts, [] {});
    EXPECT_EQ(stack.count(), changes.size());
}

// Typing is one step per word or pause; undoing to the opened state clears the changed
// mark and the caption's mark, and saving moves that state.
TEST_F(History, TypingMergesAndTheCleanStateFollows)
{
    QUndoStack& stack = session.history.Stack();
    const QByteArray opened = Files();
    EXPECT_FALSE(session.IsModified());
    EXPECT_FALSE(session.Caption().startsWith(QLatin1Char('*')));

    Type(2, "Pumpe ");
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), QStringLiteral("Meldung 2 bearbeiten"));
    Type(2, "Pumpe l\x84uft"); // a new word: a new step
    EXPECT_EQ(stack.count(), 2);
    now += ProjectHistory::TypingPause + 1;
    Type(2, "Pumpe l\x84uft!"); // after a pause
    EXPECT_EQ(stack.count(), 3);
    session.history.BreakTyping();
    Type(2, "Pumpe l\x84uft!?");
    Type(3, "x"); // another cell
    EXPECT_EQ(stack.count(), 5);
    EXPECT_TRUE(session.IsModified());
    EXPECT_TRUE(session.Caption().startsWith(QLatin1Char('*')));

    int cleanChanges = 0;
    QObject::connect(&stack, &QUndoStack::cleanChanged, [&cleanChanges] { ++cleanChanges; });
    while (stack.canUndo())
        stack.undo();
    EXPECT_EQ(Files(), opened);
    EXPECT_EQ(cleanChanges, 1);
    EXPECT_FALSE(session.NeedsSaving());
    EXPECT_FALSE(session.Caption().startsWith(QLatin1Char('*')));

    stack.redo();
    session.Save();
    EXPECT_FALSE(session.IsModified());
    stack.undo();
    EXPECT_TRUE(session.NeedsSaving());
    stack.redo();
    EXPECT_FALSE(session.NeedsSaving());
}

// Find and replace by the characters shown: umlauts without case, blinking and graphics
// characters only as such, whole words, both languages of both tables.
TEST_F(History, FindAndReplaceAllOverEveryTable)
{
    // "ä" and "Ä" are display codes 0x84 and 0x8E; 0x0F/0x0E blink, 0x10/0x12 graphics.
    session.Table(0)->SetText(40, 0, "L\x84uft \x0FL\x8E" "UFT\x0E \x10L\x12");
    session.Table(0)->SetText(40, 1, "l\x84uft, Abl\x84uft");
    session.history.MarkClean();
    const QByteArray before = Files();

    const TextSearch plain("l\x84uft", {});
    EXPECT_EQ(plain.FindAll(session.Table(0)->At(session.Table(0)->IndexOf(40)).text[0]).size(), 1);
    const TextSearch blink("\x0FL\x84uft\x0E", {});
    const QList<TextHit> hits = blink.FindAll("x\x0FL\x8E" "UFT\x0E");
    ASSERT_EQ(hits.size(), 1);
    EXPECT_EQ(hits[0].start, 2);
    EXPECT_EQ(hits[0].end, 7);
    EXPECT_TRUE(TextSearch("\x84", {true, false}).FindAll("\x8E").isEmpty());
    EXPECT_EQ(TextSearch("\x10L\x12", {}).FindAll("L \x10l\x12 \x10L\x12").size(), 1);
    EXPECT_EQ(TextSearch("l\x84uft", {false, true}).FindAll("l\x84uft, Abl\x84uft").size(), 1);
    // A replacement keeps the attributes around it in effect.
    EXPECT_EQ(TextSearch::Replace("\x0F" "ab\x0E" "c", {1, 3}, "X"), QByteArray("Xc"));

    const TextSearch diagnose("\x0F\x84l\x0E", {});
    ProjectFind::Scope everywhere{true, -1};
    const auto found = ProjectFind::FindNext(session, diagnose, everywhere, {0, 0, 0, {}}, false);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->table, 1);
    const auto back = ProjectFind::FindNext(session, plain, everywhere, *found, true);
    ASSERT_TRUE(back);
    EXPECT_EQ(session.Table(back->table)->At(back->slot).number, 40);
    EXPECT_EQ(back->language, 1);

    EXPECT_EQ(ProjectFind::ReplaceAll(session, plain, {false, 1}, "rennt"), 2);
    EXPECT_EQ(ProjectFind::ReplaceAll(session, diagnose, everywhere, "\x10#\x12"), 1);
    EXPECT_EQ(session.Table(1)->At(0).text[0], QByteArray("Diagnose \x10#\x12"));
    EXPECT_EQ(session.history.Stack().count(), 2);
    EXPECT_EQ(session.history.Stack().undoText(), QStringLiteral("Alle ersetzen"));
    session.history.Stack().undo();
    session.history.Stack().undo();
    EXPECT_EQ(Files(), before);
}

// Undoing a glyph change on a full disk reports the reason and leaves the history usable.
TEST_F(History, GlyphUndoOnAFullDiskIsReported)
{
    FullDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "needs a tmpfs";
    session.graphics.fntPath = disk.FilePath(QStringLiteral("glyphs.fnt"));
    session.graphics.Import(DemoProjectDir() + QStringLiteral("/demo.pix"));
    QByteArray glyphs = session.graphics.Glyphs();
    glyphs[10] = char(glyphs[10] ^ 0x01);
    session.history.Record(QStringLiteral("Zeichen ändern"), SessionSnapshot::Glyphs,
                           [&] { session.graphics.SetGlyphs(glyphs); });
    QString failure;
    QObject::connect(&session.history, &ProjectHistory::Failed, [&failure](const QString& m) { failure = m; });
    disk.WhileFull([&] { session.history.Stack().undo(); });
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_TRUE(session.NeedsSaving());
    session.history.Stack().redo();
    EXPECT_EQ(session.graphics.Glyphs(), glyphs);
}
