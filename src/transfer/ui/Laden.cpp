#include "transfer/ui/Laden.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/ui/MessageBox.h"
#include "transfer/TransferRun.h"

Laden::Laden(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Übertragen"));
    // Closing goes through closeEvent, which refuses while a run is going on.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* connected = new QLabel(tr("Angeschlossen an:"), this);
    infoLine = new QLabel(TransferText::NoInfo(), this);
    // The display describes itself in fixed-width text, as on its own screen.
    infoLine->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    infoLine->setFrameShape(QFrame::StyledPanel);
    infoLine->setFrameShadow(QFrame::Sunken);
    infoLine->setMinimumWidth(360);
    infoLine->setTextInteractionFlags(Qt::TextSelectableByMouse);

    statusLine = new QLabel(this);
    statusLine->setVisible(false);

    progressBar = new QProgressBar(this);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);

    abortButton = new QPushButton(tr("Abbruch"), this);
    abortButton->setAutoDefault(false);
    connect(abortButton, &QPushButton::clicked, this, &Laden::Abort);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(abortButton);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(connected);
    layout->addWidget(infoLine);
    layout->addSpacing(6);
    layout->addWidget(statusLine);
    layout->addWidget(progressBar);
    layout->addSpacing(6);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Laden::~Laden() = default;

void Laden::SetJob(const LadenJob& value)
{
    job = value;
}

int Laden::exec()
{
    return QDialog::exec();
}

void Laden::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!running && !pendingStart) {
        // Start once the dialog is on screen, so that the user sees it while it works.
        pendingStart = true;
        QTimer::singleShot(0, this, &Laden::runNow);
    }
}

void Laden::Abort()
{
    if (run)
        run->Abort();
}

void Laden::runNow()
{
    pendingStart = false;
    if (running || !isVisible())
        return;
    running = true;
    closeAllowed = false;
    errorText.clear();
    displayMessages = 0;
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    statusLine->clear();
    statusLine->setVisible(false);
    infoLine->setText(TransferText::NoInfo());
    setWindowTitle(job.download ? tr("Übertragen") : tr("Auslesen"));

    TransferJob transfer;
    transfer.download = job.download;
    transfer.operating = job.operating;
    transfer.diagnostic = job.diagnostic;
    transfer.graphics = job.graphics;
    transfer.displayType = job.project.displayType;
    transfer.config = job.project.config;
    transfer.port = job.port;
    transfer.receivedCharSet = job.receivedCharSet;

    run = std::make_unique<TTransferRun>(*this, timing);
    Q_EMIT runStarted();
    const bool ok = run->Run(transfer);
    errorText = run->ErrorText();
    run.reset();
    running = false;
    closeAllowed = true;
    Q_EMIT runFinished(ok);
    // Closing is a request of its own, after the run has unwound.
    QMetaObject::invokeMethod(this, &Laden::finish, Qt::QueuedConnection);
}

void Laden::finish()
{
    if (isVisible())
        close();
}

void Laden::closeEvent(QCloseEvent* event)
{
    Abort();
    if (!closeAllowed) {
        event->ignore();
        return;
    }
    event->accept();
    done(errorText.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
}

void Laden::reject()
{
    // Escape and the window's close button: abort first, close only after the run.
    if (!closeAllowed) {
        Abort();
        return;
    }
    QDialog::reject();
}

void Laden::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void Laden::SetInfo(const QString& info)
{
    infoLine->setText(info);
}

void Laden::SetStatus(const QString& status)
{
    statusLine->setText(status);
}

void Laden::SetStatusVisible(bool visible)
{
    statusLine->setVisible(visible);
}

void Laden::SetProgressRange(int maximum)
{
    progressBar->setRange(0, std::max(1, maximum));
}

void Laden::SetProgress(int value)
{
    progressBar->setValue(std::clamp(value, 0, progressBar->maximum()));
}

void Laden::ShowMessage(const QString& caption, const QString& text)
{
    ++displayMessages;
    MessageBox::Error(this, text, caption);
}
