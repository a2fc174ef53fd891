#include "transfer/ui/MultiDownloadDialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "common/SettingsStore.h"
#include "common/TavolinError.h"
#include "common/ui/MessageBox.h"
#include "transfer/MultiTransfer.h"
#include "transfer/NetworkPorts.h"

namespace {

enum Column { PortColumn, ProgressColumn, ResultColumn, BytesColumn, SecondsColumn, Columns };

} // namespace

MultiDownloadDialog::MultiDownloadDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MultiDownloadDialog"));
    setWindowTitle(tr("An mehrere Anzeigen übertragen"));

    auto* listLabel = new QLabel(tr("&Schnittstellen (eine je Zeile, z. B. /dev/ttyUSB0, tcp://RECHNER:PORT, "
                                    "rfc2217://RECHNER:PORT):"),
                                 this);
    listLabel->setWordWrap(true);
    portList = new QPlainTextEdit(this);
    portList->setTabChangesFocus(true);
    portList->setMaximumHeight(110);
    listLabel->setBuddy(portList);

    table = new QTableWidget(0, Columns, this);
    table->setHorizontalHeaderLabels({tr("Schnittstelle"), tr("Fortschritt"), tr("Ergebnis"), tr("Bytes"), tr("Sekunden")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(ResultColumn, QHeaderView::Stretch);
    // A long result (an error with its reason) wraps inside its row instead of being cut.
    table->setWordWrap(true);
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, table, &QTableWidget::resizeRowsToContents);
    table->setMinimumSize(640, 160);

    summary = new QLabel(this);
    summary->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    startButton = buttons->addButton(tr("Ü&bertragen"), QDialogButtonBox::AcceptRole);
    startButton->setObjectName(QStringLiteral("start"));
    abortButton = buttons->addButton(tr("Abbruch"), QDialogButtonBox::RejectRole);
    closeButton = buttons->addButton(tr("Schließen"), QDialogButtonBox::RejectRole);
    abortButton->setEnabled(false);
    startButton->setDefault(true);
    connect(startButton, &QPushButton::clicked, this, &MultiDownloadDialog::start);
    connect(abortButton, &QPushButton::clicked, this, [this] {
        if (multi)
            multi->Abort();
    });
    connect(closeButton, &QPushButton::clicked, this, &MultiDownloadDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(portList);
    layout->addWidget(table, 1);
    layout->addWidget(summary);
    layout->addWidget(buttons);

    timer = new QTimer(this);
    timer->setInterval(100);
    connect(timer, &QTimer::timeout, this, &MultiDownloadDialog::refresh);
}

MultiDownloadDialog::~MultiDownloadDialog() = default;

void MultiDownloadDialog::SetJob(const TransferJob& value)
{
    job = value;
}

void MultiDownloadDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || multi)
        return;
    const QString stored = SettingsStore::Read(SettingsStore::Key::DisplayList);
    portList->setPlainText(TMultiTransfer::ReadStoredPortList(stored).join(QLatin1Char('\n')));
    portList->setFocus();
    portList->moveCursor(QTextCursor::End);
}

void MultiDownloadDialog::start()
{
    if (multi)
        return;
    QStringList ports;
    try {
        ports = TMultiTransfer::ParsePorts(portList->toPlainText());
    } catch (const TavolinError& error) {
        MessageBox::Error(this, error.message());
        portList->setFocus();
        return;
    }
    SettingsStore::Write(SettingsStore::Key::DisplayList, TMultiTransfer::StoredPortList(ports));
    NetworkPorts::Remember(ports);

    table->setRowCount(static_cast<int>(ports.size()));
    for (int row = 0; row < ports.size(); ++row) {
        for (int column = 0; column < Columns; ++column)
            table->setItem(row, column, new QTableWidgetItem);
        table->item(row, PortColumn)->setText(ports[row]);
        table->item(row, BytesColumn)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->item(row, SecondsColumn)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setCellWidget(row, ProgressColumn, new QProgressBar(table));
    }
    table->resizeColumnToContents(PortColumn);

    succeeded = false;
    multi = std::make_unique<TMultiTransfer>(job, ports, timing);
    portList->setReadOnly(true);
    startButton->setEnabled(false);
    closeButton->setEnabled(false);
    abortButton->setEnabled(true);
    abortButton->setFocus();
    summary->setText(tr("Übertragung läuft..."));
    multi->Start();
    timer->start();
}

void MultiDownloadDialog::refresh()
{
    if (!multi)
        return;
    const bool finished = multi->Wait(0);
    const QList<PortProgress> ports = multi->Snapshot();
    int done = 0;
    for (int row = 0; row < ports.size(); ++row) {
        const PortProgress& p = ports[row];
        auto* bar = static_cast<QProgressBar*>(table->cellWidget(row, ProgressColumn));
        bar->setMaximum(std::max(1, p.maximum));
        bar->setValue(std::clamp(p.progress, 0, std::max(1, p.maximum)));
        table->item(row, ResultColumn)->setText(p.Finished() ? p.Result() : p.status);
        table->item(row, ResultColumn)->setToolTip(p.Finished() ? p.Result() : p.status);
        if (p.Finished()) {
            table->item(row, BytesColumn)->setText(QString::number(p.bytes));
            table->item(row, SecondsColumn)->setText(QString::number(p.seconds, 'f', 1));
        }
        done += p.state == PortProgress::State::Done ? 1 : 0;
    }
    table->resizeRowsToContents();
    if (!finished)
        return;

    timer->stop();
    succeeded = multi->AllSucceeded();
    multi.reset();
    summary->setText(tr("%1 von %2 Anzeigen haben alles erhalten.").arg(done).arg(ports.size()));
    portList->setReadOnly(false);
    startButton->setEnabled(true);
    closeButton->setEnabled(true);
    abortButton->setEnabled(false);
    closeButton->setFocus();
    Q_EMIT runFinished(succeeded);
}

void MultiDownloadDialog::closeEvent(QCloseEvent* event)
{
    // Closing while the displays are served would leave them half loaded: it aborts first.
    if (multi) {
        multi->Abort();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void MultiDownloadDialog::reject()
{
    if (multi) {
        multi->Abort();
        return;
    }
    QDialog::reject();
}
