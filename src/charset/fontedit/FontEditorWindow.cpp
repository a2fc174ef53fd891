#include "FontEditorWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoCommand>
#include <QVBoxLayout>

#include "DotEditor.h"
#include "GlyphGrid.h"
#include "charset/DisplayCodeMap.h"
#include "charset/FontEditorEvents.h"
#include "common/TavolinError.h"

namespace {

const char* const GlyphMime = "application/x-tavolin-glyph";

class SetGlyphCommand : public QUndoCommand
{
public:
    SetGlyphCommand(GlyphSet& glyphs, GlyphGrid& grid, int index, const Glyph& before, const Glyph& after,
                    const QString& text)
        : QUndoCommand(text), m_glyphs(glyphs), m_grid(grid), m_index(index), m_before(before), m_after(after)
    {
    }

    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }

private:
    void apply(const Glyph& glyph)
    {
        m_glyphs.Set(m_index, glyph);
        m_grid.SetCurrent(m_index);
    }

    GlyphSet& m_glyphs;
    GlyphGrid& m_grid;
    int m_index;
    Glyph m_before;
    Glyph m_after;
};

QString WindowsCharacter(int windowsCode)
{
    if ((windowsCode > 0x20 && windowsCode < 0x7F) || windowsCode > 0xA0)
        return QString(QChar(static_cast<char16_t>(windowsCode)));
    const int unicode = CodePoint::FromWindows(static_cast<quint8>(windowsCode)).unicode();
    if (windowsCode >= 0x80 && windowsCode < 0xA0 && unicode < 0xE000)
        return QString(QChar(static_cast<char16_t>(unicode)));
    return {};
}

} // namespace

FontEditorWindow::FontEditorWindow()
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_grid = new GlyphGrid(m_glyphs);
    m_dots = new DotEditor(m_glyphs);
    m_info = new QLabel;
    m_info->setMinimumWidth(m_dots->sizeHint().width());
    m_info->setWordWrap(true);

    auto* choose = new QPushButton(tr("In den Text einfügen"));
    choose->setToolTip(tr("Fügt das gewählte Zeichen als Grafikzeichen in den bearbeiteten Text ein "
                          "(auch Doppelklick oder Eingabetaste in der Übersicht)."));
    connect(choose, &QPushButton::clicked, this, &FontEditorWindow::chooseCurrent);

    auto* side = new QVBoxLayout;
    side->addWidget(m_dots);
    side->addWidget(m_info);
    side->addWidget(choose);
    side->addStretch();
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(m_grid, 0, Qt::AlignTop);
    layout->addLayout(side);
    setCentralWidget(central);

    auto* save = new QAction(tr("&Speichern"), this);
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &FontEditorWindow::SaveFont);
    auto* close = new QAction(tr("S&chließen"), this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    auto* undo = new QAction(tr("&Rückgängig"), this);
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, &m_undo, &QUndoStack::undo);
    connect(&m_undo, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    auto* redo = new QAction(tr("&Wiederherstellen"), this);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setEnabled(false);
    connect(redo, &QAction::triggered, &m_undo, &QUndoStack::redo);
    connect(&m_undo, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    auto* copy = new QAction(tr("&Kopieren"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &FontEditorWindow::copyGlyph);
    auto* paste = new QAction(tr("&Einfügen"), this);
    paste->setShortcut(QKeySequence::Paste);
    connect(paste, &QAction::triggered, this, &FontEditorWindow::pasteGlyph);
    auto* clear = new QAction(tr("&Leeren"), this);
    clear->setShortcut(QKeySequence::Delete);
    connect(clear, &QAction::triggered, this, &FontEditorWindow::clearGlyph);
    auto* invert = new QAction(tr("&Umkehren"), this);
    invert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(invert, &QAction::triggered, this, &FontEditorWindow::invertGlyph);

    QMenu* file = menuBar()->addMenu(tr("&Zeichensatz"));
    file->addAction(save);
    file->addSeparator();
    file->addAction(close);
    QMenu* editMenu = menuBar()->addMenu(tr("&Bearbeiten"));
    editMenu->addActions({undo, redo});
    editMenu->addSeparator();
    editMenu->addActions({copy, paste, clear, invert});
    for (QAction* action : {save, undo, redo, copy, paste, clear, invert})
        action->setToolTip(action->text().remove(QLatin1Char('&')) + QStringLiteral(" (")
                           + action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    QToolBar* tools = addToolBar(tr("Werkzeuge"));
    tools->setMovable(false);
    tools->addActions({save, undo, redo});
    tools->addSeparator();
    tools->addActions({copy, paste, clear, invert});

    connect(m_grid, &GlyphGrid::CurrentChanged, this, [this](int index) {
        m_dots->SetIndex(index);
        updateStatus();
    });
    connect(m_grid, &GlyphGrid::Chosen, this, &FontEditorWindow::chooseCurrent);
    connect(m_dots, &DotEditor::Edited, this, [this](int index, const Glyph& before, const Glyph& after) {
        edit(index, before, after, tr("Punkte ändern"));
    });
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    statusBar()->showMessage(tr("Pfeiltasten wählen ein Zeichen, Tab wechselt zu den Punkten, "
                                "Leertaste schaltet einen Punkt."));
    m_dots->SetIndex(m_grid->Current());
}

bool FontEditorWindow::Open(QObject* owner, const QString& path, const QString& title)
{
    try {
        m_glyphs.Load(path);
    } catch (const TavolinError& error) {
        QMessageBox::warning(this, tr("Fehler"), error.message());
        return false;
    }
    m_owner = owner;
    m_title = title;
    m_undo.clear();
    m_undo.setClean();
    setWindowModified(false);
    setWindowTitle(tr("Zeichensatz bearbeiten - %1[*]").arg(title.isEmpty() ? path : title));
    m_dots->SetIndex(m_grid->Current());
    updateStatus();
    return true;
}

void FontEditorWindow::post(int type, int code)
{
    if (m_owner)
        QCoreApplication::postEvent(m_owner, new FontEditorEvents::Event(static_cast<QEvent::Type>(type), code));
}

void FontEditorWindow::edit(int index, const Glyph& before, const Glyph& after, const QString& what)
{
    // The glyph already shows `after` (drawn while the mouse moved); pushing re-applies it.
    m_undo.push(new SetGlyphCommand(m_glyphs, *m_grid, index, before, after, what));
}

bool FontEditorWindow::SaveFont()
{
    try {
        m_glyphs.Save();
    } catch (const TavolinError& error) {
        QMessageBox::warning(this, tr("Fehler"), error.message());
        return false;
    }
    m_undo.setClean();
    post(FontEditorEvents::FontSaved);
    statusBar()->showMessage(tr("Gespeichert."), 3000);
    return true;
}

bool FontEditorWindow::ConfirmClose(bool allowCancel)
{
    if (!IsModified())
        return true;
    QMessageBox box(QMessageBox::Question, tr("Zeichensatz bearbeiten"),
                    tr("Die Änderungen am Zeichensatz \"%1\" sind noch nicht gespeichert.\n\n"
                       "Möchten Sie die Änderungen speichern?")
                        .arg(m_title),
                    QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(tr("&Ja"), QMessageBox::YesRole);
    box.addButton(tr("&Nein"), QMessageBox::NoRole);
    QPushButton* cancel = allowCancel ? box.addButton(tr("Abbrechen"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.exec();
    if (cancel && box.clickedButton() == cancel)
        return false;
    if (box.clickedButton() == yes)
        return SaveFont() || !allowCancel;
    m_undo.setClean(); // the edits are dropped; the next start reads the file again
    return true;
}

void FontEditorWindow::closeEvent(QCloseEvent* event)
{
    if (ConfirmClose(true))
        event->accept();
    else
        event->ignore();
}

void FontEditorWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (isVisible())
        post(FontEditorEvents::EditorMoved);
}

void FontEditorWindow::copyGlyph()
{
    const Glyph glyph = m_glyphs.At(m_grid->Current());
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(GlyphMime), QByteArray(reinterpret_cast<const char*>(glyph.data()), 7));
    data->setText(GlyphSet::ToText(glyph));
    QApplication::clipboard()->setMimeData(data);
    statusBar()->showMessage(tr("Zeichen kopiert."), 3000);
}

void FontEditorWindow::pasteGlyph()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    std::optional<Glyph> glyph;
    if (data && data->hasFormat(QString::fromLatin1(GlyphMime))) {
        const QByteArray bytes = data->data(QString::fromLatin1(GlyphMime));
        if (bytes.size() == 7) {
            glyph = Glyph{};
            for (int row = 0; row < 7; ++row)
                (*glyph)[row] = static_cast<quint8>(bytes[row] & 0x1F);
        }
    } else if (data && data->hasText()) {
        glyph = GlyphSet::FromText(data->text());
    }
    if (!glyph) {
        statusBar()->showMessage(tr("In der Zwischenablage ist kein Zeichen."), 4000);
        return;
    }
    const int index = m_grid->Current();
    const Glyph before = m_glyphs.At(index);
    if (before != *glyph)
        edit(index, before, *glyph, tr("Zeichen einfügen"));
}

void FontEditorWindow::clearGlyph()
{
    const int index = m_grid->Current();
    const Glyph before = m_glyphs.At(index);
    if (before != Glyph{})
        edit(index, before, Glyph{}, tr("Zeichen leeren"));
}

void FontEditorWindow::invertGlyph()
{
    const int index = m_grid->Current();
    const Glyph before = m_glyphs.At(index);
    Glyph after = before;
    for (quint8& row : after)
        row = static_cast<quint8>(~row & 0x1F);
    edit(index, before, after, tr("Zeichen umkehren"));
}

void FontEditorWindow::chooseCurrent()
{
    const int display = GlyphSet::FirstCode + m_grid->Current();
    post(FontEditorEvents::CharacterChosen, DisplayCodeMap::Instance().ToWindows(static_cast<quint8>(display)));
}

void FontEditorWindow::updateStatus()
{
    const int display = GlyphSet::FirstCode + m_grid->Current();
    const int windows = DisplayCodeMap::Instance().ToWindows(static_cast<quint8>(display));
    QString text = tr("Zeichencode %1 hex (%2)").arg(QString::number(display, 16).toUpper()).arg(display);
    const QString character = WindowsCharacter(windows);
    if (!character.isEmpty())
        text += tr("\nTaste: %1").arg(character);
    m_info->setText(text);
}
