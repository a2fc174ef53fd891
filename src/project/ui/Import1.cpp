#include "project/ui/Import1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "project/ProjectFolders.h"
#include "project/RecentList.h"
#include "project/RecycleBin.h"
#include "common/ui/PathBox.h"

namespace {

QString CleanPath(const QString& path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(path));
}

// Two names of one existing file (a link, "..", another spelling) count as the same file.
bool SameExistingFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

Import1::Import1(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Import1"));
    setWindowTitle(tr("Import"));

    auto* projectGroup = new QGroupBox(tr("Projektname"), this);
    projectList = new QListWidget(projectGroup);
    auto* projectLayout = new QVBoxLayout(projectGroup);
    projectLayout->addWidget(projectList);

    auto* fileGroup = new QGroupBox(tr("Datei"), this);
    fileList = new QListWidget(fileGroup);
    auto* fileLayout = new QVBoxLayout(fileGroup);
    fileLayout->addWidget(fileList);

    pathBox = new PathBox(this);

    importButton = new QPushButton(tr("&Importieren"), this);
    cancelButton = new QPushButton(tr("Abbruch"), this);
    importButton->setDefault(true);
    cancelButton->setAutoDefault(false);

    auto* lists = new QHBoxLayout;
    lists->addWidget(projectGroup, 1);
    lists->addWidget(fileGroup, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(importButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(pathBox);
    layout->addLayout(buttons);
    resize(520, 380);

    connect(projectList, &QListWidget::itemSelectionChanged, this, &Import1::projectChosen);
    connect(fileList, &QListWidget::itemSelectionChanged, this, &Import1::fileChosen);
    connect(pathBox, &PathBox::baseFolderApplied, this, &Import1::baseFolderApplied);
    connect(pathBox, &PathBox::fileTyped, this, &Import1::selectFile);
    connect(importButton, &QPushButton::clicked, this, &Import1::importFile);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    InstallHelpKey(this, HelpContext::Import);
}

void Import1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Being restored after minimising is no new showing; nothing is refilled.
    if (event->spontaneous())
        return;
    targetPath = CleanPath(targetPath);
    if (baseFolder.isEmpty()) {
        const QString projectFolder = QFileInfo(targetPath).path();
        baseFolder = StripTrailingDelimiter(QFileInfo(projectFolder).path());
        projectName = QFileInfo(projectFolder).fileName();
    }
    pathBox->SetBaseFolder(baseFolder);
    pathBox->SetRecentFolders(RecentList::BasePaths().Entries());
    fillProjects();

    sourcePath.clear();
    {
        const QSignalBlocker blocker(projectList);
        projectList->clearSelection();
        const QList<QListWidgetItem*> found = projectList->findItems(projectName, Qt::MatchFixedString);
        if (!found.isEmpty()) {
            projectList->setCurrentItem(found.first());
            projectList->scrollToItem(found.first());
        }
    }
    projectChosen();
    projectList->setFocus();
}

void Import1::done(int result)
{
    charSetMode = false;
    QDialog::done(result);
}

void Import1::fillProjects()
{
    const QSignalBlocker blocker(projectList);
    projectList->clear();
    projectList->addItems(ListSubfolders(baseFolder));
}

void Import1::projectChosen()
{
    importButton->setEnabled(false);
    const QList<QListWidgetItem*> selected = projectList->selectedItems();
    {
        const QSignalBlocker blocker(fileList);
        fileList->clear();
        if (!selected.isEmpty()) {
            projectName = selected.first()->text();
            fileList->addItems(ListFilesByExtension(baseFolder + QLatin1Char('/') + projectName, extension));
            if (fileList->count() > 0)
                fileList->setCurrentRow(0);
        }
    }
    fileChosen();
}

void Import1::fileChosen()
{
    const QList<QListWidgetItem*> projects = projectList->selectedItems();
    const QList<QListWidgetItem*> files = fileList->selectedItems();
    if (projects.isEmpty() || files.isEmpty()) {
        importButton->setEnabled(false);
        return;
    }
    sourcePath = baseFolder + QLatin1Char('/') + projects.first()->text() + QLatin1Char('/') + files.first()->text();
    const QString suffix = QLatin1Char('.') + extension;
    importButton->setEnabled(sourcePath != targetPath && !SameExistingFile(sourcePath + suffix, targetPath + suffix));
}

void Import1::baseFolderApplied(const QString& folder)
{
    baseFolder = folder;
    fillProjects();
}

void Import1::selectFile(const QString& file)
{
    const QFileInfo info(file);
    const QList<QListWidgetItem*> projects =
        projectList->findItems(QFileInfo(info.path()).fileName(), Qt::MatchFixedString);
    if (projects.isEmpty())
        return;
    projectList->setCurrentItem(projects.first());
    const QList<QListWidgetItem*> files = fileList->findItems(StripExtension(info.fileName()), Qt::MatchFixedString);
    if (!files.isEmpty() && info.suffix().compare(extension, Qt::CaseInsensitive) == 0)
        fileList->setCurrentItem(files.first());
}

void Import1::importFile()
{
    if (!importButton->isEnabled() || sourcePath.isEmpty() || sourcePath == targetPath)
        return;
    sourceFile = sourcePath + QLatin1Char('.') + extension;
    targetFile = targetPath + QLatin1Char('.') + extension;
    if (SameExistingFile(sourceFile, targetFile))
        return;
    const QString question = tr("Möchten Sie die Datei\r\"%1\"\rüberschreiben ?");
    const QString targetName = QFileInfo(targetFile).fileName();

    if (charSetMode) {
        if (MessageBox::YesNoCancel(this, tr("Import"), question.arg(targetName)) == QMessageBox::Yes)
            accept();
        return;
    }
    if (QFileInfo::exists(targetFile)
        && MessageBox::YesNoCancel(this, tr("Import"), question.arg(targetName)) != QMessageBox::Yes)
        return;
    if (!copyTextFile())
        return;
    RecentList::BasePaths().PushFront(baseFolder);
    accept();
}

bool Import1::copyTextFile()
{
    // Everything that can be checked is checked before the old file goes to the trash.
    if (!QFileInfo(sourceFile).isReadable()) {
        MessageBox::Error(this, tr("Die Datei\r\"%1\"\rkann nicht gelesen werden.").arg(Native(sourceFile)));
        return false;
    }
    const QString targetFolder = QFileInfo(targetFile).path();
    if (!QDir().mkpath(targetFolder)) {
        MessageBox::Error(this, tr("Der Ordner\r\"%1\"\rkann nicht angelegt werden.").arg(Native(targetFolder)));
        return false;
    }
    bool trashed = false;
    if (QFileInfo::exists(targetFile) || QFileInfo(targetFile).isSymLink()) {
        if (!DeleteToRecycleBin(targetFile)) {
            MessageBox::Error(this,
                              tr("Die Datei\r\"%1\"\rkann nicht in den Papierkorb verschoben werden "
                                 "und wurde deshalb nicht ersetzt.")
                                  .arg(Native(targetFile)));
            return false;
        }
        trashed = true;
    }
    if (!QFile::copy(sourceFile, targetFile)) {
        QString text = tr("Die Datei\r\"%1\"\rkonnte nicht nach\r\"%2\"\rkopiert werden.")
                           .arg(Native(sourceFile), Native(targetFile));
        if (trashed)
            text += tr("\rDie bisherige Datei liegt im Papierkorb.");
        MessageBox::Error(this, text);
        return false;
    }
    return true;
}
