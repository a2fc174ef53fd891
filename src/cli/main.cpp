#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <memory>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "common/Language.h"
#include "common/SystemReason.h"
#include "common/TavolinError.h"
#include "common/Version.h"

namespace {

QList<const CliCommand*>& Registry()
{
    static QList<const CliCommand*> commands;
    return commands;
}

void PrintUsage()
{
    QString text = QCoreApplication::translate("cli", "Aufruf: tavolin-cli BEFEHL [ARGUMENTE...]\n\nBefehle:\n");
    for (const CliCommand* command : CliCommands())
        text += QStringLiteral("  %1  %2\n")
                    .arg(command->name, -10)
                    .arg(QCoreApplication::translate("CliCommand", command->summary.toUtf8().constData()));
    text += QCoreApplication::translate("cli", "\n'tavolin-cli BEFEHL --help' zeigt die Hilfe eines Befehls.\n");
    cli::Out(text);
}

// The platform plugin asks for a runtime folder that a command-line tool never uses; its
// warning about a missing XDG_RUNTIME_DIR would only disturb scripts reading stderr.
QtMessageHandler g_defaultHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    g_defaultHandler(type, context, message);
}

} // namespace

CliCommand::CliCommand(const char* commandName, const char* commandSummary, Handler handler)
    : name(QString::fromUtf8(commandName)), summary(QString::fromUtf8(commandSummary)),
      run(std::move(handler))
{
    Registry().append(this);
}

const QList<const CliCommand*>& CliCommands()
{
    return Registry();
}

namespace cli {

void Out(const QString& text)
{
    OutBytes(text.toUtf8());
}

void OutBytes(const QByteArray& bytes)
{
    errno = 0;
    const size_t written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    if (std::fflush(stdout) != 0 || written != static_cast<size_t>(bytes.size()) || std::ferror(stdout)) {
        const int error = errno;
        std::clearerr(stdout);
        throw TavolinError(QCoreApplication::translate("cli", "Die Standardausgabe kann nicht geschrieben werden: %1")
                               .arg(SystemReason::FromCode(error ? error : EIO)));
    }
}

void Err(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

QString Shown(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0))
            shown += QStringLiteral("\\x") + QString::number(u, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

int Fail(const QString& message)
{
    // Line breaks of the message stay; any other control character came from the input.
    QStringList lines = message.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = Shown(line);
    QString text = lines.join(QLatin1Char('\n'));
    Err(text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
    return 1;
}

int UsageFail(const QString& message)
{
    Fail(message);
    return 2;
}

bool WantsHelp(const QStringList& args)
{
    for (const QString& arg : args) {
        if (arg == QLatin1String("--"))
            return false;
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help"))
            return true;
    }
    return false;
}

} // namespace cli

int main(int argc, char** argv)
{
    // Fonts and images need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(FilterMessages);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavolin-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVOLIN_VERSION));

    QStringList args = QCoreApplication::arguments().mid(1);
    try {
        Language::Install(Language::FromArguments(args), false);
    } catch (const TavolinError& error) {
        return cli::UsageFail(error.message());
    }
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")
        || args.first() == QLatin1String("help")) {
        PrintUsage();
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        try {
            cli::Out(QStringLiteral("tavolin-cli %1 (%2)\n").arg(QStringLiteral(TAVOLIN_VERSION),
                                                             QStringLiteral(TAVOLIN_GIT_DESCRIBE)));
        } catch (const TavolinError& error) {
            return cli::Fail(error.message());
        }
        return 0;
    }

    const QString name = args.takeFirst();
    for (const CliCommand* command : CliCommands()) {
        if (command->name != name)
            continue;
        try {
            return command->run(args);
        } catch (const cli::UsageError& error) {
            return cli::UsageFail(error.message());
        } catch (const TavolinError& error) {
            return cli::Fail(error.message());
        } catch (const std::exception& error) {
            return cli::Fail(QString::fromLocal8Bit(error.what()));
        }
    }
    cli::Fail(QCoreApplication::translate("cli", "Unbekannter Befehl: %1\n").arg(name));
    PrintUsage();
    return 2;
}
