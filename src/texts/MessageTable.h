#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <memory>

class QObject;

// Attribute bytes inside a message text: switches, not characters; they take no column.
namespace Attr {
constexpr char LineBreak = 0x0D;
constexpr char GraphicsOn = 0x10;
constexpr char GraphicsOff = 0x12;
constexpr char BlinkOn = 0x0F;
constexpr char BlinkOff = 0x0E;

inline bool IsAttribute(char c)
{
    return c == GraphicsOn || c == GraphicsOff || c == BlinkOn || c == BlinkOff;
}
} // namespace Attr

// The characters of the longest line of a message text (attribute bytes take no column).
int LongestLine(const QByteArray& text);

// One numbered message with a text per language (0 = "Sprache1", 1 = "Sprache2").
// Texts are display character codes; lines are separated by a single CR.
struct TMessage
{
    qint16 number = 0;
    quint16 layoutStale = 15; // non-zero: the cached row height must be recomputed
    qint16 rowHeight = 0;     // cached grid row height in pixels
    bool rowClipped = false;  // the row is cut off at the bottom of the grid
    std::array<QByteArray, 2> text;
};

// One text table (operating or diagnostic texts): up to 1024 messages sorted by number,
// plus per language the header lines, file path and changed flag of its text file.
class TMessageTable
{
public:
    static constexpr int MaxMessages = 1024;
    static constexpr int MaxNumber = 1023;
    static constexpr int Languages = 2;

    explicit TMessageTable(QObject* grid = nullptr);
    TMessageTable(const TMessageTable&) = delete;
    TMessageTable& operator=(const TMessageTable&) = delete;

    int Count() const { return count; }

    // Inserts or replaces the text of one language. Returns false (and changes nothing)
    // for a number above 1023, a language above 1 or a new number in a full table.
    bool SetText(int number, int language, const QByteArray& text);

    // Removes the message in the slot; an index at or beyond Count() does nothing.
    void DeleteAt(int slot);

    // Slot index of the message with this number, or -1.
    int IndexOf(int number) const;

    // The first unused number after the message in startSlot, searching cyclically;
    // -1 when all 1024 numbers are in use.
    int NextFreeNumber(int startSlot) const;

    // Every row height is recomputed at the next grid layout.
    void MarkAllStale();

    const TMessage& At(int slot) const { return *messages[static_cast<size_t>(slot)]; }
    TMessage& At(int slot) { return *messages[static_cast<size_t>(slot)]; }

    // Per language: some message has a line longer than the display's; the grid marks
    // that column's header.
    std::array<bool, 2> lineTooLong{false, false};
    std::array<QString, 2> fileName;
    std::array<bool, 2> modified{false, false};
    std::array<std::unique_ptr<TMessage>, MaxMessages> messages;
    std::array<QList<QByteArray>, 2> headerLines;
    int count = 0;
    QObject* grid = nullptr; // the view showing this table; not owned
};
