#include "texts/ui/TranslationReportDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TranslationReportDialog::TranslationReportDialog(const Translation::Plan& plan, const QString& fileName,
                                                 QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Übersetzung importieren"));
    setObjectName(QStringLiteral("translationReport"));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->setObjectName(QStringLiteral("summary"));
    QString text = tr("<b>%1</b><br>%2 Zeilen werden übernommen, %3 sind unverändert, %4 ohne Übersetzung.")
                       .arg(fileName.toHtmlEscaped())
                       .arg(plan.taken.size())
                       .arg(plan.unchanged)
                       .arg(plan.empty);
    if (plan.HasErrors())
        text += QStringLiteral("<br>")
            + tr("Die Datei enthält %1 Fehler. \"Übernehmen, was passt\" lässt %2 Zeilen aus; Zeichen, die die "
                 "Anzeige nicht hat, werden durch das nächstliegende ersetzt.")
                  .arg(plan.errors.size())
                  .arg(plan.left.size());
    summary->setText(text);
    layout->addWidget(summary);

    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("findings"));
    list->setHeaderHidden(true);
    list->setRootIsDecorated(true);
    const auto addGroup = [&](const QString& title, const QStringList& lines) {
        if (lines.isEmpty())
            return;
        auto* group = new QTreeWidgetItem(list, {title.arg(lines.size())});
        for (const QString& line : lines)
            new QTreeWidgetItem(group, {line});
        group->setExpanded(true);
    };
    QStringList errors;
    for (const Translation::Finding& finding : plan.errors)
        errors += finding.text;
    addGroup(tr("Fehler (%1)"), errors);
    addGroup(tr("Wird übernommen (%1)"), plan.taken);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    layout->addWidget(list, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* take = buttons->addButton(plan.HasErrors() ? tr("Übernehmen, was passt") : tr("Übernehmen"),
                                           QDialogButtonBox::AcceptRole);
    take->setObjectName(QStringLiteral("take"));
    take->setEnabled(!plan.texts.empty());
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)->setDefault(plan.HasErrors());
    take->setDefault(!plan.HasErrors());
    const bool errorsShown = plan.HasErrors();
    connect(buttons, &QDialogButtonBox::accepted, this, [this, errorsShown] {
        m_force = errorsShown;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 420);
}
