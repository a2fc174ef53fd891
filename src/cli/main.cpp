#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <exception>
#include <memory>

#include "cli/CliCommand.h"
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
    QString text = QStringLiteral("Aufruf: tavolin-cli BEFEHL [ARGUMENTE...]\n\nBefehle:\n");
    for (const CliCommand* command : CliCommands())
        text += QStringLiteral("  %1  %2\n").arg(command->name, -10).arg(command->summary);
    text += QStringLiteral("\n'tavolin-cli BEFEHL --help' zeigt die Hilfe eines Befehls.\n");
    cli::Out(text);
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
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void Err(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

int Fail(const QString& message)
{
    Err(message.endsWith(QLatin1Char('\n')) ? message : message + QLatin1Char('\n'));
    return 1;
}

bool WantsHelp(const QStringList& args)
{
    return args.contains(QStringLiteral("-h")) || args.contains(QStringLiteral("--help"));
}

} // namespace cli

int main(int argc, char** argv)
{
    // Fonts and images need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavolin-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVOLIN_VERSION));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")
        || args.first() == QLatin1String("help")) {
        PrintUsage();
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        cli::Out(QStringLiteral("tavolin-cli %1 (%2)\n").arg(QStringLiteral(TAVOLIN_VERSION),
                                                         QStringLiteral(TAVOLIN_GIT_DESCRIBE)));
        return 0;
    }

    const QString name = args.takeFirst();
    for (const CliCommand* command : CliCommands()) {
        if (command->name != name)
            continue;
        try {
            return command->run(args);
        } catch (const TavolinError& error) {
            return cli::Fail(error.message());
        } catch (const std::exception& error) {
            return cli::Fail(QString::fromLocal8Bit(error.what()));
        }
    }
    cli::Err(QStringLiteral("Unbekannter Befehl: %1\n\n").arg(name));
    PrintUsage();
    return 2;
}
