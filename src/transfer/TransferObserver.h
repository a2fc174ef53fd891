#pragma once

#include <QString>

// What a transfer run reports while it works: the progress dialog and the command-line
// tool show it, tests record it. All calls come from the thread that runs the transfer.
class TransferObserver
{
public:
    virtual ~TransferObserver() = default;

    // "Übertragen" for a download, "Auslesen" for a read-back.
    virtual void SetCaption(const QString& caption) = 0;
    // What the display said about itself ("Kein Info !" until it answered).
    virtual void SetInfo(const QString& info) = 0;
    virtual void SetStatus(const QString& status) = 0;
    virtual void SetStatusVisible(bool visible) = 0;
    virtual void SetProgressRange(int maximum) = 0;
    virtual void SetProgress(int value) = 0;
    // A message the user must see during the run (display error codes, time-outs).
    virtual void ShowMessage(const QString& caption, const QString& text) = 0;
};
