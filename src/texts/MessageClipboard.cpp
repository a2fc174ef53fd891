#include "texts/MessageClipboard.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include "texts/MessageTable.h"
#include "texts/TextNotation.h"

namespace MessageClipboard {

namespace {

constexpr quint32 Magic = 0x54564d31; // "TVM1"
// A display holds 60,000 bytes per language; anything longer did not come from us.
constexpr qsizetype MaxText = 60000;

QString Readable(const QByteArray& text)
{
    return TextNotation::Encode(text).replace(QLatin1Char('\n'), QStringLiteral("\n\t"));
}

} // namespace

void PutMessages(QMimeData& mime, const TMessageTable& table, const QList<int>& slots)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << Magic << quint32(slots.size());
    QString plain;
    for (const int slot : slots) {
        const TMessage& message = table.At(slot);
        out << qint32(message.number) << message.text[0] << message.text[1];
        plain += QStringLiteral("%1\n\tSprache 1: %2\n").arg(message.number).arg(Readable(message.text[0]));
        if (!message.text[1].isEmpty())
            plain += QStringLiteral("\tSprache 2: %1\n").arg(Readable(message.text[1]));
    }
    mime.setData(QString::fromLatin1(MessagesType), data);
    mime.setText(plain);
}

QList<Entry> Messages(const QMimeData& mime)
{
    const QByteArray data = mime.data(QString::fromLatin1(MessagesType));
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    if (magic != Magic || count > quint32(TMessageTable::MaxMessages))
        return {};
    QList<Entry> entries;
    for (quint32 i = 0; i < count; ++i) {
        qint32 number = -1;
        Entry entry;
        in >> number >> entry.text[0] >> entry.text[1];
        if (in.status() != QDataStream::Ok || number < 0 || number > TMessageTable::MaxNumber
            || entry.text[0].size() > MaxText || entry.text[1].size() > MaxText)
            return {};
        entry.number = number;
        entries.append(entry);
    }
    return entries;
}

} // namespace MessageClipboard
