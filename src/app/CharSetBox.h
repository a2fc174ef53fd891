#pragma once

#include <QComboBox>
#include <QTimer>

// The tool bar's character set box: free text (at most 100 characters) with the
// project's ".pix" names as list. Every change of the text restarts a single-shot timer;
// `Settled` follows once the user has stopped typing for the timer's interval,
// `Confirmed` when the user presses Enter.
class CharSetBox : public QComboBox
{
    Q_OBJECT

public:
    static constexpr int DefaultDelayMs = 1000;
    static constexpr int MaxLength = 100;

    explicit CharSetBox(QWidget* parent = nullptr);

    void SetDelay(int milliseconds) { m_timer.setInterval(milliseconds); }
    int Delay() const { return m_timer.interval(); }
    bool Pending() const { return m_timer.isActive(); }
    void StopTimer() { m_timer.stop(); }

    // Shows a text without counting it as the user's change.
    void SetTextQuietly(const QString& text);
    // Replaces the list of names, keeping the text.
    void SetNames(const QStringList& names);

Q_SIGNALS:
    void Settled();
    // Enter in the box: the typed name is meant, even one that is not in the list.
    void Confirmed();

private:
    QTimer m_timer;
    bool m_quiet = false;
};
