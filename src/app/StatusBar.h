#pragma once

#include <QStatusBar>

class QLabel;
class MessageView;

// The main window's five status panels: caret position, (unused), serial port, blink,
// graphics character set.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void SetPort(const QString& port);
    // Caret and attributes of the in-place editor; all empty while it is hidden.
    void Update(const MessageView& view);

    QString PanelText(int panel) const;
    const QLabel* Panel(int panel) const { return m_panels[panel]; }

private:
    QLabel* m_panels[5];
};
