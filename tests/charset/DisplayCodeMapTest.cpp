#include <gtest/gtest.h>
#include <map>

#include "charset/DisplayCodeMap.h"

TEST(DisplayCodeMap, ClosesThePairsIntoCycles)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    EXPECT_EQ(map.ToWindows(0x84), 0xE4);
    EXPECT_EQ(map.ToWindows(0xE4), 0xE6);
    EXPECT_EQ(map.ToWindows(0xE6), 0xB5);
    EXPECT_EQ(map.ToWindows(0xB5), 0x84);
    EXPECT_EQ(map.ToDisplay(0x84), 0xB5);
    EXPECT_EQ(map.ToWindows(0xF8), 0xB0);
    EXPECT_EQ(map.ToWindows(0xB0), 0xF8);
    EXPECT_EQ(map.ToWindows('A'), 'A');
    for (int d = 0; d < 256; ++d)
        EXPECT_EQ(map.ToDisplay(map.ToWindows(static_cast<quint8>(d))), d);
}

TEST(CodePoint, EveryWindowsCodeSurvivesTheQtBoundary)
{
    for (int w = 32; w < 256; ++w) {
        const QChar c = CodePoint::FromWindows(static_cast<quint8>(w));
        EXPECT_EQ(CodePoint::ToWindows(c.unicode()), w) << w;
        EXPECT_TRUE(c.isPrint() || c.category() == QChar::Other_PrivateUse) << w;
    }
    EXPECT_EQ(CodePoint::ToWindows(U'\u20AC'), 0x80);
    EXPECT_EQ(CodePoint::ToWindows(U'\u4E00'), -1);
}

TEST(DisplayCodeMap, EveryNonIdentityEntryAndNothingElse)
{
    // Display code -> Windows code: the pairs closed into cycles, all other codes unchanged.
    const std::map<int, int> moved{
        {0x81, 0xFC}, {0x84, 0xE4}, {0x8E, 0xC4}, {0x94, 0xF6}, {0x99, 0xD6}, {0x9A, 0xDC}, {0x9B, 0xA2},
        {0x9C, 0xA3}, {0x9D, 0xA5}, {0xA2, 0x9B}, {0xA3, 0x9C}, {0xA5, 0x9D}, {0xB0, 0xF8}, {0xB1, 0xF1},
        {0xB5, 0x84}, {0xC4, 0x8E}, {0xD6, 0x99}, {0xDC, 0x9A}, {0xDF, 0xE1}, {0xE1, 0xDF}, {0xE4, 0xE6},
        {0xE6, 0xB5}, {0xF1, 0xB1}, {0xF6, 0x94}, {0xF8, 0xB0}, {0xFC, 0x81},
    };
    const std::array<quint8, 512> table = DisplayCodeMap::Build();
    for (int d = 0; d < 256; ++d) {
        const auto it = moved.find(d);
        EXPECT_EQ(table[d], it == moved.end() ? d : it->second) << "display code " << d;
        EXPECT_EQ(table[256 + table[d]], d);
    }
}
