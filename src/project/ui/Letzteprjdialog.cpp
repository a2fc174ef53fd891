#include "project/ui/Letzteprjdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/TavolinError.h"
#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "project/DisplayType.h"
#include "project/RecentList.h"

Letzteprjdialog::Letzteprjdialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Letzteprjdialog"));
    setWindowTitle(tr("zuletzt bearbeitete Projekte"));
    state.config = DefaultProjectConfig();

    list = new QListWidget(this);
    openButton = new QPushButton(tr("Ö&ffnen"), this);
    cancelButton = new QPushButton(tr("Abbruch"), this);
    openButton->setDefault(true);
    cancelButton->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(openButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    resize(520, 280);

    connect(list, &QListWidget::itemDoubleClicked, this, &Letzteprjdialog::accept);
    // Nothing chosen, nothing to open: an empty list leaves only "Abbruch".
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this] { openButton->setEnabled(!list->selectedItems().isEmpty()); });
    connect(openButton, &QPushButton::clicked, this, &Letzteprjdialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    InstallHelpKey(this, HelpContext::OpenProject);
}

void Letzteprjdialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Being restored after minimising is no new showing; nothing is refilled.
    if (event->spontaneous())
        return;
    list->clear();
    const QStringList entries = RecentList::Projects().Entries();
    for (const QString& entry : entries) {
        auto* item = new QListWidgetItem(QDir::toNativeSeparators(entry), list);
        item->setData(Qt::UserRole, entry);
    }
    if (list->count() > 0)
        list->setCurrentRow(0);
    openButton->setEnabled(!list->selectedItems().isEmpty());
    list->setFocus();
}

void Letzteprjdialog::accept()
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const QString path = selected.first()->data(Qt::UserRole).toString();
    if (!QFileInfo(path).isDir()) {
        // A folder moved or deleted outside the editor; the entry would only fail again.
        RecentList::Projects().Remove(path);
        delete selected.first();
        MessageBox::Error(this,
                          tr("Das Projekt\r\"%1\"\rgibt es nicht mehr; es wurde aus der Liste entfernt.")
                              .arg(QDir::toNativeSeparators(path)));
        return;
    }
    TProjectState chosen;
    chosen.config = DefaultProjectConfig();
    chosen.modified = true;
    chosen.folder = path.left(TProjectState::MaxFolder);
    try {
        if (ReadProjectConfig(chosen.folder, chosen.config))
            chosen.modified = false;
    } catch (const TavolinError& error) {
        MessageBox::Error(this, error.message());
        return;
    }
    const QString typeName = TProjectConfig::Get(chosen.config.displayTypeName);
    if (typeName.isEmpty() || !FindDisplayType(typeName, chosen.displayType)) {
        // A project that names no known type can only be opened by picking a type for it.
        MessageBox::Error(this,
                          tr("Der Anzeigentyp \"%1\" des Projekts\r\"%2\"\rist unbekannt.\r"
                             "Öffnen Sie das Projekt mit \"Öffnen/Neu...\" und wählen Sie dort "
                             "einen Anzeigentyp.")
                              .arg(typeName, QDir::toNativeSeparators(path)));
        return;
    }
    state = chosen;
    QDialog::accept();
}
