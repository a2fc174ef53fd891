#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include "app/MainWindow.h"
#include "app/ProjectController.h"
#include "charset/FontEditorLink.h"
#include "charset/TempFile.h"
#include "common/ProgramFolder.h"
#include "common/TavolinError.h"
#include "common/ui/MessageBox.h"
#include "common/SettingsStore.h"

// tavolin [PROJECT_DIR]: without a folder the start screen decides what opens; with one,
// that project opens at once.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavolin"));
    // Qt's own texts (context menus of input boxes, standard buttons) in German too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    try {
        if (SettingsStore::Read(SettingsStore::Key::ProjectBasePath).isEmpty())
            SettingsStore::Write(SettingsStore::Key::ProjectBasePath, ProgramFolder());
        MainWindow window;
        const QStringList args = QApplication::arguments();
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
