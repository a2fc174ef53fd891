#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "compare/ProjectDiff.h"
#include "compare/TextMerge.h"
#include "session/ProjectSession.h"
#include "support/TestPaths.h"
#include "support/TextTestSupport.h"
#include "texts/TextNotation.h"
#include "texts/TextTables.h"

using namespace tavolin::test;

namespace {

struct MergeCase
{
    const char* name;
    Texts base, ours, theirs;
    std::string expected; // as Dump shows it
    QList<int> conflicts;
};

const MergeCase MergeCases[] = {
    {"each side changes another message", {{1, "A"}, {2, "B"}}, {{1, "A1"}, {2, "B"}}, {{1, "A"}, {2, "B\rzwei"}},
     "1:A1 2:B\rzwei", {}},
    {"the same change on both sides is taken once", {{1, "A"}}, {{1, "Z"}, {7, "neu"}}, {{1, "Z"}, {7, "neu"}},
     "1:Z 7:neu", {}},
    {"different changes keep ours", {{1, "A"}, {2, "B"}}, {{1, "Y"}, {2, "B"}}, {{1, "Z"}, {2, "B"}}, "1:Y 2:B", {1}},
    {"both add one number differently", {{1, "A"}}, {{1, "A"}, {5, "ours"}}, {{1, "A"}, {5, "theirs"}}, "1:A 5:ours",
     {5}},
    {"a deletion on one side is taken", {{1, "A"}, {2, "B"}}, {{1, "A"}, {2, "B"}}, {{1, "A"}}, "1:A", {}},
    {"deleting against changing", {{1, "A"}, {2, "B"}}, {{1, "A"}}, {{1, "A"}, {2, "X"}}, "1:A", {2}},
    {"changing against deleting", {{1, "A"}, {2, "B"}}, {{1, "A"}, {2, "Y"}}, {{1, "A"}}, "1:A 2:Y", {2}},
    {"header lines changed by theirs", {{Header, "Binaer|Helligkeit: 80%"}, {1, "A"}},
     {{Header, "Binaer|Helligkeit: 80%"}, {1, "A1"}}, {{Header, "Binaer|Helligkeit: 50%"}, {1, "A"}},
     "*Binaer *Helligkeit: 50% 1:A1", {}},
    {"header lines changed differently", {{Header, "Binaer"}, {1, "A"}}, {{Header, "BCD"}, {1, "A"}},
     {{Header, "Binaer|Drucker"}, {1, "A"}}, "*BCD 1:A", {MergeConflict::HeaderBlock}},
};

} // namespace

TEST(TextMergeTest, MergesByMessageNumber)
{
    for (const MergeCase& c : MergeCases) {
        SCOPED_TRACE(c.name);
        TMessageTable base, ours, theirs, result;
        Fill(base, c.base);
        Fill(ours, c.ours);
        Fill(theirs, c.theirs);
        const QList<MergeConflict> conflicts = MergeTexts(base, ours, theirs, 0, result);
        QList<int> numbers;
        for (const MergeConflict& conflict : conflicts)
            numbers.append(conflict.number);
        EXPECT_EQ(numbers, c.conflicts);
        EXPECT_EQ(Dump(result), c.expected);
    }
}

TEST(TextMergeTest, ListsAConflictWithAllThreeTexts)
{
    TMessageTable base, ours, theirs, result;
    Fill(base, {{3, "Tank"}});
    Fill(ours, {{3, "Tank \x0Fvoll\x0E"}});
    Fill(theirs, {{3, "Tank\rleer"}});
    const QList<MergeConflict> conflicts = MergeTexts(base, ours, theirs, 0, result);
    ASSERT_EQ(conflicts, (QList<MergeConflict>{{3, "Tank", "Tank \x0Fvoll\x0E", "Tank\rleer"}}));
    EXPECT_EQ(ConflictReport(conflicts).toStdString(),
              "Konflikt bei Meldung 3:\n"
              "  Basis:    Tank\n"
              "  Unsere:   Tank {blink}voll{/blink}\n"
              "  Ihre:     Tank\n"
              "            leer\n"
              "Konflikte: 1; die Datei enthält dort jeweils unsere Fassung.\n");
}

TEST(ProjectDiffTest, NamesExactlyWhatChanged)
{
    ProjectSession before;
    before.Load(DemoProjectDir());
    ProjectSession after;
    after.Load(DemoProjectDir());
    EXPECT_TRUE(CompareProjects(ProjectSide::Of(before), ProjectSide::Of(after)).Equal());

    TMessageTable& table = *after.Table(0);
    const int changed = table.At(3).number;
    const int removed = table.At(4).number;
    const QByteArray removedText = table.At(4).text[0];
    table.SetText(changed, 0, "Neu\r\x0F" "blinkt\x0E");
    table.SetText(700, 1, "Nur Sprache 2");
    table.DeleteAt(4);
    for (QByteArray& line : table.headerLines[0]) {
        if (line.startsWith("Helligkeit"))
            line = "Helligkeit: 50%";
        if (line.startsWith("Ta-Mode"))
            line = "Ta-Mode: MMBBMMMMMMMM";
    }
    QByteArray glyphs = after.graphics.Glyphs();
    glyphs[('A' - 32) * 7] = static_cast<char>(glyphs[('A' - 32) * 7] ^ 0x11);
    after.graphics.SetGlyphs(glyphs);
    TProjectConfig::Set(after.project.config.language2File, QStringLiteral("Englisch.txt"));

    const ProjectDifference d = CompareProjects(ProjectSide::Of(before), ProjectSide::Of(after));
    EXPECT_FALSE(d.Equal());
    EXPECT_EQ(d.config, (QList<ValueDifference>{{"language2File", "Sprache2.txt", "Englisch.txt"}}));
    EXPECT_EQ(d.settings, (QList<ValueDifference>{{"brightness", "80%", "50%"}, {"key:4", "Tastend", "Rastend"}}));
    ASSERT_EQ(d.tables.size(), 2);
    EXPECT_EQ(d.tables[0].Changed().size(), 1);
    EXPECT_EQ(d.tables[0].Changed().value(0).number, changed);
    EXPECT_EQ(d.tables[0].OnlyLeft(), QList<int>{removed});
    EXPECT_FALSE(d.tables[0].HeaderChanged()); // the settings say it, decoded
    EXPECT_EQ(d.tables[1].OnlyRight(), QList<int>{700});
    EXPECT_EQ(d.tables[1].OnlyLeft(), QList<int>{removed});
    ASSERT_EQ(d.glyphs.size(), 1);
    EXPECT_EQ(d.glyphs[0].code, 'A');

    const QString report = d.Report();
    for (const QString& expected :
         {QStringLiteral("Datei Sprache 2: Sprache2.txt \u2192 Englisch.txt\n"),
          QStringLiteral("Systemeinstellungen:\n  Helligkeit: 80% \u2192 50%\n  Taste F4: Tastend \u2192 Rastend\n"),
          QStringLiteral("  Meldung %1 geändert:\n").arg(changed),
          QStringLiteral("    neu: Neu\n         {blink}blinkt{/blink}\n"),
          QStringLiteral("  Meldung %1 entfernt:\n").arg(removed),
          QStringLiteral("Betriebstexte Sprache 2:\n"), QStringLiteral("  Meldung 700 neu:\n    neu: Nur Sprache 2\n")})
        EXPECT_TRUE(report.contains(expected)) << expected.toStdString() << "\n---\n" << report.toStdString();
    const QStringList oldA = GlyphDifference::Picture(d.glyphs[0].left);
    const QStringList newA = GlyphDifference::Picture(d.glyphs[0].right);
    EXPECT_TRUE(report.contains(oldA[0] + QStringLiteral("   ") + newA[0]));
    EXPECT_NE(oldA[0], newA[0]);

    // The JSON carries the same (its settings, added messages and glyphs are the "diff --json"
    // script's part).
    const QJsonObject json = QJsonDocument::fromJson(d.Json()).object();
    EXPECT_FALSE(json[QStringLiteral("equal")].toBool());
    const QJsonArray tables = json[QStringLiteral("tables")].toArray();
    ASSERT_EQ(tables.size(), 2);
    const QJsonObject first = tables.at(0).toObject();
    EXPECT_EQ(first[QStringLiteral("changed")].toArray().at(0).toObject()[QStringLiteral("number")].toInt(), changed);
    EXPECT_EQ(first[QStringLiteral("changed")].toArray().at(0).toObject()[QStringLiteral("new")].toString(),
              QStringLiteral("Neu\n{blink}blinkt{/blink}"));
    EXPECT_EQ(first[QStringLiteral("removed")].toArray().at(0).toObject()[QStringLiteral("text")].toString(),
              TextNotation::Encode(removedText));
    EXPECT_EQ(json[QStringLiteral("config")].toArray().size(), 1);
}
