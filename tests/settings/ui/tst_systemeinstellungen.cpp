#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/AppTestSupport.h"
#include "app/MainActions.h"
#include "common/Language.h"
#include "settings/ui/Systemeinstellungen.h"

using namespace tavolin::test;
using Lines = QList<QByteArray>;

// The settings dialog driven by keys and clicks on its focused widget.
class SystemeinstellungenTest : public MainWindowFixture
{
    Q_OBJECT

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::AltModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    static void clickOk(QDialog* d) { QTest::mouseClick(d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton); }

    // Shows the dialog on the lines as the menu entry does; `steps` run while it is open.
    Lines edit(const Lines& lines, const char* type, const std::function<void(Systemeinstellungen*)>& steps)
    {
        TProjectState project;
        FindDisplayType(QString::fromLatin1(type), project.displayType);
        TMessageTable table;
        table.headerLines[0] = lines;
        OnModal<Systemeinstellungen>([steps](Systemeinstellungen* d) {
            QApplication::setActiveWindow(d);
            steps(d);
            if (d->isVisible()) // a failed step must not leave the dialog waiting
                d->reject();
        });
        modified = dialog.Edit(project, table) && project.modified;
        return table.headerLines[0];
    }

    Systemeinstellungen dialog; // reused, as the main window does
    bool modified = false;

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }

    void keyButtonsChangeTheSelectedKeys()
    {
        const Lines lines = edit({"Ta-Farbe2: GGGGGGGG", "Notiz"}, "Quon 4", [](Systemeinstellungen* d) {
            press(Qt::Key_T);
            QListWidget* list = d->KeyListBox();
            QCOMPARE(list->count(), 24);
            QPushButton* red = d->Pages()->currentWidget()->findChildren<QPushButton*>()[3];
            QVERIFY(!red->isEnabled());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            for (int i = 0; i < 10; ++i)
                press(Qt::Key_Down, i < 8 ? Qt::NoModifier : Qt::ShiftModifier);
            QVERIFY(red->isEnabled());
            // A button's letter clicks it a moment later, as a click would look.
            press(Qt::Key_R); // &Rot
            press(Qt::Key_S); // Ra&stend
            press(Qt::Key_E); // Blinken &ein
            QTRY_COMPARE(list->item(9)->text(), QStringLiteral("F10\tRastend,Intern,Rot,Blinkend"));
            QCOMPARE(list->selectedItems().size(), 3);
            QCOMPARE(list->item(11)->text(), QStringLiteral("F12\tTastend,Intern,Grün"));
            press(Qt::Key_L); // A&lles Wählen
            QTRY_COMPARE(list->selectedItems().size(), 24);
            press(Qt::Key_X); // E&xtrern
            QTRY_VERIFY(list->item(23)->text().contains(QStringLiteral("Extern")));
            clickOk(d);
        });
        QCOMPARE(lines.mid(7, 8), Lines({"Ta-Mode1: MMMMMMMM", "Ta-Led1: EEEEEEEE", "Ta-Farbe1: RRRRRRRR",
                                         "Ta-Blink1: AAAAAAAA", "Ta-Mode2: BBBMMMMM", "Ta-Led2: EEEEEEEE",
                                         "Ta-Farbe2: RRRGGGGG", "Ta-Blink2: EEEAAAAA"}));
        QCOMPARE(lines.last(), QByteArray("Notiz"));
    }

    // In English the list shows English words; what the buttons change is stored as always.
    void keyListSpeaksTheProgramsLanguage()
    {
        Language::Install(Language::Choice::English, false);
        const auto german = qScopeGuard([] { Language::Install(Language::Choice::German, false); });
        const Lines lines = edit({"Ta-Farbe1: GRRRRRRRRRRR"}, "Quon 1", [](Systemeinstellungen* d) {
            d->Pages()->setCurrentIndex(1);
            QListWidget* list = d->KeyListBox();
            QCOMPARE(list->item(0)->text(), QStringLiteral("F1\tMomentary,Internal,Green"));
            list->item(1)->setSelected(true);
            QTest::mouseClick(d->Pages()->currentWidget()->findChildren<QPushButton*>()[6], Qt::LeftButton); // latching
            QTest::mouseClick(d->Pages()->currentWidget()->findChildren<QPushButton*>()[4], Qt::LeftButton); // blinking
            QCOMPARE(list->item(1)->text(), QStringLiteral("F2\tLatching,Internal,Red,Blinking"));
            clickOk(d);
        });
        QCOMPARE(lines.mid(7, 4), Lines({"Ta-Mode: MBMMMMMMMMMM", "Ta-Led: IIIIIIIIIIII", "Ta-Farbe: GRRRRRRRRRRR",
                                         "Ta-Blink: AEAAAAAAAAAA"}));
    }

    void everyShowingStartsFromTheLinesAndCancelKeepsThem()
    {
        const Lines demo = {"TN3 Tast: 100 LED: 120", "Helligkeit: 50%"};
        QCOMPARE(edit(demo, "Quon 1", clickOk)[6], QByteArray("TN3 Tast: 100 LED: 120"));
        // The next project has no station number: none may be left over from the last one.
        QCOMPARE(edit({"Binaer"}, "Quon 1", clickOk)[6], QByteArray("Ko-M Tast: 0 LED: 0"));
        QVERIFY(modified);
        // "Abbruch" after a change: the lines stay, the project is not marked.
        const auto cancel = [](Systemeinstellungen* d) {
            QVERIFY(!d->Pages()->isTabVisible(1) && !d->findChildren<QGroupBox*>()[3]->isVisibleTo(d)); // "SPS Adressen"
            press(Qt::Key_H);
            press(Qt::Key_Down, {});
            press(Qt::Key_Escape, {});
        };
        QCOMPARE(edit(demo, "Orbex 1", cancel), demo);
        QVERIFY(!modified);
    }

    void lineTheHeaderCannotHoldIsRefusedAndTheDialogStays()
    {
        const Lines lines = edit({"Notiz 1"}, "Orbex 1", [](Systemeinstellungen* d) {
            press(Qt::Key_W);
            QTest::mouseClick(qobject_cast<QPlainTextEdit*>(d->Pages()->currentWidget())->viewport(), Qt::LeftButton);
            press(Qt::Key_End, Qt::ControlModifier);
            press(Qt::Key_Return, {});
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-Notiz 2"));
            const auto answer = AnswerBox(QMessageBox::Ok);
            clickOk(d);
            QTRY_COMPARE(answer->count, 1);
            QVERIFY(answer->text.contains(QStringLiteral("\"-Notiz 2\"")));
            QVERIFY(d->isVisible());
            QApplication::setActiveWindow(d); // as a desktop does when the box closes
            press(Qt::Key_Home, {});
            press(Qt::Key_Delete, {});
            clickOk(d);
        });
        QCOMPARE(lines.mid(6), Lines({"Notiz 1", "Notiz 2"}));
    }

    void menuEntryOpensTheDialogOnTheOpenProject()
    {
        OpenWindow();
        QAction* entry = window->Actions()->systemSettings;
        QVERIFY(!entry->isEnabled());
        QVERIFY(window->Projects()->OpenFolder(demo) && entry->isEnabled());
        const Lines before = session().Table(0)->headerLines[0];
        OnModal<Systemeinstellungen>([](Systemeinstellungen* d) {
            Screenshot(d, QStringLiteral("systemeinstellungen-allgemein"));
            d->Pages()->setCurrentIndex(1);
            d->KeyListBox()->item(2)->setSelected(true);
            Screenshot(d, QStringLiteral("systemeinstellungen-tastatur"));
            d->Pages()->setCurrentIndex(2);
            qobject_cast<QPlainTextEdit*>(d->Pages()->currentWidget())->setPlainText(QStringLiteral("Wartung 2026-12\nSchrank 3"));
            Screenshot(d, QStringLiteral("systemeinstellungen-weitere"));
            qobject_cast<QPlainTextEdit*>(d->Pages()->currentWidget())->clear();
            clickOk(d);
        });
        entry->trigger();
        QCOMPARE(session().Table(0)->headerLines[0], before); // the demo's lines are already in order
        QVERIFY(session().project.modified);
        CloseWindow();
    }
};

QTEST_MAIN(SystemeinstellungenTest)
#include "tst_systemeinstellungen.moc"
