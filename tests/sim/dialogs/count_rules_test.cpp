#include "count_rules.h"

#include <gtest/gtest.h>

using senderdlg::MaxSendersToAdd;
using senderdlg::ParseCount;

TEST(MaxSendersToAdd, IsTheRoomUnderTheProjectLimit)
{
    EXPECT_EQ(MaxSendersToAdd(250), 5);
    EXPECT_EQ(MaxSendersToAdd(254), 1);
    EXPECT_EQ(MaxSendersToAdd(2), 253);
}

TEST(MaxSendersToAdd, NeverMoreThan254AtOnce)
{
    EXPECT_EQ(MaxSendersToAdd(0), 254);
    EXPECT_EQ(MaxSendersToAdd(1), 254);
}

TEST(MaxSendersToAdd, NoneInAFullProject)
{
    EXPECT_EQ(MaxSendersToAdd(255), 0);
    EXPECT_EQ(MaxSendersToAdd(300), 0);
}

TEST(ParseCount, TakesWholeNumbersWithinTheBounds)
{
    EXPECT_EQ(ParseCount("1", 1, 5), 1);
    EXPECT_EQ(ParseCount("5", 1, 5), 5);
    EXPECT_EQ(ParseCount(" 3 ", 1, 5), 3);
    EXPECT_EQ(ParseCount("007", 1, 160), 7);
}

TEST(ParseCount, RefusesNumbersOutsideTheBounds)
{
    EXPECT_EQ(ParseCount("0", 1, 5), std::nullopt);
    EXPECT_EQ(ParseCount("6", 1, 5), std::nullopt);
    EXPECT_EQ(ParseCount("-1", 1, 5), std::nullopt);
    EXPECT_EQ(ParseCount("99999999999", 1, 5), std::nullopt);
}

TEST(ParseCount, RefusesWhatIsNotAWholeNumber)
{
    EXPECT_EQ(ParseCount("", 1, 5), std::nullopt);
    EXPECT_EQ(ParseCount("   ", 1, 5), std::nullopt);
    EXPECT_EQ(ParseCount("+3", 1, 5), std::nullopt);
    EXPECT_EQ(ParseCount("3a", 1, 5), std::nullopt);
    EXPECT_EQ(ParseCount("2.5", 1, 5), std::nullopt);
    EXPECT_EQ(ParseCount("1 2", 1, 20), std::nullopt);
}
