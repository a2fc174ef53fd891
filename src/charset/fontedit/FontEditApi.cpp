// The entry points the program looks up by name: C calling convention, 32-bit integers,
// the owner "window" is the QObject that receives the FontEditorEvents.
#include <QApplication>
#include <QPointer>
#include <cstdint>
#include <cstring>

#include "FontEditorWindow.h"

namespace {

QPointer<FontEditorWindow>& Window()
{
    static QPointer<FontEditorWindow> window;
    return window;
}

bool HasWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

extern "C" {

// x, y: where the window goes; path: the editable font file; title: the set's file name.
// The last two arguments are reserved (the program passes -2 and 0).
Q_DECL_EXPORT std::int32_t _StartEditor(QObject* owner, std::int32_t x, std::int32_t y, const char* path,
                                        const char* title, std::int32_t, std::uint8_t)
{
    if (!HasWidgets() || !path || !*path)
        return 0;
    QPointer<FontEditorWindow>& window = Window();
    if (window && window->isVisible() && !window->ConfirmClose(false))
        return 0;
    if (!window)
        window = new FontEditorWindow;
    if (!window->Open(owner, QString::fromUtf8(path), QString::fromUtf8(title ? title : "")))
        return 0;
    window->move(x, y);
    window->show();
    window->raise();
    window->activateWindow();
    return 1;
}

Q_DECL_EXPORT std::int32_t _IsVisible()
{
    return Window() && Window()->isVisible() ? 1 : 0;
}

// `buffer` (8 bytes) receives the window's last position.
Q_DECL_EXPORT void _EndEditor(void* buffer)
{
    QPointer<FontEditorWindow>& window = Window();
    if (!window)
        return;
    if (window->isVisible())
        window->ConfirmClose(false);
    if (buffer) {
        const std::int32_t position[2] = {window->x(), window->y()};
        std::memcpy(buffer, position, sizeof position);
    }
    delete window.data();
}

Q_DECL_EXPORT void _SetPos(std::int32_t x, std::int32_t y)
{
    if (Window())
        Window()->move(x, y);
}

Q_DECL_EXPORT void _GetPos(std::int32_t* position)
{
    if (Window() && position) {
        position[0] = Window()->x();
        position[1] = Window()->y();
    }
}

} // extern "C"
