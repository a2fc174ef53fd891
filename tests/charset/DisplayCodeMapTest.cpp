#include <gtest/gtest.h>

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
