#include "project/DisplayType.h"

TDisplayTypeTable& DisplayTypeTable()
{
    static TDisplayTypeTable table{{
        {QStringLiteral("Orbex 1"), QStringLiteral("led"), 40, dtNoTransferReply | dtCtsHandshake | dtNoInfoQuery, 0},
        {QStringLiteral("Orbex 2"), QStringLiteral("led"), 24, dtNoTransferReply, 0},
        {QStringLiteral("Quon 1"), QStringLiteral("led"), 24, dtSecondLanguage | dtPlcAddresses, 12},
        {QStringLiteral("Quon 2"), QStringLiteral("led"), 40, dtSecondLanguage | dtPlcAddresses, 0},
        {QStringLiteral("Quon 3"), QStringLiteral("led"), 40, dtSecondLanguage | dtPlcAddresses, 8},
        {QStringLiteral("Quon 4"), QStringLiteral("led"), 40, dtSecondLanguage | dtPlcAddresses, 24},
        {QStringLiteral("Quon 5"), QStringLiteral("led"), 40, dtSecondLanguage | dtPlcAddresses, 48},
        {QStringLiteral("Quon 6"), QStringLiteral("lcd"), 40, dtSecondLanguage | dtPlcAddresses, 8},
        {QStringLiteral("Quon 7"), QStringLiteral("lcd"), 40, dtSecondLanguage | dtPlcAddresses, 12},
        {QStringLiteral("Quon 8"), QStringLiteral("lcd"), 40, dtSecondLanguage | dtPlcAddresses, 48},
        {QStringLiteral("Keypad 1"), QStringLiteral("lcd"), 40, dtPlcAddresses, 48},
        {QString(), QString(), 0, 0, 0},
    }};
    return table;
}

bool FindDisplayType(const QString& name, TDisplayType& row)
{
    for (const TDisplayType& slot : DisplayTypeTable()) {
        if (slot.name.compare(name, Qt::CaseInsensitive) == 0) {
            row = slot;
            return true;
        }
    }
    return false;
}
