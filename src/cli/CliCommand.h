#pragma once

#include <QDir>
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

// Writes to stdout / stderr in UTF-8. Out raises TavolinError when standard output
// cannot take the text (a full disk, a closed pipe), so that the command fails.
void Out(const QString& text);
void OutBytes(const QByteArray& bytes);
void Err(const QString& text);

// Reports a failure the way every subcommand does: the message on stderr (control
// characters escaped), exit code 1.
int Fail(const QString& message);
// The same for a call the command cannot make sense of: exit code 2.
int UsageFail(const QString& message);

// True for "-h" / "--help" anywhere before a "--".
bool WantsHelp(const QStringList& args);

// A path as the user's system writes it, for messages.
inline QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Input files (imports, settings lines) are read whole; anything larger is no text of a display.
constexpr qint64 MaxInputSize = 16 * 1024 * 1024;

} // namespace cli
