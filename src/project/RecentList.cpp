#include "project/RecentList.h"

#include "project/ProjectFolders.h"
#include "common/SettingsStore.h"

namespace {
QString EntryName(const QString& list, int index)
{
    return list + QLatin1Char('\\') + QString::number(index);
}
} // namespace

QString RecentList::GetEntry(int index) const
{
    if (index < 0 || index >= MaxEntries)
        return QString();
    return StripTrailingDelimiter(SettingsStore::ReadValue(EntryName(m_name, index)));
}

void RecentList::LoadInto(QStringList& list) const
{
    list.clear();
    for (int i = 0; i < MaxEntries; ++i) {
        const QString entry = GetEntry(i);
        if (entry.isEmpty())
            break;
        list.append(entry);
    }
}

QStringList RecentList::Entries() const
{
    QStringList list;
    LoadInto(list);
    return list;
}

int RecentList::IndexOf(const QString& text) const
{
    const QString wanted = StripTrailingDelimiter(text);
    if (wanted.isEmpty())
        return -1;
    for (int i = 0; i < MaxEntries; ++i) {
        const QString entry = GetEntry(i);
        if (entry.isEmpty())
            break;
        if (entry == wanted)
            return i;
    }
    return -1;
}

void RecentList::SetEntry(int index, const QString& text) const
{
    if (index < 0 || index >= MaxEntries)
        return;
    SettingsStore::WriteValue(EntryName(m_name, index), StripTrailingDelimiter(text));
}

void RecentList::Remove(const QString& text) const
{
    if (text.isEmpty())
        return;
    for (int i = IndexOf(text); i >= 0; i = IndexOf(text)) {
        for (int j = i; j < MaxEntries; ++j) {
            const QString next = GetEntry(j + 1);
            SetEntry(j, next);
            if (next.isEmpty())
                break;
        }
    }
}

void RecentList::PushFront(const QString& text) const
{
    if (StripTrailingDelimiter(text).isEmpty())
        return;
    Remove(text);
    int count = 0;
    while (count < MaxEntries && !GetEntry(count).isEmpty())
        ++count;
    // With ten entries the store into entry 10 is dropped: the oldest falls off.
    for (int j = count; j >= 1; --j)
        SetEntry(j, GetEntry(j - 1));
    SetEntry(0, text);
}
