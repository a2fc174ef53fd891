#include "project/ui/Projekt_offnen.h"

#include <QComboBox>
#include <QCoreApplication>
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

#include "common/TavolinError.h"
#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "project/DisplayType.h"
#include "project/ProjectFolders.h"
#include "project/RecentList.h"
#include "common/SettingsStore.h"
#include "project/ui/Import1.h"
#include "common/ui/PathBox.h"

namespace {

const char* const FileLabels[Projekt_offnen::FileRows] = {
    QT_TRANSLATE_NOOP("Projekt_offnen", "Sprache1:"), QT_TRANSLATE_NOOP("Projekt_offnen", "Sprache2:"),
    QT_TRANSLATE_NOOP("Projekt_offnen", "Diagnosesprache1:"), QT_TRANSLATE_NOOP("Projekt_offnen", "Diagnosesprache2:")};

TProjectConfig::Field& FileField(TProjectConfig& config, int row)
{
    switch (row) {
    case 0: return config.language1File;
    case 1: return config.language2File;
    case 2: return config.diagLanguage1File;
    default: return config.diagLanguage2File;
    }
}

// Characters no folder or file name may hold on any platform the projects travel to.
bool HasForbiddenCharacter(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name)
        if (c.unicode() < 32 || forbidden.contains(c))
            return true;
    return false;
}

int FindText(const QStringList& names, const QString& text)
{
    const int exact = int(names.indexOf(text));
    if (exact >= 0)
        return exact;
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

int SelectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void SelectRow(QListWidget* list, int row)
{
    const QSignalBlocker blocker(list);
    if (row < 0) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
}

} // namespace

Projekt_offnen::Projekt_offnen(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Projekt_offnen"));
    setWindowTitle(tr("Projekt Öffnen/Neu"));
    state.config = DefaultProjectConfig();

    auto* nameGroup = new QGroupBox(tr("Name"), this);
    projectList = new QListWidget(nameGroup);
    auto* nameGroupLayout = new QVBoxLayout(nameGroup);
    nameGroupLayout->addWidget(projectList);

    auto* nameLabel = new QLabel(tr("Name:"), this);
    nameBox = new QLineEdit(this);
    nameBox->setMaxLength(MaxNameLength);
    nameLabel->setBuddy(nameBox);

    auto* typeGroup = new QGroupBox(tr("Anzeigentyp"), this);
    typeList = new QListWidget(typeGroup);
    auto* typeGroupLayout = new QVBoxLayout(typeGroup);
    typeGroupLayout->addWidget(typeList);

    auto* files = new QGridLayout;
    for (int row = 0; row < FileRows; ++row) {
        FileRow& r = fileRows[size_t(row)];
        r.label = new QLabel(tr(FileLabels[row]), this);
        r.box = new QComboBox(this);
        r.box->setEditable(true);
        r.box->setInsertPolicy(QComboBox::NoInsert);
        r.box->lineEdit()->setMaxLength(MaxFileNameLength);
        r.box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        r.label->setBuddy(r.box);
        r.button = new QPushButton(tr("Importieren..."), this);
        r.button->setAutoDefault(false);
        files->addWidget(r.label, row, 0);
        files->addWidget(r.box, row, 1);
        files->addWidget(r.button, row, 2);
        connect(r.box, &QComboBox::editTextChanged, this, [this] {
            if (!filling)
                updateImportButtons();
        });
        connect(r.button, &QPushButton::clicked, this, [this, row] { importFile(row); });
    }
    files->setColumnStretch(1, 1);

    // The reference project seeds a new project's configuration; it is never shown.
    referenceLabel = new QLabel(tr("Referenz Projekt:"), this);
    referenceBox = new QComboBox(this);
    referenceBox->setEditable(true);
    referenceBox->setInsertPolicy(QComboBox::NoInsert);
    referenceLabel->hide();
    referenceBox->hide();

    pathBox = new PathBox(this);

    okButton = new QPushButton(tr("OK"), this);
    cancelButton = new QPushButton(tr("Abbruch"), this);
    readButton = new QPushButton(tr("Anzeige &Lesen"), this);
    okButton->setDefault(true);
    cancelButton->setAutoDefault(false);
    readButton->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(nameGroup, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(nameBox, 1);
    left->addLayout(nameRow);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addWidget(typeGroup, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(readButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(files);
    auto* reference = new QHBoxLayout;
    reference->addWidget(referenceLabel);
    reference->addWidget(referenceBox, 1);
    layout->addLayout(reference);
    layout->addWidget(pathBox);
    layout->addLayout(buttons);

    setTabOrder(projectList, nameBox);
    setTabOrder(nameBox, typeList);
    setTabOrder(typeList, fileRows[0].box);
    for (int row = 0; row < FileRows; ++row) {
        setTabOrder(fileRows[size_t(row)].box, fileRows[size_t(row)].button);
        if (row + 1 < FileRows)
            setTabOrder(fileRows[size_t(row)].button, fileRows[size_t(row + 1)].box);
    }
    setTabOrder(fileRows[FileRows - 1].button, pathBox->PathEdit());
    setTabOrder(pathBox->PathEdit(), pathBox->BrowseButton());
    setTabOrder(pathBox->BrowseButton(), okButton);
    setTabOrder(okButton, cancelButton);
    setTabOrder(cancelButton, readButton);

    connect(projectList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { nameBox->setText(item->text()); });
    connect(projectList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling && row >= 0)
            nameBox->setText(projectList->item(row)->text());
    });
    connect(projectList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        nameBox->setText(item->text());
        accept();
    });
    connect(nameBox, &QLineEdit::textChanged, this, [this] {
        if (filling)
            return;
        typeChosen = false;
        evaluateName();
    });
    connect(referenceBox, &QComboBox::editTextChanged, this, [this] {
        if (!filling)
            evaluateName();
    });
    connect(typeList, &QListWidget::itemSelectionChanged, this, [this] {
        if (filling)
            return;
        typeChosen = true;
        applyDisplayType();
    });
    connect(pathBox, &PathBox::baseFolderApplied, this, &Projekt_offnen::baseFolderApplied);
    // A file typed into the path box names its project.
    connect(pathBox, &PathBox::fileTyped, this,
            [this](const QString& file) { nameBox->setText(QFileInfo(QFileInfo(file).path()).fileName()); });
    connect(okButton, &QPushButton::clicked, this, &Projekt_offnen::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(readButton, &QPushButton::clicked, this, [this] { confirm(true); });

    InstallHelpKey(this, HelpContext::OpenProject);
    resize(560, 421);
}

QString Projekt_offnen::ProjectFolder() const
{
    return projectFolder;
}

bool Projekt_offnen::FileRowShown(int row) const
{
    return !fileRows[size_t(row)].box->isHidden();
}

void Projekt_offnen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Being restored after minimising is no new showing; nothing is refilled.
    if (event->spontaneous())
        return;
    filling = true;
    baseFolder = StripTrailingDelimiter(SettingsStore::Read(SettingsStore::Key::ProjectBasePath));
    pathBox->SetBaseFolder(baseFolder);
    RecentList::BasePaths().PushFront(baseFolder);
    readFromDisplay = false;
    typeChosen = false;

    {
        const QSignalBlocker blocker(typeList);
        typeList->clear();
        for (const TDisplayType& slot : DisplayTypeTable())
            typeList->addItem(slot.name);
    }
    fillProjects();

    const QString openName = QFileInfo(StripTrailingDelimiter(QDir::fromNativeSeparators(state.folder))).fileName();
    int row = openName.isEmpty() ? -1 : FindText(Items(projectList), openName);
    if (row < 0 && projectList->count() > 0)
        row = 0;
    SelectRow(projectList, row);

    isNewProject = false;
    readButton->setEnabled(false);
    referenceBox->setEnabled(false);

    nameBox->setText(row >= 0 ? projectList->item(row)->text() : QStringLiteral("Default"));
    evaluateName();
    referenceBox->setEditText(SettingsStore::Read(SettingsStore::Key::ReferenceProject));
    evaluateName();

    if (importDialog)
        importDialog->extension = QStringLiteral("txt");
    pathBox->SetRecentFolders(RecentList::BasePaths().Entries());
    filling = false;

    nameBox->setFocus();
    nameBox->selectAll();
}

void Projekt_offnen::fillProjects()
{
    const QStringList projects = ListSubfolders(baseFolder);
    {
        const QSignalBlocker blocker(projectList);
        projectList->clear();
        projectList->addItems(projects);
    }
    const QSignalBlocker blocker(referenceBox);
    const QString reference = referenceBox->currentText();
    referenceBox->clear();
    referenceBox->addItems(projects);
    referenceBox->setCurrentIndex(-1);
    referenceBox->setEditText(reference);
}

bool Projekt_offnen::readConfig(const QString& folder)
{
    // While the user types, a configuration that cannot be read shows the defaults;
    // opening the project then says what is wrong with it.
    try {
        return ReadProjectConfig(folder, state.config);
    } catch (const TavolinError&) {
        state.config = DefaultProjectConfig();
        return false;
    }
}

void Projekt_offnen::evaluateName()
{
    const bool wasFilling = filling;
    filling = true;
    state.config = DefaultProjectConfig();
    state.modified = true;

    const QString name = nameBox->text();
    const int row = FindText(Items(projectList), name);
    if (row < 0) {
        isNewProject = true;
        SelectRow(projectList, -1);
        readButton->setEnabled(true);
        referenceBox->setEnabled(true);
        const QString reference = referenceBox->currentText();
        if (!reference.isEmpty())
            readConfig(baseFolder + QLatin1Char('/') + reference);
        projectFolder = baseFolder + QLatin1Char('/') + name;
    } else {
        isNewProject = false;
        SelectRow(projectList, row);
        readButton->setEnabled(false);
        referenceBox->setEnabled(false);
        // Where letter case matters to the file system, only the listed spelling names the folder.
        const QString typed = baseFolder + QLatin1Char('/') + name;
        projectFolder = QFileInfo(typed).isDir() ? typed
                                                 : baseFolder + QLatin1Char('/') + projectList->item(row)->text();
        if (readConfig(projectFolder))
            state.modified = false;
    }

    for (int file = 0; file < FileRows; ++file) {
        refillFileBox(file);
        const QSignalBlocker blocker(fileRows[size_t(file)].box);
        fileRows[size_t(file)].box->setEditText(
            StripExtension(TProjectConfig::Get(FileField(state.config, file))).left(MaxFileNameLength));
    }

    const QString typeName = TProjectConfig::Get(state.config.displayTypeName);
    int typeRow = -1;
    for (int slot = 0; slot < DisplayTypeSlots; ++slot) {
        if (DisplayTypeTable()[size_t(slot)].name.compare(typeName, Qt::CaseInsensitive) == 0) {
            typeRow = slot;
            break;
        }
    }
    SelectRow(typeList, typeRow);
    applyDisplayType();
    updateImportButtons();
    filling = wasFilling;
}

void Projekt_offnen::applyDisplayType()
{
    const int row = SelectedRow(typeList);
    if (row < 0 || row >= DisplayTypeSlots)
        return;
    state.displayType = DisplayTypeTable()[size_t(row)];
    showFileRows(state.displayType.flags);
}

void Projekt_offnen::showFileRows(quint8 flags)
{
    const bool diagnostic = (flags & dtDiagnosticTexts) != 0;
    const bool shown[FileRows] = {true, diagnostic || (flags & dtSecondLanguage) != 0, diagnostic, diagnostic};
    bool changed = false;
    for (int row = 0; row < FileRows; ++row) {
        FileRow& r = fileRows[size_t(row)];
        if (r.box->isHidden() == shown[row]) {
            changed = true;
            r.label->setVisible(shown[row]);
            r.box->setVisible(shown[row]);
            r.button->setVisible(shown[row]);
        }
    }
    if (changed) {
        layout()->activate();
        resize(width(), qMax(minimumSizeHint().height(), sizeHint().height()));
    }
}

void Projekt_offnen::refillFileBox(int row)
{
    QComboBox* box = fileRows[size_t(row)].box;
    const QSignalBlocker blocker(box);
    const QString text = box->currentText();
    box->clear();
    box->addItems(ListFilesByExtension(projectFolder, QStringLiteral("txt")));
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

void Projekt_offnen::updateImportButtons()
{
    for (FileRow& r : fileRows) {
        const QStringList names = Items(r.box);
        const QString text = r.box->currentText();
        const bool present = std::any_of(names.begin(), names.end(), [&text](const QString& name) {
            return name.compare(text, Qt::CaseInsensitive) == 0;
        });
        r.button->setEnabled(!present);
    }
}

void Projekt_offnen::importFile(int row)
{
    if (!importDialog)
        return;
    importDialog->targetPath = projectFolder + QLatin1Char('/') + fileRows[size_t(row)].box->currentText();
    importDialog->extension = QStringLiteral("txt");
    importDialog->charSetMode = false;
    importDialog->exec();
    if (row < 2) {
        refillFileBox(0);
        refillFileBox(1);
    } else {
        refillFileBox(row);
    }
    updateImportButtons();
}

void Projekt_offnen::baseFolderApplied(const QString& folder)
{
    baseFolder = folder;
    filling = true;
    fillProjects();
    filling = false;
    // The name now means a project of the new folder; what was read for the old one is stale.
    // A display type the user picked for this name stays picked.
    const int chosenType = typeChosen ? SelectedRow(typeList) : -1;
    evaluateName();
    if (chosenType >= 0) {
        SelectRow(typeList, chosenType);
        applyDisplayType();
    }
}

void Projekt_offnen::accept()
{
    confirm(false);
}

bool Projekt_offnen::checkNames()
{
    const QString name = nameBox->text();
    if (isNewProject && !ProjectNameError(name).isEmpty()) {
        MessageBox::Error(this, ProjectNameError(name));
        nameBox->setFocus();
        return false;
    }
    for (const FileRow& r : fileRows) {
        const QString file = r.box->currentText();
        if (r.box->isHidden() || !HasForbiddenCharacter(file) || Items(r.box).contains(file))
            continue;
        MessageBox::Error(this,
                          tr("Der Dateiname \"%1\" ist ungültig.\rEr darf keines der Zeichen "
                             "\\ / : * ? \" < > | enthalten.")
                              .arg(file));
        r.box->setFocus();
        return false;
    }
    const QString folder = QDir::cleanPath(projectFolder);
    if (!ProjectPathError(folder).isEmpty()) {
        MessageBox::Error(this, ProjectPathError(folder));
        return false;
    }
    return true;
}

bool Projekt_offnen::confirm(bool fromDisplay)
{
    SettingsStore::Write(SettingsStore::Key::ReferenceProject, referenceBox->currentText());
    const int row = SelectedRow(typeList);
    if (row < 0 || row >= DisplayTypeSlots) {
        MessageBox::Error(this, tr("Bitte wählen Sie einen Anzeigentyp aus."));
        typeList->setFocus();
        return false;
    }
    if (!checkNames())
        return false;
    const TDisplayType& slot = DisplayTypeTable()[size_t(row)];
    SettingsStore::Write(SettingsStore::Key::DefaultDisplayType, slot.name);
    state.folder = QDir::cleanPath(projectFolder);
    state.displayType = slot;
    if (slot.name.compare(TProjectConfig::Get(state.config.displayTypeName), Qt::CaseInsensitive) != 0) {
        TProjectConfig::Set(state.config.displayTypeName, slot.name);
        state.modified = true;
    }
    for (int file = 0; file < FileRows; ++file)
        TProjectConfig::Set(FileField(state.config, file),
                            fileRows[size_t(file)].box->currentText() + QStringLiteral(".txt"));
    readFromDisplay = fromDisplay && isNewProject;
    QDialog::accept();
    return true;
}
