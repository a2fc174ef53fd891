#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/ProjectController.h"
#include "charset/FontEditorLink.h"
#include "charset/TempFile.h"
#include "common/Language.h"
#include "common/ProgramFolder.h"
#include "common/TavolinError.h"
#include "common/ui/MessageBox.h"
#include "project/ProjectFolders.h"

// tavolin [--lang de|en] [PROJECT_DIR]: without a folder the start screen decides what opens; with one,
// that project opens at once.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavolin"));
    QStringList args = QApplication::arguments();
    try {
        Language::Install(Language::FromArguments(args), true);
    } catch (const TavolinError& error) {
        std::fputs(qPrintable(error.message() + QLatin1Char('\n')), stderr);
        return 2;
    }
    try {
        InitBaseFolderSetting();
        MainWindow window;
        if (args.size() > 1) {
            window.SkipStartScreen();
            const QString folder = args[1];
            QTimer::singleShot(0, &window, [&window, folder] { window.Projects()->OpenFolder(folder); });
        }
        window.show();
        app.exec();
    } catch (const TavolinError& error) {
        MessageBox::Error(nullptr, error.message());
    } catch (const std::exception& error) {
        MessageBox::Error(nullptr, QString::fromLocal8Bit(error.what()));
    }
    FontEditorLink::Shutdown();
    RemoveOwnTempFiles();
    return 0;
}
