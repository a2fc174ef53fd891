#include "transfer/ui/DisplayCompareDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "texts/TextNotation.h"

namespace {

constexpr int NumberRole = Qt::UserRole;
constexpr int LanguageRole = Qt::UserRole + 1;

QTreeWidgetItem* Add(QTreeWidgetItem* parent, const QString& text)
{
    auto* item = new QTreeWidgetItem(parent, QStringList{text});
    item->setData(0, NumberRole, -1);
    return item;
}

QTreeWidgetItem* AddMessage(QTreeWidgetItem* parent, const QString& text, int number, int language)
{
    QTreeWidgetItem* item = Add(parent, text);
    item->setData(0, NumberRole, number);
    item->setData(0, LanguageRole, language);
    return item;
}

QString OneLine(const QByteArray& text)
{
    return TextNotation::Encode(text).replace(QLatin1Char('\n'), QStringLiteral(" ⏎ "));
}

} // namespace

DisplayCompareDialog::DisplayCompareDialog(const DisplayComparison& result, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Anzeige vergleichen"));
    auto* summary = new QLabel(result.Equal() ? tr("Projekt und Anzeige stimmen überein.")
                                              : tr("Projekt und Anzeige sind verschieden."),
                               this);
    list = new QTreeWidget(this);
    list->setHeaderHidden(true);
    list->setColumnCount(1);
    list->setMinimumSize(520, 320);

    if (result.settingsCompared) {
        const bool same = result.projectSettings == result.displaySettings;
        auto* section = new QTreeWidgetItem(
            list, QStringList{same ? tr("Systemeinstellungen: gleich") : tr("Systemeinstellungen: verschieden")});
        if (!same) {
            QTreeWidgetItem* mine = Add(section, tr("Projekt"));
            for (const QByteArray& line : result.projectSettings)
                Add(mine, TextNotation::Encode(line));
            QTreeWidgetItem* theirs = Add(section, tr("Anzeige"));
            for (const QByteArray& line : result.displaySettings)
                Add(theirs, TextNotation::Encode(line));
        }
    }
    for (const TableDifference& t : result.tables) {
        auto* section =
            new QTreeWidgetItem(list, QStringList{t.Title() + (t.Equal() ? tr(": gleich") : tr(": verschieden"))});
        for (const int n : t.OnlyLeft())
            AddMessage(section, tr("Meldung %1: nur im Projekt").arg(n), n, t.language);
        for (const int n : t.OnlyRight())
            AddMessage(section, tr("Meldung %1: nur in der Anzeige").arg(n), -1, t.language);
        for (const MessageDifference& d : t.Changed()) {
            QTreeWidgetItem* item =
                AddMessage(section, tr("Meldung %1: verschieden").arg(d.number), d.number, t.language);
            AddMessage(item, tr("Projekt: ") + OneLine(d.left), d.number, t.language);
            AddMessage(item, tr("Anzeige: ") + OneLine(d.right), d.number, t.language);
        }
    }
    if (result.charSetCompared) {
        QStringList codes;
        for (const int code : result.CharSetCodes())
            codes.append(QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper());
        new QTreeWidgetItem(list,
                            QStringList{codes.isEmpty() ? tr("Zeichensatz: gleich")
                                                        : tr("Zeichensatz: verschieden bei den Codes (hex) ")
                                                + codes.join(QStringLiteral(", "))});
    }
    if (result.diagnosticSkipped)
        new QTreeWidgetItem(list,
                            QStringList{tr("Diagnosetexte: nicht verglichen (eine Anzeige sendet sie nicht zurück)")});
    list->expandAll();
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(this);
    showButton = buttons->addButton(tr("Meldung zeigen"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Schließen"), QDialogButtonBox::RejectRole);
    showButton->setEnabled(false);
    connect(showButton, &QPushButton::clicked, this, &DisplayCompareDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QTreeWidget::currentItemChanged, this, &DisplayCompareDialog::updateButton);
    connect(list, &QTreeWidget::itemActivated, this, &DisplayCompareDialog::choose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list);
    layout->addWidget(buttons);
    InstallHelpKey(this, HelpContext::TransferSelection);
    list->setFocus();
}

int DisplayCompareDialog::NumberOf(const QTreeWidgetItem* item)
{
    // Section rows carry no number.
    const QVariant number = item ? item->data(0, NumberRole) : QVariant();
    return number.isValid() ? number.toInt() : -1;
}

void DisplayCompareDialog::updateButton()
{
    showButton->setEnabled(NumberOf(list->currentItem()) >= 0);
}

void DisplayCompareDialog::choose()
{
    const QTreeWidgetItem* item = list->currentItem();
    // Only messages the project has can be shown in its grid.
    if (NumberOf(item) < 0)
        return;
    chosenNumber = NumberOf(item);
    chosenLanguage = item->data(0, LanguageRole).toInt();
    accept();
}
