#pragma once

#include <QString>
#include <QStringList>

// What the command line of `tavolin` asks for. It is read before any window system is
// touched, so that --help, --version and a wrong option work without a display.
struct StartOptions
{
    enum class Action { Run, Help, Version, Fail };
    Action action = Action::Run;
    // The project to open at once ("" lets the start screen decide). A project's
    // "tavolin.cfg" stands for its folder, as a file manager passes it.
    QString projectFolder;
    // For Fail: the German message.
    QString error;
};

// `args` without the program name. Qt's own options (-platform, -style, ...) are left to Qt.
StartOptions ReadStartOptions(const QStringList& args);
QString StartUsage();
QString StartVersion();
