#pragma once

#include <QDialog>
#include <memory>

#include "project/ProjectConfig.h"
#include "transfer/SerialLink.h"
#include "transfer/TransferObserver.h"

class QLabel;
class QProgressBar;
class QPushButton;
class TCharSet;
class TMessageTable;
class TTransferRun;

// What the main window hands the progress dialog for one run.
struct LadenJob
{
    bool download = true;                // false: read the display back
    TMessageTable* operating = nullptr;
    TMessageTable* diagnostic = nullptr;
    TCharSet* graphics = nullptr;
    TProjectState project;               // display type and file names
    QString port;                        // empty = settings "Schnittstelle"
    QByteArray* receivedCharSet = nullptr; // read-back: also gets the set's bytes
};

// The transfer progress dialog: owns the serial link for one run, starts the run as soon
// as it is shown, offers "Abbruch", refuses to close while running and closes itself when
// done: Accepted, or Rejected when an error ended the run (see ErrorText()).
class Laden : public QDialog, public TransferObserver
{
    Q_OBJECT

public:
    explicit Laden(QWidget* parent = nullptr);
    ~Laden() override;

    void SetJob(const LadenJob& job);
    int exec() override;
    // The message of the error that ended the last run; empty after success.
    QString ErrorText() const { return errorText; }
    // How many problems the display reported during the last run (each shown at once).
    int DisplayMessageCount() const { return displayMessages; }

    // "Abbruch": the next wait of the link ends the run.
    void Abort();
    bool IsRunning() const { return running; }
    // Time-outs and pauses of the run; the displays' own values unless tests shorten them.
    void SetTiming(const TransferTiming& value) { timing = value; }

    QPushButton* AbortButton() const { return abortButton; }

    // TransferObserver
    void SetCaption(const QString& caption) override;
    void SetInfo(const QString& info) override;
    void SetStatus(const QString& status) override;
    void SetStatusVisible(bool visible) override;
    void SetProgressRange(int maximum) override;
    void SetProgress(int value) override;
    void ShowMessage(const QString& caption, const QString& text) override;

Q_SIGNALS:
    void runStarted();
    void runFinished(bool ok);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void runNow();
    void finish();

    LadenJob job;
    TransferTiming timing;
    std::unique_ptr<TTransferRun> run;
    bool running = false;
    int displayMessages = 0;
    bool closeAllowed = true;
    bool pendingStart = false;
    QString errorText;

    QLabel* infoLine = nullptr;
    QLabel* statusLine = nullptr;
    QProgressBar* progressBar = nullptr;
    QPushButton* abortButton = nullptr;
};
