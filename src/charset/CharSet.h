#pragma once

#include <QDateTime>
#include <QFont>
#include <QObject>
#include <QString>

// One display character set (standard 'S' or graphics 'G'): its editable font file,
// the generated font registered with the application under the file's name, and
// whether it differs from its ".pix" file on disk.
class TCharSet : public QObject
{
    Q_OBJECT

public:
    static constexpr int PixSize = 1568; // 224 glyphs of 7 rows

    explicit TCharSet(char letter, QObject* parent = nullptr);
    ~TCharSet() override;
    TCharSet(const TCharSet&) = delete;
    TCharSet& operator=(const TCharSet&) = delete;

    // Loads a ".pix" or ".fix" file (a missing file gives blank glyphs) and builds its font.
    bool Import(const QString& pixPath);
    // Writes the glyphs back as a ".pix" file and clears `modified`.
    bool Save(const QString& pixPath);
    // Deletes the editable font file and removes the font.
    void Release();
    bool RebuildFont();
    // The glyphs as the 1568 bytes of a ".pix" file; empty before the first Import.
    QByteArray Glyphs() const;
    // Replaces the glyphs (an undo or redo) and rebuilds the font; not an outside change.
    void SetGlyphs(const QByteArray& pix);
    // True once after the editable font file was rewritten (by the glyph editor).
    bool CheckExternalChange();
    void PurgePendingDeletes();
    // Opens the glyph editor on this set; `owner` receives its notifications
    // (FontEditorEvents). x, y: the main window's left and top.
    void StartEditor(QObject* owner, int x, int y);
    // Closes the glyph editor (which may first save the user's pending edits) and then
    // picks up such a last save, as CheckExternalChange does.
    bool EndEditor();

    // The face name the grid and editor draw with (empty before the first Import).
    QString FaceName() const { return m_face; }

    // The font for a generated face: pixel size 16, no antialiasing, hinting or fallback
    // fonts, so that Qt draws exactly the font's pixels.
    static QFont MakeFont(const QString& face);
    // Pixels from one character to the next in MakeFont's size (6 dots of 2 pixels).
    static constexpr int GlyphAdvance = 12;

    static void PixToFont(const QString& pixPath, const QString& fontPath, const QString& faceName);
    // The same from the glyph bytes of a ".pix" file.
    static void PixDataToFont(const QByteArray& pix, const QString& fontPath, const QString& faceName);
    // The 1568 bytes of a ".pix" or ".fix" file; a missing, unreadable, empty or wrong-size
    // file raises TavolinError naming the file and the reason.
    static QByteArray ReadPixFile(const QString& pixPath);
    static void FontToPix(const QString& fontPath, const QString& pixPath);

    QFont font;
    bool modified = false;
    QDateTime fntDate;
    QString fonPath;
    QString fntPath;
    QString pixName;
    QString importedFrom; // the file the glyphs were last imported from; empty: not from a file
    QString pendingDeletes;
    char prefixChar;

Q_SIGNALS:
    // code 1: the face is about to go away; code 2: it is available again.
    void FontChange(int code, const QString& face);

private:
    int m_fontId = -1; // the registered application font, -1 for none
    QString m_face;
};
