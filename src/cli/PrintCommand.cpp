#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "common/ProgramFolder.h"
#include "common/TavolinError.h"
#include "print/MessageListPrint.h"
#include "texts/MessageTable.h"
#include "session/ProjectSession.h"

namespace {

const char* const UsageLine = QT_TRANSLATE_NOOP("PrintCommand",
    "Aufruf:\n"
    "  tavolin-cli print PROJEKTORDNER --language 1|2 [--table betrieb|diagnose]\n"
    "                    --pdf AUSGABE.pdf [--page-size A4|Letter]\n");

const char* const Description = QT_TRANSLATE_NOOP("PrintCommand",
    "Schreibt die Meldungsliste einer Sprache als PDF-Datei, mit denselben Seiten wie\n"
    "\"Als PDF speichern...\" im Editor: Kopf mit Textdatei, Zeichensatz und Anzeigetyp,\n"
    "jede Meldung mit Nummer und Text in den Zeichen der Anzeige, Seitennummern.\n"
    "--table wählt Betriebs- (Vorgabe) oder Diagnosetexte, --page-size das Papier (A4).\n"
    "Eine Meldung, die nicht auf eine leere Seite passt, wird genannt und ausgelassen;\n"
    "der Rest wird geschrieben, der Befehl endet dann mit Fehlerstatus 1.\n");

using cli::Native;

// A call that cannot be meant as it stands: the reason and how the command is called.
[[noreturn]] void RefuseCall(const QString& reason)
{
    throw cli::UsageError(reason + QStringLiteral("\n\n") + QCoreApplication::translate("PrintCommand", UsageLine));
}

int Run(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QCoreApplication::translate("PrintCommand", UsageLine) + QLatin1Char('\n')
                 + QCoreApplication::translate("PrintCommand", Description));
        return 0;
    }
    const auto parsed = cli::ArgList::Parse(
        args, {QStringLiteral("--language"), QStringLiteral("--table"), QStringLiteral("--pdf"), QStringLiteral("--page-size")}, {});
    if (parsed.positional.size() != 1)
        RefuseCall(QCoreApplication::translate("PrintCommand", "Bitte genau einen Projektordner angeben."));
    const QString out = parsed.Value(QStringLiteral("--pdf"));
    if (out.isEmpty())
        RefuseCall(QCoreApplication::translate("PrintCommand",
                                               "Bitte mit --pdf die PDF-Datei angeben, die geschrieben werden soll."));
    const QString languageText = parsed.Value(QStringLiteral("--language"));
    if (languageText != QLatin1String("1") && languageText != QLatin1String("2"))
        RefuseCall(QCoreApplication::translate("PrintCommand", "--language muss 1 oder 2 sein, nicht \"%1\".")
                       .arg(cli::Shown(languageText)));
    const QString tableText = parsed.Value(QStringLiteral("--table"), QStringLiteral("betrieb")).toLower();
    if (tableText != QLatin1String("betrieb") && tableText != QLatin1String("diagnose"))
        RefuseCall(QCoreApplication::translate("PrintCommand", "--table muss betrieb oder diagnose sein, nicht \"%1\".")
                       .arg(cli::Shown(tableText)));
    const QString sizeText = parsed.Value(QStringLiteral("--page-size"), QStringLiteral("A4"));
    QPageSize pageSize;
    if (sizeText.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        pageSize = QPageSize(QPageSize::A4);
    else if (sizeText.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        pageSize = QPageSize(QPageSize::Letter);
    else
        RefuseCall(QCoreApplication::translate("PrintCommand", "--page-size muss A4 oder Letter sein, nicht \"%1\".")
                       .arg(cli::Shown(sizeText)));

    ProjectSession project;
    project.Load(parsed.positional.first());
    const TDisplayType& type = project.project.displayType;
    const int language = languageText.toInt() - 1;
    if (language >= type.LanguageCount())
        throw TavolinError(
            QCoreApplication::translate("PrintCommand", "Der Anzeigetyp \"%1\" hat keine Sprache 2.").arg(type.name));
    const bool diagnostic = tableText == QLatin1String("diagnose");
    if (diagnostic && !project.HasDiagnosticTexts())
        throw TavolinError(QCoreApplication::translate("PrintCommand", "Der Anzeigetyp \"%1\" hat keine Diagnosetexte.")
                               .arg(type.name));

    // A missing text file reads as an empty language; printed, it would pass for one.
    const QString textPath = project.project.TextFilePath(diagnostic ? 1 : 0, language);
    if (!QFileInfo::exists(textPath))
        throw TavolinError(
            QCoreApplication::translate("PrintCommand", "Die Textdatei \"%1\" fehlt; es wird kein PDF geschrieben.")
                .arg(Native(textPath)));

    const QString fixPath = ShippedFile(type.kind + QStringLiteral(".fix"));
    if (!QFileInfo(fixPath).isFile())
        throw TavolinError(
            QCoreApplication::translate("PrintCommand", "Der Standardzeichensatz \"%1\" fehlt.").arg(Native(fixPath)));
    project.ImportStandardCharSet();

    MessageListSource source;
    source.table = project.Table(diagnostic ? 1 : 0);
    source.language = language;
    source.standardFont = project.standard.font;
    source.graphicsFont = project.graphics.font;
    source.lineLength = type.lineLength;
    source.displayTypeName = TProjectConfig::Get(project.project.config.displayTypeName);
    source.charSetPath = project.PixPath(project.CharSetName());
    const MessageListPrintResult result = WriteMessageListPdf(out, source, pageSize);
    if (!result.tooTall.isEmpty()) {
        QStringList numbers;
        for (const int number : result.tooTall)
            numbers << QString::number(number);
        return cli::Fail(
            QCoreApplication::translate("PrintCommand", "Zu lang für eine Seite und daher nicht in \"%1\": Meldung %2")
                .arg(Native(out), numbers.join(QStringLiteral(", "))));
    }
    cli::Out(QCoreApplication::translate("PrintCommand", "%1: %2 Seiten\n").arg(Native(out)).arg(result.pages));
    return 0;
}

CliCommand reg{"print", QT_TRANSLATE_NOOP("CliCommand", "Meldungslisten als PDF-Datei schreiben"), Run};

} // namespace
