#include <gtest/gtest.h>

#include "charset/DisplayCodeMap.h"

TEST(DisplayCodeMap, ClosesThePairsIntoCycles)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    const std::pair<int, int> toWindows[] = {{0x84, 0xE4}, {0xE4, 0xE6}, {0xE6, 0xB5}, {0xB5, 0x84},
                                             {0xF8, 0xB0}, {0xB0, 0xF8}, {'A', 'A'}};
    for (const auto& [display, windows] : toWindows)
        EXPECT_EQ(map.ToWindows(static_cast<quint8>(display)), windows) << display;
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
