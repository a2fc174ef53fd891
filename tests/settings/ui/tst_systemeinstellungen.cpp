#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/AppTestSupport.h"
#include "app/MainActions.h"
#include "settings/ui/Systemeinstellungen.h"
#include "texts/MessageTable.h"

using namespace tavolin::test;

// The settings dialog driven by keys and clicks on its focused widget.
class SystemeinstellungenTest : public MainWindowFixture
{
    Q_OBJECT

private:
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::AltModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    static void clickOk(QDialog* dialog)
    {
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QTest::mouseClick(ok, Qt::LeftButton);
    }
    // Shows the dialog on the lines as the menu entry does; `steps` runs while it is open.
    static QList<QByteArray> edit(Systemeinstellungen& dialog, const QList<QByteArray>& lines, const char* type,
                                  const std::function<void(Systemeinstellungen*)>& steps, bool* modified = nullptr)
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
        dialog.Edit(project, table);
        if (modified)
            *modified = project.modified;
        return table.headerLines[0];
    }

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }

    void keyButtonsChangeTheSelectedKeys()
    {
        Systemeinstellungen dialog;
        const QList<QByteArray> lines = edit(dialog, {"Ta-Farbe2: GGGGGGGG", "Notiz"}, "Quon 4", [](Systemeinstellungen* d) {
            QCOMPARE(d->KeyListBox()->count(), 24);
            press(Qt::Key_T);
            QCOMPARE(d->Pages()->currentIndex(), 1);
            const QList<QPushButton*> buttons = d->Pages()->currentWidget()->findChildren<QPushButton*>();
            QVERIFY(!buttons.first()->isEnabled());
            QListWidget* list = d->KeyListBox();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            for (int i = 0; i < 8; ++i)
                press(Qt::Key_Down, {});
            press(Qt::Key_Down, Qt::ShiftModifier);
            press(Qt::Key_Down, Qt::ShiftModifier);
            // A button's letter clicks it a moment later, as a click would look.
            press(Qt::Key_R);   // &Rot
            press(Qt::Key_S);   // Ra&stend
            press(Qt::Key_E);   // Blinken &ein
            QTRY_COMPARE(list->item(9)->text(), QStringLiteral("F10\tRastend,Intern,Rot,Blinkend"));
            QCOMPARE(list->selectedItems().size(), 3);
            QCOMPARE(list->item(11)->text(), QStringLiteral("F12\tTastend,Intern,Grün"));
            press(Qt::Key_L);   // A&lles Wählen
            QTRY_COMPARE(list->selectedItems().size(), 24);
            press(Qt::Key_X);   // E&xtrern
            QTRY_VERIFY(list->item(23)->text().contains(QStringLiteral("Extern")));
            clickOk(d);
        });
        QCOMPARE(lines.mid(7, 4), (QList<QByteArray>{"Ta-Mode1: MMMMMMMM", "Ta-Led1: EEEEEEEE",
                                                     "Ta-Farbe1: RRRRRRRR", "Ta-Blink1: AAAAAAAA"}));
        QCOMPARE(lines.mid(11, 4), (QList<QByteArray>{"Ta-Mode2: BBBMMMMM", "Ta-Led2: EEEEEEEE",
                                                      "Ta-Farbe2: RRRGGGGG", "Ta-Blink2: EEEAAAAA"}));
        QCOMPARE(lines.last(), QByteArray("Notiz"));
    }

    void everyShowingStartsFromTheLinesAndCancelKeepsThem()
    {
        Systemeinstellungen dialog;
        const QList<QByteArray> demo = {"TN3 Tast: 100 LED: 120", "Helligkeit: 50%"};
        QCOMPARE(edit(dialog, demo, "Quon 1", [](Systemeinstellungen* d) { clickOk(d); }).mid(6, 1),
                 QList<QByteArray>{"TN3 Tast: 100 LED: 120"});
        // The next project has no station number: none may be left over from the last one.
        bool modified = false;
        const QList<QByteArray> next = edit(dialog, {"Binaer"}, "Quon 1", [](Systemeinstellungen* d) {
            QCOMPARE(d->findChildren<QComboBox*>().first()->currentText(), QStringLiteral("80%"));
            clickOk(d);
        }, &modified);
        QCOMPARE(next[6], QByteArray("Ko-M Tast: 0 LED: 0"));
        QVERIFY(modified);
        // "Abbruch" after changes: the lines stay, the project is not marked.
        const QList<QByteArray> kept = edit(dialog, demo, "Orbex 1", [](Systemeinstellungen* d) {
            QVERIFY(!d->Pages()->isTabVisible(1));
            for (QGroupBox* group : d->findChildren<QGroupBox*>())
                QVERIFY(group->title() != QStringLiteral("SPS Adressen") || !group->isVisibleTo(d));
            press(Qt::Key_H);
            press(Qt::Key_Down, {});
            press(Qt::Key_Escape, {});
        }, &modified);
        QCOMPARE(kept, demo);
        QVERIFY(!modified);
    }

    void lineTheHeaderCannotHoldIsRefusedAndTheDialogStays()
    {
        Systemeinstellungen dialog;
        std::shared_ptr<BoxAnswer> answer;
        const QList<QByteArray> lines = edit(dialog, {"Notiz 1"}, "Orbex 1", [&answer](Systemeinstellungen* d) {
            press(Qt::Key_W);
            QPlainTextEdit* other = qobject_cast<QPlainTextEdit*>(d->Pages()->currentWidget());
            QTest::mouseClick(other->viewport(), Qt::LeftButton);
            press(Qt::Key_End, Qt::ControlModifier);
            press(Qt::Key_Return, {});
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-Notiz 2"));
            answer = AnswerBox(QMessageBox::Ok);
            clickOk(d);
            QTRY_COMPARE(answer->count, 1);
            QVERIFY(d->isVisible());
            QApplication::setActiveWindow(d); // as a desktop does when the box closes
            QVERIFY(answer->text.contains(QStringLiteral("\"-Notiz 2\"")));
            press(Qt::Key_Home, {});
            press(Qt::Key_Delete, {});
            clickOk(d);
        });
        QCOMPARE(lines.mid(6), (QList<QByteArray>{"Notiz 1", "Notiz 2"}));
    }

    void menuEntryOpensTheDialogOnTheOpenProject()
    {
        OpenWindow();
        QAction* entry = window->Actions()->systemSettings;
        QVERIFY(!entry->isEnabled());
        QVERIFY(window->Projects()->OpenFolder(demo));
        QVERIFY(entry->isEnabled());
        const QList<QByteArray> before = session().Table(0)->headerLines[0];
        OnModal<Systemeinstellungen>([](Systemeinstellungen* d) {
            Screenshot(d, QStringLiteral("systemeinstellungen-allgemein"));
            d->Pages()->setCurrentIndex(1);
            d->KeyListBox()->item(2)->setSelected(true);
            Screenshot(d, QStringLiteral("systemeinstellungen-tastatur"));
            d->Pages()->setCurrentIndex(2);
            auto* other = qobject_cast<QPlainTextEdit*>(d->Pages()->currentWidget());
            other->setPlainText(QStringLiteral("Wartung 2026-12 eingestellt\nSchrank 3, Tür links"));
            Screenshot(d, QStringLiteral("systemeinstellungen-weitere"));
            other->clear();
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
