#pragma once

#include <QDockWidget>
#include <QList>
#include <QTimer>

#include "preview/DisplayFrame.h"
#include "preview/DisplayPainter.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
struct TDisplayType;

// The dot picture of the display: it only paints what the preview says is lit now.
class DisplayView : public QWidget
{
    Q_OBJECT

public:
    DisplayView(const TDisplayPreview& preview, DisplayPainter& painter, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TDisplayPreview& m_preview;
    DisplayPainter& m_painter;
};

// "Anzeigevorschau": the current message as the display shows it, blinking and scrolling
// at the display's own times. The line count (which the display type does not tell), the
// dot pitch and the look can be changed here and are kept for the next start.
class PreviewDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit PreviewDock(QWidget* parent = nullptr, TDisplayPreview::Clock clock = {});

    // The open project's display: line length, look, times. `settingsLines` are the
    // system settings lines of the project.
    void SetDisplay(const TDisplayType& type, const QList<QByteArray>& settingsLines);
    void SetGlyphs(const QByteArray& standard, const QByteArray& graphics);
    // The message to show; `caption` says which one it is. `restart`: another message
    // than before, so scrolling starts from its first line.
    void SetMessage(const QByteArray& text, const QString& caption, bool restart);

    const TDisplayPreview& Preview() const { return m_preview; }
    DisplayPainter& Painter() { return m_painter; }
    DisplayView* View() const { return m_view; }
    QLabel* Caption() const { return m_caption; }
    QSpinBox* LinesBox() const { return m_lines; }
    QSpinBox* PitchBox() const { return m_pitch; }
    QComboBox* LookBox() const { return m_look; }

    // Repaints and waits for the next blink or scroll step.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyLook();
    void applyGeometry();
    void fitToView();

    TDisplayPreview m_preview;
    DisplayPainter m_painter;
    DotLook m_typeLook = DotLook::LedRed;
    int m_lineLength = 40;
    DisplayView* m_view;
    QScrollArea* m_scroll;
    QLabel* m_caption;
    QSpinBox* m_lines;
    QSpinBox* m_pitch;
    QComboBox* m_look;
    QTimer m_tick;
};
