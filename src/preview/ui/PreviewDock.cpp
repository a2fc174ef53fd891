#include "preview/ui/PreviewDock.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "common/SettingsStore.h"
#include "project/DisplayType.h"

namespace {

// Kept in the user's settings beside the program's other values.
const QString LinesValue = QStringLiteral("Anzeigevorschau\\Zeilen");
const QString PitchValue = QStringLiteral("Anzeigevorschau\\Punktabstand");
const QString LookValue = QStringLiteral("Anzeigevorschau\\Aussehen");

int StoredInteger(const QString& name, int fallback, int low, int high)
{
    bool ok = false;
    const int value = SettingsStore::ReadValue(name).toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

} // namespace

DisplayView::DisplayView(const TDisplayPreview& preview, DisplayPainter& painter, QWidget* parent)
    : QWidget(parent), m_preview(preview), m_painter(painter)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize DisplayView::sizeHint() const
{
    return m_painter.FrameSize(m_preview.LineLength(), m_preview.LineCount());
}

void DisplayView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_painter.Background());
    m_painter.Paint(painter, QPoint(0, 0), m_preview.Frame());
}

PreviewDock::PreviewDock(QWidget* parent, TDisplayPreview::Clock clock)
    : QDockWidget(tr("Anzeigevorschau"), parent), m_preview(std::move(clock))
{
    setObjectName(QStringLiteral("previewDock"));
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* controls = new QHBoxLayout;
    m_caption = new QLabel(content);
    m_lines = new QSpinBox(content);
    m_lines->setRange(1, 16);
    m_lines->setValue(StoredInteger(LinesValue, 2, 1, 16));
    m_pitch = new QSpinBox(content);
    m_pitch->setRange(2, 32);
    m_pitch->setSuffix(tr(" px"));
    m_pitch->setValue(StoredInteger(PitchValue, 4, 2, 32));
    m_look = new QComboBox(content);
    m_look->addItems({tr("wie der Anzeigetyp"), tr("LED rot"), tr("LED grün"), tr("LED bernstein"), tr("LCD")});
    m_look->setCurrentIndex(StoredInteger(LookValue, 0, 0, 4));
    const auto label = [content](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, content);
        l->setBuddy(buddy);
        return l;
    };
    controls->addWidget(m_caption, 1);
    controls->addWidget(label(tr("&Zeilen:"), m_lines));
    controls->addWidget(m_lines);
    controls->addWidget(label(tr("&Punktabstand:"), m_pitch));
    controls->addWidget(m_pitch);
    controls->addWidget(label(tr("&Aussehen:"), m_look));
    controls->addWidget(m_look);
    layout->addLayout(controls);

    m_view = new DisplayView(m_preview, m_painter);
    m_scroll = new QScrollArea(content);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    layout->addWidget(m_scroll, 1);
    setWidget(content);

    m_tick.setSingleShot(true);
    connect(&m_tick, &QTimer::timeout, this, &PreviewDock::Refresh);
    connect(m_lines, &QSpinBox::valueChanged, this, [this](int lines) {
        SettingsStore::WriteValue(LinesValue, QString::number(lines));
        applyGeometry();
    });
    connect(m_pitch, &QSpinBox::valueChanged, this, [this](int pitch) {
        SettingsStore::WriteValue(PitchValue, QString::number(pitch));
        applyGeometry();
    });
    connect(m_look, &QComboBox::currentIndexChanged, this, [this](int index) {
        SettingsStore::WriteValue(LookValue, QString::number(index));
        applyLook();
    });
    applyLook();
    applyGeometry();
}

void PreviewDock::SetDisplay(const TDisplayType& type, const QList<QByteArray>& settingsLines)
{
    m_typeLook = ChooseDotLook(type, settingsLines);
    m_lineLength = type.lineLength;
    m_preview.SetTiming(ReadDisplayTiming(settingsLines));
    applyLook();
    applyGeometry();
}

void PreviewDock::SetGlyphs(const QByteArray& standard, const QByteArray& graphics)
{
    m_preview.SetGlyphs(standard, graphics);
    Refresh();
}

void PreviewDock::SetMessage(const QByteArray& text, const QString& caption, bool restart)
{
    m_preview.SetMessage(text, restart);
    m_caption->setText(caption);
    Refresh();
}

void PreviewDock::applyLook()
{
    static constexpr DotLook chosen[] = {DotLook::LedRed, DotLook::LedRed, DotLook::LedGreen, DotLook::LedAmber,
                                         DotLook::Lcd};
    const int index = m_look->currentIndex();
    m_painter.SetLook(index <= 0 ? m_typeLook : chosen[index]);
    Refresh();
}

void PreviewDock::applyGeometry()
{
    m_preview.SetGeometry(m_lineLength, m_lines->value());
    m_painter.SetPitch(m_pitch->value());
    m_view->setFixedSize(m_view->sizeHint());
    fitToView();
    Refresh();
}

void PreviewDock::fitToView()
{
    // More lines or larger dots make the docked preview as tall (or wide) as they need.
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    if (!window || isFloating() || !isVisible())
        return;
    const QSize need = size() - m_scroll->viewport()->size() + m_view->size();
    const Qt::DockWidgetArea area = window->dockWidgetArea(this);
    if (area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea)
        window->resizeDocks({this}, {need.height()}, Qt::Vertical);
    else
        window->resizeDocks({this}, {need.width()}, Qt::Horizontal);
}

void PreviewDock::Refresh()
{
    m_tick.stop();
    if (!isVisible())
        return;
    m_view->update();
    const qint64 next = m_preview.NextChange();
    if (next >= 0)
        m_tick.start(static_cast<int>(std::min<qint64>(next, 60'000)) + 1);
}

void PreviewDock::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    // Once the dock has its first layout, so that the room around the picture is known.
    QTimer::singleShot(0, this, &PreviewDock::fitToView);
    Refresh();
}
