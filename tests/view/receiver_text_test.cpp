#include "view/receiver_text.h"

#include <gtest/gtest.h>

TEST(ReceiverTextTest, SizeBySmallerSideAndNumberThenFittedToTheLongestLine)
{
    const int table[][2] = {{13, 0},  {14, 7},  {20, 10}, {21, 8},  {25, 8},  {26, 11}, {32, 11}, {33, 13},  {40, 13},
                            {41, 15}, {44, 15}, {45, 17}, {50, 17}, {51, 19}, {60, 19}, {61, 20}, {108, 36}, {200, 36}};
    for (const auto& row : table)
        EXPECT_EQ(row[1], ReceiverTextSize(row[0], 1)) << "m = " << row[0];
    // Large numbers get smaller text.
    EXPECT_EQ(std::tuple(11, 8, 0),
              std::tuple(ReceiverTextSize(30, 999), ReceiverTextSize(30, 1000), ReceiverTextSize(13, 1000)));
    EXPECT_EQ(10, FittedTextSize(20, 100, 1, 50, 40));  // half as wide as measured
    EXPECT_EQ(8, FittedTextSize(20, 40, 2, 50, 16));    // two lines in 16 pixels
    EXPECT_EQ(30, FittedTextSize(36, 10, 1, 500, 500)); // never above 30
    EXPECT_EQ(1, FittedTextSize(20, 1000, 1, 0, 0));
    EXPECT_EQ(std::tuple(0, 2, 3), std::tuple(CountLines(""), CountLines("1:OK\r\n2:OK"), CountLines("a\nb\rc")));
}
