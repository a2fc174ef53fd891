#pragma once

#include <QMap>
#include <QStringList>

#include "common/TavolinError.h"

namespace cli {

// Positional arguments and options of one subcommand. Options in `valued` take a value
// ("--format csv" or "--format=csv"); options in `flags` take none; others are refused.
struct ArgList
{
    QStringList positional;
    QMap<QString, QString> options;

    bool Has(const QString& option) const { return options.contains(option); }
    QString Value(const QString& option, const QString& fallback = QString()) const
    {
        return options.value(option, fallback);
    }

    static ArgList Parse(const QStringList& args, const QStringList& valued, const QStringList& flags)
    {
        ArgList parsed;
        for (qsizetype i = 0; i < args.size(); ++i) {
            const QString& arg = args[i];
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            if (arg.startsWith(QLatin1String("--")) && eq > 0 && valued.contains(arg.left(eq))) {
                parsed.options.insert(arg.left(eq), arg.mid(eq + 1));
            } else if (valued.contains(arg)) {
                if (i + 1 >= args.size())
                    throw TavolinError(QStringLiteral("%1 braucht einen Wert.").arg(arg));
                parsed.options.insert(arg, args[++i]);
            } else if (flags.contains(arg)) {
                parsed.options.insert(arg, QString());
            } else if (arg.startsWith(QLatin1String("--")) && arg.size() > 2) {
                throw TavolinError(QStringLiteral("Unbekannte Angabe: %1").arg(arg));
            } else {
                parsed.positional.append(arg);
            }
        }
        return parsed;
    }
};

} // namespace cli
