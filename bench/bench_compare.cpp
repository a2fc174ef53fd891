// "tavolin-cli diff" and "texts merge" on full projects: two project folders of 1024
// messages in two languages, every tenth message changed, a few glyphs and settings too;
// the merge of one language with changes on both sides. Target: each under 100 ms, from
// the files on disk to the report or the written result.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "common/ProgramFolder.h"
#include "compare/ProjectDiff.h"
#include "compare/TextMerge.h"
#include "session/ProjectSession.h"
#include "texts/TextFile.h"
#include "BenchTiming.h"

namespace {

QByteArray Text(int n, const char* word)
{
    QByteArray first = "Pumpe " + QByteArray::number(n) + ' ' + word;
    QByteArray second = "\x0F" "Motorschutz\x0E \x10" "E\x12";
    return first.leftJustified(22, '.') + '\r' + second.leftJustified(22, '-');
}

// A full project; `every`: every so many messages get `word` instead of "Stoerung".
void MakeProject(const QString& folder, int every, const char* word)
{
    ProjectSession session;
    session.Create(folder, QStringLiteral("Quon 2"));
    session.ImportGraphics(QStringLiteral("default"));
    session.Table(0)->headerLines[0] = {"Binaer", "Helligkeit: 80%", "Ta-Mode: MMBMMMMM"};
    for (int n = 0; n < TMessageTable::MaxMessages; ++n)
        for (int language = 0; language < 2; ++language)
            session.Table(0)->SetText(n, language, Text(n, n % every == 0 ? word : "Stoerung"));
    if (every < TMessageTable::MaxMessages) {
        session.Table(0)->headerLines[0][1] = "Helligkeit: 50%";
        QByteArray glyphs = session.graphics.Glyphs();
        for (int k = 0; k < 70; k += 7)
            glyphs[k] = static_cast<char>(glyphs[k] ^ 0x1F);
        session.graphics.SetGlyphs(glyphs);
    }
    session.Save();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetProgramFolder(QStringLiteral(TAVOLIN_PROGRAM_DIR));
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("A"));
    const QString b = dir.filePath(QStringLiteral("B"));
    const QString c = dir.filePath(QStringLiteral("C"));
    MakeProject(a, TMessageTable::MaxMessages + 1, "");
    MakeProject(b, 10, "Ueberlast");
    MakeProject(c, 7, "Trockenlauf");

    int differences = 0;
    const double diff = Measure([&] {
        ProjectSession left;
        left.Load(a);
        ProjectSession right;
        right.Load(b);
        const ProjectDifference d = CompareProjects(ProjectSide::Of(left), ProjectSide::Of(right));
        differences = static_cast<int>(d.tables[0].messages.size() + d.tables[1].messages.size());
        (void)d.Report();
    }, 21);

    qsizetype conflicts = 0;
    const QString out = dir.filePath(QStringLiteral("merged.txt"));
    const double merge = Measure([&] {
        TMessageTable base, ours, theirs, result;
        ReadTextFile(base, a + QStringLiteral("/Sprache1.txt"), 0);
        ReadTextFile(ours, b + QStringLiteral("/Sprache1.txt"), 0);
        ReadTextFile(theirs, c + QStringLiteral("/Sprache1.txt"), 0);
        conflicts = MergeTexts(base, ours, theirs, 0, result).size();
        WriteTextFile(result, out, 0);
    }, 21);

    std::printf("two projects of %d messages in two languages, %d messages differ\n", TMessageTable::MaxMessages,
                differences);
    std::printf("  diff (load both, compare, report): median %6.1f ms  (target < 100 ms)\n", diff);
    std::printf("  merge (read three, merge, write):  median %6.1f ms  (target < 100 ms), %d conflicts\n", merge,
                static_cast<int>(conflicts));
    return diff < 100 && merge < 100 ? 0 : 1;
}
