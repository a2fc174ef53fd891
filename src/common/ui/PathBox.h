#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

// The one path box of the project dialogs: a "Pfad:" line showing the base folder, an
// editable box whose drop-down holds the recent base folders, and "&Durchsuchen...".
// Typing restarts a single-shot timer; when it fires (or a folder is picked, or Enter is
// pressed in the box) the typed text, expanded to an absolute clean path, becomes the base
// folder and baseFolderApplied is emitted, unless it is the folder already shown. A typed
// existing file instead makes the folder above its project the base folder and is then
// handed on with fileTyped. Enter in the box never reaches the dialog's default button.
class PathBox : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DefaultDelayMs = 1000;

    explicit PathBox(QWidget* parent = nullptr);

    // Shows the folder as base folder, in the line and in the box, without starting the timer.
    void SetBaseFolder(const QString& folder);
    QString BaseFolder() const { return baseFolder; }

    // The drop-down list; the typed text stays as it is.
    void SetRecentFolders(const QStringList& folders);

    // Starts the timer as a change of the text does.
    void RestartTimer();
    bool TimerActive() const { return timer.isActive(); }
    int TimerRemaining() const { return timer.remainingTime(); }

    void SetDelay(int milliseconds) { timer.setInterval(milliseconds); }
    int Delay() const { return timer.interval(); }

    QComboBox* PathEdit() const { return edit; }
    QPushButton* BrowseButton() const { return browse; }
    QLabel* FolderLabel() const { return folderLabel; }

    // The typed text as an absolute, clean path with '/' separators and no trailing one;
    // a leading "~" stands for the home folder. Empty text stays empty.
    static QString ExpandPath(const QString& typed);

Q_SIGNALS:
    void baseFolderApplied(const QString& path);
    void fileTyped(const QString& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    void browseForFolder();
    void showFolder(const QString& folder);

    QString baseFolder;
    QTimer timer;
    QLabel* folderLabel = nullptr;
    QComboBox* edit = nullptr;
    QPushButton* browse = nullptr;
};
