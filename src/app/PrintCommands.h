#pragma once

#include <QObject>

class MainActions;
class MessageView;
class ProjectSession;
class QWidget;
struct MessageListPrintResult;
struct MessageListSource;

// Printing the message list of the shown table in one language: on a printer chosen in
// the print dialog, in the print preview, or into a PDF file. All three draw the same pages.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    PrintCommands(ProjectSession& session, MessageView& view, QWidget& parent);

    // Wires the entries of the print, preview and PDF menus.
    void Connect(MainActions& actions);

    void Print(int language);
    void Preview(int language);
    void SavePdf(int language);

private:
    // The shown table's list in the language; false (after telling the user) when there is
    // nothing to print.
    bool source(int language, MessageListSource& result);
    void report(const MessageListPrintResult& result);

    ProjectSession& m_session;
    MessageView& m_view;
    QWidget& m_parent;
};
