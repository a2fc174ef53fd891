#include "texts/MessageTable.h"

#include <algorithm>

int LongestLine(const QByteArray& text)
{
    int longest = 0;
    int line = 0;
    for (const char c : text) {
        if (c == Attr::LineBreak)
            line = 0;
        else if (!Attr::IsAttribute(c))
            longest = std::max(longest, ++line);
    }
    return longest;
}

TMessageTable::TMessageTable(QObject* gridView) : grid(gridView) {}

bool TMessageTable::SetText(int number, int language, const QByteArray& text)
{
    if (number < 0 || number > MaxNumber || language < 0 || language >= Languages)
        return false;

    // Files list their messages in ascending order: appending needs no walk.
    int slot = count > 0 && messages[count - 1]->number < number ? count : 0;
    while (slot < count && messages[slot]->number < number)
        ++slot;
    if (slot == count || messages[slot]->number != number) {
        if (count == MaxMessages)
            return false;
        std::move_backward(messages.begin() + slot, messages.begin() + count,
                           messages.begin() + count + 1);
        messages[slot] = std::make_unique<TMessage>();
        messages[slot]->number = static_cast<qint16>(number);
        ++count;
    }

    TMessage& message = *messages[slot];
    message.text[static_cast<size_t>(language)] = text;
    message.layoutStale |= static_cast<quint16>(1u << language);
    modified[static_cast<size_t>(language)] = true;
    return true;
}

void TMessageTable::DeleteAt(int slot)
{
    if (slot < 0 || slot >= count)
        return;
    std::move(messages.begin() + slot + 1, messages.begin() + count, messages.begin() + slot);
    --count;
    messages[count].reset();
}

int TMessageTable::IndexOf(int number) const
{
    for (int slot = 0; slot < count; ++slot)
        if (messages[slot]->number == number)
            return slot;
    return -1;
}

int TMessageTable::NextFreeNumber(int startSlot) const
{
    if (count == 0)
        return 0;
    if (startSlot < 0 || startSlot >= count)
        startSlot = count - 1;

    int slot = startSlot;
    do {
        int candidate = messages[slot]->number + 1;
        ++slot;
        if (slot == count) {
            if (candidate != MaxNumber + 1)
                return candidate;
            candidate = 0;
            slot = 0;
        }
        if (messages[slot]->number > candidate)
            return candidate;
    } while (slot != startSlot);
    return -1;
}

void TMessageTable::MarkAllStale()
{
    for (int slot = 0; slot < count; ++slot)
        messages[slot]->layoutStale = 3;
}
