#include "common/ReadWarnings.h"

#include <QCoreApplication>
#include <QDir>

QString TReadWarning::Message() const
{
    const QString where = QDir::toNativeSeparators(file);
    if (line <= 0)
        return where + QStringLiteral(": ") + text;
    return QCoreApplication::translate("ReadWarnings", "%1, Zeile %2: %3").arg(where).arg(line).arg(text);
}

QString FormatReadWarnings(const ReadWarnings& warnings, int limit, const QString& separator)
{
    QStringList lines;
    for (qsizetype i = 0; i < warnings.size() && i < limit; ++i)
        lines.append(warnings[i].Message());
    if (warnings.size() > limit)
        lines.append(
            QCoreApplication::translate("ReadWarnings", "… und %1 weitere Hinweise.").arg(warnings.size() - limit));
    return lines.join(separator);
}
