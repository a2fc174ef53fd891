#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;
class MessageView;

// The main window's five status panels: caret position, notes, serial port, blink,
// graphics character set.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    void SetPort(const QString& port);
    // A note about what just happened (a download's end), in the second panel, until
    // the next note or half a minute later.
    void ShowNote(const QString& note);
    // Caret and attributes of the in-place editor; all empty while it is hidden.
    void Update(const MessageView& view);

    QString PanelText(int panel) const;
    const QLabel* Panel(int panel) const { return m_panels[panel]; }

private:
    QLabel* m_panels[5];
    QTimer* m_noteTimer;
};
