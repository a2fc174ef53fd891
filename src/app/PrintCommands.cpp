#include "app/PrintCommands.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/CellEdit.h"
#include "app/MainActions.h"
#include "app/MessageView.h"
#include "common/TavolinError.h"
#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "print/MessageListPrint.h"
#include "session/ProjectSession.h"
#include "texts/MessageTable.h"

namespace {

void PreparePrinter(QPrinter& printer, const MessageListSource& source)
{
    printer.setDocName(MessageListJobTitle(source));
    printer.setCreator(QStringLiteral("Tavolin"));
    SetMessageListPageLayout(printer, DefaultMessageListPageSize());
}

// "<project>-<table>-<language>.pdf" in the base folder, for printing into a file. The
// words are those of the files, in every language of the window.
QString PrintFileProposal(const ProjectSession& session, int language)
{
    const QFileInfo folder(session.project.folder);
    return folder.path() + QLatin1Char('/') + folder.fileName()
         + QLatin1String(session.currentTable == 0 ? "-Betriebstexte-Sprache" : "-Diagnosetexte-Sprache")
         + QString::number(language + 1) + QStringLiteral(".pdf");
}

} // namespace

PrintCommands::PrintCommands(ProjectSession& session, MessageView& view, QWidget& parent)
    : QObject(&parent), m_session(session), m_view(view), m_parent(parent)
{
}

void PrintCommands::Connect(MainActions& actions)
{
    const auto wire = [this](QMenu* menu, void (PrintCommands::*command)(int)) {
        const QList<QAction*> entries = menu->actions();
        for (int language = 0; language < entries.size(); ++language)
            connect(entries[language], &QAction::triggered, this, [this, command, language] { (this->*command)(language); });
    };
    wire(actions.printMenu, &PrintCommands::Print);
    wire(actions.previewMenu, &PrintCommands::Preview);
    wire(actions.pdfMenu, &PrintCommands::SavePdf);
}

bool PrintCommands::source(int language, MessageListSource& result)
{
    ProjectSession& session = m_session;
    if (!session.IsOpen() || language >= session.project.displayType.LanguageCount())
        return false;
    // The open edit belongs to the list.
    m_view.CellEdit().StoreCellEdit(*session.CurrentTable());
    result.table = session.CurrentTable();
    result.language = language;
    result.standardFont = session.standard.font;
    result.graphicsFont = session.graphics.font;
    result.lineLength = session.project.displayType.lineLength;
    result.displayTypeName = TProjectConfig::Get(session.project.config.displayTypeName);
    result.charSetPath = session.PixPath(session.CharSetName());
    result.started = QDateTime::currentDateTime();
    try {
        CheckPrintable(result);
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
        return false;
    }
    return true;
}

void PrintCommands::report(const MessageListPrintResult& result)
{
    if (result.tooTall.isEmpty())
        return;
    QStringList numbers;
    for (const int number : result.tooTall)
        numbers << QString::number(number);
    MessageBox::Error(&m_parent,
                      tr("Meldung %1 ist zu lang für eine Seite und wurde nicht gedruckt; "
                         "alle anderen Meldungen wurden gedruckt.")
                          .arg(numbers.join(QStringLiteral(", "))));
}

void PrintCommands::Print(int language)
{
    MessageListSource list;
    if (!source(language, list))
        return;
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, list);
    // The print dialog makes its file name of the job title, which holds the whole path of
    // the text file: no folder of that name exists. Where the PDF printer is the only one,
    // it is the one chosen, with this name; otherwise its box gets the name.
    const QString file = PrintFileProposal(m_session, language);
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(file);
    QPrintDialog dialog(&printer, &m_parent);
    if (auto* fileBox = dialog.findChild<QLineEdit*>(QStringLiteral("filename")); fileBox && printer.outputFileName().isEmpty())
        fileBox->setText(file);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    InstallHelpKey(&dialog, HelpContext::Print);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        report(PrintMessageList(printer, list));
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
    }
}

void PrintCommands::Preview(int language)
{
    MessageListSource list;
    if (!source(language, list))
        return;
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, list);
    QPrintPreviewDialog dialog(&printer, &m_parent);
    dialog.setWindowTitle(tr("Druckvorschau - ") + MessageListJobTitle(list));
    MessageListPrintResult result;
    QString failure;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* target) {
        try {
            result = PrintMessageList(*target, list);
        } catch (const TavolinError& error) {
            failure = error.message();
        }
    });
    InstallHelpKey(&dialog, HelpContext::Print);
    dialog.resize(m_parent.size() * 9 / 10);
    dialog.exec();
    if (!failure.isEmpty())
        MessageBox::Error(&m_parent, failure);
    report(result);
}

void PrintCommands::SavePdf(int language)
{
    MessageListSource list;
    if (!source(language, list))
        return;
    const QString proposal = m_session.project.folder + QLatin1Char('/')
                           + QFileInfo(list.table->fileName[size_t(language)]).completeBaseName() + QStringLiteral(".pdf");
    const QString path =
        QFileDialog::getSaveFileName(&m_parent, tr("Als PDF speichern"), proposal, tr("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        report(WriteMessageListPdf(path, list, DefaultMessageListPageSize()));
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
    }
}
