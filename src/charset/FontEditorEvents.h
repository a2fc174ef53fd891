#pragma once

#include <QEvent>

// Notifications the glyph editor posts to its owner window.
namespace FontEditorEvents {

// The user chose a character for insertion; `code` is its Windows code.
constexpr QEvent::Type CharacterChosen = static_cast<QEvent::Type>(QEvent::User + 1);
// The editor window moved; the owner asks for its new position.
constexpr QEvent::Type EditorMoved = static_cast<QEvent::Type>(QEvent::User + 2);
// The editor saved the editable font file.
constexpr QEvent::Type FontSaved = static_cast<QEvent::Type>(QEvent::User + 3);

class Event : public QEvent
{
public:
    Event(QEvent::Type type, int code = 0) : QEvent(type), code(code) {}
    int code;
};

} // namespace FontEditorEvents
