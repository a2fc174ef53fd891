#pragma once

#include <QPair>
#include <QStringList>

#include "transfer/TransferObserver.h"

namespace tavolin::test {

// Keeps everything a transfer run reports, for assertions.
class RecordingObserver : public TransferObserver
{
public:
    void SetCaption(const QString& text) override { caption = text; }
    void SetInfo(const QString& text) override { info = text; }
    void SetStatus(const QString& text) override
    {
        if (statuses.isEmpty() || statuses.last() != text)
            statuses.append(text);
    }
    void SetStatusVisible(bool visible) override { statusVisible = visible; }
    void SetProgressRange(int maximum) override { progressMaximum = maximum; }
    void SetProgress(int value) override { progress = value; }
    void ShowMessage(const QString& caption, const QString& text) override
    {
        messages.append({caption, text});
    }

    QString caption;
    QString info;
    QStringList statuses;
    bool statusVisible = false;
    int progressMaximum = 0;
    int progress = 0;
    QList<QPair<QString, QString>> messages;
};

} // namespace tavolin::test
