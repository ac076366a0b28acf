// The common kit's stopwatch.
#include "host/commonkit.h"

#include <gtest/gtest.h>

TEST(MicrosecondTimer, CountsUpFromItsStart)
{
    MicrosecondTimer t;
    const int64_t first = t.GetCurTime();
    EXPECT_GE(first, 0);
    // Spin until the clock moves; the stopwatch follows it.
    int64_t later = first;
    for (int i = 0; i < 100000000 && later == first; ++i)
        later = t.GetCurTime();
    EXPECT_GT(later, first);
    EXPECT_LT(later, 10'000'000) << "microseconds, not nanoseconds";
}

TEST(MicrosecondTimer, StartResetsTheCount)
{
    MicrosecondTimer t;
    int64_t run = 0;
    for (int i = 0; i < 100000000 && run < 2000; ++i)
        run = t.GetCurTime();
    ASSERT_GE(run, 2000);
    t.start();
    EXPECT_LT(t.GetCurTime(), run);
}
