#pragma once

#include <QString>
#include <QStringList>

// A list of at most ten recently used entries, most recent first, without duplicates,
// kept in the settings store: entry i of the list L is the value "L\i". The list ends at
// the first empty entry. Every operation reads and writes the store directly.
class RecentList
{
public:
    static constexpr int MaxEntries = 10;

    explicit RecentList(const QString& name) : m_name(name) {}

    // The recent-projects list ("Lastprojekt") and the recent-base-folders list ("LastBasePath").
    static RecentList Projects() { return RecentList(QStringLiteral("Lastprojekt")); }
    static RecentList BasePaths() { return RecentList(QStringLiteral("LastBasePath")); }

    const QString& Name() const { return m_name; }

    // Entry `index` without a trailing delimiter; empty when it does not exist.
    QString GetEntry(int index) const;

    // Clears `list` and adds the entries up to the first empty one.
    void LoadInto(QStringList& list) const;
    QStringList Entries() const;

    // Position of the first entry equal to `text` (trailing delimiter removed, letter
    // case significant), or -1.
    int IndexOf(const QString& text) const;

    // Stores `text` without a trailing delimiter as entry `index`; only for 0..9.
    void SetEntry(int index, const QString& text) const;

    // Removes every entry equal to `text`; the entries behind move up.
    void Remove(const QString& text) const;

    // Makes `text` entry 0; an older copy of it is removed and the eleventh entry falls off.
    void PushFront(const QString& text) const;

private:
    QString m_name;
};
