#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "common/ui/FolderPicker.h"
#include "common/ui/PathBox.h"
#include "support/TestSettings.h"
#include "support/WidgetTestSupport.h"

class TestPathBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { tavolin::test::UsePrivateSettings(); }
    void cleanup() { SetFolderPickerForTesting({}); }

    void waitsForTheLastChange()
    {
        PathBox box;
        QCOMPARE(box.Delay(), 1000);
        box.SetDelay(400);
        box.SetBaseFolder(QStringLiteral("/alt"));
        QVERIFY(!box.TimerActive());
        QSignalSpy applied(&box, &PathBox::baseFolderApplied);

        QLineEdit* edit = box.PathEdit()->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("/tm"));
        QVERIFY(box.TimerActive());
        QTest::qWait(50);
        const int left = box.TimerRemaining();
        QTest::keyClicks(edit, QStringLiteral("p/"));
        // Each change starts the wait anew.
        QVERIFY(box.TimerRemaining() > left);
        QCOMPARE(applied.count(), 0);
        QTRY_COMPARE(applied.count(), 1);
        QCOMPARE(applied.at(0).at(0).toString(), QStringLiteral("/tmp"));
        QCOMPARE(box.BaseFolder(), QStringLiteral("/tmp"));
        QCOMPARE(box.FolderLabel()->text(), QStringLiteral("/tmp"));
        QVERIFY(!box.TimerActive());
        QCOMPARE(applied.count(), 1);
    }

    // An empty text or no folder picked keeps the base folder; Enter and a picked folder
    // apply at once.
    void enterAndBrowsingApplyAtOnce()
    {
        QWidget dialog;
        auto* box = new PathBox(&dialog);
        box->SetDelay(1);
        box->SetBaseFolder(QStringLiteral("/srv/projekte"));
        QSignalSpy applied(box, &PathBox::baseFolderApplied);
        box->PathEdit()->setEditText(QStringLiteral(" "));
        QVERIFY(box->TimerActive());
        QTRY_VERIFY(!box->TimerActive());
        SetFolderPickerForTesting([](QWidget*) { return QString(); });
        box->BrowseButton()->click();
        QCOMPARE(applied.count(), 0);
        QCOMPARE(box->BaseFolder(), QStringLiteral("/srv/projekte"));

        box->SetDelay(1000);
        box->PathEdit()->setEditText(QStringLiteral("  /var//log/../tmp/ "));
        QTest::keyClick(box->PathEdit()->lineEdit(), Qt::Key_Return);
        QCOMPARE(applied.count(), 1);
        QCOMPARE(box->BaseFolder(), QStringLiteral("/var/tmp"));
        QVERIFY(!box->TimerActive());

        SetFolderPickerForTesting([](QWidget*) { return QStringLiteral("/opt/anlagen/"); });
        box->BrowseButton()->click();
        QCOMPARE(applied.count(), 2);
        QCOMPARE(box->BaseFolder(), QStringLiteral("/opt/anlagen"));
        QCOMPARE(box->PathEdit()->currentText(), QStringLiteral("/opt/anlagen"));
        QVERIFY(!box->TimerActive());
    }

    void browsingStartsInTheBaseFolder()
    {
        QTemporaryDir base;
        PathBox box;
        box.SetBaseFolder(base.path());
        box.show();
        QString opened;
        tavolin::test::OnModal<QFileDialog>([&opened](QFileDialog* dialog) {
            opened = dialog->directory().absolutePath();
            dialog->reject();
        });
        box.BrowseButton()->setFocus();
        QTest::keyClick(box.BrowseButton(), Qt::Key_Space);
        QCOMPARE(opened, QDir(base.path()).absolutePath());
        QCOMPARE(box.BaseFolder(), base.path());
    }

    void recentFoldersLeaveTheTextAlone()
    {
        PathBox box;
        box.SetBaseFolder(QStringLiteral("/a"));
        box.SetRecentFolders({QStringLiteral("/b"), QStringLiteral("/c")});
        QCOMPARE(box.PathEdit()->count(), 2);
        QCOMPARE(box.PathEdit()->currentText(), QStringLiteral("/a"));
        QVERIFY(!box.TimerActive());

        QSignalSpy applied(&box, &PathBox::baseFolderApplied);
        box.PathEdit()->setCurrentIndex(1);
        Q_EMIT box.PathEdit()->activated(1);
        QCOMPARE(applied.count(), 1);
        QCOMPARE(box.BaseFolder(), QStringLiteral("/c"));
        // On focus-out the box picks the entry matching its text again: no new folder.
        Q_EMIT box.PathEdit()->activated(1);
        QCOMPARE(applied.count(), 1);
    }

    void expandsPaths()
    {
        QCOMPARE(PathBox::ExpandPath(QString()), QString());
        QCOMPARE(PathBox::ExpandPath(QStringLiteral("~")), QDir::homePath());
        QCOMPARE(PathBox::ExpandPath(QStringLiteral("~/Projekte/")), QDir::homePath() + QStringLiteral("/Projekte"));
        QCOMPARE(PathBox::ExpandPath(QStringLiteral("relativ")), QDir::currentPath() + QStringLiteral("/relativ"));
        QCOMPARE(PathBox::ExpandPath(QStringLiteral("/")), QStringLiteral("/"));
    }
};

QTEST_MAIN(TestPathBox)
#include "tst_pathbox.moc"
