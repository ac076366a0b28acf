#include "count_rules.h"

#include <gtest/gtest.h>

using senderdlg::MaxSendersToAdd;
using senderdlg::ParseCount;

TEST(MaxSendersToAdd, IsTheRoomUnderTheProjectLimitAtMost254AtOnce)
{
    const std::pair<int, int> cases[] = {{250, 5}, {254, 1}, {2, 253}, {1, 254}, {0, 254}, {255, 0}, {300, 0}};
    for (const auto& [present, room] : cases)
        EXPECT_EQ(MaxSendersToAdd(present), room) << present << " senders present";
}

TEST(ParseCount, TakesOnlyWholeNumbersWithinTheBounds)
{
    struct Case {
        const char* text;
        int max;
        std::optional<int> count;
    };
    const Case cases[] = {
        {"1", 5, 1},   {"5", 5, 5},   {" 3 ", 5, 3},          {"007", 160, 7}, {"0", 5, {}},
        {"6", 5, {}},  {"-1", 5, {}}, {"99999999999", 5, {}}, {"", 5, {}},     {"   ", 5, {}},
        {"+3", 5, {}}, {"3a", 5, {}}, {"2.5", 5, {}},         {"1 2", 20, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCount(c.text, 1, c.max), c.count) << '"' << c.text << '"';
}
