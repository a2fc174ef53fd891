// Undo and redo of one step and a find over a full table: 1024 messages of two lines in
// both languages, close to the display's 60,000 bytes per language. Target: under 20 ms.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "common/ProgramFolder.h"
#include "session/ProjectFind.h"
#include "session/ProjectSession.h"
#include "BenchTiming.h"

namespace {

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SetProgramFolder(QStringLiteral(TAVOLIN_PROGRAM_DIR));
    QTemporaryDir dir;
    ProjectSession session;
    session.Create(dir.path(), QStringLiteral("Quon 2"));
    for (int n = 0; n < TMessageTable::MaxMessages; ++n)
        for (int language = 0; language < 2; ++language) {
            QByteArray first = "Pumpe " + QByteArray::number(n) + " St\x94rung";
            QByteArray second = "\x0F" "Motorschutz\x0E \x10" "E\x12";
            session.Table(0)->SetText(n, language, first.leftJustified(22, '.') + '\r' + second.leftJustified(22, '-'));
        }

    int typed = 0;
    const double record = Measure([&] {
        session.history.RecordTyping(0, 512, 0, "Pumpe " + QByteArray::number(++typed));
        session.history.BreakTyping();
    }, 50);
    const double undo = Measure([&] { session.history.Stack().undo(); }, 50);
    const double redo = Measure([&] { session.history.Stack().redo(); }, 50);
    const TextSearch search("\x0Fmotorschutz\x0E", {});
    const ProjectFind::Place last{0, TMessageTable::MaxMessages - 1, 1, {}};
    const double find = Measure([&] { ProjectFind::FindNext(session, search, {}, last, false); }, 50);
    const TextSearch missing("Nirgends", {});
    const double miss = Measure([&] { ProjectFind::FindNext(session, missing, {}, last, false); }, 50);

    std::printf("undo/redo and find over 1024 messages in two languages (target < 20 ms each)\n");
    std::printf("  typing step recorded  %.3f ms\n", record);
    std::printf("  undo of one step      %.3f ms\n", undo);
    std::printf("  redo of one step      %.3f ms\n", redo);
    std::printf("  find (next hit)       %.3f ms\n", find);
    std::printf("  find (no hit at all)  %.3f ms\n", miss);
    return std::max({undo, redo, find, miss}) < 20.0 ? 0 : 1;
}
