#include <gtest/gtest.h>

#include "texts/MessageTable.h"

TEST(NextFreeNumber, ProposesTheFirstGapAfterTheStartSlot)
{
    TMessageTable table;
    EXPECT_EQ(table.NextFreeNumber(-1), 0);
    for (int n : {3, 4, 7})
        table.SetText(n, 0, "x");
    EXPECT_EQ(table.NextFreeNumber(0), 5);
    EXPECT_EQ(table.NextFreeNumber(2), 8);

    TMessageTable high;
    for (int n : {1021, 1023})
        high.SetText(n, 0, "x");
    EXPECT_EQ(high.NextFreeNumber(1), 0);
}

TEST(NextFreeNumber, FullTableHasNone)
{
    TMessageTable table;
    for (int n = 0; n <= 1023; ++n)
        ASSERT_TRUE(table.SetText(n, 0, "x"));
    EXPECT_EQ(table.NextFreeNumber(0), -1);
    EXPECT_EQ(table.NextFreeNumber(-1), -1);
    EXPECT_FALSE(table.SetText(5, 2, "y"));
}
