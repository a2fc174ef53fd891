#pragma once

#include <QString>
#include <array>

// Capability bits of a display type.
enum DisplayTypeFlag : quint8 {
    dtSecondLanguage = 0x01,
    dtDiagnosticTexts = 0x02,
    dtPlcAddresses = 0x04,
    dtNoTransferReply = 0x08,
    dtCtsHandshake = 0x10,
    dtNoInfoQuery = 0x20,
};

// One row of the built-in display type table.
struct TDisplayType
{
    QString name;           // key of the row, compared without regard to case
    QString kind;           // "led" or "lcd": base name of the standard character set file
    quint16 lineLength = 0; // characters per display line
    quint8 flags = 0;
    quint16 keyCount = 0;   // keys of the display's keypad

    bool Has(DisplayTypeFlag flag) const { return (flags & flag) != 0; }
    int LanguageCount() const { return Has(dtSecondLanguage) ? 2 : 1; }

    friend bool operator==(const TDisplayType&, const TDisplayType&) = default;
};

constexpr int DisplayTypeSlots = 12;
using TDisplayTypeTable = std::array<TDisplayType, DisplayTypeSlots>;

// The built-in table, in its fixed order; the twelfth slot is empty.
// It is mutable only so that tests can put a type of their own into the empty slot.
TDisplayTypeTable& DisplayTypeTable();

// Finds the slot whose name equals `name` without regard to case (an empty name finds
// the empty twelfth slot) and copies it into `row`. Returns false and leaves `row`
// unchanged when there is none.
bool FindDisplayType(const QString& name, TDisplayType& row);
