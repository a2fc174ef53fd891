#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include "charset/CharSet.h"
#include "charset/DisplayCodeMap.h"
#include "charset/EditableFont.h"
#include "charset/FontFileBuilder.h"
#include "charset/PixImage.h"
#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "common/AtomicFile.h"
#include "common/SystemReason.h"
#include "common/TavolinError.h"
#include "compare/ProjectDiff.h"

namespace {

const char* const Usage = QT_TRANSLATE_NOOP("FontCommand",
    "Aufruf:\n"
    "  tavolin-cli font to-fnt QUELLE.pix ZIEL.fnt [--face NAME]\n"
    "  tavolin-cli font to-pix QUELLE.fnt ZIEL.pix\n"
    "  tavolin-cli font to-fon QUELLE.fnt ZIEL.fon\n"
    "  tavolin-cli font render QUELLE.pix|QUELLE.fix (--text TEXT | --sheet) --out BILD.png [--dot N]\n"
    "  tavolin-cli font textconv QUELLE.pix|QUELLE.fix\n"
    "\n"
    "to-fnt  wandelt eine Pixeldatei (.pix oder .fix) in die editierbare Schriftdatei;\n"
    "        NAME ist der Schriftname darin (ohne Angabe der Dateiname des Ziels).\n"
    "to-pix  wandelt eine editierbare Schriftdatei zurück in eine Pixeldatei.\n"
    "to-fon  erzeugt aus einer editierbaren Schriftdatei die Windows-Schriftdatei (.FON)\n"
    "        und gibt ihren Schriftnamen aus.\n"
    "render  zeichnet einen Text so, wie das Display ihn zeigt, als PNG-Bild. TEXT ist\n"
    "        gewöhnlicher Text im Windows-Zeichensatz; \\n beginnt eine neue Zeile.\n"
    "        --sheet zeichnet stattdessen alle 224 Zeichen mit ihren Codes (16 je Zeile).\n"
    "        --dot N: Kantenlänge eines Displaypunkts in Bildpunkten (Vorgabe 2).\n"
    "        Das Bild darf höchstens 16384 Bildpunkte breit und hoch und 40 Millionen\n"
    "        Bildpunkte groß werden; ein vorhandenes BILD.png bleibt bei einem Fehler.\n"
    "textconv  gibt alle 224 Zeichen als Punktebilder in Text aus (# leuchtet, . aus),\n"
    "        jede Zeile mit dem Code (hex) davor: für git diff.\n");

using cli::Native;

void ExpectFiles(const cli::ArgList& parsed, int count)
{
    if (parsed.positional.size() != count)
        throw cli::UsageError(QCoreApplication::translate("FontCommand", "%1 Dateinamen erwartet, %2 angegeben.\n\n%3")
                                  .arg(count)
                                  .arg(parsed.positional.size())
                                  .arg(QCoreApplication::translate("FontCommand", Usage)));
}

int ToFnt(const QStringList& args)
{
    const cli::ArgList parsed = cli::ArgList::Parse(args, {QStringLiteral("--face")}, {});
    ExpectFiles(parsed, 2);
    const QString face = parsed.Value(QStringLiteral("--face"), QFileInfo(parsed.positional[1]).fileName());
    if (face.isEmpty() || face.size() > 63 || face.contains(QChar(0)) || face.toLatin1() != face.toUtf8())
        throw cli::UsageError(
            QCoreApplication::translate("FontCommand",
                                        "Ungültiger Schriftname \"%1\": erlaubt sind 1 bis 63 Zeichen aus ASCII.")
                .arg(face));
    // A source that is not a whole character set would give a blank or half blank font.
    TCharSet::PixDataToFont(TCharSet::ReadPixFile(parsed.positional[0]), parsed.positional[1], face);
    return 0;
}

int ToPix(const QStringList& args)
{
    const cli::ArgList parsed = cli::ArgList::Parse(args, {}, {});
    ExpectFiles(parsed, 2);
    TCharSet::FontToPix(parsed.positional[0], parsed.positional[1]);
    return 0;
}

int ToFon(const QStringList& args)
{
    const cli::ArgList parsed = cli::ArgList::Parse(args, {}, {});
    ExpectFiles(parsed, 2);
    cli::Out(BuildFontFile(parsed.positional[0], parsed.positional[1]) + QLatin1Char('\n'));
    return 0;
}

// The user's text as Windows codes: every character must exist in the Windows code page.
QByteArray WindowsText(const QString& text)
{
    QString unescaped = text;
    unescaped.replace(QLatin1String("\\n"), QLatin1String("\n"));
    QByteArray codes;
    for (const char32_t c : unescaped.toUcs4()) {
        if (c == U'\n') {
            codes.append('\n');
            continue;
        }
        const int w = CodePoint::UnicodeToAnsi(c);
        if (w < 32)
            throw cli::UsageError(
                QCoreApplication::translate("FontCommand", "Das Zeichen \"%1\" (U+%2) hat keinen Platz im Zeichensatz.")
                    .arg(QString::fromUcs4(&c, 1))
                    .arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')));
        codes.append(static_cast<char>(w));
    }
    return codes;
}

int Render(const QStringList& args)
{
    const cli::ArgList parsed = cli::ArgList::Parse(
        args, {QStringLiteral("--text"), QStringLiteral("--out"), QStringLiteral("--dot")}, {QStringLiteral("--sheet")});
    ExpectFiles(parsed, 1);
    const bool sheet = parsed.Has(QStringLiteral("--sheet"));
    if (sheet == parsed.Has(QStringLiteral("--text")))
        throw cli::UsageError(QCoreApplication::translate("FontCommand", "Entweder --text TEXT oder --sheet angeben."));
    const QString out = parsed.Value(QStringLiteral("--out"));
    if (out.isEmpty())
        throw cli::UsageError(QCoreApplication::translate("FontCommand", "--out BILD.png fehlt."));
    bool ok = true;
    const QString dotText = parsed.Value(QStringLiteral("--dot"), QStringLiteral("2"));
    const int dot = dotText.toInt(&ok);
    if (!ok || dot < 1 || dot > 32)
        throw cli::UsageError(
            QCoreApplication::translate("FontCommand", "--dot erwartet eine Zahl von 1 bis 32, nicht \"%1\".")
                .arg(dotText));

    const QByteArray pix = TCharSet::ReadPixFile(parsed.positional[0]);
    const QImage image = sheet ? PixImage::RenderSheet(pix, dot)
                               : PixImage::RenderText(pix, WindowsText(parsed.Value(QStringLiteral("--text"))), dot);
    // Encoded in memory first: a failing encoder or disk leaves an existing picture as it was.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    if (!writer.write(image))
        throw TavolinError(QCoreApplication::translate("FontCommand", "Das Bild \"%1\" kann nicht erzeugt werden: %2")
                               .arg(Native(out), SystemReason::FromText(writer.errorString())));
    ReplaceFileBytes(out, png.data(),
                     QCoreApplication::translate("FontCommand", "Das Bild kann nicht geschrieben werden."));
    return 0;
}

// Every row carries its code, so that a diff names the changed glyph on each line.
int TextConv(const QStringList& args)
{
    const cli::ArgList parsed = cli::ArgList::Parse(args, {}, {});
    ExpectFiles(parsed, 1);
    const QByteArray pix = TCharSet::ReadPixFile(parsed.positional[0]);
    QString out;
    for (int code = 32; code < 32 + TCharSet::PixSize / 7; ++code) {
        const QString label = QStringLiteral("%1 ").arg(code, 2, 16, QLatin1Char('0')).toUpper();
        for (const QString& row : GlyphDifference::Picture(GlyphDifference::Rows(pix, code)))
            out += label + row + QLatin1Char('\n');
    }
    cli::Out(out);
    return 0;
}

int Run(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QCoreApplication::translate("FontCommand", Usage));
        return 0;
    }
    const QString action = args.value(0);
    const QStringList rest = args.mid(1);
    if (action == QLatin1String("to-fnt"))
        return ToFnt(rest);
    if (action == QLatin1String("to-pix"))
        return ToPix(rest);
    if (action == QLatin1String("to-fon"))
        return ToFon(rest);
    if (action == QLatin1String("render"))
        return Render(rest);
    if (action == QLatin1String("textconv"))
        return TextConv(rest);
    return cli::UsageFail(QCoreApplication::translate("FontCommand", "Unbekannte Aktion: \"%1\"\n\n%2")
                              .arg(action, QCoreApplication::translate("FontCommand", Usage)));
}

CliCommand reg{"font", QT_TRANSLATE_NOOP("CliCommand", "Zeichensätze umwandeln und als Bild zeichnen"), Run};

} // namespace
