#include "project/ui/Loeschen.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "common/SettingsStore.h"
#include "common/ui/PathBox.h"
#include "project/ProjectFolders.h"
#include "project/RecentList.h"

Loeschen::Loeschen(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Loeschen"));
    setWindowTitle(tr("Projekt Löschen"));

    auto* group = new QGroupBox(tr("Name"), this);
    list = new QListWidget(group);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(list);
    pathBox = new PathBox(this);
    deleteButton = new QPushButton(tr("&Löschen"), this);
    auto* cancelButton = new QPushButton(tr("Abbruch"), this);
    deleteButton->setDefault(true);
    cancelButton->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(deleteButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(pathBox);
    layout->addLayout(buttons);
    resize(460, 380);

    connect(list, &QListWidget::itemDoubleClicked, this, &Loeschen::accept);
    connect(pathBox, &PathBox::baseFolderApplied, this, [this](const QString& folder) {
        baseFolder = folder;
        fillList();
    });
    connect(deleteButton, &QPushButton::clicked, this, &Loeschen::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, HelpContext::OpenProject);
}

void Loeschen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    baseFolder = StripTrailingDelimiter(SettingsStore::Read(SettingsStore::Key::ProjectBasePath));
    pathBox->SetBaseFolder(baseFolder);
    pathBox->SetRecentFolders(RecentList::BasePaths().Entries());
    fillList();
    // The open project stays preselected, so that the user sees what "&Löschen" deletes;
    // a namesake in another base folder is not it.
    const QFileInfo open(StripTrailingDelimiter(target));
    const bool below = !target.isEmpty() && open.absolutePath() == QFileInfo(baseFolder).absoluteFilePath();
    const QList<QListWidgetItem*> found = below ? list->findItems(open.fileName(), Qt::MatchExactly)
                                                : QList<QListWidgetItem*>();
    if (!found.isEmpty())
        list->setCurrentItem(found.first());
    list->setFocus();
}

void Loeschen::fillList()
{
    list->clear();
    list->addItems(ListSubfolders(baseFolder));
    list->setCurrentItem(nullptr);
}

void Loeschen::accept()
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty())
        target = baseFolder + QLatin1Char('/') + selected.first()->text();
    // Nothing selected and no project open: there is nothing to delete.
    if (target.isEmpty())
        return;
    QDialog::accept();
}
