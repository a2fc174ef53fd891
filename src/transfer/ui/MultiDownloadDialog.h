#pragma once

#include <QDialog>
#include <memory>

#include "transfer/SerialLink.h"
#include "transfer/TransferProtocol.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TMultiTransfer;

// "An mehrere Anzeigen übertragen": a list of ports (one a line; local ports and device
// server addresses), then one download to all of them at once with a progress row per port
// and the result, bytes and seconds of each at the end. The list is kept in
// "Anzeigenliste"; the network addresses in it join the ones the options dialog offers.
class MultiDownloadDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MultiDownloadDialog(QWidget* parent = nullptr);
    ~MultiDownloadDialog() override;

    // The project's download job (its port is not used).
    void SetJob(const TransferJob& job);
    void SetTiming(const TransferTiming& value) { timing = value; }
    bool IsRunning() const { return multi != nullptr; }
    // True when the last run reached every display without an error.
    bool AllSucceeded() const { return succeeded; }

    QPlainTextEdit* PortList() const { return portList; }
    QTableWidget* Table() const { return table; }
    QLabel* SummaryLine() const { return summary; }

Q_SIGNALS:
    void runFinished(bool allSucceeded);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void start();
    void refresh();

    TransferJob job;
    TransferTiming timing;
    std::unique_ptr<TMultiTransfer> multi;
    bool succeeded = false;

    QPlainTextEdit* portList = nullptr;
    QTableWidget* table = nullptr;
    QLabel* summary = nullptr;
    QPushButton* startButton = nullptr;
    QPushButton* abortButton = nullptr;
    QPushButton* closeButton = nullptr;
    QTimer* timer = nullptr;
};
