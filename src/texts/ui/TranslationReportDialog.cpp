#include "texts/ui/TranslationReportDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
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
    QString text = tr("<b>%1</b><br>Zu übernehmen: %2 Zeilen; unverändert: %3; ohne Übersetzung: %4.")
                       .arg(fileName.toHtmlEscaped())
                       .arg(plan.taken.size())
                       .arg(plan.unchanged)
                       .arg(plan.empty);
    if (plan.HasErrors())
        text += QStringLiteral("<br>")
            + tr("Fehler in der Datei: %1. \"Übernehmen, was passt\" lässt davon %2 Zeilen aus; Zeichen, die die "
                 "Anzeige nicht hat, werden durch das nächstliegende ersetzt.")
                  .arg(plan.errors.size())
                  .arg(plan.left.size());
    summary->setText(text);
    layout->addWidget(summary);

    // Long reasons wrap instead of hiding behind a scroll bar.
    auto* list = new QTextBrowser(this);
    list->setObjectName(QStringLiteral("findings"));
    QString html;
    const auto addGroup = [&](const QString& title, const QStringList& lines) {
        if (lines.isEmpty())
            return;
        html += QStringLiteral("<p><b>%1</b></p><ul>").arg(title.arg(lines.size()).toHtmlEscaped());
        for (const QString& line : lines)
            html += QStringLiteral("<li>%1</li>").arg(line.toHtmlEscaped());
        html += QStringLiteral("</ul>");
    };
    QStringList errors;
    for (const Translation::Finding& finding : plan.errors)
        errors += finding.text;
    addGroup(tr("Fehler (%1)"), errors);
    addGroup(tr("Wird übernommen (%1)"), plan.taken);
    list->setHtml(html);
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
