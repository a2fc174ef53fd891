#include <gtest/gtest.h>

#include "support/TextTestSupport.h"

using tavolin::test::Numbers;

TEST(MessageTable, SetTextKeepsTheSlotsSorted)
{
    TMessageTable table;
    ASSERT_TRUE(table.SetText(7, 0, "sieben"));
    ASSERT_TRUE(table.SetText(3, 0, "drei"));
    ASSERT_TRUE(table.SetText(5, 1, "five"));
    EXPECT_EQ(Numbers(table), (QList<int>{3, 5, 7}));
    EXPECT_EQ(table.At(1).text[0], QByteArray());
    EXPECT_EQ(table.At(1).text[1], QByteArray("five"));
    EXPECT_EQ(table.IndexOf(7), 2);
    EXPECT_EQ(table.IndexOf(4), -1);
    EXPECT_TRUE(table.modified[0] && table.modified[1]);

    // Replacing touches only that language and marks it.
    table.At(2).layoutStale = 0;
    table.modified = {false, false};
    ASSERT_TRUE(table.SetText(7, 1, "seven"));
    EXPECT_EQ(table.At(2).text[0], QByteArray("sieben"));
    EXPECT_EQ(table.At(2).layoutStale, 2);
    EXPECT_FALSE(table.modified[0]);
    EXPECT_TRUE(table.modified[1]);

    table.MarkAllStale();
    EXPECT_EQ(table.At(0).layoutStale, 3);
}

TEST(MessageTable, RefusalsChangeNothingAndAFullTableHasNoFreeNumber)
{
    TMessageTable table;
    EXPECT_FALSE(table.SetText(1024, 0, "x"));
    EXPECT_FALSE(table.SetText(-1, 0, "x"));
    EXPECT_FALSE(table.SetText(5, 2, "x"));
    EXPECT_EQ(table.Count(), 0);
    EXPECT_FALSE(table.modified[0] || table.modified[1]);

    for (int n = 0; n <= 1023; ++n)
        ASSERT_TRUE(table.SetText(n, 0, "x"));
    EXPECT_EQ(table.Count(), 1024);
    EXPECT_EQ(table.NextFreeNumber(0), -1);
    EXPECT_EQ(table.NextFreeNumber(-1), -1);
    EXPECT_TRUE(table.SetText(1023, 0, "neu"));
    EXPECT_EQ(table.At(1023).text[0], QByteArray("neu"));
    table.DeleteAt(500);
    EXPECT_EQ(table.NextFreeNumber(700), 500);
    EXPECT_TRUE(table.SetText(500, 1, "wieder"));
    EXPECT_EQ(table.IndexOf(500), 500);
    EXPECT_EQ(table.Count(), 1024);
}

TEST(MessageTable, DeleteAtClosesTheGapAndIgnoresSlotsOutside)
{
    TMessageTable table;
    for (int n : {2, 4, 6, 8})
        table.SetText(n, 0, "x");
    table.modified[0] = false;
    table.DeleteAt(4);
    table.DeleteAt(-1);
    EXPECT_EQ(table.Count(), 4);
    table.DeleteAt(1);
    EXPECT_EQ(Numbers(table), (QList<int>{2, 6, 8}));
    EXPECT_EQ(table.messages[3], nullptr);
    EXPECT_FALSE(table.modified[0]);
}

TEST(NextFreeNumber, ProposesTheFirstGapAfterTheStartSlot)
{
    const struct {
        QList<int> numbers;
        int startSlot, expected;
    } cases[] = {
        {{}, -1, 0}, {{3, 4, 7}, 0, 5}, {{3, 4, 7}, 2, 8}, {{3, 4, 7}, 99, 8}, {{1021, 1023}, 1, 0}, {{0, 1021, 1023}, 2, 1},
    };
    for (const auto& c : cases) {
        TMessageTable table;
        for (int n : c.numbers)
            table.SetText(n, 0, "x");
        EXPECT_EQ(table.NextFreeNumber(c.startSlot), c.expected) << c.numbers.size() << " numbers, from " << c.startSlot;
    }
}
