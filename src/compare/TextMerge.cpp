#include "compare/TextMerge.h"

#include <QCoreApplication>

#include "compare/ProjectDiff.h"
#include "texts/MessageTable.h"
#include "texts/TextNotation.h"

namespace {

QByteArray Joined(const QList<QByteArray>& lines)
{
    return lines.join('\r');
}

void Put(TMessageTable& table, int number, int language, const QByteArray& text)
{
    if (!text.isEmpty()) {
        table.SetText(number, language, text);
        return;
    }
    const int slot = table.IndexOf(number);
    if (slot >= 0)
        table.DeleteAt(slot);
}

QString Encoded(const QByteArray& text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("TextMerge", "(nicht vorhanden)");
    QString notation = TextNotation::Encode(text);
    notation.replace(QLatin1Char('\n'), QStringLiteral("\n            "));
    return notation;
}

} // namespace

QList<MergeConflict> MergeTexts(const TMessageTable& base, const TMessageTable& ours, const TMessageTable& theirs,
                                int language, TMessageTable& result)
{
    const auto lang = static_cast<size_t>(language);
    QList<MergeConflict> conflicts;
    const TableDifference mine = TableDifference::Of(&base, &ours, 0, language);
    const TableDifference other = TableDifference::Of(&base, &theirs, 0, language);

    result.headerLines[lang] = ours.headerLines[lang];
    if (other.HeaderChanged()) {
        if (!mine.HeaderChanged())
            result.headerLines[lang] = theirs.headerLines[lang];
        else if (ours.headerLines[lang] != theirs.headerLines[lang])
            conflicts.append({MergeConflict::HeaderBlock, Joined(base.headerLines[lang]),
                              Joined(ours.headerLines[lang]), Joined(theirs.headerLines[lang])});
    }

    for (int slot = 0; slot < ours.Count(); ++slot) {
        const TMessage& message = ours.At(slot);
        if (!message.text[lang].isEmpty() || message.number == 0)
            result.SetText(message.number, language, message.text[lang]);
    }
    // Both change lists are sorted by number: one walk along both.
    qsizetype m = 0;
    for (const MessageDifference& change : other.messages) {
        while (m < mine.messages.size() && mine.messages[m].number < change.number)
            ++m;
        const bool oursChanged = m < mine.messages.size() && mine.messages[m].number == change.number;
        if (!oursChanged)
            Put(result, change.number, language, change.right);
        else if (mine.messages[m].right != change.right)
            conflicts.append({change.number, change.left, mine.messages[m].right, change.right});
    }
    result.modified = {false, false};
    return conflicts;
}

QString ConflictReport(const QList<MergeConflict>& conflicts)
{
    QString text;
    for (const MergeConflict& c : conflicts) {
        text += c.number == MergeConflict::HeaderBlock
            ? QCoreApplication::translate("TextMerge", "Konflikt in den Kopfzeilen:\n")
            : QCoreApplication::translate("TextMerge", "Konflikt bei Meldung %1:\n").arg(c.number);
        text += QCoreApplication::translate("TextMerge", "  Basis:    ") + Encoded(c.base) + QLatin1Char('\n');
        text += QCoreApplication::translate("TextMerge", "  Unsere:   ") + Encoded(c.ours) + QLatin1Char('\n');
        text += QCoreApplication::translate("TextMerge", "  Ihre:     ") + Encoded(c.theirs) + QLatin1Char('\n');
    }
    if (!conflicts.isEmpty())
        text += QCoreApplication::translate("TextMerge", "Konflikte: %1; die Datei enthält dort jeweils unsere Fassung.\n")
                    .arg(conflicts.size());
    return text;
}
