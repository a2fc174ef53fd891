#include "charset/FontEditorLink.h"

#include <cstdint>

#include "common/ProgramFolder.h"
#include "common/SettingsStore.h"

namespace {

using StartEditorFn = std::int32_t (*)(QObject*, std::int32_t, std::int32_t, const char*, const char*, std::int32_t,
                                       std::uint8_t);
using IsVisibleFn = std::int32_t (*)();
using EndEditorFn = void (*)(void*);
using SetPosFn = void (*)(std::int32_t, std::int32_t);
using GetPosFn = void (*)(std::int32_t*);

FontEditorLink*& Current()
{
    static FontEditorLink* link = nullptr;
    return link;
}

} // namespace

FontEditorLink& FontEditorLink::Instance()
{
    FontEditorLink*& link = Current();
    // Deliberately never destroyed: the library must stay mapped while the editor's
    // windows and the events it posted may still exist.
    if (!link)
        link = new FontEditorLink(LibraryPath());
    return *link;
}

QString FontEditorLink::LibraryPath()
{
#ifdef Q_OS_WIN
    return ShippedFile(QStringLiteral("fontedit.dll"));
#elif defined(Q_OS_MACOS)
    return ShippedFile(QStringLiteral("libfontedit.dylib"));
#else
    return ShippedFile(QStringLiteral("libfontedit.so"));
#endif
}

void FontEditorLink::Shutdown()
{
    if (FontEditorLink* link = Current()) {
        link->EndEditor();
        link->WriteOffsets();
    }
}

FontEditorLink::FontEditorLink(const QString& libraryPath) : m_library(libraryPath)
{
    m_library.load();
    ReadOffsets();
}

QFunctionPointer FontEditorLink::resolve(const char* name)
{
    return m_library.isLoaded() ? m_library.resolve(name) : nullptr;
}

void FontEditorLink::StartEditor(QObject* owner, int left, int top, const QString& fntPath, const QString& title)
{
    if (auto start = reinterpret_cast<StartEditorFn>(resolve("_StartEditor")))
        start(owner, left + offsetX, top + offsetY, fntPath.toUtf8().constData(), title.toUtf8().constData(), -2, 0);
}

bool FontEditorLink::IsVisible()
{
    if (auto visible = reinterpret_cast<IsVisibleFn>(resolve("_IsVisible")))
        return (visible() & 0xFF) != 0;
    return false;
}

void FontEditorLink::EndEditor()
{
    if (auto end = reinterpret_cast<EndEditorFn>(resolve("_EndEditor"))) {
        char buffer[8] = {};
        end(buffer);
    }
}

void FontEditorLink::SetPos(int left, int top)
{
    if (auto setPos = reinterpret_cast<SetPosFn>(resolve("_SetPos")))
        setPos(left + offsetX, top + offsetY);
}

void FontEditorLink::EditorMoved(int left, int top)
{
    if (auto getPos = reinterpret_cast<GetPosFn>(resolve("_GetPos"))) {
        std::int32_t position[2] = {left + offsetX, top + offsetY};
        getPos(position);
        offsetX = position[0] - left;
        offsetY = position[1] - top;
    }
}

void FontEditorLink::ReadOffsets()
{
    offsetX = SettingsStore::ReadLeadingInteger(SettingsStore::Key::FontEditorPosX);
    offsetY = SettingsStore::ReadLeadingInteger(SettingsStore::Key::FontEditorPosY);
}

void FontEditorLink::WriteOffsets() const
{
    SettingsStore::Write(SettingsStore::Key::FontEditorPosX, QString::number(offsetX));
    SettingsStore::Write(SettingsStore::Key::FontEditorPosY, QString::number(offsetY));
}
