#include "view/zoom_steps.h"

#include <gtest/gtest.h>

TEST(ZoomStepsTest, EachRunStartsAndStepsAsTabled)
{
    struct Row {
        int index;
        float value;
    };
    const Row rows[]
        = {{0, 0.010f}, {9, 0.055f}, {10, 0.05f}, {14, 0.09f}, {15, 0.10f}, {19, 0.18f}, {20, 0.20f}, {25, 0.45f},
           {26, 0.5f},  {30, 0.9f},  {31, 1.0f},  {35, 1.8f},  {36, 2.0f},  {41, 4.5f},  {42, 5.0f},  {47, 10.0f}};
    for (const Row& r : rows)
        EXPECT_FLOAT_EQ(r.value, ZoomStep(r.index)) << "step " << r.index;
}

TEST(ZoomStepsTest, JunctionAndEndOfTable)
{
    EXPECT_GT(ZoomStep(9), ZoomStep(10));
    EXPECT_EQ(0.0f, ZoomStep(-1));
    EXPECT_EQ(0.0f, ZoomStep(kZoomStepCount));
    // Single precision: the sum as a float, not a rounded double.
    EXPECT_EQ(0.010f + 0.005f * 3.0f, ZoomStep(3));
}
