#include "project/ui/Speichernunter.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "common/SettingsStore.h"
#include "common/ui/PathBox.h"
#include "project/ProjectFolders.h"
#include "project/RecentList.h"

Speichernunter::Speichernunter(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Speichernunter"));
    setWindowTitle(tr("Projekt Speichern unter"));

    auto* group = new QGroupBox(tr("Name"), this);
    list = new QListWidget(group);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(list);
    auto* nameLabel = new QLabel(tr("Name:"), this);
    nameBox = new QLineEdit(this);
    nameLabel->setBuddy(nameBox);
    pathBox = new PathBox(this);
    okButton = new QPushButton(tr("OK"), this);
    auto* cancelButton = new QPushButton(tr("Abbruch"), this);
    okButton->setDefault(true);
    cancelButton->setAutoDefault(false);

    auto* name = new QHBoxLayout;
    name->addWidget(nameLabel);
    name->addWidget(nameBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(name);
    layout->addWidget(pathBox);
    layout->addLayout(buttons);
    resize(460, 420);

    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { nameBox->setText(item->text()); });
    connect(list, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && list->hasFocus())
            nameBox->setText(text);
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        nameBox->setText(item->text());
        accept();
    });
    connect(nameBox, &QLineEdit::textChanged, this, &Speichernunter::selectName);
    connect(pathBox, &PathBox::baseFolderApplied, this, [this](const QString& folder) {
        baseFolder = folder;
        fillList();
        selectName(nameBox->text());
    });
    connect(okButton, &QPushButton::clicked, this, &Speichernunter::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, HelpContext::OpenProject);
}

void Speichernunter::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    baseFolder = StripTrailingDelimiter(SettingsStore::Read(SettingsStore::Key::ProjectBasePath));
    pathBox->SetBaseFolder(baseFolder);
    pathBox->SetRecentFolders(RecentList::BasePaths().Entries());
    fillList();
    const QString openName = QFileInfo(StripTrailingDelimiter(target)).fileName();
    const QList<QListWidgetItem*> found = openName.isEmpty() ? QList<QListWidgetItem*>()
                                                             : list->findItems(openName, Qt::MatchFixedString);
    nameBox->setText(found.isEmpty() ? QStringLiteral("Default") : found.first()->text());
    nameBox->selectAll();
    nameBox->setFocus();
}

void Speichernunter::fillList()
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(ListSubfolders(baseFolder));
}

void Speichernunter::selectName(const QString& name)
{
    const QSignalBlocker blocker(list);
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchFixedString);
    list->setCurrentItem(found.isEmpty() ? nullptr : found.first());
    if (found.isEmpty())
        list->clearSelection();
}

void Speichernunter::accept()
{
    // An empty name would make the base folder itself the project folder.
    const QString name = nameBox->text().trimmed();
    QString error = ProjectNameError(name);
    const QString folder = QDir::cleanPath(baseFolder + QLatin1Char('/') + name);
    if (error.isEmpty())
        error = ProjectPathError(folder);
    if (baseFolder.isEmpty())
        error = tr("Bitte geben Sie den Pfad an, unter dem das Projekt gespeichert wird.");
    if (!error.isEmpty()) {
        MessageBox::Error(this, error);
        nameBox->setFocus();
        return;
    }
    target = folder;
    QDialog::accept();
}
