#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QStringList>

#include "common/TavolinError.h"

namespace cli {

// A call the command cannot make sense of (unknown option, wrong number of names, unknown
// action, bad option value): reported like any error, but with exit code 2.
class UsageError : public TavolinError
{
public:
    using TavolinError::TavolinError;
};

// `text` with control characters shown as \xHH, so that a name from the input can neither
// break a message apart nor drive the terminal.
QString Shown(const QString& text);

// Positional arguments and options of one subcommand. Options in `valued` take a value
// ("--format csv" or "--format=csv") and may be given once, those in `repeatable` as often
// as wanted (all values in `repeated`, the first also in `options`); options in `flags` take none;
// any other argument beginning with "-" is refused. "--" ends the options: everything
// after it is positional, also "-" and names beginning with "-".
struct ArgList
{
    QStringList positional;
    QMap<QString, QString> options;
    QMap<QString, QStringList> repeated;

    bool Has(const QString& option) const { return options.contains(option); }
    QString Value(const QString& option, const QString& fallback = QString()) const
    {
        return options.value(option, fallback);
    }

    static ArgList Parse(const QStringList& args, const QStringList& valued, const QStringList& flags,
                         const QStringList& repeatable = {})
    {
        ArgList parsed;
        const auto add = [&](const QString& option, const QString& value) {
            if (repeatable.contains(option)) {
                parsed.repeated[option].append(value);
                if (parsed.options.contains(option))
                    return;
            } else if (parsed.options.contains(option))
                throw UsageError(QCoreApplication::translate("cli", "%1 ist mehrfach angegeben.").arg(Shown(option)));
            parsed.options.insert(option, value);
        };
        for (qsizetype i = 0; i < args.size(); ++i) {
            const QString& arg = args[i];
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            const QString name = arg.startsWith(QLatin1String("--")) && eq > 0 ? arg.left(eq) : arg;
            if (arg == QLatin1String("--")) {
                parsed.positional += args.mid(i + 1);
                break;
            } else if (valued.contains(name) && name != arg) {
                add(name, arg.mid(eq + 1));
            } else if (valued.contains(arg)) {
                if (i + 1 >= args.size())
                    throw UsageError(QCoreApplication::translate("cli", "%1 braucht einen Wert.").arg(arg));
                add(arg, args[++i]);
            } else if (flags.contains(arg)) {
                add(arg, QString());
            } else if (flags.contains(name)) {
                throw UsageError(QCoreApplication::translate("cli", "%1 nimmt keinen Wert.").arg(Shown(name)));
            } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
                throw UsageError(QCoreApplication::translate("cli", "Unbekannte Angabe: %1").arg(Shown(arg)));
            } else {
                parsed.positional.append(arg);
            }
        }
        return parsed;
    }
};

} // namespace cli
