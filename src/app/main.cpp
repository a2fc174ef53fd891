#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/ProjectController.h"
#include "app/StartOptions.h"
#include "charset/FontEditorLink.h"
#include "charset/TempFile.h"
#include "common/Language.h"
#include "common/ProgramFolder.h"
#include "common/TavolinError.h"
#include "common/ui/MessageBox.h"
#include "project/ProjectFolders.h"

namespace {

// Help and version go to stdout, a wrong command line to stderr; a failed write (a full
// disk behind a redirection) is an error, not a success.
int Print(std::FILE* stream, const QString& text, int status)
{
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream)
                             == static_cast<size_t>(bytes.size())
                         && std::fflush(stream) == 0;
    if (!written && stream == stdout)
        return Print(stderr,
                     QCoreApplication::translate("StartOptions", "Die Standardausgabe kann nicht geschrieben werden.\n"),
                     1);
    return status;
}

} // namespace

// tavolin [--lang de|en] [PROJECT_DIR]: without a folder the start screen decides what opens; with one,
// that project opens at once.
int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Language::Choice language = Language::Choice::German;
    QString languageError;
    try {
        language = Language::FromArguments(args);
    } catch (const TavolinError& error) {
        languageError = error.message();
    }
    StartOptions options = ReadStartOptions(args);
    if (!languageError.isEmpty() || options.action != StartOptions::Action::Run) {
        // Help and errors need the chosen language, but no window system.
        QCoreApplication core(argc, argv);
        Language::Install(language, false);
        options = ReadStartOptions(args);
        if (!languageError.isEmpty()) {
            options.action = StartOptions::Action::Fail;
            options.error = languageError;
        }
        if (options.action == StartOptions::Action::Help)
            return Print(stdout, StartUsage(), 0);
        if (options.action == StartOptions::Action::Version)
            return Print(stdout, StartVersion(), 0);
        return Print(stderr, options.error + QLatin1Char('\n') + StartUsage(), 2);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavolin"));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.muran.Tavolin"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("de.muran.Tavolin")));
    Language::Install(language, true);
    int status = 0;
    try {
        InitBaseFolderSetting();
        MainWindow window;
        if (!options.projectFolder.isEmpty()) {
            window.SkipStartScreen();
            const QString folder = options.projectFolder;
            QTimer::singleShot(0, &window, [&window, folder] { window.Projects()->OpenFolder(folder); });
        }
        window.show();
        status = app.exec();
    } catch (const TavolinError& error) {
        MessageBox::Error(nullptr, error.message());
        status = 1;
    } catch (const std::exception& error) {
        MessageBox::Error(nullptr, QString::fromLocal8Bit(error.what()));
        status = 1;
    }
    FontEditorLink::Shutdown();
    RemoveOwnTempFiles();
    return status;
}
