#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// One top-level subcommand of tavolin-cli ("texts", "project", "font", ...). Each command
// file registers itself with a static CliCommand object, so commands never touch main.
struct CliCommand
{
    using Handler = std::function<int(const QStringList& args)>;

    CliCommand(const char* name, const char* summary, Handler handler);

    QString name;
    QString summary;
    Handler run;
};

// Registered commands in registration order.
const QList<const CliCommand*>& CliCommands();

namespace cli {

// Writes to stdout / stderr in UTF-8.
void Out(const QString& text);
void Err(const QString& text);

// Reports a failure the way every subcommand does: the message on stderr, exit code 1.
int Fail(const QString& message);

// True for "-h" / "--help" anywhere in the arguments.
bool WantsHelp(const QStringList& args);

} // namespace cli
