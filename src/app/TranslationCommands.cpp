#include "app/TranslationCommands.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMainWindow>
#include <QStatusBar>

#include "app/CellEdit.h"
#include "app/EditCommands.h"
#include "app/MainActions.h"
#include "app/MessageView.h"
#include "common/AtomicFile.h"
#include "common/TavolinError.h"
#include "common/ui/MessageBox.h"
#include "session/ProjectSession.h"
#include "session/ProjectTranslation.h"
#include "texts/ui/TranslationReportDialog.h"

TranslationCommands::TranslationCommands(ProjectSession& session, MessageView& view, EditCommands& edit,
                                         QMainWindow& window)
    : QObject(&window), m_session(session), m_view(view), m_edit(edit), m_window(window)
{
}

void TranslationCommands::Connect(MainActions& actions)
{
    connect(actions.exportTranslation, &QAction::triggered, this, &TranslationCommands::Export);
    connect(actions.importTranslation, &QAction::triggered, this, &TranslationCommands::Import);
    connect(actions.translationStatus, &QAction::triggered, this, &TranslationCommands::ShowStatus);
}

void TranslationCommands::Export()
{
    if (!m_session.IsOpen())
        return;
    m_view.CellEdit().StoreCellEdit(*m_session.CurrentTable());
    try {
        const Translation::Project project = ProjectTranslation::View(m_session, 0, 1);
        const Translation::Record before = Translation::Record::Read(m_session.project.folder);
        Translation::Record record = before;
        if (record.sourceLanguage.isEmpty() || record.targetLanguage.isEmpty()) {
            bool ok = false;
            const QString codes = QInputDialog::getText(
                &m_window, tr("Für Übersetzung exportieren"),
                tr("Sprachcodes von Sprache1 und Sprache2 (wie \"de en\"):"), QLineEdit::Normal,
                QStringLiteral("de en"), &ok);
            if (!ok)
                return;
            const QStringList parts = codes.simplified().split(QLatin1Char(' '));
            if (parts.size() != 2)
                throw TavolinError(tr("Bitte zwei Sprachcodes angeben, durch ein Leerzeichen getrennt."));
            record.sourceLanguage = ProjectTranslation::CheckLanguageCode(parts[0]);
            record.targetLanguage = ProjectTranslation::CheckLanguageCode(parts[1]);
        }
        const QString suggested = QDir(m_session.project.folder).filePath(
            QFileInfo(m_session.project.folder).fileName() + QStringLiteral("-") + record.targetLanguage
            + QStringLiteral(".xlf"));
        const QString path = QFileDialog::getSaveFileName(&m_window, tr("Für Übersetzung exportieren"), suggested,
                                                          tr("XLIFF (*.xlf *.xliff);;CSV (*.csv)"));
        if (path.isEmpty())
            return;
        const QByteArray bytes = ProjectTranslation::Export(
            project, ProjectTranslation::Tables(m_session, QStringLiteral("all")), ProjectTranslation::FormatOf(path),
            {record.sourceLanguage, record.targetLanguage}, record);
        ReplaceFileBytes(path, bytes, tr("Die Übersetzungsdatei kann nicht geschrieben werden."));
        if (!(record == before))
            record.Write(m_session.project.folder);
        m_window.statusBar()->showMessage(tr("Exportiert: %1").arg(QDir::toNativeSeparators(path)), 10000);
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_window, error.message());
    }
}

void TranslationCommands::Import()
{
    if (!m_session.IsOpen())
        return;
    const QString path = QFileDialog::getOpenFileName(&m_window, tr("Übersetzung importieren"), m_session.project.folder,
                                                      tr("Übersetzungen (*.xlf *.xliff *.csv);;Alle Dateien (*)"));
    if (path.isEmpty())
        return;
    m_view.CellEdit().EndCellEdit(*m_session.CurrentTable());
    try {
        const TranslationFile::Content content = ProjectTranslation::Read(path, ProjectTranslation::FormatOf(path));
        const int source = content.source == 2 ? 1 : 0;
        const Translation::Project project = ProjectTranslation::View(m_session, source, 1 - source);
        Translation::Record record = Translation::Record::Read(m_session.project.folder);
        const Translation::Plan plan = Translation::Check(project, content.entries);
        TranslationReportDialog dialog(plan, QDir::toNativeSeparators(path), &m_window);
        if (dialog.exec() != QDialog::Accepted || plan.texts.empty())
            return;
        const int firstNumber = plan.texts.begin()->first.second;
        const int firstTable = plan.texts.begin()->first.first;
        m_session.history.Record(
            tr("Übersetzung importieren"), SessionSnapshot::OperatingTexts | SessionSnapshot::DiagnosticTexts,
            [&] {
                if (Translation::Apply(plan, {m_session.Table(0), m_session.Table(1)}, project.target))
                    m_session.MarkModified();
            },
            {firstTable, firstNumber, project.target});
        Translation::NoteTaken(plan, project, record);
        record.Write(m_session.project.folder);
        m_session.Notify(ProjectSession::TablesChanged);
        // The grid shows the first message that changed.
        if (firstTable == 0)
            m_edit.ShowMessage(firstNumber, project.target);
        else
            m_edit.ShowTable(firstTable);
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_window, error.message());
    }
}

void TranslationCommands::ShowStatus()
{
    if (!m_session.IsOpen())
        return;
    m_view.CellEdit().StoreCellEdit(*m_session.CurrentTable());
    try {
        const Translation::Project project = ProjectTranslation::View(m_session, 0, 1);
        const Translation::Record record = Translation::Record::Read(m_session.project.folder);
        QStringList parts;
        for (const int table : ProjectTranslation::Tables(m_session, QStringLiteral("all"))) {
            const Translation::TableStatus status = Translation::Status(project, table, record);
            parts += tr("%1: %2 ohne Übersetzung, %3 veraltet, %4 zu lang")
                         .arg(table == 0 ? tr("Betriebstexte") : tr("Diagnosetexte"))
                         .arg(status.missing)
                         .arg(status.outdated)
                         .arg(status.tooLong);
        }
        m_window.statusBar()->showMessage(parts.join(QStringLiteral(" · ")), 30000);
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_window, error.message());
    }
}
