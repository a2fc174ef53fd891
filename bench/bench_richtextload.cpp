#include <QApplication>
#include <QTextEdit>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "texts/RichTextBridge.h"
#include "texts/ui/RichTextDocument.h"

// The in-place editor loads a cell on every click and stores it on every leave: both
// directions for a ten-line message with blink and graphics runs, in a shown editor, so
// that layout is part of the figure. Processor time is shown beside wall time, since a busy
// machine stretches the latter.
namespace {

double ThreadMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QFont standard(QStringLiteral("DejaVu Sans Mono"));
    const QFont graphics(QStringLiteral("_EGA1B2.TMP"));

    QByteArray message;
    for (int line = 0; line < 10; ++line) {
        if (line > 0)
            message += '\r';
        message += "Temp. \x0Fzu hoch\x0E \x10" "AB\x12 5\xF8" "C Zeile " + QByteArray::number(line);
    }
    const QByteArray rtf = MessageToRtf(message, standard.family().toLatin1(), graphics.family().toLatin1());

    QTextEdit editor;
    editor.resize(600, 200);
    editor.show();

    using Clock = std::chrono::steady_clock;
    constexpr int Rounds = 2000;
    double loadMicros = 0;
    double loadCpuMicros = 0;
    double storeMicros = 0;
    QByteArray stored;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = Clock::now();
        const double cpuStart = ThreadMicros();
        RichTextDocument::Load(&editor, rtf, standard, graphics);
        loadCpuMicros += ThreadMicros() - cpuStart;
        const auto loaded = Clock::now();
        stored = RtfToMessage(RichTextDocument::Save(editor.document(), standard, graphics));
        const auto end = Clock::now();
        loadMicros += std::chrono::duration<double, std::micro>(loaded - start).count();
        storeMicros += std::chrono::duration<double, std::micro>(end - loaded).count();
        if (round % 100 == 0)
            QCoreApplication::processEvents();
    }
    std::printf("Load of a 10-line message: %.1f us wall, %.1f us processor (target: well under 1000 us)\n",
                loadMicros / Rounds, loadCpuMicros / Rounds);
    std::printf("Save + RtfToMessage:       %.1f us\n", storeMicros / Rounds);
    if (RtfToMessage(rtf) != stored) {
        std::printf("round trip FAILED\n");
        return 1;
    }
    return loadCpuMicros / Rounds < 1000 ? 0 : 1;
}
