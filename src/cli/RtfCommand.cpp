#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "texts/RichTextBridge.h"

namespace {

const char* const Usage = QT_TRANSLATE_NOOP("RtfCommand",
    "Aufruf:\n"
    "  tavolin-cli rtf from-message --standard-face NAME --graphics-face NAME < Meldung > RTF\n"
    "  tavolin-cli rtf to-message < RTF > Meldung\n"
    "\n"
    "from-message  wandelt einen Meldungstext (Displaycodes, Zeilenwechsel 0x0D, Attribute\n"
    "              0x0E/0x0F Blinken, 0x10/0x12 Grafik) in das RTF-Dokument des Editors.\n"
    "              NAME sind die Schriftnamen des Standard- und des Grafikzeichensatzes.\n"
    "to-message    wandelt ein RTF-Dokument zurück in einen Meldungstext.\n"
    "Beide lesen die Standardeingabe und schreiben die Standardausgabe, Byte für Byte.\n");

// Message texts and documents are bytes: no line-end translation on either side.
bool ReadStdin(QByteArray& data)
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return false;
    data = in.readAll();
    return in.error() == QFileDevice::NoError;
}

void WriteStdout(const QByteArray& data)
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    cli::OutBytes(data);
}

// A face name ends up inside the font table; these characters would break the table apart.
bool IsValidFace(const QString& face)
{
    if (face.isEmpty())
        return false;
    for (const QChar c : face)
        if (c.unicode() < 0x20 || c.unicode() > 0xFF || QStringLiteral("\\{};").contains(c))
            return false;
    return true;
}

int Transfer(const std::function<QByteArray(const QByteArray&)>& convert)
{
    QByteArray input;
    if (!ReadStdin(input))
        return cli::Fail(QCoreApplication::translate("RtfCommand", "Die Standardeingabe konnte nicht gelesen werden."));
    WriteStdout(convert(input));
    return 0;
}

int FromMessage(const QStringList& args)
{
    const QString options[2] = {QStringLiteral("--standard-face"), QStringLiteral("--graphics-face")};
    const cli::ArgList parsed = cli::ArgList::Parse(args, {options[0], options[1]}, {});
    if (!parsed.positional.isEmpty())
        throw cli::UsageError(QCoreApplication::translate("RtfCommand", "Unbekannte Angabe: %1\n\n%2")
                                  .arg(parsed.positional[0], QCoreApplication::translate("RtfCommand", Usage)));
    QString faces[2];
    for (int which = 0; which < 2; ++which) {
        if (!parsed.Has(options[which]))
            throw cli::UsageError(QCoreApplication::translate("RtfCommand", "Angabe fehlt: %1 NAME\n\n%2")
                                      .arg(options[which], QCoreApplication::translate("RtfCommand", Usage)));
        faces[which] = parsed.Value(options[which]);
        if (!IsValidFace(faces[which]))
            throw cli::UsageError(
                QCoreApplication::translate("RtfCommand",
                                            "Ungültiger Schriftname \"%1\": erlaubt sind Zeichen bis 0xFF außer "
                                            "Steuerzeichen, \\ { } und ;.")
                    .arg(faces[which]));
    }
    const QByteArray standardFace = faces[0].toLatin1();
    const QByteArray graphicsFace = faces[1].toLatin1();
    return Transfer([&](const QByteArray& text) { return MessageToRtf(text, standardFace, graphicsFace); });
}

int Run(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QCoreApplication::translate("RtfCommand", Usage));
        return 0;
    }
    const QString action = args.value(0);
    if (action == QLatin1String("from-message"))
        return FromMessage(args.mid(1));
    if (action == QLatin1String("to-message")) {
        const cli::ArgList parsed = cli::ArgList::Parse(args.mid(1), {}, {});
        if (!parsed.positional.isEmpty())
            throw cli::UsageError(
                QCoreApplication::translate("RtfCommand", "Unbekannte Angabe: %1").arg(parsed.positional[0]));
        return Transfer(RtfToMessage);
    }
    return cli::UsageFail(QCoreApplication::translate("RtfCommand", "Unbekannte Aktion: \"%1\"\n\n%2")
                              .arg(action, QCoreApplication::translate("RtfCommand", Usage)));
}

CliCommand reg{"rtf", QT_TRANSLATE_NOOP("CliCommand", "Meldungstext <-> RTF-Dokument des Editors"), Run};

} // namespace
