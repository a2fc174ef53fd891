#include <QPushButton>
#include <QLineEdit>

#include "AppTestSupport.h"
#include "app/CellEditor.h"
#include "app/MainActions.h"
#include "app/ProjectController.h"
#include "common/ProgramFolder.h"
#include "dialogs/Startdialog.h"
#include "project/ui/Projekt_offnen.h"
#include "support/TestSettings.h"

using namespace tavolin::test;

// The window as a user sees it. Checks that what is drawn is the display's own dots
// (black, red, white, nothing in between); with TAVOLIN_SCREENSHOTS set it also keeps the
// pictures (run it under Xvfb with QT_QPA_PLATFORM=xcb to see the real server's pixels).
class ScreenshotTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> base;
    QString demo;

    // Colours inside a text cell may only be the dots, the paper and the grid's own marks.
    static int countForeign(const QImage& image, const QRect& area)
    {
        int foreign = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = image.pixel(x, y) & 0xFFFFFF;
                if (p != 0xFFFFFF && p != 0x000000 && p != 0xFF0000)
                    ++foreign;
            }
        return foreign;
    }

private Q_SLOTS:
    void initTestCase()
    {
        UsePrivateSettings();
        SetProgramFolder(ProgramDir());
        base = std::make_unique<QTemporaryDir>();
        demo = CopyDemo(*base);
        SettingsStore::WriteValue(QStringLiteral("PRJBasePath"), base->path());
    }

    void editingAMessage()
    {
        SettingsStore::WriteValue(QStringLiteral("Startbild"), QStringLiteral("0"));
        MainWindow window;
        window.resize(1000, 720);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.Projects()->OpenFolder(demo));
        MessageView& view = *window.View();
        const int row = window.Session().CurrentTable()->IndexOf(100) + 1;
        ClickCell(view, 1, row);
        CellEditor* editor = view.Editor();
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, QStringLiteral(" !"));
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, QStringLiteral(" ok"));
        QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
        window.Actions()->blinkOn->trigger();
        QTest::keyClick(editor, Qt::Key_End);
        window.Actions()->blinkOff->trigger();
        window.Actions()->graphicsOn->trigger();
        QTest::keyClicks(editor, QStringLiteral("C"));
        window.Actions()->graphicsOff->trigger();
        QTest::qWait(50);
        Screenshot(&window, QStringLiteral("mainwindow-editing"));

        const QImage grid = view.Grid()->viewport()->grab().toImage();
        const QRect cell = view.Grid()->CellRect(1, 2).adjusted(0, 0, 0, -3);
        QCOMPARE(countForeign(grid, cell), 0);
        const QImage panel = view.Panel()->grab().toImage();
        QCOMPARE(countForeign(panel, panel.rect().adjusted(4, 0, 0, 0)), 0);

        window.Session().project.modified = false;
        window.Session().Table(0)->modified = {false, false};
        view.CellEdit().Abandon();
        window.Projects()->CloseProject(false);
    }

    void startScreenFlow()
    {
        SettingsStore::WriteValue(QStringLiteral("Startbild"), QStringLiteral("1"));
        MainWindow window;
        window.resize(1000, 720);
        bool started = false;
        OnModal<Startdialog>([&started](Startdialog* start) {
            started = true;
            Screenshot(start, QStringLiteral("1-startscreen"));
            OnModal<Projekt_offnen>([](Projekt_offnen* dialog) {
                dialog->NameBox()->setText(QStringLiteral("Demo"));
                QTest::qWait(50);
                Screenshot(dialog, QStringLiteral("2-opendialog"));
                dialog->OkButton()->click();
            });
            start->NewProjectButton()->click();
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
        QTRY_VERIFY(started);
        QTRY_VERIFY(window.Session().IsOpen());
        QTest::qWait(100);
        Screenshot(&window, QStringLiteral("3-opened"));
        window.Projects()->CloseProject(false);
    }
};

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshots.moc"
