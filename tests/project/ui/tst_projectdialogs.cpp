#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "project/DisplayType.h"
#include "project/ProjectConfig.h"
#include "project/RecentList.h"
#include "common/SettingsStore.h"
#include "project/ui/Import1.h"
#include "project/ui/Letzteprjdialog.h"
#include "common/ui/PathBox.h"
#include "project/ui/Projekt_offnen.h"
#include "support/TestHelpers.h"
#include "support/TestSettings.h"
#include "support/WidgetTestSupport.h"

using namespace tavolin::test;

namespace {

void WriteConfig(const QString& folder, const QString& type)
{
    TProjectConfig config = DefaultProjectConfig();
    TProjectConfig::Set(config.displayTypeName, type);
    QDir().mkpath(folder);
    QVERIFY(WriteProjectConfig(folder, config));
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QListWidgetItem* Find(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// Clicks into the path box, types the path over its text and presses Enter, as a person
// does: every key goes to the focused widget of the shown dialog.
void TypePath(QDialog& dialog, PathBox* box, const QString& path)
{
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::mouseClick(box->PathEdit()->lineEdit(), Qt::LeftButton);
    QWidget* focus = QApplication::focusWidget();
    QCOMPARE(focus, box->PathEdit());
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focus, path);
    QTest::keyClick(focus, Qt::Key_Return);
}

} // namespace

class TestProjectDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir home;
    QString base;
    QString other; // another base folder, with one project

    QString Project(const QString& name) const { return base + QLatin1Char('/') + name; }

    static void showImport(Import1& import, const QString& target, const QString& extension = QStringLiteral("txt"))
    {
        import.targetPath = target;
        import.extension = extension;
        import.show();
    }

    // Chooses project Demo in the import dialog and, unless -1, its file of that row.
    static void chooseDemo(Import1& import, int fileRow = -1)
    {
        Find(import.ProjectList(), QStringLiteral("Demo"))->setSelected(true);
        if (fileRow >= 0)
            import.FileList()->setCurrentRow(fileRow);
    }

private Q_SLOTS:
    void initTestCase()
    {
        UsePrivateSettings();
        FailOnStuckMessageBoxes();
        // The trash of these tests is a private one, on the same file system as the projects.
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
        base = home.filePath(QStringLiteral("Projekte"));
        other = home.filePath(QStringLiteral("Andere"));
    }

    void init()
    {
        ClearSettings();
        DisplayTypeTable()[11] = TDisplayType();
        QDir(base).removeRecursively();
        QDir(other).removeRecursively();
        WriteConfig(other + QStringLiteral("/Demo"), QStringLiteral("Keypad 1"));
        WriteConfig(Project(QStringLiteral("Demo")), QStringLiteral("quon 3"));
        WriteAll(Project(QStringLiteral("Demo/Sprache1.txt")), "Demo 1");
        WriteAll(Project(QStringLiteral("Demo/Sprache2.txt")), "Demo 2");
        WriteAll(Project(QStringLiteral("Demo/Extra.txt")), "Extra");
        WriteAll(Project(QStringLiteral("Demo/zeichen.pix")), "pix");
        WriteConfig(Project(QStringLiteral("Anlage")), QStringLiteral("Orbex 1"));
        WriteAll(Project(QStringLiteral("Anlage/Sprache1.txt")), "Anlage 1");
        WriteConfig(Project(QStringLiteral("Kaputt")), QStringLiteral("Gibtsnicht"));
        QDir().mkpath(Project(QStringLiteral("Ohnecfg")));
        QDir().mkpath(Project(QStringLiteral(".versteckt")));
        SettingsStore::WriteValue(QStringLiteral("PRJBasePath"), base + QLatin1Char('/'));
    }

    void activationShowsTheOpenProjectWhoseTypeChoiceMarksItChanged()
    {
        Projekt_offnen dialog;
        dialog.state.folder = Project(QStringLiteral("ANLAGE"));
        dialog.show();
        QCOMPARE(dialog.BaseFolder(), base);
        QCOMPARE(RecentList::BasePaths().GetEntry(0), base);
        QCOMPARE(dialog.ProjectList()->count(), 4);
        QCOMPARE(dialog.ProjectList()->currentItem()->text(), QStringLiteral("Anlage"));
        QCOMPARE(dialog.NameBox()->text(), QStringLiteral("Anlage"));
        QVERIFY(!dialog.isNewProject);
        QVERIFY(!dialog.ReadButton()->isEnabled());
        QVERIFY(!dialog.state.modified);
        QCOMPARE(dialog.TypeList()->currentRow(), 0);
        QVERIFY(dialog.FileRowShown(0));
        QVERIFY(!dialog.FileRowShown(1));
        QCOMPARE(Items(dialog.FileBox(0)), QStringList{QStringLiteral("Sprache1")});

        // A type chosen marks the project changed.
        dialog.TypeList()->setCurrentRow(2);
        QVERIFY(dialog.FileRowShown(1));
        QCOMPARE(dialog.state.displayType.name, QStringLiteral("Quon 1"));
        QTest::keyClick(dialog.NameBox(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.state.modified);
        QCOMPARE(TProjectConfig::Get(dialog.state.config.displayTypeName), QStringLiteral("Quon 1"));

        // The twelfth, empty type is a type like any other.
        dialog.show();
        dialog.TypeList()->setCurrentRow(11);
        dialog.OkButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.state.displayType, TDisplayType());
        QCOMPARE(TProjectConfig::Get(dialog.state.config.displayTypeName), QString());
        QVERIFY(dialog.state.modified);
        QVERIFY(SettingsStore::ReadValue(QStringLiteral("DefaultAnzeigeTyp")).isEmpty());

        // Without an open project the first project is proposed; without projects "Default".
        dialog.hide();
        dialog.state.folder.clear();
        dialog.show();
        QCOMPARE(dialog.NameBox()->text(), QStringLiteral("Anlage"));
        dialog.hide();
        SettingsStore::WriteValue(QStringLiteral("PRJBasePath"), home.filePath(QStringLiteral("fehlt")));
        dialog.show();
        QCOMPARE(dialog.NameBox()->text(), QStringLiteral("Default"));
        QVERIFY(dialog.isNewProject);
        QVERIFY(dialog.ReadButton()->isEnabled());
    }

    void existingProjectFoundInOtherLetterCase()
    {
        Projekt_offnen dialog;
        dialog.show();
        dialog.NameBox()->setText(QStringLiteral("demo"));
        QVERIFY(!dialog.isNewProject);
        QCOMPARE(dialog.ProjectList()->currentItem()->text(), QStringLiteral("Demo"));
        QCOMPARE(dialog.NameBox()->text(), QStringLiteral("demo"));
        QVERIFY(!dialog.state.modified);
        QCOMPARE(dialog.TypeList()->currentItem()->text(), QStringLiteral("Quon 3"));
        QVERIFY(dialog.FileRowShown(1));
        QCOMPARE(Items(dialog.FileBox(1)),
                 (QStringList{QStringLiteral("Extra"), QStringLiteral("Sprache1"), QStringLiteral("Sprache2")}));

        dialog.OkButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // The folder that exists, whatever the file system makes of letter case.
        QVERIFY(QFileInfo(dialog.state.folder).isDir());
        QCOMPARE(QFileInfo(dialog.state.folder).canonicalFilePath(),
                 QFileInfo(Project(QStringLiteral("Demo"))).canonicalFilePath());
        QCOMPARE(dialog.state.displayType.name, QStringLiteral("Quon 3"));
        // Same type in other letter case: the stored name stays and nothing counts as changed.
        QCOMPARE(TProjectConfig::Get(dialog.state.config.displayTypeName), QStringLiteral("quon 3"));
        QVERIFY(!dialog.state.modified);
        QVERIFY(!dialog.readFromDisplay);
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("DefaultAnzeigeTyp")), QStringLiteral("Quon 3"));
    }

    void newProjectFromAReferenceReadsTheDisplay()
    {
        SettingsStore::WriteValue(QStringLiteral("ReferenzProjekt"), QStringLiteral("Demo"));
        Projekt_offnen dialog;
        dialog.show();
        dialog.NameBox()->setText(QStringLiteral("Neu"));
        QVERIFY(dialog.isNewProject);
        QVERIFY(dialog.ReadButton()->isEnabled());
        QVERIFY(dialog.ProjectList()->selectedItems().isEmpty());
        QVERIFY(dialog.state.modified);
        QCOMPARE(dialog.TypeList()->currentItem()->text(), QStringLiteral("Quon 3"));
        QCOMPARE(dialog.FileBox(0)->count(), 0);

        dialog.FileBox(1)->setEditText(QString());
        dialog.ReadButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.readFromDisplay);
        QCOMPARE(dialog.state.folder, Project(QStringLiteral("Neu")));
        QVERIFY(dialog.state.modified);
        QCOMPARE(TProjectConfig::Get(dialog.state.config.language1File), QStringLiteral("Sprache1.txt"));
        QCOMPARE(TProjectConfig::Get(dialog.state.config.language2File), QStringLiteral(".txt"));
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("ReferenzProjekt")), QStringLiteral("Demo"));
        QVERIFY(!QFileInfo::exists(Project(QStringLiteral("Neu"))));

        // A reference without configuration gives the default one.
        SettingsStore::WriteValue(QStringLiteral("ReferenzProjekt"), QStringLiteral("Ohnecfg"));
        SettingsStore::WriteValue(QStringLiteral("DefaultAnzeigeTyp"), QStringLiteral("Keypad 1"));
        dialog.show();
        QVERIFY(!dialog.readFromDisplay);
        dialog.NameBox()->setText(QStringLiteral("Neu2"));
        QCOMPARE(dialog.TypeList()->currentItem()->text(), QStringLiteral("Keypad 1"));
        QVERIFY(dialog.state.modified);
    }

    void okNeedsATypeAndAValidName()
    {
        Projekt_offnen dialog;
        dialog.state.folder = Project(QStringLiteral("Kaputt"));
        dialog.show();
        QVERIFY(dialog.TypeList()->selectedItems().isEmpty());
        {
            auto answer = AnswerBox(QMessageBox::Ok, Boxes::Every);
            dialog.OkButton()->click();
            QCOMPARE(answer->count, 1);
            QCOMPARE(answer->caption, QStringLiteral("Fehler"));
        }
        QVERIFY(dialog.isVisible());
        QVERIFY(SettingsStore::ReadValue(QStringLiteral("DefaultAnzeigeTyp")).isEmpty());
        dialog.TypeList()->setCurrentRow(1);
        dialog.OkButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        for (const QString& bad : {QStringLiteral("a/b"), QStringLiteral(".."), QStringLiteral(" "),
                                   QStringLiteral("x:y")}) {
            dialog.show();
            dialog.NameBox()->setText(bad);
            auto answer = AnswerBox(QMessageBox::Ok, Boxes::Every);
            dialog.OkButton()->click();
            QVERIFY2(dialog.isVisible(), qPrintable(bad));
            QCOMPARE(answer->count, 1);
            dialog.reject();
        }
        dialog.show();
        dialog.TypeList()->setCurrentRow(0);
        dialog.FileBox(0)->setEditText(QStringLiteral("../../etc/x"));
        auto answer = AnswerBox(QMessageBox::Ok, Boxes::Every);
        dialog.OkButton()->click();
        QVERIFY(dialog.isVisible());
        QVERIFY(answer->text.contains(QStringLiteral("Dateiname")));
    }

    void diagnosticTypesShowAllFileRows()
    {
        DisplayTypeTable()[11] = {QStringLiteral("Diag 1"), QStringLiteral("led"), 40, dtDiagnosticTexts, 0};
        WriteConfig(Project(QStringLiteral("Anlage")), QStringLiteral("Diag 1"));
        Projekt_offnen dialog;
        dialog.state.folder = Project(QStringLiteral("Anlage"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int row = 0; row < 4; ++row)
            QVERIFY(dialog.FileRowShown(row));
        const int tall = dialog.height();
        dialog.TypeList()->setCurrentRow(0);
        QVERIFY(!dialog.FileRowShown(1) && !dialog.FileRowShown(3));
        QVERIFY(dialog.height() < tall);
    }

    void importButtonsFollowTheProjectFiles()
    {
        Projekt_offnen dialog;
        Import1 import;
        dialog.SetImportDialog(&import);
        dialog.state.folder = Project(QStringLiteral("Demo"));
        dialog.show();
        QVERIFY(!dialog.ImportButton(0)->isEnabled());
        dialog.FileBox(0)->setEditText(QStringLiteral("SPRACHE2"));
        QVERIFY(!dialog.ImportButton(0)->isEnabled());
        dialog.FileBox(0)->setEditText(QStringLiteral("Kopie"));
        QVERIFY(dialog.ImportButton(0)->isEnabled());

        // The import dialog copies Anlage's Sprache1 into Demo as Kopie.txt.
        bool handled = false;
        QTimer::singleShot(0, &import, [&] {
            QCOMPARE(import.targetPath, Project(QStringLiteral("Demo/Kopie")));
            QCOMPARE(import.extension, QStringLiteral("txt"));
            Find(import.ProjectList(), QStringLiteral("Anlage"))->setSelected(true);
            QCOMPARE(import.FileList()->currentItem()->text(), QStringLiteral("Sprache1"));
            import.ImportButton()->click();
            handled = true;
        });
        dialog.ImportButton(0)->click();
        QVERIFY(handled);
        QCOMPARE(ReadAll(Project(QStringLiteral("Demo/Kopie.txt"))), QByteArray("Anlage 1"));
        QVERIFY(Items(dialog.FileBox(0)).contains(QStringLiteral("Kopie")));
        QVERIFY(Items(dialog.FileBox(1)).contains(QStringLiteral("Kopie")));
        QVERIFY(!dialog.ImportButton(0)->isEnabled());
    }

    void anotherBaseFolderIsEvaluatedAgain()
    {
        Projekt_offnen dialog;
        dialog.show();
        dialog.NameBox()->setText(QStringLiteral("Demo"));
        QCOMPARE(dialog.state.displayType.name, QStringLiteral("Quon 3"));
        TypePath(dialog, dialog.Path(), other);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.BaseFolder(), other);
        QCOMPARE(dialog.ProjectList()->count(), 1);
        QCOMPARE(dialog.state.displayType.name, QStringLiteral("Keypad 1"));
        dialog.OkButton()->click();
        QCOMPARE(dialog.state.folder, other + QStringLiteral("/Demo"));
    }

    void importRefusesTheTargetItselfAndKeepsItsBaseFolder()
    {
        Import1 import;
        showImport(import, Project(QStringLiteral("Demo/Sprache1")));
        QCOMPARE(import.Path()->BaseFolder(), base);
        QCOMPARE(import.ProjectList()->currentItem()->text(), QStringLiteral("Demo"));
        QCOMPARE(import.FileList()->count(), 3);
        QCOMPARE(import.FileList()->currentItem()->text(), QStringLiteral("Extra"));
        QVERIFY(import.ImportButton()->isEnabled());
        import.FileList()->setCurrentRow(1);
        QVERIFY(!import.ImportButton()->isEnabled());
        Screenshot(&import, QStringLiteral("import-target-itself"));
        import.ImportButton()->click();
        QVERIFY(import.isVisible());

        // Another base folder stays for the next showing until the caller clears it.
        TypePath(import, import.Path(), other);
        QCOMPARE(import.ProjectList()->count(), 1);
        import.reject();
        import.show();
        QCOMPARE(import.Path()->BaseFolder(), other);
        import.reject();

        // A project that is not listed leaves nothing to import; a chosen file creates it.
        import.baseFolder.clear();
        showImport(import, Project(QStringLiteral("Neu/Sprache1")));
        QCOMPARE(import.Path()->BaseFolder(), base);
        QVERIFY(import.ProjectList()->selectedItems().isEmpty());
        QCOMPARE(import.FileList()->count(), 0);
        QVERIFY(!import.ImportButton()->isEnabled());
        chooseDemo(import, 2);
        import.ImportButton()->click();
        QCOMPARE(import.result(), int(QDialog::Accepted));
        QCOMPARE(ReadAll(Project(QStringLiteral("Neu/Sprache1.txt"))), QByteArray("Demo 2"));
        QCOMPARE(import.sourceFile, Project(QStringLiteral("Demo/Sprache2.txt")));
        QCOMPARE(RecentList::BasePaths().GetEntry(0), base);
    }

    void enterInThePathBoxGoesThereAndKeepsTheDialogOpen()
    {
        Import1 import;
        showImport(import, Project(QStringLiteral("Anlage/Neu")));
        QVERIFY(import.ImportButton()->isEnabled());
        TypePath(import, import.Path(), other);
        QVERIFY(import.isVisible());
        QCOMPARE(import.Path()->BaseFolder(), other);
        QCOMPARE(import.ProjectList()->count(), 1);

        // A typed file: its project folder's base, the project and the file are chosen.
        TypePath(import, import.Path(), Project(QStringLiteral("Demo/Extra.txt")));
        QVERIFY(import.isVisible());
        QCOMPARE(import.Path()->BaseFolder(), base);
        QCOMPARE(import.ProjectList()->currentItem()->text(), QStringLiteral("Demo"));
        QCOMPARE(import.FileList()->currentItem()->text(), QStringLiteral("Extra"));
        QVERIFY(!QFileInfo::exists(Project(QStringLiteral("Anlage/Neu.txt"))));

        // Enter elsewhere keeps its meaning: it imports the chosen file.
        QTest::mouseClick(import.FileList()->viewport(), Qt::LeftButton, {},
                          import.FileList()->visualItemRect(import.FileList()->currentItem()).center());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(import.result(), int(QDialog::Accepted));
        QCOMPARE(ReadAll(Project(QStringLiteral("Anlage/Neu.txt"))), QByteArray("Extra"));
    }

    void importOverAnExistingFileAsksAndTrashesIt()
    {
        Import1 import;
        showImport(import, Project(QStringLiteral("Anlage/Sprache1")));
        chooseDemo(import, 1);
        {
            auto answer = AnswerBox(QMessageBox::No, Boxes::Every);
            import.ImportButton()->click();
            QCOMPARE(answer->count, 1);
            QCOMPARE(answer->caption, QStringLiteral("Import"));
            QCOMPARE(answer->text, QStringLiteral("Möchten Sie die Datei\n\"Sprache1.txt\"\nüberschreiben ?"));
        }
        QVERIFY(import.isVisible());
        QCOMPARE(ReadAll(Project(QStringLiteral("Anlage/Sprache1.txt"))), QByteArray("Anlage 1"));

        // Without a trash to take the old file nothing is replaced.
        WriteAll(home.filePath(QStringLiteral("blocker")), "");
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("blocker/data"))));
        {
            auto answer = AnswerBox(QMessageBox::Yes, Boxes::Every);
            import.ImportButton()->click();
            qputenv("XDG_DATA_HOME", saved);
            QCOMPARE(answer->count, 2);
            QVERIFY(answer->text.contains(QStringLiteral("Papierkorb")));
        }
        QVERIFY(import.isVisible());
        QCOMPARE(ReadAll(Project(QStringLiteral("Anlage/Sprache1.txt"))), QByteArray("Anlage 1"));

        const QString trash = home.filePath(QStringLiteral("data/Trash/files"));
        QDir(trash).removeRecursively();
        auto answer = AnswerBox(QMessageBox::Yes, Boxes::Every);
        import.ImportButton()->click();
        QCOMPARE(import.result(), int(QDialog::Accepted));
        QCOMPARE(ReadAll(Project(QStringLiteral("Anlage/Sprache1.txt"))), QByteArray("Demo 1"));
        QCOMPARE(ReadAll(trash + QStringLiteral("/Sprache1.txt")), QByteArray("Anlage 1"));
    }

    void characterSetModeOnlyAsks()
    {
        Import1 import;
        import.charSetMode = true;
        showImport(import, Project(QStringLiteral("Anlage/default")), QStringLiteral("pix"));
        chooseDemo(import);
        QCOMPARE(import.FileList()->currentItem()->text(), QStringLiteral("zeichen"));
        auto answer = AnswerBox(QMessageBox::Yes, Boxes::Every);
        import.ImportButton()->click();
        QCOMPARE(answer->text, QStringLiteral("Möchten Sie die Datei\n\"default.pix\"\nüberschreiben ?"));
        QCOMPARE(import.result(), int(QDialog::Accepted));
        QCOMPARE(import.sourceFile, Project(QStringLiteral("Demo/zeichen.pix")));
        QVERIFY(!import.charSetMode);
        QVERIFY(!QFileInfo::exists(Project(QStringLiteral("Anlage/default.pix"))));
        QVERIFY(RecentList::BasePaths().GetEntry(0).isEmpty());
    }

    void recentProjectsOpenTheChosenOne()
    {
        Letzteprjdialog dialog;
        dialog.show();
        QCOMPARE(dialog.ProjectList()->count(), 0);
        QVERIFY(!dialog.OpenButton()->isEnabled()); // nothing to open
        dialog.reject();

        RecentList::Projects().PushFront(Project(QStringLiteral("Ohnecfg")));
        RecentList::Projects().PushFront(Project(QStringLiteral("Kaputt")));
        RecentList::Projects().PushFront(Project(QStringLiteral("Demo")));
        dialog.show();
        QCOMPARE(dialog.ProjectList()->count(), 3);
        QTest::keyClick(dialog.ProjectList(), Qt::Key_Return);
        // Stored as "quon 3": the type is found whatever the letter case.
        QCOMPARE(dialog.state.displayType.name, QStringLiteral("Quon 3"));

        dialog.show();
        dialog.ProjectList()->setCurrentRow(1);
        {
            auto answer = AnswerBox(QMessageBox::Ok, Boxes::Every);
            dialog.OpenButton()->click();
            QCOMPARE(answer->count, 1);
        }
        QVERIFY(dialog.isVisible());

        dialog.ProjectList()->setCurrentRow(2);
        dialog.OpenButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.state.folder, Project(QStringLiteral("Ohnecfg")));
        QVERIFY(dialog.state.modified);
        QCOMPARE(dialog.state.displayType.name, QStringLiteral("Orbex 1"));
    }
};

QTEST_MAIN(TestProjectDialogs)
#include "tst_projectdialogs.moc"
