#include <QMainWindow>
#include <QTemporaryDir>
#include <QtTest>

#include "charset/CharSet.h"
#include "charset/DisplayCodeMap.h"
#include "charset/FontEditorEvents.h"
#include "charset/FontEditorLink.h"
#include "common/SettingsStore.h"
#include "support/FullDisk.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "support/TestSettings.h"
#include "support/WidgetTestSupport.h"

using namespace tavolin::test;

namespace {

// Stands in for the main window: records the notifications the editor posts.
class Owner : public QObject
{
public:
    QList<std::pair<QEvent::Type, int>> received;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() >= FontEditorEvents::CharacterChosen && event->type() <= FontEditorEvents::FontSaved) {
            received.append({event->type(), static_cast<FontEditorEvents::Event*>(event)->code});
            return true;
        }
        return QObject::event(event);
    }
};

QMainWindow* EditorWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<QMainWindow*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

QWidget* Child(QWidget* window, const QString& accessibleName)
{
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->accessibleName() == accessibleName)
            return child;
    return nullptr;
}

} // namespace

class tst_FontEditorLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        UsePrivateSettings();
        FailOnStuckMessageBoxes();
    }
    void init() { ClearSettings(); }

    void editsAndSavesThroughTheLibrary()
    {
        TCharSet set('G');
        set.Import(ProgramDir() + QStringLiteral("/default.pix"));
        FontEditorLink link(ProgramDir() + QStringLiteral("/fontedit"));
        QVERIFY(link.IsLoaded());
        link.offsetX = 30;
        link.offsetY = 20;
        Owner owner;
        link.StartEditor(&owner, 100, 50, set.fntPath, set.pixName);
        QVERIFY(link.IsVisible());
        QMainWindow* window = EditorWindow();
        QVERIFY(window);
        QCOMPARE(window->pos(), QPoint(130, 70));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(window->windowTitle().contains(QStringLiteral("default.pix")));
        Screenshot(window, QStringLiteral("fontedit"));

        // Keyboard only: one glyph to the right of 'A' (the bell 'B'), toggle its top left dot, save.
        QWidget* grid = Child(window, QStringLiteral("Zeichenübersicht"));
        QWidget* dots = Child(window, QStringLiteral("Punkteditor"));
        QVERIFY(grid && dots);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(dots, Qt::Key_Space);
        QVERIFY(window->isWindowModified());
        QTest::keyClick(dots, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!window->isWindowModified());
        QTest::keyClick(dots, Qt::Key_Space);
        QTest::keyClick(dots, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!window->isWindowModified());
        QTest::keyClick(grid, Qt::Key_Return);
        QCoreApplication::processEvents();
        const QList<std::pair<QEvent::Type, int>> expected{
            {FontEditorEvents::FontSaved, 0},
            {FontEditorEvents::CharacterChosen, 'B'},
        };
        QList<std::pair<QEvent::Type, int>> relevant;
        for (const auto& event : owner.received)
            if (event.first != FontEditorEvents::EditorMoved)
                relevant.append(event);
        QCOMPARE(relevant, expected);

        // One click picks a glyph for its dots; a double click puts it into the text, as the
        // help says.
        const QPoint glyph = grid->rect().center();
        const auto chosen = [&owner] {
            return std::count_if(owner.received.begin(), owner.received.end(),
                                 [](const auto& e) { return e.first == FontEditorEvents::CharacterChosen; });
        };
        QTest::mouseClick(grid, Qt::LeftButton, {}, glyph);
        QCoreApplication::processEvents();
        QCOMPARE(chosen(), 1);
        QTest::mouseDClick(grid, Qt::LeftButton, {}, glyph);
        QCoreApplication::processEvents();
        QCOMPARE(chosen(), 2);
        const QString help = QString::fromUtf8(ReadAll(ProgramDir() + QStringLiteral("/tavolin-hilfe.html")));
        const QString glyphEditorHelp = help.section(QStringLiteral("<h2>Zeichensatz-Editor</h2>"), 1).section(QStringLiteral("<h2>"), 0, 0);
        QVERIFY2(glyphEditorHelp.contains(QStringLiteral("ein Doppelklick")), qPrintable(glyphEditorHelp));

        QVERIFY(set.CheckExternalChange());
        QVERIFY(set.modified);
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("saved.pix"));
        set.Save(saved);
        const QByteArray pix = ReadAll(saved);
        QCOMPARE(pix.size(), TCharSet::PixSize);
        QCOMPARE(static_cast<quint8>(pix[('B' - 32) * 7]), quint8(0x10 | 0x04)); // bell top row plus the new dot

        // The editor follows the main window and reports its own moves as new offsets.
        link.SetPos(200, 100);
        QCOMPARE(window->pos(), QPoint(230, 120));
        window->move(260, 180);
        link.EditorMoved(200, 100);
        QCOMPARE(link.offsetX, 60);
        QCOMPARE(link.offsetY, 80);
        link.WriteOffsets();
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("FonteditorPosX")), QStringLiteral("60"));

        link.EndEditor();
        QVERIFY(!link.IsVisible());
        QVERIFY(!EditorWindow());
    }

    // A save onto a full disk says which file and why, and keeps both the font file and
    // the unsaved edit.
    void saveOntoAFullDiskKeepsTheFont()
    {
        FullDisk disk;
        if (!disk.Mounted())
            QSKIP("a full file system needs a tmpfs, which only root may mount");
        TCharSet set('G');
        set.Import(ProgramDir() + QStringLiteral("/default.pix"));
        const QString fnt = disk.FilePath(QStringLiteral("G.fnt"));
        const QByteArray old = ReadAll(set.fntPath);
        WriteAll(fnt, old);
        FontEditorLink link(ProgramDir() + QStringLiteral("/fontedit"));
        Owner owner;
        link.StartEditor(&owner, 100, 50, fnt, set.pixName);
        QMainWindow* window = EditorWindow();
        QVERIFY(window && QTest::qWaitForWindowActive(window));
        QWidget* dots = Child(window, QStringLiteral("Punkteditor"));
        QTest::mouseClick(dots, Qt::LeftButton, {}, QPoint(23, 23)); // the top left dot
        QVERIFY(window->isWindowModified());
        std::shared_ptr<BoxAnswer> answer;
        disk.WhileFull([&] {
            answer = AnswerBox(QMessageBox::Ok);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        });
        QCOMPARE(answer->count, 1);
        QVERIFY2(answer->text.contains(fnt + QStringLiteral(": kein Platz mehr auf dem Datenträger")), qPrintable(answer->text));
        QCOMPARE(ReadAll(fnt), old);
        QVERIFY(window->isWindowModified());
        QApplication::setActiveWindow(window); // the offscreen platform does not give it back
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!window->isWindowModified());
        link.EndEditor();
    }

    void damagedFontIsRefusedWithoutAWindow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("_EG0001.TMP"));
        WriteAll(path, QByteArray(600, '\x7F'));
        FontEditorLink link(ProgramDir() + QStringLiteral("/fontedit"));
        auto answer = AnswerBox(QMessageBox::Ok);
        Owner owner;
        link.StartEditor(&owner, 0, 0, path, QStringLiteral("kaputt.pix"));
        QVERIFY(!link.IsVisible());
        QCOMPARE(answer->count, 1);
        QVERIFY2(answer->text.contains(QStringLiteral("beschädigt")), qPrintable(answer->text));
    }

    void missingLibraryDoesNothing()
    {
        SettingsStore::WriteValue(QStringLiteral("FonteditorPosX"), QStringLiteral("12px"));
        SettingsStore::WriteValue(QStringLiteral("FonteditorPosY"), QStringLiteral("links"));
        FontEditorLink link(QStringLiteral("/nonexistent/fontedit"));
        QVERIFY(!link.IsLoaded());
        QCOMPARE(link.offsetX, 12);
        QCOMPARE(link.offsetY, 0);
        Owner owner;
        link.StartEditor(&owner, 0, 0, QStringLiteral("/nonexistent/font"), QStringLiteral("x.pix"));
        QVERIFY(!link.IsVisible());
        link.SetPos(1, 2);
        link.EditorMoved(1, 2);
        link.EndEditor();
        QCOMPARE(link.offsetX, 12);
        QVERIFY(owner.received.isEmpty());
    }
};

QTEST_MAIN(tst_FontEditorLink)
#include "tst_fonteditorlink.moc"
