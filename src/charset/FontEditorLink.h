#pragma once

#include <QLibrary>
#include <QObject>
#include <QString>

// The program's side of the glyph editor library ("fontedit", shipped with the program).
// The library is loaded once; each entry point is looked up at every call, and a
// missing library or entry point makes the call do nothing. The link keeps the editor
// window's offset from the main window's top left corner ("FonteditorPosX/Y").
class FontEditorLink
{
public:
    // The link of this run, loading the library from the program folder on first use.
    static FontEditorLink& Instance();
    // The library's file, beside the program or in the installed library folder.
    static QString LibraryPath();
    // Ends the editor and stores the offsets; main programs call it before they quit.
    static void Shutdown();

    // `libraryPath` as QLibrary takes it.
    explicit FontEditorLink(const QString& libraryPath);
    FontEditorLink(const FontEditorLink&) = delete;
    FontEditorLink& operator=(const FontEditorLink&) = delete;

    bool IsLoaded() const { return m_library.isLoaded(); }

    // left, top: the main window's position; the editor goes there plus the offsets.
    void StartEditor(QObject* owner, int left, int top, const QString& fntPath, const QString& title);
    bool IsVisible();
    void EndEditor();
    // The main window moved: the editor follows, keeping its offset.
    void SetPos(int left, int top);
    // The editor reported a move (FontEditorEvents::EditorMoved): new offsets.
    void EditorMoved(int left, int top);

    void ReadOffsets();
    void WriteOffsets() const;

    int offsetX = 0;
    int offsetY = 0;

private:
    QFunctionPointer resolve(const char* name);
    QLibrary m_library;
};
