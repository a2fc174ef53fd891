#include "dialogs/Versioninfo.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/Help.h"
#include "dialogs/ModuleInfo.h"

Versioninfo::Versioninfo(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Versioninfo"));
    setWindowTitle(tr("Versioninfo"));

    table = new QTableWidget(0, 3, this);
    table->setHorizontalHeaderLabels({tr("Modulname"), tr("Version"), tr("Hersteller und Copyright bei")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->setShowGrid(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(RowHeight);
    table->verticalHeader()->setDefaultSectionSize(RowHeight);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setHighlightSections(false);
    // The last column takes the rest of the width, so that its heading is never cut.
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(0, 235);
    table->setColumnWidth(1, 59);
    table->setColumnWidth(2, 156);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setMinimumSize(235 + 59 + 156 + 60, 16 * 12);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setIcon(QIcon());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);

    InstallHelpKey(this, HelpContext::Contents);
}

void Versioninfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Being restored after minimising is no new showing; nothing is refilled.
    if (event->spontaneous())
        return;
    fill();
}

void Versioninfo::fill()
{
    const QStringList paths = modules.isEmpty() ? ModuleInfo::LoadedModules() : modules;
    table->setRowCount(0);
    table->setRowCount(int(paths.size()));
    int row = 0;
    for (const QString& path : paths) {
        const TModuleVersion info = ModuleInfo::Read(path);
        const QString name = info.productName.isEmpty() ? info.fileName
                                                        : info.productName + QStringLiteral(" (") + info.fileName
                                                              + QLatin1Char(')');
        const QString texts[] = {name, info.fileVersion, info.companyName};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setToolTip(column == 0 ? path : texts[column]);
            table->setItem(row, column, item);
        }
        table->setRowHeight(row, RowHeight);
        ++row;
    }
    // No text is cut: each column is as wide as its longest text, and the window grows
    // to show them all as far as the screen allows (beyond that the table scrolls).
    const int least[] = {235, 59, 156};
    int needed = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < 3; ++column) {
        table->resizeColumnToContents(column);
        const int columnWidth = std::max(least[column], table->columnWidth(column));
        table->setColumnWidth(column, columnWidth);
        needed += columnWidth;
    }
    const int grow = needed - table->width();
    if (grow > 0) {
        const int room = screen() ? screen()->availableGeometry().width() - frameGeometry().width() + width() : width() + grow;
        resize(std::min(width() + grow, room), height());
    }
}
