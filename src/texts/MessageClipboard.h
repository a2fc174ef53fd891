#pragma once

#include <QByteArray>
#include <QList>
#include <array>

class QMimeData;
class TMessageTable;

// What the editor puts on the clipboard besides rich and plain text, so that blink and
// graphics characters survive between tables, projects and running editors: the display
// codes themselves (the rich text names the fonts by this run's temporary face names).
namespace MessageClipboard {

// A piece of one message text: display codes with the attribute bytes.
inline constexpr char DisplayCodesType[] = "application/x-tavolin-display-codes";
// Whole messages: number and both languages.
inline constexpr char MessagesType[] = "application/x-tavolin-messages";

struct Entry
{
    int number = 0;
    std::array<QByteArray, 2> text;
};

// Puts the messages of `slots` on `mime`: the private type and, for a text editor or a
// mail, the export notation as plain text.
void PutMessages(QMimeData& mime, const TMessageTable& table, const QList<int>& slots);
// The messages on `mime`; empty when it carries none or damaged ones.
QList<Entry> Messages(const QMimeData& mime);

} // namespace MessageClipboard
