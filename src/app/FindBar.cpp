#include "app/FindBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "app/CellEditor.h"
#include "texts/RichTextBridge.h"
#include "texts/ui/RichTextDocument.h"

namespace {

CellEditor* Field(QWidget* parent)
{
    auto* field = new CellEditor(parent);
    field->SetSearchField();
    const int height = 16 + 2 * field->frameWidth() + 4;
    field->setFixedHeight(height);
    field->setMinimumWidth(80);
    return field;
}

} // namespace

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), m_find(Field(this)), m_replace(Field(this)), m_replaceLabel(new QLabel(tr("&Ersetzen durch:"), this)),
      m_case(new QCheckBox(tr("&Groß-/Kleinschreibung"), this)), m_words(new QCheckBox(tr("Nur ganze &Wörter"), this)),
      m_tables(new QComboBox(this)), m_languages(new QComboBox(this)),
      m_replaceOne(new QPushButton(tr("Ersetzen"), this)), m_replaceAll(new QPushButton(tr("&Alle ersetzen"), this)),
      m_result(new QLabel(this))
{
    setObjectName(QStringLiteral("findBar"));
    m_tables->addItems({tr("Angezeigte Tabelle"), tr("Alle Tabellen")});
    m_languages->addItems({tr("Beide Sprachen"), tr("Sprache1"), tr("Sprache2")});
    m_findLabel = new QLabel(tr("&Suchen nach:"), this);
    m_findLabel->setBuddy(m_find);
    m_replaceLabel->setBuddy(m_replace);
    m_next = new QPushButton(tr("Weitersuchen"), this);
    m_previous = new QPushButton(tr("Zurück"), this);
    auto* close = new QToolButton(this);
    m_close = close;
    close->setText(QStringLiteral("×"));
    close->setToolTip(tr("Suchen schließen (Esc)"));
    close->setAutoRaise(true);
    for (QWidget* w : {static_cast<QWidget*>(m_next), static_cast<QWidget*>(m_previous), static_cast<QWidget*>(m_replaceOne),
                       static_cast<QWidget*>(m_replaceAll), static_cast<QWidget*>(m_case),
                       static_cast<QWidget*>(m_words), static_cast<QWidget*>(m_tables),
                       static_cast<QWidget*>(m_languages), static_cast<QWidget*>(close)})
        w->setFocusPolicy(Qt::TabFocus);

    // The bar fills the window's width; the fields take what is left over.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_result->setMinimumWidth(m_result->fontMetrics().horizontalAdvance(tr("Meldung 1023, Sprache2")) + 8);
    ensurePolished();
    arrange(true);
    m_narrowWidth = layout()->minimumSize().width();
    arrange(false);
    m_wideWidth = layout()->minimumSize().width();

    connect(m_next, &QPushButton::clicked, this, [this] { Q_EMIT FindRequested(false); });
    connect(m_previous, &QPushButton::clicked, this, [this] { Q_EMIT FindRequested(true); });
    connect(m_replaceOne, &QPushButton::clicked, this, &FindBar::ReplaceRequested);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindBar::ReplaceAllRequested);
    connect(close, &QToolButton::clicked, this, &FindBar::CloseRequested);
    connect(m_find, &CellEditor::ReturnPressed, this, [this] { Q_EMIT FindRequested(false); });
    connect(m_replace, &CellEditor::ReturnPressed, this, &FindBar::ReplaceRequested);
    for (CellEditor* field : {m_find, m_replace}) {
        connect(field, &CellEditor::EscapePressed, this, &FindBar::CloseRequested);
        connect(field, &CellEditor::TabPressed, this, [this](bool forward) { focusNextPrevChild(forward); });
    }
}

void FindBar::arrange(bool narrow)
{
    m_narrow = narrow;
    delete layout();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    grid->addWidget(m_findLabel, 0, 0);
    grid->addWidget(m_find, 0, 1);
    grid->addWidget(m_next, 0, 2);
    grid->addWidget(m_previous, 0, 3);
    grid->addWidget(m_replaceLabel, 1, 0);
    grid->addWidget(m_replace, 1, 1);
    grid->addWidget(m_replaceOne, 1, 2);
    grid->addWidget(m_replaceAll, 1, 3);
    grid->setColumnStretch(1, 1);
    if (narrow) {
        // A narrow window: the options go below the fields, so nothing is cut.
        grid->addWidget(m_close, 0, 4);
        grid->addWidget(m_case, 2, 0, 1, 2);
        grid->addWidget(m_tables, 2, 2, 1, 3);
        grid->addWidget(m_words, 3, 0, 1, 2);
        grid->addWidget(m_languages, 3, 2, 1, 3);
        grid->addWidget(m_result, 4, 0, 1, 5);
    } else {
        grid->addWidget(m_case, 0, 4);
        grid->addWidget(m_tables, 0, 5);
        grid->addWidget(m_words, 1, 4);
        grid->addWidget(m_languages, 1, 5);
        grid->addWidget(m_result, 0, 6, 2, 1);
        grid->addWidget(m_close, 0, 7);
        grid->setColumnStretch(6, 1);
    }
    grid->activate();
}

QSize FindBar::minimumSizeHint() const
{
    // Never wider than the narrow arrangement needs: the bar must not widen the window.
    return {m_narrowWidth, QWidget::minimumSizeHint().height()};
}

void FindBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const bool narrow = width() < m_wideWidth;
    if (narrow != m_narrow) {
        arrange(narrow);
        updateGeometry();
    }
}

void FindBar::Open(bool replacing, const QFont& standard, const QFont& graphics)
{
    m_standard = standard;
    m_graphics = graphics;
    for (CellEditor* field : {m_find, m_replace}) {
        // Room for the display font's whole line, umlaut dots included.
        field->setFixedHeight(std::max(QFontMetrics(standard).height(), QFontMetrics(graphics).height())
                              + 2 * field->frameWidth() + 6);
        field->SetFonts(standard, graphics);
        field->document()->setDefaultFont(standard);
        if (field->document()->isEmpty())
            field->setCurrentCharFormat(field->Format(false, false));
    }
    for (QWidget* w : {static_cast<QWidget*>(m_replaceLabel), static_cast<QWidget*>(m_replace),
                       static_cast<QWidget*>(m_replaceOne), static_cast<QWidget*>(m_replaceAll)})
        w->setVisible(replacing);
    m_result->clear();
    CellEditor* field = replacing && !m_find->document()->isEmpty() ? m_replace : m_find;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

QByteArray FindBar::codes(const CellEditor* field) const
{
    return RtfToMessage(RichTextDocument::Save(field->document(), m_standard, m_graphics));
}

QByteArray FindBar::Pattern() const
{
    return codes(m_find);
}

QByteArray FindBar::Replacement() const
{
    return codes(m_replace);
}

ProjectFind::Scope FindBar::Scope() const
{
    return {m_tables->currentIndex() == 1, m_languages->currentIndex() - 1};
}

TextSearch::Options FindBar::Options() const
{
    return {m_case->isChecked(), m_words->isChecked()};
}

void FindBar::SetResult(const QString& text)
{
    m_result->setText(text);
}
