#include "app/MessageView.h"

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "app/CellEditor.h"
#include "app/MessageGrid.h"
#include "charset/CharSet.h"
#include "texts/MessageTable.h"

MessageView::MessageView(const TCharSet& standard, const TCharSet& graphics, QWidget* parent)
    : QWidget(parent),
      m_standard(standard),
      m_graphics(graphics),
      m_grid(new MessageGrid(this)),
      m_panel(new QWidget(m_grid->viewport())),
      m_editor(new CellEditor(m_panel)),
      m_cellEdit(*this)
{
    m_grid->hide();
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->cellPainter = [this](QPainter& painter, const QRect& rect, int row, int col) {
        if (m_table)
            DrawMessageCell(*m_table, painter, rect, row, col, false, drawContext());
    };
    m_panel->setAutoFillBackground(true);
    QPalette white = m_panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_panel->setPalette(white);
    m_panel->hide();
    m_panel->installEventFilter(this);
    m_grid->setFocusProxy(nullptr);
    setFocusProxy(m_grid);

    connect(m_grid, &MessageGrid::CellClicked, this, &MessageView::onCellClicked);
    connect(m_grid, &MessageGrid::CellPressed, this, &MessageView::onCellPressed);
    connect(m_grid, &MessageGrid::CellDragged, this, &MessageView::onCellDragged);
    connect(m_grid, &MessageGrid::TopLeftChanged, this, &MessageView::onTopLeftChanged);
    connect(m_grid, &MessageGrid::FocusEntered, this, &MessageView::onGridFocus);
    connect(m_grid, &MessageGrid::Resized, this, &MessageView::onGridResized);
    connect(m_editor, &CellEditor::HeightRequested, this, &MessageView::onHeightRequested);
    connect(m_editor, &CellEditor::EscapePressed, this, &MessageView::CloseEdit);
    connect(m_editor, &CellEditor::TabPressed, this, &MessageView::MoveEdit);
    connect(m_editor, &CellEditor::ContextMenuRequested, this, &MessageView::EditorContextMenu);
    connect(m_editor, &QTextEdit::textChanged, this, [this] {
        if (m_table && m_panel->isVisible()) {
            CheckLineLength(*m_table);
            m_cellEdit.FollowTyping(*m_table);
        }
    });
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &MessageView::StatusChanged);
    connect(m_editor, &QTextEdit::selectionChanged, this, &MessageView::StatusChanged);
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &MessageView::StatusChanged);
}

MessageView::~MessageView() = default;

bool MessageView::EditorShown() const
{
    return !m_panel->isHidden();
}

bool MessageView::eventFilter(QObject* watched, QEvent* event)
{
    // Sent on every show() / hide() of the panel, also while the window is not shown yet.
    if (watched == m_panel && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        Q_EMIT EditorShownChanged();
    return QWidget::eventFilter(watched, event);
}

void MessageView::SetTable(TMessageTable* table, const TDisplayType& type)
{
    m_table = table;
    m_type = type;
    m_editor->SetLineLength(type.lineLength);
    if (table)
        table->grid = this;
}

void MessageView::HideGrid()
{
    m_grid->hide();
    m_grid->Thaw();
}

QFont MessageView::StandardFont() const
{
    return m_standard.font;
}

QFont MessageView::GraphicsFont() const
{
    return m_graphics.font;
}

void MessageView::InvalidateGrid()
{
    m_grid->Repaint();
}

int MessageView::editorBarWidth() const
{
    return m_editor->verticalScrollBar()->sizeHint().width();
}

int MessageView::lineHeight() const
{
    return QFontMetrics(m_standard.font).height();
}

CellDrawContext MessageView::drawContext() const
{
    CellDrawContext context;
    context.standardFont = m_standard.font;
    context.graphicsFont = m_graphics.font;
    context.numberFont = m_grid->font();
    context.editSlot = m_cellEdit.IsOpen() ? m_cellEdit.slot : -1;
    return context;
}

int MessageView::MeasureTextHeight(const TMessageTable& table, int slot, int language, bool withHeader) const
{
    return ::MeasureTextHeight(table, m_standard.font, slot, language, withHeader);
}

int MessageView::TextColumnWidth() const
{
    return ::TextColumnWidth(m_standard.font, m_type.lineLength);
}

int MessageView::WidestGridWidth() const
{
    int texts = 0;
    for (const TDisplayType& type : DisplayTypeTable())
        texts = std::max(texts, type.LanguageCount()
                                    * (type.lineLength * TCharSet::GlyphAdvance + 5 + editorBarWidth()
                                       + MessageGrid::LineWidth));
    return 40 + MessageGrid::LineWidth + texts + m_grid->verticalScrollBar()->sizeHint().width()
           + 2 * m_grid->frameWidth();
}

void MessageView::RemeasureStaleRows(TMessageTable& table)
{
    const int h = lineHeight();
    const int languages = LanguageCount();
    for (int slot = 0; slot < table.Count(); ++slot) {
        TMessage& message = table.At(slot);
        if (message.layoutStale == 0)
            continue;
        message.layoutStale = 0;
        int height = h;
        for (int language = 0; language < languages; ++language)
            height = std::max(height, MeasureTextHeight(table, slot, language, false));
        message.rowHeight = static_cast<qint16>(std::min(height, 32767));
    }
}

void MessageView::RefreshLayout(TMessageTable& table)
{
    RemeasureStaleRows(table);
    CheckLineLength(table);
    LayoutGrid(table, 0);
}

void MessageView::LayoutGrid(TMessageTable& table, int requested)
{
    if (table.grid != this)
        return;
    // Showing the grid can resize it, which lays it out again from the resize handler;
    // this layout then repeats the same steps on the same sizes.
    const bool first = m_grid->isHidden();
    if (first) {
        const int columns = LanguageCount() + 1;
        m_grid->SetColCount(columns);
        m_grid->SetColWidth(0, 40);
        for (int c = 1; c < columns; ++c)
            m_grid->SetColWidth(c, TextColumnWidth() + 5 + editorBarWidth());
        m_grid->SetDefaultRowHeight(lineHeight());
        m_grid->SetRowHeight(0, MessageGrid::HeaderRowHeight);
        m_grid->SetRowCount(table.Count() + 2);
        m_grid->show();
    }
    if (m_grid->RowCount() != table.Count() + 2)
        m_grid->SetRowCount(table.Count() + 2);

    const int h = lineHeight();
    const int editRow = m_cellEdit.IsOpen() ? m_cellEdit.slot + 1 : -1;
    bool changed = false;
    // Every row gets its whole height, so the grid can scroll through a message taller
    // than the window pixel by pixel.
    for (int r = 1; r <= table.Count(); ++r) {
        TMessage& message = table.At(r - 1);
        if (r == editRow) {
            int rowHeight = requested != 0 ? requested : m_editor->document()->blockCount() * h;
            if (LanguageCount() == 2)
                rowHeight = std::max(rowHeight, MeasureTextHeight(table, r - 1, 1 - m_cellEdit.language, false));
            message.rowHeight = static_cast<qint16>(std::min(rowHeight, 32767));
        }
        changed |= m_grid->SetRowHeight(r, message.rowHeight);
    }
    const int last = std::min(m_grid->LastVisibleRow(), table.Count());
    for (int r = m_grid->TopRow(); r <= last; ++r) {
        TMessage& message = table.At(r - 1);
        const bool clipped = m_grid->RowCutAtBottom(r);
        changed |= message.rowClipped != clipped;
        message.rowClipped = clipped;
    }
    PlaceEditor(table);
    if (changed || first)
        m_grid->Repaint();
}

void MessageView::PlaceEditor(TMessageTable& table)
{
    if (!m_cellEdit.IsOpen() || table.grid != this)
        return;
    const QRect rect = m_grid->CellRect(m_cellEdit.language + 1, m_cellEdit.slot + 1);
    if (rect.isEmpty() || rect.top() == 0) {
        // Keys typed next must not land in whatever widget Qt would pick instead.
        if (m_editor->hasFocus())
            m_grid->setFocus(Qt::OtherFocusReason);
        m_panel->hide();
        return;
    }
    // A cut row scrolls inside the editor; its bar takes the room every column keeps for it
    // beside the text, so that it covers neither this text nor the next column's.
    const QRect placed = rect;
    if (m_panel->geometry() != placed)
        m_panel->setGeometry(placed);
    if (m_editor->geometry() != QRect(QPoint(0, 0), placed.size()))
        m_editor->setGeometry(QRect(QPoint(0, 0), placed.size()));
    m_editor->ensureCursorVisible();
    const bool wasHidden = m_panel->isHidden();
    m_panel->show();
    QWidget* focus = window()->focusWidget();
    if (wasHidden || focus == nullptr || focus == m_grid || !focus->isVisible())
        m_editor->setFocus(Qt::OtherFocusReason);
}

void MessageView::CheckLineLength(TMessageTable& table)
{
    // The mark stands while any message of the column has a line the display cuts; the
    // edited cell counts with what its editor holds, which the table may not take.
    const int editSlot = m_cellEdit.IsOpen() && &table == m_table ? m_cellEdit.slot : -1;
    std::array<bool, 2> tooLong{false, false};
    for (int language = 0; language < LanguageCount() && language < 2; ++language) {
        bool& mark = tooLong[static_cast<size_t>(language)];
        if (editSlot >= 0 && language == m_cellEdit.language) {
            const QTextDocument* document = m_editor->document();
            for (QTextBlock block = document->begin(); block.isValid() && !mark; block = block.next())
                mark = block.length() - 1 > m_type.lineLength;
        }
        for (int slot = 0; slot < table.Count() && !mark; ++slot)
            if (slot != editSlot || language != m_cellEdit.language)
                mark = LongestLine(table.At(slot).text[static_cast<size_t>(language)]) > m_type.lineLength;
    }
    if (tooLong != table.lineTooLong) {
        table.lineTooLong = tooLong;
        InvalidateGrid();
    }
}

void MessageView::OpenCell(int slot, int language)
{
    if (!m_table || slot < 0 || slot >= m_table->Count())
        return;
    m_grid->SetCurrentCell(language + 1, slot + 1);
}

void MessageView::onCellClicked()
{
    if (!m_table)
        return;
    const int col = m_grid->Col();
    const int row = m_grid->Row();
    if (col == 0 || row == 0 || !m_grid->GetSelection().IsOneCell())
        return;
    if (row - 1 >= m_table->Count()) {
        Q_EMIT NewMessageRequested();
        return;
    }
    if (!m_cellEdit.EndCellEdit(*m_table))
        return;
    cellSlot = row - 1;
    cellLanguage = col - 1;
    m_grid->ShowRow(cellSlot + 1);
    m_editor->SetFonts(StandardFont(), GraphicsFont());
    m_cellEdit.BeginCellEdit(*m_table, m_editor, m_panel, cellSlot, cellLanguage);
    Q_EMIT StatusChanged();
}

void MessageView::MoveEdit(bool forward)
{
    if (!m_table || !m_cellEdit.IsOpen())
        return;
    const int languages = LanguageCount();
    int slot = m_cellEdit.slot;
    int language = m_cellEdit.language + (forward ? 1 : -1);
    if (language >= languages) {
        language = 0;
        ++slot;
    } else if (language < 0) {
        language = languages - 1;
        --slot;
    }
    if (slot < 0 || slot >= m_table->Count())
        return;
    OpenCell(slot, language);
}

void MessageView::CloseEdit()
{
    if (!m_table)
        return;
    const bool wasOpen = m_cellEdit.IsOpen();
    const int slot = m_cellEdit.slot;
    const int language = m_cellEdit.language;
    if (!m_cellEdit.EndCellEdit(*m_table))
        return;
    if (wasOpen) {
        MessageGrid::Selection one{language + 1, slot + 1, language + 1, slot + 1};
        m_grid->SetSelection(one);
        m_grid->setFocus(Qt::OtherFocusReason);
    }
    Q_EMIT StatusChanged();
}

void MessageView::selectRows(int top, int bottom, int currentCol)
{
    const int last = m_grid->ColCount() - 1;
    MessageGrid::Selection s;
    s.top = std::max(top, 1);
    s.bottom = std::max(bottom, 1);
    // The current cell is the corner given last; it stays in the column it was in.
    if (currentCol == 1) {
        s.left = last;
        s.right = 1;
    } else {
        s.left = 1;
        s.right = last;
    }
    m_grid->SetSelection(s);
    InvalidateGrid();
}

void MessageView::onCellPressed(int col, int row, Qt::KeyboardModifiers modifiers)
{
    if (!m_table || col != 0 || row < 1)
        return;
    const int currentCol = m_grid->Col();
    if (!m_cellEdit.EndCellEdit(*m_table))
        return;
    Q_EMIT StatusChanged();
    if (modifiers & Qt::ShiftModifier) {
        MessageGrid::Selection s = m_grid->GetSelection();
        if (row < s.top)
            s.top = row;
        else
            s.bottom = row;
        m_anchorRow = s.top;
        selectRows(s.top, s.bottom, currentCol);
    } else {
        m_anchorRow = row;
        selectRows(row, row, currentCol);
    }
    m_grid->setFocus(Qt::MouseFocusReason);
}

void MessageView::onCellDragged(int, int row)
{
    if (!m_table)
        return;
    selectRows(std::min(m_anchorRow, row), std::max(m_anchorRow, row), m_grid->Col());
}

void MessageView::onTopLeftChanged()
{
    if (!m_table || m_grid->isHidden())
        return;
    const int left = m_grid->LeftCol();
    LayoutGrid(*m_table, 0);
    m_grid->SetLeftCol(left);
    gridScrolled = true;
}

void MessageView::onGridFocus()
{
    if (EditorShown() && gridScrolled)
        m_editor->setFocus(Qt::OtherFocusReason);
    gridScrolled = false;
}

void MessageView::onHeightRequested(int height)
{
    if (!m_table || !EditorShown() || !m_cellEdit.IsOpen())
        return;
    if (height != m_editor->height())
        LayoutGrid(*m_table, height);
    if (cellSlot < m_table->Count() && m_grid->RowCutAtBottom(cellSlot + 1))
        m_grid->ShowRow(cellSlot + 1);
}

void MessageView::onGridResized()
{
    if (m_table && !m_grid->isHidden())
        LayoutGrid(*m_table, 0);
}

void MessageView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_grid->setGeometry(rect());
}

void MessageView::FontGoing(const QString& face)
{
    m_grid->Freeze();
    // A face that never comes back (its rebuild failed) must not freeze the view for good.
    QTimer::singleShot(0, this, [this] {
        m_grid->Thaw();
        m_editor->viewport()->setUpdatesEnabled(true);
        m_rememberedFace.clear();
    });
    if (EditorShown() && m_editor->currentCharFormat().fontFamilies().toStringList().value(0) == face) {
        m_rememberedFace = face;
        m_editor->viewport()->setUpdatesEnabled(false);
    }
}

void MessageView::FontBack(const QString& face)
{
    if (EditorShown()) {
        // The glyphs behind the face were replaced: lay the text out with them again.
        QTextDocument* document = m_editor->document();
        document->markContentsDirty(0, document->characterCount());
    }
    if (m_rememberedFace == face) {
        m_editor->viewport()->setUpdatesEnabled(true);
        m_rememberedFace.clear();
    }
    m_grid->Thaw();
    m_editor->viewport()->update();
}
