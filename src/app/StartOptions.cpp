#include "app/StartOptions.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "common/Version.h"

namespace {

// Qt's own options that take a value; Qt removes them from the arguments it passes on.
bool IsQtOptionWithValue(const QString& arg)
{
    static const QStringList options = {
        QStringLiteral("-platform"), QStringLiteral("-platformpluginpath"), QStringLiteral("-platformtheme"),
        QStringLiteral("-plugin"),   QStringLiteral("-style"),              QStringLiteral("-stylesheet"),
        QStringLiteral("-display"),  QStringLiteral("-geometry"),           QStringLiteral("-qwindowgeometry"),
        QStringLiteral("-title"),    QStringLiteral("-qwindowtitle"),       QStringLiteral("-qwindowicon"),
        QStringLiteral("-session"),  QStringLiteral("-name")};
    return options.contains(arg);
}

bool IsQtOption(const QString& arg)
{
    static const QStringList flags = {QStringLiteral("-reverse"), QStringLiteral("-nograb"),
                                      QStringLiteral("-dograb"), QStringLiteral("-sync")};
    return flags.contains(arg) || (arg.startsWith(QLatin1String("-style=")) || arg.startsWith(QLatin1String("-stylesheet=")));
}

StartOptions Failed(const QString& message)
{
    StartOptions options;
    options.action = StartOptions::Action::Fail;
    options.error = message;
    return options;
}

} // namespace

StartOptions ReadStartOptions(const QStringList& args)
{
    StartOptions options;
    QStringList names;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            names << arg;
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.action = StartOptions::Action::Help;
            return options;
        } else if (arg == QLatin1String("--version")) {
            options.action = StartOptions::Action::Version;
            return options;
        } else if (IsQtOptionWithValue(arg)) {
            if (++i == args.size())
                return Failed(QCoreApplication::translate("StartOptions", "Die Option %1 braucht einen Wert.").arg(arg));
        } else if (!IsQtOption(arg)) {
            return Failed(QCoreApplication::translate("StartOptions", "Unbekannte Option: %1").arg(arg));
        }
    }
    if (names.size() > 1)
        return Failed(QCoreApplication::translate("StartOptions", "Nur ein Projektordner kann geöffnet werden: %1")
                          .arg(names.join(QLatin1Char(' '))));
    if (!names.isEmpty()) {
        const QFileInfo given(names.first());
        options.projectFolder = given.isFile() && given.fileName() == QLatin1String("tavolin.cfg")
                                    ? given.absolutePath()
                                    : names.first();
    }
    return options;
}

QString StartUsage()
{
    return QCoreApplication::translate(
        "StartOptions",
        "Aufruf: tavolin [PROJEKTORDNER]\n"
        "\n"
        "Startet den Editor für die Meldungstexte. Mit einem Projektordner (oder dessen\n"
        "Datei tavolin.cfg) öffnet er dieses Projekt sofort, sonst zeigt er das Startbild.\n"
        "\n"
        "Optionen:\n"
        "  -h, --help    diese Hilfe zeigen\n"
        "  --version     die Version zeigen\n"
        "  --lang de|en  Sprache der Oberfläche (ohne: Englisch, wenn das System Englisch\n"
        "                spricht, sonst Deutsch)\n"
        "\n"
        "Die Befehle ohne Fenster bietet tavolin-cli (tavolin-cli --help).\n");
}

QString StartVersion()
{
    const QString revision = QStringLiteral(TAVOLIN_GIT_DESCRIBE);
    return revision.isEmpty() ? QStringLiteral("tavolin %1\n").arg(QStringLiteral(TAVOLIN_VERSION))
                              : QStringLiteral("tavolin %1 (%2)\n").arg(QStringLiteral(TAVOLIN_VERSION), revision);
}
