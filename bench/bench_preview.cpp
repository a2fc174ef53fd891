#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "charset/CharSet.h"
#include "common/ProgramFolder.h"
#include "preview/DisplayFrame.h"
#include "preview/DisplayPainter.h"
#include "preview/ui/PreviewDock.h"
#include "project/DisplayType.h"
#include "BenchTiming.h"

// One frame of the display preview for a 4 × 40 message with blink and graphics
// characters: working out what is lit and painting it, first into a picture, then as the
// dock's repaint on screen. The clock moves on by a blink step each frame, so every
// frame differs from the one before.
namespace {

double Micros(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::micro>(to - from).count();
}

QByteArray Message()
{
    QByteArray text;
    for (int line = 0; line < 4; ++line) {
        if (line > 0)
            text += '\r';
        for (int column = 0; column < 40; ++column) {
            if (column == 10)
                text += '\x0F';
            if (column == 20)
                text += "\x0E\x10";
            if (column == 30)
                text += '\x12';
            text += static_cast<char>(33 + (line * 40 + column) % 90);
        }
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    SetProgramFolder(QStringLiteral(TAVOLIN_PROGRAM_DIR));

    TCharSet standard('S');
    standard.Import(QStringLiteral(TAVOLIN_PROGRAM_DIR) + QStringLiteral("/led.fix"));
    const QByteArray glyphs = CharSetGlyphs(standard);
    TDisplayType type{QStringLiteral("Bank"), QStringLiteral("led"), 40, 0, 0};
    const QList<QByteArray> lines{"Blink-Ein: 0,3s", "Blink-Aus: 0,2s", "Scrollzeit: 1,0s"};

    qint64 now = 0;
    PreviewDock dock(nullptr, [&now] { return now; });
    dock.LinesBox()->setValue(4);
    dock.SetDisplay(type, lines);
    dock.SetGlyphs(glyphs, glyphs);
    dock.SetMessage(Message(), QStringLiteral("Meldung 1"), true);
    dock.resize(dock.View()->sizeHint() + QSize(60, 80));
    dock.show();
    QApplication::processEvents();

    constexpr int Frames = 400;
    TDisplayPreview preview([&now] { return now; });
    preview.SetGlyphs(glyphs, glyphs);
    preview.SetTiming(ReadDisplayTiming(lines));
    preview.SetGeometry(40, 4);
    preview.SetMessage(Message(), true);
    DisplayPainter painter;
    painter.SetLook(DotLook::LedAmber);
    painter.SetPitch(dock.PitchBox()->value());
    QImage image(painter.FrameSize(40, 4), QImage::Format_RGB32);
    std::vector<double> pictureUs;
    std::vector<double> repaintUs;
    for (int frame = 0; frame < Frames; ++frame) {
        now = frame * 250;
        const auto start = Clock::now();
        QPainter canvas(&image);
        painter.Paint(canvas, QPoint(0, 0), preview.Frame());
        canvas.end();
        const auto painted = Clock::now();
        dock.View()->repaint();
        pictureUs.push_back(Micros(start, painted));
        repaintUs.push_back(Micros(painted, Clock::now()));
    }
    std::printf("preview: 4 x 40 message, frame worked out and painted into a picture: median %.0f us, max %.0f us; "
                "dock repaint: median %.0f us (target < 2 ms per frame)\n",
                Median(pictureUs), *std::max_element(pictureUs.begin(), pictureUs.end()), Median(repaintUs));
    return Median(pictureUs) < 2000 && Median(repaintUs) < 2000 ? 0 : 2;
}
