#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/StartOptions.h"

// What the editor opens for the arguments a user or a file manager gives it.
class StartOptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void projectFolderFromFolderOrItsConfigFile()
    {
        QTemporaryDir project;
        QFile config(project.filePath(QStringLiteral("tavolin.cfg")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.close();

        QCOMPARE(ReadStartOptions({}).projectFolder, QString());
        QCOMPARE(ReadStartOptions({project.path()}).projectFolder, project.path());
        QCOMPARE(ReadStartOptions({config.fileName()}).projectFolder, project.path());
        // Qt's own options are Qt's; after "--" a name beginning with "-" is a folder.
        const StartOptions withQt = ReadStartOptions(
            {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-reverse"), project.path()});
        QCOMPARE(withQt.action, StartOptions::Action::Run);
        QCOMPARE(withQt.projectFolder, project.path());
        QCOMPARE(ReadStartOptions({QStringLiteral("--"), QStringLiteral("-odd")}).projectFolder, QStringLiteral("-odd"));
        QCOMPARE(ReadStartOptions({QStringLiteral("--"), QStringLiteral("--help")}).action, StartOptions::Action::Run);
    }
};

QTEST_GUILESS_MAIN(StartOptionsTest)
#include "tst_startoptions.moc"
