#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

#include "common/ProgramFolder.h"
#include "common/Version.h"
#include "dialogs/About.h"
#include "common/ui/Help.h"
#include "dialogs/ModuleInfo.h"
#include "dialogs/Neuemld.h"
#include "dialogs/Optionen.h"
#include "dialogs/Startdialog.h"
#include "dialogs/Versioninfo.h"
#include "common/Language.h"
#include "common/SettingsStore.h"
#include "support/TestPaths.h"
#include "support/TestHelpers.h"
#include "support/TestSettings.h"
#include "support/WidgetTestSupport.h"
#include "texts/MessageTable.h"
#include "transfer/SimulatedDisplay.h"
#include "transfer/TransferRun.h"

using namespace tavolin::test;

namespace {
// The browser of the one help window, once it exists.
QTextBrowser* HelpBrowser()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* browser = w->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser")))
            return browser;
    return nullptr;
}
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        UsePrivateSettings();
        SetProgramFolder(ProgramDir());
        FailOnStuckMessageBoxes();
    }
    void init() { ClearSettings(); }

    // The number field takes message numbers only, and OK refuses one that exists.
    void numberFieldTakesOnlyMessageNumbers()
    {
        TMessageTable table;
        QVERIFY(table.SetText(7, 0, "sieben"));
        Neuemld dialog;
        dialog.SetTable(&table);
        dialog.number = 200;
        dialog.show();
        QLineEdit* edit = dialog.NumberBox()->Editor();
        QCOMPARE(edit->text(), QStringLiteral("200"));
        // Typed over the whole field: what it shows then, and the dialog's number.
        const struct { const char* typed; const char* shown; int number; } typing[] = {
            {"2000", "200", 200}, {"1x-+ 0 23", "1023", 1023}, {"\b", "", 0}};
        for (const auto& [typed, shown, number] : typing) {
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromLatin1(typed));
            QVERIFY2(edit->text() == QLatin1String(shown) && dialog.number == number, typed);
        }

        // Up and down stop at the ends.
        MessageNumberBox* box = dialog.NumberBox();
        box->setValue(1022);
        box->stepBy(1);
        box->stepBy(1);
        QCOMPARE(dialog.number, 1023);
        QCOMPARE(edit->text(), QStringLiteral("1023"));
        box->setValue(1);
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(dialog.number, 0);

        // OK refuses an existing number (okRefusesAnExistingNumber).
        box->setValue(7);
        {
            auto answer = AnswerBox(QMessageBox::Ok, Boxes::Every);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(answer->count, 1);
            QCOMPARE(answer->text, QStringLiteral("Diese Meldung existiert schon !"));
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("8"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.number, 8);
    }

    void captionFitsTheNewMessageDialog()
    {
        QApplication::setApplicationDisplayName(QStringLiteral("Tavolin"));
        Neuemld dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QFont bold = dialog.font();
        bold.setBold(true);
        // Caption, program name and the window manager's buttons (about 100 pixels).
        QVERIFY(dialog.width() > QFontMetrics(bold).horizontalAdvance(QStringLiteral("Neue Meldung — Tavolin")) + 100);
    }

    void startScreenSetting_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("no number") << QStringLiteral("ja") << true;
    }

    void startScreenSetting()
    {
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        SettingsStore::WriteValue(QStringLiteral("Startbild"), stored);

        Optionen options;
        options.show();
        QCOMPARE(options.StartScreenBox()->isChecked(), ticked);
        options.reject();
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("Startbild")), stored);
    }

    // With no port stored the options propose one, and the simulated display comes last in
    // the list. Nothing is stored before OK.
    void optionsProposeAPortAndWriteOnlyOnOk()
    {
        Optionen options;
        options.show();
        const QStringList ports = Optionen::AvailablePortNames();
        QCOMPARE(options.PortBox()->currentText(), ports.isEmpty() ? Optionen::DefaultPortName() : ports.first());
        for (const QString& port : ports)
            QVERIFY2(port.startsWith(QLatin1Char('/')) || port.startsWith(QLatin1String("COM")), qPrintable(port));
        for (int i = 0; i < options.PortBox()->count(); ++i)
            QTest::keyClick(options.focusWidget(), Qt::Key_Down);
        QCOMPARE(options.PortBox()->currentText(), QStringLiteral("Simulierte Anzeige"));
        options.StartScreenBox()->setChecked(false);
        options.reject();
        QVERIFY(SettingsStore::ReadValue(QStringLiteral("Schnittstelle")).isEmpty());
        QVERIFY(SettingsStore::ReadValue(QStringLiteral("Startbild")).isEmpty());

        SettingsStore::WriteValue(QStringLiteral("Schnittstelle"), QStringLiteral("/dev/ttyUSB3"));
        options.show();
        QCOMPARE(options.PortBox()->currentText(), QStringLiteral("/dev/ttyUSB3"));
        options.PortBox()->setEditText(QStringLiteral(" my port "));
        options.StartScreenBox()->setChecked(false);
        QTest::keyClick(&options, Qt::Key_Return);
        QCOMPARE(options.result(), int(QDialog::Accepted));
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("Schnittstelle")), QStringLiteral(" my port "));
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("Startbild")), QStringLiteral("0"));
    }

    // The simulated display is listed in the window's language but stored under one name,
    // and the English name an earlier version stored still names it.
    void simulatedDisplayIsStoredUnderOneName_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German window") << false << "Simulierte Anzeige" << "Simulierte Anzeige";
        QTest::newRow("English window") << true << "Simulierte Anzeige" << "Simulated display";
        QTest::newRow("English name stored, German window") << false << "Simulated display" << "Simulierte Anzeige";
    }
    void simulatedDisplayIsStoredUnderOneName()
    {
        QFETCH(bool, english);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Language::Install(english ? Language::Choice::English : Language::Choice::German, false);
        const auto german = qScopeGuard([] { Language::Install(Language::Choice::German, false); });
        SettingsStore::WriteValue(QStringLiteral("Schnittstelle"), stored);
        Optionen options;
        options.show();
        QCOMPARE(options.PortBox()->currentText(), shown);
        QVERIFY(options.PortBox()->findText(shown) >= 0);
        QTest::keyClick(&options, Qt::Key_Return);
        QCOMPARE(options.result(), int(QDialog::Accepted));
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("Schnittstelle")), QStringLiteral("Simulierte Anzeige"));
        TransferJob job;
        QCOMPARE(TTransferRun::PortOf(job), TSimulatedDisplay::Shared().PortName());
        job.port = stored;
        QCOMPARE(TTransferRun::PortOf(job), TSimulatedDisplay::Shared().PortName());
    }

    void startScreenChoicesAndSetting()
    {
        Startdialog start;
        start.show();
        start.ShowAtStartBox()->setChecked(false);
        start.RecentProjectsButton()->click();
        QCOMPARE(start.result(), int(QDialog::Accepted));
        QCOMPARE(start.choice, int(Startdialog::RecentProjects));
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("Startbild")), QStringLiteral("0"));

        start.show();
        QCOMPARE(start.choice, int(Startdialog::NoChoice));
        QVERIFY(!start.ShowAtStartBox()->isChecked());
        start.ShowAtStartBox()->setChecked(true);
        QTest::keyClick(&start, Qt::Key_Escape);
        QCOMPARE(start.result(), int(QDialog::Rejected));
        QCOMPARE(start.choice, int(Startdialog::NoChoice));
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("Startbild")), QStringLiteral("1"));

        start.show();
        QTest::keyClick(&start, Qt::Key_Return);
        QCOMPARE(start.choice, int(Startdialog::NewProject));
    }

    void versionRowsListTheProgramFirst()
    {
        QTemporaryDir folder;
        const QString glyphEditor = folder.filePath(QStringLiteral("libfontedit.so"));
        QFile(glyphEditor).open(QIODevice::WriteOnly);
        const QString qtCore = folder.filePath(QStringLiteral("libQt6Core.so.6.4.2"));
        QFile(qtCore).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(qtCore, folder.filePath(QStringLiteral("libQt6Core.so.6"))));

        Versioninfo dialog;
        dialog.SetModules({folder.filePath(QStringLiteral("tavolin")), glyphEditor,
                           folder.filePath(QStringLiteral("libQt6Core.so.6")),
                           folder.filePath(QStringLiteral("libother-with-a-name-longer-than-any-column.so"))});
        dialog.show();
        QTableWidget* table = dialog.Table();
        QCOMPARE(table->rowCount(), 4);
        // Every text whole, without scrolling sideways.
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                QVERIFY2(table->columnWidth(c) > table->fontMetrics().horizontalAdvance(table->item(r, c)->text()),
                         qPrintable(table->item(r, c)->text()));
        QTRY_COMPARE(table->horizontalScrollBar()->maximum(), 0);
        const auto row = [table](int r) {
            return QStringList{table->item(r, 0)->text(), table->item(r, 1)->text(), table->item(r, 2)->text()};
        };
        QCOMPARE(row(0), (QStringList{QStringLiteral("Tavolin Editor (tavolin)"), QStringLiteral(TAVOLIN_VERSION),
                                      QStringLiteral("MURAN Software")}));
        QCOMPARE(row(1).at(1), QStringLiteral(TAVOLIN_VERSION));
        QCOMPARE(row(2), (QStringList{QStringLiteral("Qt6Core (libQt6Core.so.6)"), QStringLiteral("6.4.2"),
                                      QStringLiteral("The Qt Company Ltd.")}));
        QCOMPARE(row(3), (QStringList{QStringLiteral("libother-with-a-name-longer-than-any-column.so"), QString(), QString()}));

        // The modules really loaded: the program first, and Qt with its version and maker.
        const QStringList modules = ModuleInfo::LoadedModules();
        QVERIFY(!modules.isEmpty());
        QCOMPARE(modules.first(), QCoreApplication::applicationFilePath());
        const TModuleVersion core = ModuleInfo::Read(
            *std::find_if(modules.begin(), modules.end(), [](const QString& m) { return m.contains("Qt6Core"); }));
        QCOMPARE(core.fileVersion, QString::fromLatin1(qVersion()));
        QCOMPARE(core.companyName, QStringLiteral("The Qt Company Ltd."));

        // "Über" shows the build's version and opens this list once it has one.
        About about;
        QVERIFY(!about.VersioninfoButton()->isEnabled());
        about.SetVersioninfo(&dialog);
        QVERIFY(about.VersioninfoButton()->isEnabled());
        QVERIFY(about.VersionLabel()->text().startsWith(QStringLiteral(TAVOLIN_VERSION)));
    }

    // Every context the sources pass opens a topic of the shipped help, and every link of
    // the help leads to one.
    void everyUsedHelpContextOpensATopic()
    {
        const QString html = QString::fromUtf8(ReadAll(HelpFilePath()));
        QVERIFY2(!html.isEmpty(), qPrintable(HelpFilePath()));
        QString numbers;
        QStringList used;
        QDirIterator sources(SourceDir() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                             QDir::Files, QDirIterator::Subdirectories);
        while (sources.hasNext()) {
            const QString text = QString::fromUtf8(ReadAll(sources.next()));
            if (text.contains(QStringLiteral("namespace HelpContext")))
                numbers = text;
            for (const QRegularExpressionMatch& use : QRegularExpression(QStringLiteral("HelpContext::(\\w+)")).globalMatch(text))
                used << use.captured(1);
        }
        used.removeDuplicates();
        QVERIFY(used.size() >= 8);
        for (const QString& name : used) {
            const QRegularExpressionMatch number = QRegularExpression(name + QStringLiteral("\\s*=\\s*(\\d+)")).match(numbers);
            QVERIFY2(number.hasMatch(), qPrintable(name));
            const int context = number.captured(1).toInt();
            const QString anchor = QStringLiteral("ctx%1").arg(context);
            const QRegularExpression topic(QStringLiteral("<a name=\"%1\"></a>\\s*(<a name=\"\\w+\"></a>\\s*)?<h[12]>").arg(anchor));
            QVERIFY2(topic.match(html).hasMatch(), qPrintable(anchor));
            ShowHelp(nullptr, context);
            QCOMPARE(HelpBrowser()->source().fragment(), context == 0 ? QString() : anchor);
        }
        for (const QRegularExpressionMatch& link : QRegularExpression(QStringLiteral("href=\"#(\\w+)\"")).globalMatch(html))
            QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(link.captured(1))), qPrintable(link.captured(1)));
    }

    void helpOpensAtTheContext()
    {
        Optionen options;
        options.show();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        QTest::keyClick(&options, Qt::Key_F1);
        QTextBrowser* browser = HelpBrowser();
        QVERIFY(browser);
        QVERIFY(browser->window()->isVisible());
        QCOMPARE(browser->source().fragment(), QStringLiteral("ctx107"));
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
        // The help window belongs to the modal dialog, so the dialog does not block it.
        QCOMPARE(browser->window()->parentWidget(), &options);

        ShowHelp(nullptr, HelpContext::Contents);
        QTRY_COMPARE(browser->verticalScrollBar()->value(), 0);

        // Help that is not installed is reported by its file name.
        QTemporaryDir empty;
        SetProgramFolder(empty.path());
        auto answer = AnswerBox(QMessageBox::Ok, Boxes::Every);
        ShowHelp(nullptr, HelpContext::Import);
        SetProgramFolder(ProgramDir());
        QCOMPARE(answer->count, 1);
        QVERIFY(answer->text.contains(QStringLiteral("tavolin-hilfe.html")));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
