#include "compare/ui/ProjectCompareWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "common/TavolinError.h"
#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "session/ProjectSession.h"
#include "texts/MessageTable.h"

namespace {

constexpr int Gap = 8;
constexpr int Padding = 2;
const QColor ChangedLine(255, 228, 140);
const QColor Missing(222, 222, 222);
const QColor CurrentRow(204, 228, 247);

int LineCount(const QByteArray& text)
{
    return static_cast<int>(text.count('\r')) + 1;
}

} // namespace

CompareRows::CompareRows(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void CompareRows::SetRows(const QList<MessageDifference>& rows, const CellDrawContext& left,
                          const CellDrawContext& right, int lineLength)
{
    m_rows = rows;
    m_leftFonts = left;
    m_rightFonts = right;
    // The cell drawing works on tables: one slot per row, same order on both sides.
    m_left = std::make_unique<TMessageTable>();
    m_right = std::make_unique<TMessageTable>();
    for (const MessageDifference& d : rows) {
        m_left->SetText(d.number, 0, d.left);
        m_right->SetText(d.number, 0, d.right);
    }
    m_lineHeight = std::max(QFontMetrics(left.standardFont).height(), QFontMetrics(right.standardFont).height());
    m_numberWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("00000")) + Gap;
    m_textWidth = std::max(TextColumnWidth(left.standardFont, lineLength),
                           QFontMetrics(font()).horizontalAdvance(tr("anderes Projekt"))) + 2 * Padding;
    m_current = rows.isEmpty() ? -1 : std::clamp(m_current, 0, static_cast<int>(rows.size()) - 1);
    layoutRows();
    update();
    Q_EMIT CurrentChanged(m_current);
}

void CompareRows::layoutRows()
{
    m_tops.clear();
    int y = QFontMetrics(font()).height() + 2 * Padding; // the column heads
    for (const MessageDifference& d : m_rows) {
        m_tops.append(y);
        y += std::max(LineCount(d.left), LineCount(d.right)) * m_lineHeight + 2 * Padding;
    }
    m_tops.append(y);
    setMinimumSize(m_numberWidth + 2 * m_textWidth + 2 * Gap, y);
    resize(minimumSize().expandedTo(size()));
}

QRect CompareRows::RowRect(int row) const
{
    if (row < 0 || row + 1 >= m_tops.size())
        return {};
    return QRect(0, m_tops[row], width(), m_tops[row + 1] - m_tops[row]);
}

void CompareRows::SetCurrent(int row)
{
    if (m_rows.isEmpty() || row == m_current)
        return;
    m_current = std::clamp(row, 0, static_cast<int>(m_rows.size()) - 1);
    update();
    Q_EMIT CurrentChanged(m_current);
}

int CompareRows::rowAt(int y) const
{
    for (int row = 0; row + 1 < m_tops.size(); ++row)
        if (y >= m_tops[row] && y < m_tops[row + 1])
            return row;
    return -1;
}

void CompareRows::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int leftX = m_numberWidth;
    const int rightX = leftX + m_textWidth + Gap;
    const int headHeight = m_tops.isEmpty() ? 0 : m_tops.first();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(0, 0, m_numberWidth, headHeight), Qt::AlignVCenter, tr("Nr."));
    painter.drawText(QRect(leftX, 0, m_textWidth, headHeight), Qt::AlignVCenter, tr("dieses Projekt"));
    painter.drawText(QRect(rightX, 0, m_textWidth, headHeight), Qt::AlignVCenter, tr("anderes Projekt"));
    for (int row = 0; row < m_rows.size(); ++row) {
        const MessageDifference& d = m_rows[row];
        const QRect band = RowRect(row);
        if (row == m_current)
            painter.fillRect(band, CurrentRow);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(band.bottomLeft(), band.bottomRight());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(0, band.top() + Padding, m_numberWidth, m_lineHeight), Qt::AlignVCenter,
                         QString::number(d.number));
        const QList<QByteArray> a = d.left.split('\r');
        const QList<QByteArray> b = d.right.split('\r');
        const auto side = [&](int x, const QByteArray& text, const QList<QByteArray>& mine,
                              const QList<QByteArray>& theirs, const TMessageTable& table,
                              const CellDrawContext& context) {
            const QRect cell(x, band.top() + Padding, m_textWidth, band.height() - 2 * Padding);
            if (text.isEmpty()) {
                painter.fillRect(cell, Missing);
                painter.drawText(cell.adjusted(Padding, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, tr("(nicht vorhanden)"));
                return;
            }
            for (qsizetype line = 0; line < mine.size(); ++line)
                if (line >= theirs.size() || mine[line] != theirs[line])
                    painter.fillRect(QRect(x, cell.top() + static_cast<int>(line) * m_lineHeight, m_textWidth,
                                           m_lineHeight),
                                     ChangedLine);
            DrawMessageCell(table, painter, cell.adjusted(Padding, 0, 0, 0), row + 1, 1, false, context);
        };
        side(leftX, d.left, a, b, *m_left, m_leftFonts);
        side(rightX, d.right, b, a, *m_right, m_rightFonts);
    }
}

void CompareRows::mousePressEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0)
        SetCurrent(row);
}

void CompareRows::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0)
        Q_EMIT Activated(row);
}

void CompareRows::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        SetCurrent(m_current - 1);
        break;
    case Qt::Key_Down:
        SetCurrent(m_current + 1);
        break;
    case Qt::Key_Home:
        SetCurrent(0);
        break;
    case Qt::Key_End:
        SetCurrent(Count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

ProjectCompareWindow::ProjectCompareWindow(ProjectSession& session, QWidget* parent)
    : QDialog(parent), m_session(session)
{
    setWindowTitle(tr("Mit Projekt vergleichen"));
    m_summary = new QLabel(this);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_backupBox = new QCheckBox(tr("&Texte aus den .bak-Dateien (Stand vor dem letzten Speichern)"), this);
    m_tables = new QComboBox(this);
    m_rows = new CompareRows(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_rows);
    m_scroll->setWidgetResizable(true);
    m_scroll->setMinimumSize(640, 300);
    m_details = new QPlainTextEdit(this);
    m_details->setReadOnly(true);
    m_details->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_details->setMaximumHeight(180);

    auto* buttons = new QDialogButtonBox(this);
    // A mnemonic on "Ü" cannot be typed on every keyboard.
    m_take = buttons->addButton(tr("Ü&bernehmen"), QDialogButtonBox::ActionRole);
    m_take->setToolTip(tr("Die Meldung des anderen Projekts in dieses Projekt übernehmen (Rückgängig: Strg+Z)"));
    buttons->addButton(tr("Schließen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_take, &QPushButton::clicked, this, [this] { TakeCurrent(); });
    connect(m_rows, &CompareRows::Activated, this, [this] { TakeCurrent(); });
    connect(m_rows, &CompareRows::CurrentChanged, this, [this](int row) {
        updateButtons();
        const QRect rect = m_rows->RowRect(row);
        if (rect.isValid())
            m_scroll->ensureVisible(0, rect.center().y(), 0, rect.height() / 2 + 4);
    });
    connect(m_tables, &QComboBox::currentIndexChanged, this, [this] { showTable(); });
    connect(m_backupBox, &QCheckBox::toggled, this, [this](bool on) {
        try {
            SetOther(m_folder, on);
        } catch (const TavolinError& error) {
            MessageBox::Error(this, error.message());
            const QSignalBlocker block(m_backupBox);
            m_backupBox->setChecked(!on);
        }
    });

    auto* top = new QHBoxLayout;
    top->addWidget(m_tables);
    top->addStretch();
    top->addWidget(m_backupBox);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addLayout(top);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(new QLabel(tr("Einstellungen, tavolin.cfg und Zeichensatz:"), this));
    layout->addWidget(m_details);
    layout->addWidget(buttons);
    InstallHelpKey(this, HelpContext::CompareProject);
    resize(900, 640);
    updateButtons();
}

ProjectCompareWindow::~ProjectCompareWindow() = default;

CellDrawContext ProjectCompareWindow::fonts(const ProjectSession& session) const
{
    CellDrawContext context;
    context.standardFont = session.standard.font;
    context.graphicsFont = session.graphics.font;
    context.numberFont = font();
    return context;
}

void ProjectCompareWindow::SetOther(const QString& folder, bool backup)
{
    auto other = std::make_unique<ProjectSession>();
    other->Load(folder);
    if (backup)
        LoadBackupGeneration(*other);
    other->ImportStandardCharSet();
    m_other = std::move(other);
    m_folder = folder;
    {
        const QSignalBlocker block(m_backupBox);
        m_backupBox->setChecked(backup);
    }
    m_summary->setText(tr("Links: dieses Projekt (%1), rechts: %2%3")
                           .arg(QDir::toNativeSeparators(m_session.project.folder),
                                QDir::toNativeSeparators(m_other->project.folder),
                                backup ? tr(" (.bak)") : QString()));
    Refresh();
    m_rows->setFocus(Qt::OtherFocusReason); // the arrow keys move through the messages
}

void ProjectCompareWindow::Refresh()
{
    if (!m_other)
        return;
    m_difference = CompareProjects(ProjectSide::Of(m_session), ProjectSide::Of(*m_other));
    const int shown = std::max(m_tables->currentIndex(), 0);
    {
        const QSignalBlocker block(m_tables);
        m_tables->clear();
        for (const TableDifference& t : m_difference.tables)
            m_tables->addItem(tr("%1: %2 verschieden").arg(t.Title()).arg(t.messages.size()));
        m_tables->setCurrentIndex(std::min(shown, m_tables->count() - 1));
    }
    ProjectDifference rest = m_difference;
    rest.tables.clear();
    m_details->setPlainText(rest.Equal() ? tr("Gleich.") : rest.Report());
    showTable();
}

void ProjectCompareWindow::showTable()
{
    const int index = m_tables->currentIndex();
    const QList<MessageDifference> rows =
        index >= 0 && m_other ? m_difference.tables[index].messages : QList<MessageDifference>();
    m_rows->SetRows(rows, fonts(m_session), fonts(*m_other), m_session.project.displayType.lineLength);
    updateButtons();
}

void ProjectCompareWindow::updateButtons()
{
    const int index = m_tables->currentIndex();
    bool possible = index >= 0 && m_rows->Current() >= 0;
    if (possible) {
        const TableDifference& t = m_difference.tables[index];
        possible = m_session.Table(t.table) && t.language < m_session.project.displayType.LanguageCount();
    }
    m_take->setEnabled(possible);
}

bool ProjectCompareWindow::TakeCurrent()
{
    const int index = m_tables->currentIndex();
    const int row = m_rows->Current();
    if (!m_take->isEnabled() || index < 0 || row < 0)
        return false;
    const TableDifference& t = m_difference.tables[index];
    const MessageDifference d = t.messages[row];
    TMessageTable& table = *m_session.Table(t.table);
    const auto language = static_cast<size_t>(t.language);
    bool taken = true;
    const int part = t.table == 0 ? SessionSnapshot::OperatingTexts : SessionSnapshot::DiagnosticTexts;
    m_session.history.Record(tr("Meldung %1 übernehmen").arg(d.number), part, [&] {
        const int slot = table.IndexOf(d.number);
        if (d.right.isEmpty() && slot >= 0 && table.At(slot).text[1 - language].isEmpty())
            table.DeleteAt(slot);
        else
            taken = table.SetText(d.number, t.language, d.right);
        table.modified[language] = true;
    }, {t.table, d.number, t.language});
    if (!taken) {
        MessageBox::Error(this, tr("Kein Platz für eine neue Meldung !"));
        return false;
    }
    // The grid and the editor follow as after an undo: the message is shown.
    m_session.Notify(ProjectSession::TablesChanged);
    m_session.history.AnnounceRestored({t.table, d.number, t.language});
    Refresh();
    m_rows->SetCurrent(row);
    return true;
}
