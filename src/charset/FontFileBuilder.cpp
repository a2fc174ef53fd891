#include "charset/FontFileBuilder.h"

#include <QCoreApplication>
#include <QDir>

#include "charset/EditableFont.h"
#include "common/AtomicFile.h"
#include "common/TavolinError.h"

using namespace EditableFont;

namespace {

constexpr int NeHeaderOffset = 1024;
constexpr int NeHeaderSize = 64;
constexpr int ResourceTableOffset = NeHeaderOffset + NeHeaderSize; // 1088
constexpr int ResourceTableSize = 44;
constexpr int DirectoryEntrySize = 113; // header bytes 0 … 108 and dfReserved
constexpr int WideWidth = PixWidth + 2;
constexpr int WideHeight = PixHeight + 2;

const char DescriptionText[] = "FONTRES 100,96,96 : MURAN PIX FONTS";

void AppendBytes(QByteArray& out, std::initializer_list<quint8> bytes)
{
    for (const quint8 b : bytes)
        out.append(static_cast<char>(b));
}

void AppendCounted(QByteArray& out, const char* text)
{
    const QByteArray bytes(text);
    out.append(static_cast<char>(bytes.size()));
    out.append(bytes);
}

QByteArray DosStub()
{
    QByteArray stub(NeHeaderOffset, '\0');
    const QByteArray head = QByteArray::fromHex("4D5A7200030000002000" "0000FFFF070000016540" "000000004000");
    std::copy(head.begin(), head.end(), stub.begin());
    Put32(stub, 0x3C, NeHeaderOffset);
    const QByteArray code = QByteArray::fromHex("E85300");
    std::copy(code.begin(), code.end(), stub.begin() + 0x200);
    const QByteArray message("This program requires Microsoft Windows.\r\n$");
    std::copy(message.begin(), message.end(), stub.begin() + 0x203);
    std::fill_n(stub.begin() + 0x22E, 40, ' ');
    const QByteArray exit = QByteArray::fromHex("5A0E1FB409CD21B8014CCD21");
    std::copy(exit.begin(), exit.end(), stub.begin() + 0x256);
    return stub;
}

} // namespace

QByteArray BuildFontFileData(const QByteArray& source, const QString& sourceName, QString* face)
{
    if (source.size() < BitsOffset)
        throw TavolinError(
            QCoreApplication::translate("FontFileBuilder",
                                        "Die Zeichensatzdatei \"%1\" ist beschädigt: sie ist mit %2 Bytes zu kurz.")
                .arg(QDir::toNativeSeparators(sourceName))
                .arg(source.size()));
    const QString faceName = FaceName(source, sourceName);
    const QByteArray faceBytes = faceName.toLatin1();
    const int sourcePixHeight = Get16(source, Field::PixHeight);
    for (int entry = 0; entry < GlyphCount; ++entry) {
        const qint64 offset = Get32(source, TableOffset + TableEntrySize * entry + 2);
        if (offset + sourcePixHeight + PixHeight > source.size())
            throw TavolinError(
                QCoreApplication::translate(
                    "FontFileBuilder",
                    "Die Zeichensatzdatei \"%1\" ist beschädigt: die Daten des Zeichens %2 liegen außerhalb der Datei.")
                    .arg(QDir::toNativeSeparators(sourceName))
                    .arg(entry + 32));
    }

    QByteArray out = DosStub();
    out.append(QByteArray(NeHeaderSize, '\0'));
    out.append(QByteArray(ResourceTableSize, '\0'));
    AppendCounted(out, "FONTDIR");
    const int residentNames = out.size();
    AppendCounted(out, "FONTS");
    AppendBytes(out, {0, 0, 0});
    const int entryTable = out.size();
    AppendBytes(out, {0, 0});
    const int nonResidentNames = out.size();
    AppendCounted(out, DescriptionText);
    AppendBytes(out, {0, 0, 0});
    const int nonResidentLength = out.size() - nonResidentNames;

    PadTo(out, 16);
    const int directoryStart = out.size();
    AppendBytes(out, {1, 0, 2, 0});
    const int directoryEntry = out.size();
    out.append(QByteArray(DirectoryEntrySize, '\0'));
    out.append('\0'); // device name
    out.append(faceBytes);
    out.append('\0');
    PadTo(out, 16);
    const int directoryUnits = (out.size() - directoryStart) / 16;

    // The font resource: the source header with wider cells, then table, glyphs, face.
    const int fontStart = out.size();
    QByteArray header = source.left(HeaderSize);
    Put16(header, Field::Points, static_cast<quint16>(Get16(header, Field::Points) + 1));
    const int pixWidth = Get16(header, Field::PixWidth) + 2;
    Put16(header, Field::PixWidth, static_cast<quint16>(pixWidth));
    Put16(header, Field::PixHeight, static_cast<quint16>(sourcePixHeight + 2));
    Put16(header, Field::AvgWidth, static_cast<quint16>(pixWidth));
    Put16(header, Field::MaxWidth, static_cast<quint16>(pixWidth));
    const int widthBytes = (pixWidth + 7) / 8;
    Put16(header, Field::WidthBytes, static_cast<quint16>(widthBytes + widthBytes % 2));
    out.append(header);
    out.append(QByteArray(TableSize, '\0'));
    PadTo(out, 2);
    Put32(out, fontStart + Field::BitsOffset, static_cast<quint32>(out.size() - fontStart));
    for (int entry = 0; entry < GlyphCount; ++entry) {
        PadTo(out, 2);
        const qint64 table = fontStart + TableOffset + TableEntrySize * entry;
        Put16(out, table, WideWidth);
        Put32(out, table + 2, static_cast<quint32>(out.size() - fontStart));
        const qint64 offset = Get32(source, TableOffset + TableEntrySize * entry + 2);
        for (int j = 0; j < 2; ++j) {
            out.append(source.mid(offset + j * sourcePixHeight, PixHeight));
            out.append(QByteArray(WideHeight - PixHeight, '\0'));
        }
    }
    PadTo(out, 2);
    Put32(out, fontStart + Field::Face, static_cast<quint32>(out.size() - fontStart));
    out.append(faceBytes);
    out.append('\0');
    const int fontSize = out.size() - fontStart;
    Put32(out, fontStart + Field::Size, static_cast<quint32>(fontSize));
    PadTo(out, 16);
    const int fontUnits = (out.size() - fontStart) / 16;

    QByteArray resources(ResourceTableSize, '\0');
    Put16(resources, 0, 4);
    Put16(resources, 2, 0x8007);
    Put16(resources, 4, 1);
    Put16(resources, 10, static_cast<quint16>(directoryStart / 16));
    Put16(resources, 12, static_cast<quint16>(directoryUnits));
    Put16(resources, 14, 0x0C50);
    Put16(resources, 16, ResourceTableSize); // the name "FONTDIR" follows the table
    Put16(resources, 22, 0x8008);
    Put16(resources, 24, 1);
    Put16(resources, 30, static_cast<quint16>(fontStart / 16));
    Put16(resources, 32, static_cast<quint16>(fontUnits));
    Put16(resources, 34, 0x1C30);
    Put16(resources, 36, 0x8002);
    std::copy(resources.begin(), resources.end(), out.begin() + ResourceTableOffset);

    QByteArray entry = out.mid(fontStart, 109);
    entry.append(QByteArray(4, '\0'));
    std::copy(entry.begin(), entry.end(), out.begin() + directoryEntry);

    QByteArray ne(NeHeaderSize, '\0');
    ne[0] = 'N';
    ne[1] = 'E';
    ne[2] = 5;
    ne[3] = 1;
    Put16(ne, 0x04, static_cast<quint16>(entryTable - NeHeaderOffset));
    Put16(ne, 0x06, 2);
    Put32(ne, 0x08, 0x5FCDD03C);
    Put16(ne, 0x0C, 0x8300);
    Put16(ne, 0x20, static_cast<quint16>(nonResidentLength));
    Put16(ne, 0x22, NeHeaderSize);
    Put16(ne, 0x24, NeHeaderSize);
    Put16(ne, 0x26, static_cast<quint16>(residentNames - NeHeaderOffset));
    Put16(ne, 0x28, static_cast<quint16>(entryTable - NeHeaderOffset));
    Put16(ne, 0x2A, static_cast<quint16>(entryTable - NeHeaderOffset));
    Put32(ne, 0x2C, static_cast<quint32>(nonResidentNames));
    Put16(ne, 0x32, 4);
    ne[0x36] = 2;
    Put16(ne, 0x3E, 0x030A);
    std::copy(ne.begin(), ne.end(), out.begin() + NeHeaderOffset);

    if (face)
        *face = faceName.left(31);
    return out;
}

QString BuildFontFile(const QString& sourcePath, const QString& destinationPath)
{
    const QByteArray source = ReadFile(sourcePath);
    QString face;
    const QByteArray data = BuildFontFileData(source, sourcePath, &face);
    ReplaceFileBytes(destinationPath, data,
                     QCoreApplication::translate("FontFileBuilder", "Die Schriftdatei kann nicht geschrieben werden."));
    return face;
}
