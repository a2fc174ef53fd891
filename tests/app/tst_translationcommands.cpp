#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUndoStack>

#include "AppTestSupport.h"
#include "app/MainActions.h"
#include "session/ProjectSession.h"
#include "texts/ui/TranslationReportDialog.h"

using namespace tavolin::test;

// The translation round trip through the project menu: export with the language question,
// an import whose report holds an error, taking what fits as one undo step.
class TranslationCommandsTest : public MainWindowFixture
{
    Q_OBJECT

    void typeFileName(const QString& path)
    {
        OnModal<QFileDialog>([path](QFileDialog* dialog) {
            QWidget* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, path);
            QTest::keyClick(name, Qt::Key_Return);
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        InitTestCase();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }
    void init()
    {
        OpenWindow();
        QVERIFY(window->Projects()->OpenFolder(demo));
    }
    void cleanup() { CloseWindow(); }

    void importTakesWhatFitsAsOneUndoStep()
    {
        const QString file = demo + QStringLiteral("/texte.xlf");
        OnModal<QInputDialog>([](QInputDialog* dialog) {
            QCOMPARE(dialog->textValue(), QStringLiteral("de en"));
            dialog->accept();
        });
        typeFileName(file);
        window->Actions()->exportTranslation->trigger();
        activate();
        QByteArray xliff = ReadAll(file);
        QVERIFY(xliff.contains("source-language=\"de\" target-language=\"en\""));
        xliff.replace("Line stopped", "Line halted");
        xliff.replace("Manual mode active", "Manual mode active for now and then");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(xliff) == xliff.size());
        out.close();

        const QByteArray before = textOf(3, 1);
        const int steps = session().history.Stack().count();
        bool shown = false;
        typeFileName(file);
        OnModal<TranslationReportDialog>([&shown](TranslationReportDialog* dialog) {
            const QStringList findings =
                dialog->findChild<QTextBrowser*>(QStringLiteral("findings"))->toPlainText().split(QLatin1Char('\n'));
            QCOMPARE(findings.size(), 4);
            QCOMPARE(findings[0], QStringLiteral("Fehler (1)"));
            QVERIFY(findings[1].contains(QStringLiteral("Meldung 2, Zeile 1: \u201EManual mode active for now and then\u201C hat 35 Zeichen")));
            QCOMPARE(findings[2], QStringLiteral("Wird übernommen (1)"));
            auto* take = dialog->findChild<QPushButton*>(QStringLiteral("take"));
            QCOMPARE(take->text(), QStringLiteral("Übernehmen, was passt"));
            Screenshot(dialog, QStringLiteral("translation-report"));
            shown = true;
            take->click();
        });
        window->Actions()->importTranslation->trigger();
        activate();
        QVERIFY(shown);
        QCOMPARE(textOf(3, 1), QByteArray("Line halted\rStart with key F1"));
        QCOMPARE(textOf(2, 1), QByteArray("Manual mode active"));
        QCOMPARE(session().history.Stack().count(), steps + 1);
        QVERIFY(session().IsModified());
        QCOMPARE(view().Grid()->GetSelection().top, rowOf(3));

        window->Actions()->undo->trigger();
        QCOMPARE(textOf(3, 1), before);
    }
};

QTEST_MAIN(TranslationCommandsTest)
#include "tst_translationcommands.moc"
