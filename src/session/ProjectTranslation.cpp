#include "session/ProjectTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "common/SystemReason.h"
#include "common/TavolinError.h"
#include "session/ProjectSession.h"

namespace ProjectTranslation {

namespace {

constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

} // namespace

Translation::Project View(const ProjectSession& session, int source, int target)
{
    const TDisplayType& type = session.project.displayType;
    if (type.LanguageCount() < 2)
        throw TavolinError(QCoreApplication::translate("ProjectTranslation", "Der Anzeigetyp \"%1\" hat nur eine Sprache; es gibt nichts zu übersetzen.").arg(type.name));
    if (source < 0 || source > 1 || target < 0 || target > 1 || source == target)
        throw TavolinError(QCoreApplication::translate("ProjectTranslation", "Ausgangs- und Zielsprache müssen 1 und 2 oder 2 und 1 sein."));
    Translation::Project project;
    project.tables = {session.Table(0), session.Table(1)};
    project.lineLength = type.lineLength;
    project.source = source;
    project.target = target;
    return project;
}

QList<int> Tables(const ProjectSession& session, const QString& which)
{
    if (which == QLatin1String("operating"))
        return {Translation::OperatingTexts};
    if (which == QLatin1String("diagnostic")) {
        if (!session.HasDiagnosticTexts())
            throw TavolinError(QCoreApplication::translate("ProjectTranslation", "Der Anzeigetyp \"%1\" hat keine Diagnosetexte.").arg(session.project.displayType.name));
        return {Translation::DiagnosticTexts};
    }
    if (which.isEmpty() || which == QLatin1String("all")) {
        if (session.HasDiagnosticTexts())
            return {Translation::OperatingTexts, Translation::DiagnosticTexts};
        return {Translation::OperatingTexts};
    }
    throw TavolinError(QCoreApplication::translate("ProjectTranslation", "Unbekannte Tabelle \"%1\" (operating, diagnostic oder all).").arg(which));
}

Format FormatOf(const QString& path, const QString& option)
{
    if (option == QLatin1String("csv"))
        return Format::Csv;
    if (option == QLatin1String("xliff"))
        return Format::Xliff;
    if (!option.isEmpty())
        throw TavolinError(QCoreApplication::translate("ProjectTranslation", "Unbekanntes Format \"%1\" (xliff oder csv).").arg(option));
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ? Format::Csv
                                                                                            : Format::Xliff;
}

QString CheckLanguageCode(const QString& code)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z]{2,3}(-[A-Za-z0-9]{2,8})*$"));
    if (!form.match(code).hasMatch())
        throw TavolinError(QCoreApplication::translate("ProjectTranslation", "\"%1\" ist kein Sprachcode (wie \"de\", \"en\" oder \"en-GB\").").arg(code));
    return code;
}

QByteArray Export(const Translation::Project& project, const QList<int>& tables, Format format,
                  const TranslationFile::Languages& languages, Translation::Record& record)
{
    const QList<Translation::Unit> units = Translation::Units(project, tables, record);
    return format == Format::Csv ? TranslationFile::ToCsv(units, project)
                                 : TranslationFile::ToXliff(units, project, languages);
}

TranslationFile::Content Read(const QString& path, Format format)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw TavolinError(QCoreApplication::translate("ProjectTranslation", "Die Datei \"%1\" gibt es nicht.").arg(shown));
    if (!file.open(QIODevice::ReadOnly))
        throw TavolinError(QCoreApplication::translate("ProjectTranslation", "\"%1\" kann nicht gelesen werden: %2").arg(shown, SystemReason::FromText(file.errorString())));
    if (file.size() > MaxFileSize)
        throw TavolinError(QCoreApplication::translate("ProjectTranslation", "\"%1\" ist zu groß für eine Übersetzung.").arg(shown));
    const QByteArray bytes = file.readAll();
    try {
        return format == Format::Csv ? TranslationFile::FromCsv(bytes) : TranslationFile::FromXliff(bytes);
    } catch (const TavolinError& error) {
        throw TavolinError(QStringLiteral("\"%1\": %2").arg(shown, error.message()));
    }
}

} // namespace ProjectTranslation
