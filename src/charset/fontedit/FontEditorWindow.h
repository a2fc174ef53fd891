#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUndoStack>

#include "GlyphSet.h"

class DotEditor;
class GlyphGrid;
class QLabel;

// The glyph editor window: the glyph grid, the enlarged dots of the current glyph, copy,
// paste and undo; "Speichern" rewrites the editable font file in place. The owner gets the
// FontEditorEvents (character chosen, window moved, font saved) posted to it.
class FontEditorWindow : public QMainWindow
{
    Q_OBJECT

public:
    FontEditorWindow();

    // Loads the editable font file; shows the German message and returns false if it
    // cannot be read.
    bool Open(QObject* owner, const QString& path, const QString& title);
    bool IsModified() const { return !m_undo.isClean(); }
    // Offers to save unsaved edits. With `allowCancel` the user may also cancel, which
    // returns false; otherwise the answer is save or discard.
    bool ConfirmClose(bool allowCancel);
    bool SaveFont();

    GlyphSet& Glyphs() { return m_glyphs; }
    GlyphGrid& Grid() { return *m_grid; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void post(int type, int code = 0);
    void edit(int index, const Glyph& before, const Glyph& after, const QString& what);
    void copyGlyph();
    void pasteGlyph();
    void clearGlyph();
    void invertGlyph();
    void chooseCurrent();
    void updateStatus();

    GlyphSet m_glyphs;
    QUndoStack m_undo;
    GlyphGrid* m_grid = nullptr;
    DotEditor* m_dots = nullptr;
    QLabel* m_info = nullptr;
    QPointer<QObject> m_owner;
    QString m_title;
};
