#include <gtest/gtest.h>

#include "texts/MessageTable.h"

TEST(MessageTable, RefusalsChangeNothingAndAFullTableHasNoFreeNumber)
{
    TMessageTable table;
    EXPECT_FALSE(table.SetText(1024, 0, "x"));
    EXPECT_FALSE(table.SetText(-1, 0, "x"));
    EXPECT_FALSE(table.SetText(5, 2, "x"));
    EXPECT_EQ(table.Count(), 0);
    EXPECT_FALSE(table.modified[0] || table.modified[1]);

    // Replacing a text touches only that language and marks it for saving and layout. (The
    // order of the slots shows in every table the text file tests read.)
    ASSERT_TRUE(table.SetText(7, 0, "sieben"));
    table.At(0).layoutStale = 0;
    table.modified = {false, false};
    ASSERT_TRUE(table.SetText(7, 1, "seven"));
    EXPECT_EQ(table.At(0).text[0], QByteArray("sieben"));
    EXPECT_EQ(table.At(0).layoutStale, 2);
    EXPECT_FALSE(table.modified[0]);
    EXPECT_TRUE(table.modified[1]);
    table.MarkAllStale();
    EXPECT_EQ(table.At(0).layoutStale, 3);

    for (int n = 0; n <= 1023; ++n)
        ASSERT_TRUE(table.SetText(n, 0, "x"));
    EXPECT_EQ(table.Count(), 1024);
    EXPECT_EQ(table.At(7).text[1], QByteArray("seven"));
    EXPECT_EQ(table.NextFreeNumber(0), -1);
    EXPECT_EQ(table.NextFreeNumber(-1), -1);
    EXPECT_TRUE(table.SetText(1023, 0, "neu"));
    EXPECT_EQ(table.At(1023).text[0], QByteArray("neu"));
    table.DeleteAt(-1);
    table.DeleteAt(1024);
    table.DeleteAt(500);
    EXPECT_EQ(table.Count(), 1023);
    EXPECT_EQ(table.messages[1023], nullptr);
    EXPECT_EQ(table.IndexOf(500), -1);
    EXPECT_EQ(table.NextFreeNumber(700), 500);
    EXPECT_TRUE(table.SetText(500, 1, "wieder"));
    EXPECT_EQ(table.IndexOf(500), 500);
    EXPECT_EQ(table.Count(), 1024);
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
