#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cerrno>
#include <tuple>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "cli/ReadWarningOutput.h"
#include "common/Messages.h"
#include "common/SystemReason.h"
#include "common/TavolinError.h"
#include "project/DisplayType.h"
#include "project/ProjectConfig.h"
#include "session/ProjectLock.h"
#include "session/ProjectSession.h"
#include "settings/SystemSettings.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "texts/TextNotation.h"

namespace {

const char* const Usage = QT_TRANSLATE_NOOP("SettingsCommand",
    "Aufruf:\n"
    "  tavolin-cli settings apply --type ANZEIGETYP [--in DATEI]\n"
    "  tavolin-cli settings show PROJEKTORDNER [--json]\n"
    "  tavolin-cli settings set PROJEKTORDNER NAME=WERT... [--force]\n"
    "\n"
    "apply  liest Einstellungszeilen (eine je Zeile, Bytes wie in der Textdatei) aus DATEI\n"
    "       oder der Standardeingabe und gibt die Zeilen aus, die \"OK\" im Dialog\n"
    "       Systemeinstellungen für diesen Anzeigetyp daraus macht.\n"
    "show   zeigt, was der Dialog Systemeinstellungen für das Projekt anzeigt.\n"
    "set    ändert Einstellungen wie der Dialog und speichert Sprache 1 des Projekts\n"
    "       (die vorige Datei bleibt als .bak). Ging beim Lesen etwas verloren (siehe\n"
    "       Warnungen), schreibt set die Datei nur mit --force. NAME=WERT:\n"
    "         selection=binaer|bcd        charset=ibm|cpm       printer=ein|aus\n"
    "         brightness=20%|30%|40%|50%|80%|100%\n"
    "         scroll=3,2  blinkon=0,3  blinkoff=0,2            (Sekunden)\n"
    "         keyaddress=100  ledaddress=120  station=3        (leer: station=)\n"
    "         key:3=rastend,extern  key:1-8=rot  key:alle=tastend\n"
    "           Wörter: rastend tastend extern intern grün rot blinkend ruhig\n"
    "         other+=ZEILE (weitere Zeile anhängen)  other= (weitere Zeilen leeren)\n");

using cli::Native;

TDisplayType TypeNamed(const QString& name)
{
    TDisplayType type;
    if (name.isEmpty() || !FindDisplayType(name, type)) {
        QStringList names;
        for (const TDisplayType& row : DisplayTypeTable())
            if (!row.name.isEmpty())
                names << row.name;
        throw cli::UsageError(Messages::UnknownDisplayType(name)
                              + QCoreApplication::translate("SettingsCommand", " Bekannt sind: %1.")
                                    .arg(names.join(QStringLiteral(", "))));
    }
    return type;
}

QByteArray ReadInput(const QString& path)
{
    QFile file;
    const bool opened = path.isEmpty() ? file.open(stdin, QIODevice::ReadOnly)
                                       : (!QFileInfo(path).isDir() && (file.setFileName(path), file.open(QIODevice::ReadOnly)));
    const QString name = path.isEmpty() ? QCoreApplication::translate("SettingsCommand", "der Standardeingabe")
                                        : QStringLiteral("\"%1\"").arg(Native(path));
    if (!opened)
        throw TavolinError(QCoreApplication::translate("SettingsCommand", "Die Datei %1 kann nicht gelesen werden: %2")
                               .arg(name, QFileInfo(path).isDir() ? SystemReason::FromCode(EISDIR)
                                                                  : SystemReason::FromText(file.errorString())));
    const QByteArray bytes = file.read(cli::MaxInputSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw TavolinError(
            QCoreApplication::translate("SettingsCommand", "Fehler beim Lesen %1: %2")
                .arg(name, SystemReason::FromText(file.errorString())));
    if (bytes.size() > cli::MaxInputSize)
        throw TavolinError(
            QCoreApplication::translate("SettingsCommand", "Die Eingabe aus %1 ist länger als 16 MB.").arg(name));
    return bytes;
}

int Apply(const cli::ArgList& args)
{
    if (!args.positional.isEmpty() || !args.Has(QStringLiteral("--type")))
        throw cli::UsageError(QCoreApplication::translate(
            "SettingsCommand", "apply braucht --type ANZEIGETYP und keine weiteren Angaben."));
    const TDisplayType type = TypeNamed(args.Value(QStringLiteral("--type")));
    QList<QByteArray> lines = ReadInput(args.Value(QStringLiteral("--in"))).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, not a line of its own
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    QByteArray out;
    for (const QByteArray& line : WriteSystemSettings(ReadSystemSettings(lines), type))
        out += line + '\n';
    cli::OutBytes(out);
    return 0;
}

// A project folder with its display type and the first language of its operating texts.
struct Project
{
    TProjectState state;
    QString path; // the text file holding the settings lines
    TMessageTable table;
    ReadWarnings dropped; // what reading left out
};

void Load(const QString& folder, Project& project)
{
    project.state = ProjectSession::ReadFolder(folder);
    if (project.state.modified) // no configuration read: settings would land in a folder of anything
        throw TavolinError(QCoreApplication::translate(
                               "SettingsCommand", "In \"%1\" gibt es keine lesbare %2; das ist kein Projektordner.")
                               .arg(Native(project.state.folder), QLatin1String(ProjectConfigFileName)));
    project.path = project.state.TextFilePath(0, 0);
    project.dropped = ReadTextFile(project.table, project.path, 0);
    cli::PrintReadWarnings(project.dropped);
}

int Show(const cli::ArgList& args)
{
    if (args.positional.size() != 1)
        throw cli::UsageError(
            QCoreApplication::translate("SettingsCommand", "show braucht genau einen Projektordner."));
    Project project;
    Load(args.positional[0], project);
    const TDisplayType& type = project.state.displayType;
    const TSystemSettings s = ReadSystemSettings(project.table.headerLines[0]);
    const QStringList keys = KeyList(s, type.keyCount);
    QStringList other;
    for (const QByteArray& line : s.otherLines)
        other << TextNotation::Encode(line);

    if (args.Has(QStringLiteral("--json"))) {
        QJsonObject root{{QStringLiteral("displayType"), type.name},
                         {QStringLiteral("selection"), s.bcd ? QStringLiteral("bcd") : QStringLiteral("binaer")},
                         {QStringLiteral("charset"), s.cpmCharSet ? QStringLiteral("cpm") : QStringLiteral("ibm")},
                         {QStringLiteral("printer"), s.printer},
                         {QStringLiteral("brightness"), s.brightness},
                         {QStringLiteral("scroll"), s.scrollTime},
                         {QStringLiteral("blinkon"), s.blinkOnTime},
                         {QStringLiteral("blinkoff"), s.blinkOffTime},
                         {QStringLiteral("keys"), QJsonArray::fromStringList(keys)},
                         {QStringLiteral("other"), QJsonArray::fromStringList(other)}};
        if (type.Has(dtPlcAddresses)) {
            root.insert(QStringLiteral("keyaddress"), s.keyAddress);
            root.insert(QStringLiteral("ledaddress"), s.ledAddress);
            root.insert(QStringLiteral("station"), s.station);
        }
        cli::OutBytes(QJsonDocument(root).toJson(QJsonDocument::Indented));
        return 0;
    }
    QString out = QCoreApplication::translate("SettingsCommand", "Anzeigetyp: %1 (%2 Tasten%3)\n")
                      .arg(type.name)
                      .arg(type.keyCount)
                      .arg(type.Has(dtPlcAddresses) ? QCoreApplication::translate("SettingsCommand", ", SPS-Adressen")
                                                    : QString());
    out += QCoreApplication::translate("SettingsCommand", "Meldetextauswahl: %1\n")
               .arg(s.bcd ? QStringLiteral("BCD") : QCoreApplication::translate("SettingsCommand", "Binär"));
    out += QCoreApplication::translate("SettingsCommand", "Interner Zeichensatz: %1\n")
               .arg(s.cpmCharSet ? QStringLiteral("CP/M") : QStringLiteral("IBM"));
    out += QCoreApplication::translate("SettingsCommand", "Helligkeit: %1\n").arg(s.brightness);
    out +=
        QCoreApplication::translate("SettingsCommand", "Scrollzeit: %1 Sek.\nBlink-Ein: %2 Sek.\nBlink-Aus: %3 Sek.\n")
            .arg(s.scrollTime, s.blinkOnTime, s.blinkOffTime);
    out += QCoreApplication::translate("SettingsCommand", "Drucker: %1\n")
               .arg(s.printer ? QCoreApplication::translate("SettingsCommand", "ein")
                              : QCoreApplication::translate("SettingsCommand", "aus"));
    if (type.Has(dtPlcAddresses))
        out += QCoreApplication::translate("SettingsCommand", "SPS Adressen: Tast %1, LED %2, TeilnehmerNr %3\n")
                   .arg(s.keyAddress, s.ledAddress, s.station.isEmpty() ? QStringLiteral("-") : s.station);
    if (!keys.isEmpty())
        out += QCoreApplication::translate("SettingsCommand", "Tasten:\n  ") + keys.join(QStringLiteral("\n  "))
            + QLatin1Char('\n');
    if (!other.isEmpty())
        out += QCoreApplication::translate("SettingsCommand", "Weitere Zeilen:\n  ")
            + other.join(QStringLiteral("\n  ")) + QLatin1Char('\n');
    cli::OutBytes(out.toUtf8());
    return 0;
}

void ChangeKeys(TSystemSettings& s, const QString& which, const QString& words, int keyCount)
{
    int first = 1;
    int last = keyCount;
    if (which != QLatin1String("alle")) {
        const QStringList range = which.split(QLatin1Char('-'));
        bool ok1 = range.size() <= 2;
        bool ok2 = true;
        first = ok1 ? range.first().toInt(&ok1) : 0;
        last = range.size() == 2 ? range.last().toInt(&ok2) : first;
        if (!ok1 || !ok2 || first < 1 || last < first || last > keyCount)
            throw cli::UsageError(
                keyCount == 0
                    ? QCoreApplication::translate("SettingsCommand", "Der Anzeigetyp hat keine Tasten.")
                    : QCoreApplication::translate("SettingsCommand",
                                                  "Taste \"%1\" gibt es nicht; der Anzeigetyp hat die Tasten 1 bis %2.")
                          .arg(cli::Shown(which))
                          .arg(keyCount));
    }
    static const std::tuple<const char*, quint8, bool> Words[] = {
        {"rastend", kfLatching, true}, {"tastend", kfLatching, false}, {"extern", kfExternal, true},
        {"intern", kfExternal, false}, {"grün", kfGreen, true},        {"gruen", kfGreen, true},
        {"rot", kfGreen, false},       {"blinkend", kfBlinking, true}, {"ruhig", kfBlinking, false}};
    for (const QString& word : words.split(QLatin1Char(','))) {
        const auto* found = std::find_if(std::begin(Words), std::end(Words), [&](const auto& w) {
            return word.compare(QString::fromUtf8(std::get<0>(w)), Qt::CaseInsensitive) == 0;
        });
        if (found == std::end(Words))
            throw cli::UsageError(QCoreApplication::translate(
                                      "SettingsCommand",
                                      "Unbekanntes Wort \"%1\" für Tasten; erlaubt sind rastend, tastend, extern, "
                                      "intern, grün, rot, blinkend, ruhig.")
                                      .arg(cli::Shown(word)));
        for (int key = first; key <= last; ++key)
            s.keys[static_cast<size_t>(key - 1)] = ChangeKey(s.keys[static_cast<size_t>(key - 1)], std::get<1>(*found), std::get<2>(*found));
    }
}

void Assign(TSystemSettings& s, const QString& assignment, const TDisplayType& type)
{
    const qsizetype eq = assignment.indexOf(QLatin1Char('='));
    if (eq <= 0)
        throw cli::UsageError(
            QCoreApplication::translate("SettingsCommand", "\"%1\" ist keine Angabe NAME=WERT.").arg(cli::Shown(assignment)));
    const QString name = assignment.left(eq).toLower();
    const QString value = assignment.mid(eq + 1);
    const auto bad = [&](const QString& allowed) {
        return cli::UsageError(
            QCoreApplication::translate("SettingsCommand", "Ungültiger Wert \"%1\" für %2; erlaubt: %3.")
                .arg(cli::Shown(value), cli::Shown(name), allowed));
    };
    const auto choose = [&](const char* a, const char* b) {
        if (value.compare(QLatin1String(a), Qt::CaseInsensitive) && value.compare(QLatin1String(b), Qt::CaseInsensitive))
            throw bad(
                QCoreApplication::translate("SettingsCommand", "%1 oder %2").arg(QLatin1String(a), QLatin1String(b)));
        return value.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
    };
    const auto time = [&](QString& field) {
        field = FitTime(value, QString());
        if (field.isEmpty())
            throw bad(QCoreApplication::translate("SettingsCommand", "Sekunden 0,0 bis 9,9"));
    };
    const auto address = [&](QString& field) {
        if (!type.Has(dtPlcAddresses))
            throw cli::UsageError(
                QCoreApplication::translate("SettingsCommand", "Der Anzeigetyp %1 hat keine SPS-Adressen.")
                    .arg(type.name));
        if (!AddressForm().match(value).hasMatch())
            throw bad(QCoreApplication::translate("SettingsCommand",
                                                  "bis zu %1 Zeichen aus 0-9 , : . beginnend mit einer Ziffer")
                          .arg(TSystemSettings::AddressLength));
        field = value;
    };
    if (name == QLatin1String("selection"))
        s.bcd = choose("binaer", "bcd");
    else if (name == QLatin1String("charset"))
        s.cpmCharSet = choose("ibm", "cpm");
    else if (name == QLatin1String("printer"))
        s.printer = !choose("aus", "ein");
    else if (name == QLatin1String("brightness") && TSystemSettings::Brightnesses.contains(value))
        s.brightness = value;
    else if (name == QLatin1String("brightness"))
        throw bad(TSystemSettings::Brightnesses.join(QStringLiteral(", ")));
    else if (name == QLatin1String("scroll"))
        time(s.scrollTime);
    else if (name == QLatin1String("blinkon"))
        time(s.blinkOnTime);
    else if (name == QLatin1String("blinkoff"))
        time(s.blinkOffTime);
    else if (name == QLatin1String("keyaddress"))
        address(s.keyAddress);
    else if (name == QLatin1String("ledaddress"))
        address(s.ledAddress);
    else if (name == QLatin1String("station"))
        address(s.station);
    else if (name.startsWith(QLatin1String("key:")))
        ChangeKeys(s, name.mid(4), value, type.keyCount);
    else if (name == QLatin1String("other") && value.isEmpty())
        s.otherLines.clear();
    else if (name == QLatin1String("other+")) {
        try {
            s.otherLines.append(TextNotation::Decode(value, false));
        } catch (const TavolinError& error) {
            throw cli::UsageError(
                QCoreApplication::translate("SettingsCommand", "Zeile \"%1\": %2").arg(cli::Shown(value), error.message()));
        }
    } else
        throw cli::UsageError(
            QCoreApplication::translate("SettingsCommand", "Unbekannte Einstellung \"%1\".").arg(cli::Shown(assignment.left(eq))));
}

int Set(const cli::ArgList& args)
{
    if (args.positional.size() < 2)
        throw cli::UsageError(QCoreApplication::translate(
            "SettingsCommand", "set braucht einen Projektordner und mindestens eine Angabe NAME=WERT."));
    // Read, change and write under the project's lock: a second writer at the same time
    // would lose one of the two changes.
    const auto lock = ProjectLock::ForWriting(QDir::cleanPath(QFileInfo(args.positional[0]).absoluteFilePath()));
    Project project;
    Load(args.positional[0], project);
    cli::RefuseToDropContent(project.dropped, project.path, args.Has(QStringLiteral("--force")));
    TSystemSettings s = ReadSystemSettings(project.table.headerLines[0]);
    for (const QString& assignment : args.positional.mid(1))
        Assign(s, assignment, project.state.displayType);
    QList<QByteArray> lines;
    try {
        lines = WriteSystemSettings(s, project.state.displayType);
    } catch (const TavolinError& error) {
        throw cli::UsageError(error.message());
    }
    project.table.headerLines[0] = lines;
    WriteTextFile(project.table, project.path, 0, KeepBackup::Yes);
    return 0;
}

int Run(const QStringList& all)
{
    if (all.isEmpty() || cli::WantsHelp(all)) {
        cli::Out(QCoreApplication::translate("SettingsCommand", Usage));
        return all.isEmpty() ? 2 : 0;
    }
    const QString verb = all.first();
    if (verb == QLatin1String("apply"))
        return Apply(cli::ArgList::Parse(all.mid(1), {QStringLiteral("--type"), QStringLiteral("--in")}, {}));
    if (verb == QLatin1String("show"))
        return Show(cli::ArgList::Parse(all.mid(1), {}, {QStringLiteral("--json")}));
    if (verb == QLatin1String("set"))
        return Set(cli::ArgList::Parse(all.mid(1), {}, {QStringLiteral("--force")}));
    throw cli::UsageError(QCoreApplication::translate("SettingsCommand", "Unbekannter Unterbefehl \"%1\".\n\n%2")
                              .arg(cli::Shown(verb), QCoreApplication::translate("SettingsCommand", Usage)));
}

const CliCommand registration{
    "settings", QT_TRANSLATE_NOOP("CliCommand", "Systemeinstellungen der Anzeige prüfen, anzeigen und ändern"), Run};

} // namespace
