#include "settings/ui/Systemeinstellungen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "common/TavolinError.h"
#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "project/ProjectConfig.h"
#include "texts/MessageTable.h"
#include "texts/TextNotation.h"

namespace {

// The words of a key line in the language of the program; the line itself (kept as the
// item's data) stays as the settings read and write it.
constexpr const char* KeyWords[] = {
    QT_TRANSLATE_NOOP("KeyList", "Rastend"), QT_TRANSLATE_NOOP("KeyList", "Tastend"),
    QT_TRANSLATE_NOOP("KeyList", "Extern"),  QT_TRANSLATE_NOOP("KeyList", "Intern"),
    QT_TRANSLATE_NOOP("KeyList", "Grün"),    QT_TRANSLATE_NOOP("KeyList", "Rot"),
    QT_TRANSLATE_NOOP("KeyList", "Blinkend"),
};

QString ShownKeyLine(const QString& line)
{
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    QStringList words = line.mid(tab + 1).split(QLatin1Char(','));
    for (QString& word : words)
        for (const char* known : KeyWords)
            if (word == QString::fromUtf8(known))
                word = QCoreApplication::translate("KeyList", known);
    return line.left(tab + 1) + words.join(QLatin1Char(','));
}

void SetKeyLine(QListWidgetItem* item, const QString& line)
{
    item->setData(Qt::UserRole, line);
    item->setText(ShownKeyLine(line));
}

QString KeyLineOf(const QListWidgetItem* item)
{
    return item->data(Qt::UserRole).toString();
}

QGroupBox* RadioGroup(const QString& title, QRadioButton*& first, const QString& firstText,
                      QRadioButton*& second, const QString& secondText, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    first = new QRadioButton(firstText, group);
    second = new QRadioButton(secondText, group);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

QLineEdit* TimeEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setInputMask(QStringLiteral("9,9;_"));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0,0")) * 3);
    return edit;
}

QLineEdit* AddressEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(TSystemSettings::AddressLength);
    edit->setValidator(new QRegularExpressionValidator(AddressForm(), edit));
    return edit;
}

} // namespace

Systemeinstellungen::Systemeinstellungen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Systemeinstellungen"));
    setWindowTitle(tr("Systemeinstellungen"));

    m_pages = new QTabWidget(this);
    m_pages->addTab(buildGeneralPage(), tr("&Allgemein"));
    m_keyPage = buildKeyPage();
    m_pages->addTab(m_keyPage, tr("&Tastatur Einstellungen"));
    m_otherLines = new QPlainTextEdit(this);
    m_otherLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pages->addTab(m_otherLines, tr("&Weitere"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(MessageBox::OkCancelButtons(this));
    InstallHelpKey(this, HelpContext::SystemSettings);
}

QWidget* Systemeinstellungen::buildGeneralPage()
{
    auto* page = new QWidget(this);
    QGroupBox* selection = RadioGroup(tr("Meldetextauswahl"), m_binary, tr("&Binär"), m_bcd, tr("B&CD"), page);
    QGroupBox* charSet = RadioGroup(tr("Interne Zeichensatz"), m_cpm, tr("CP&M"), m_ibm, tr("&IBM"), page);

    m_brightness = new QComboBox(page);
    m_brightness->addItems(TSystemSettings::Brightnesses);
    auto* brightnessLabel = new QLabel(tr("&Helligkeit:"), page);
    brightnessLabel->setBuddy(m_brightness);
    m_printer = new QCheckBox(tr("&Drucker Ein"), page);

    auto* times = new QGroupBox(tr("Zeiten"), page);
    auto* timeLayout = new QGridLayout(times);
    const std::pair<QString, QLineEdit**> timeRows[] = {
        {tr("Sc&rollzeit:"), &m_scrollTime}, {tr("Blink-&Ein:"), &m_blinkOnTime}, {tr("Blink-A&us:"), &m_blinkOffTime}};
    for (int row = 0; row < 3; ++row) {
        *timeRows[row].second = TimeEdit(times);
        auto* label = new QLabel(timeRows[row].first, times);
        label->setBuddy(*timeRows[row].second);
        timeLayout->addWidget(label, row, 0);
        timeLayout->addWidget(*timeRows[row].second, row, 1);
        timeLayout->addWidget(new QLabel(tr("Sek."), times), row, 2);
    }
    timeLayout->setColumnStretch(3, 1);

    m_addressGroup = new QGroupBox(tr("SPS Adressen"), page);
    auto* addressLayout = new QFormLayout(m_addressGroup);
    m_keyAddress = AddressEdit(m_addressGroup);
    m_ledAddress = AddressEdit(m_addressGroup);
    m_station = AddressEdit(m_addressGroup);
    addressLayout->addRow(tr("Ta&st:"), m_keyAddress);
    addressLayout->addRow(tr("&LED:"), m_ledAddress);
    addressLayout->addRow(tr("Teilnehmer&Nr:"), m_station);

    auto* brightnessRow = new QHBoxLayout;
    brightnessRow->addWidget(brightnessLabel);
    brightnessRow->addWidget(m_brightness);
    brightnessRow->addStretch(1);

    auto* grid = new QGridLayout(page);
    grid->addWidget(selection, 0, 0);
    grid->addWidget(charSet, 0, 1);
    grid->addLayout(brightnessRow, 1, 0);
    grid->addWidget(m_printer, 1, 1);
    grid->addWidget(times, 2, 0);
    grid->addWidget(m_addressGroup, 2, 1, Qt::AlignTop);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* Systemeinstellungen::buildKeyPage()
{
    auto* page = new QWidget(this);
    m_keyList = new QListWidget(page);
    m_keyList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(m_keyList, &QListWidget::itemSelectionChanged, this, &Systemeinstellungen::updateKeyButtons);

    struct Button
    {
        const char* caption;
        quint8 mask;
        bool set;
    };
    static constexpr Button Buttons[] = {
        {QT_TR_NOOP("E&xtrern"), kfExternal, true},     {QT_TR_NOOP("&Intern"), kfExternal, false},
        {QT_TR_NOOP("&Grün"), kfGreen, true},           {QT_TR_NOOP("&Rot"), kfGreen, false},
        {QT_TR_NOOP("Blinken &ein"), kfBlinking, true}, {QT_TR_NOOP("Blinken a&us"), kfBlinking, false},
        {QT_TR_NOOP("Ra&stend"), kfLatching, true},     {QT_TR_NOOP("&Tastend"), kfLatching, false},
    };
    auto* buttons = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        auto* button = new QPushButton(tr(Buttons[i].caption), page);
        button->setAutoDefault(false);
        const Button b = Buttons[i];
        connect(button, &QPushButton::clicked, this, [this, b] { changeSelectedKeys(b.mask, b.set); });
        buttons->addWidget(button, i / 2, i % 2);
        m_keyButtons.append(button);
    }
    auto* selectAll = new QPushButton(tr("A&lles Wählen"), page);
    selectAll->setAutoDefault(false);
    connect(selectAll, &QPushButton::clicked, m_keyList, &QListWidget::selectAll);
    buttons->addWidget(selectAll, 4, 0, 1, 2);
    buttons->setRowStretch(5, 1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_keyList, 1);
    layout->addLayout(buttons);
    return page;
}

void Systemeinstellungen::updateKeyButtons()
{
    const bool any = !m_keyList->selectedItems().isEmpty();
    for (QPushButton* button : m_keyButtons)
        button->setEnabled(any);
}

void Systemeinstellungen::changeSelectedKeys(quint8 mask, bool set)
{
    for (QListWidgetItem* item : m_keyList->selectedItems()) {
        quint8 flags = 0;
        const int key = ParseKeyListLine(KeyLineOf(item), flags);
        SetKeyLine(item, KeyListLine(key, ChangeKey(flags, mask, set)));
    }
}

void Systemeinstellungen::Load(const QList<QByteArray>& lines, const TDisplayType& type)
{
    m_type = type;
    m_settings = ReadSystemSettings(lines);
    const TSystemSettings& s = m_settings;
    (s.bcd ? m_bcd : m_binary)->setChecked(true);
    (s.cpmCharSet ? m_cpm : m_ibm)->setChecked(true);
    m_brightness->setCurrentText(s.brightness);
    m_scrollTime->setText(s.scrollTime);
    m_blinkOnTime->setText(s.blinkOnTime);
    m_blinkOffTime->setText(s.blinkOffTime);
    m_printer->setChecked(s.printer);
    m_keyAddress->setText(s.keyAddress);
    m_ledAddress->setText(s.ledAddress);
    m_station->setText(s.station);
    QStringList other;
    for (const QByteArray& line : s.otherLines)
        other.append(TextNotation::Encode(line));
    m_otherLines->setPlainText(other.join(QLatin1Char('\n')));

    m_keyList->clear();
    // Wide enough for the longest line: the key number up to the first tab stop, then all
    // four words. Measured once the list has its final font.
    m_keyList->ensurePolished();
    const QFontMetrics metrics = m_keyList->fontMetrics();
    constexpr int DefaultTabStop = 80; // what the list's text layout uses without tab settings
    int words = 0;
    for (quint8 flags = 0; flags < 16; ++flags)
        words = std::max(words, metrics.horizontalAdvance(ShownKeyLine(KeyListLine(48, flags)).section(QLatin1Char('\t'), 1)));
    m_keyList->setMinimumWidth(DefaultTabStop + words + m_keyList->verticalScrollBar()->sizeHint().width()
                               + 4 * metrics.averageCharWidth());
    for (const QString& line : KeyList(s, type.keyCount))
        SetKeyLine(new QListWidgetItem(m_keyList), line);
    m_pages->setTabVisible(m_pages->indexOf(m_keyPage), type.keyCount > 0);
    m_addressGroup->setVisible(type.Has(dtPlcAddresses));
    updateKeyButtons();
    m_pages->setCurrentIndex(0);
    m_binary->isChecked() ? m_binary->setFocus() : m_bcd->setFocus();
}

void Systemeinstellungen::accept()
{
    TSystemSettings s = m_settings; // keeps the flags of keys beyond the list
    s.bcd = m_bcd->isChecked();
    s.cpmCharSet = m_cpm->isChecked();
    s.brightness = m_brightness->currentText();
    s.scrollTime = m_scrollTime->text();
    s.blinkOnTime = m_blinkOnTime->text();
    s.blinkOffTime = m_blinkOffTime->text();
    s.printer = m_printer->isChecked();
    s.keyAddress = m_keyAddress->text();
    s.ledAddress = m_ledAddress->text();
    s.station = m_station->text();
    for (int row = 0; row < m_keyList->count(); ++row) {
        quint8 flags = 0;
        const int key = ParseKeyListLine(KeyLineOf(m_keyList->item(row)), flags);
        if (key >= 1 && key <= MaxKeys)
            s.keys[static_cast<size_t>(key - 1)] = flags;
    }
    try {
        s.otherLines.clear();
        const QStringList other = m_otherLines->toPlainText().split(QLatin1Char('\n'));
        for (const QString& line : other) {
            try {
                s.otherLines.append(TextNotation::Decode(line, false));
            } catch (const TavolinError& error) {
                throw TavolinError(tr("Zeile \"%1\": %2").arg(line, error.message()));
            }
        }
        m_lines = WriteSystemSettings(s, m_type);
    } catch (const TavolinError& error) {
        m_pages->setCurrentWidget(m_otherLines);
        m_otherLines->setFocus();
        MessageBox::Error(this, error.message());
        return;
    }
    QDialog::accept();
}

bool Systemeinstellungen::Edit(TProjectState& project, TMessageTable& operatingTexts)
{
    Load(operatingTexts.headerLines[0], project.displayType);
    if (exec() != QDialog::Accepted)
        return false;
    operatingTexts.headerLines[0] = m_lines;
    project.modified = true;
    return true;
}
