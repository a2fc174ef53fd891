#include "common/ui/PathBox.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "common/ui/FolderPicker.h"

PathBox::PathBox(QWidget* parent)
    : QWidget(parent)
{
    auto* caption = new QLabel(tr("Pfad:"), this);
    folderLabel = new QLabel(this);
    folderLabel->setTextFormat(Qt::PlainText);
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path must not widen the dialog; the full path is in the tool tip.
    folderLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    folderLabel->setMinimumWidth(50);

    edit = new QComboBox(this);
    edit->setEditable(true);
    edit->setInsertPolicy(QComboBox::NoInsert);
    edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    edit->setMinimumContentsLength(20);
    edit->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The box itself has the focus and hands keys on to its line edit by a direct call,
    // which passes no filter of the line edit; Enter must be caught at the box.
    edit->installEventFilter(this);
    edit->lineEdit()->installEventFilter(this);
    caption->setBuddy(edit);

    browse = new QPushButton(tr("&Durchsuchen..."), this);
    browse->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(folderLabel, 0, 1, 1, 2);
    layout->addWidget(edit, 1, 0, 1, 2);
    layout->addWidget(browse, 1, 2);
    layout->setColumnStretch(1, 1);

    timer.setSingleShot(true);
    timer.setInterval(DefaultDelayMs);
    connect(&timer, &QTimer::timeout, this, &PathBox::apply);
    connect(edit, &QComboBox::editTextChanged, this, [this] { timer.start(); });
    // Picking an entry of the drop-down is a finished choice; no need to wait.
    connect(edit, &QComboBox::activated, this, &PathBox::apply);
    connect(browse, &QPushButton::clicked, this, &PathBox::browseForFolder);
}

void PathBox::SetBaseFolder(const QString& folder)
{
    timer.stop();
    baseFolder = folder;
    const QSignalBlocker blocker(edit);
    edit->setEditText(folder);
    showFolder(folder);
}

void PathBox::SetRecentFolders(const QStringList& folders)
{
    const QSignalBlocker blocker(edit);
    const QString text = edit->currentText();
    edit->clear();
    edit->addItems(folders);
    edit->setCurrentIndex(-1);
    edit->setEditText(text);
}

void PathBox::RestartTimer()
{
    timer.start();
}

QString PathBox::ExpandPath(const QString& typed)
{
    QString path = QDir::fromNativeSeparators(typed.trimmed());
    if (path.isEmpty())
        return QString();
    if (path == QLatin1String("~"))
        path = QDir::homePath();
    else if (path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    return QDir::cleanPath(QDir(path).absolutePath());
}

bool PathBox::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the box applies the path; it must not confirm the whole dialog.
    if ((watched == edit || watched == edit->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            apply();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PathBox::apply()
{
    timer.stop();
    const QString path = ExpandPath(edit->currentText());
    // An emptied box keeps the last base folder rather than listing the working folder.
    if (path.isEmpty())
        return;
    const bool isFile = QFileInfo(path).isFile();
    // The box also reports its own text on focus-out (matching an entry of the drop-down);
    // the folder already shown is no new choice, and the dialog's state must stay.
    if (!isFile && path == baseFolder)
        return;
    baseFolder = isFile ? QFileInfo(QFileInfo(path).path()).path() : path;
    showFolder(baseFolder);
    Q_EMIT baseFolderApplied(baseFolder);
    if (isFile)
        Q_EMIT fileTyped(path);
}

void PathBox::browseForFolder()
{
    const QString folder = BrowseForFolder(this, baseFolder);
    if (folder.isEmpty())
        return;
    {
        const QSignalBlocker blocker(edit);
        edit->setEditText(folder);
    }
    apply();
}

void PathBox::showFolder(const QString& folder)
{
    folderLabel->setText(folder);
    folderLabel->setToolTip(folder);
}
