#include "view/block_placement.h"

#include <gtest/gtest.h>

TEST(BlockPlacementTest, OneBlockOnEachSide)
{
    struct Row {
        int pos;
        CSize block;
        CRect expectedBlock;
        CPoint expectedOrigin;
    };
    const CSize receivers(300, 200);
    const Row rows[] = {
        {2, {100, 44}, {24, 24, 124, 68}, {24, 88}},   // above
        {0, {48, 100}, {24, 24, 72, 124}, {92, 24}},   // left, upright
        {4, {100, 44}, {24, 244, 124, 288}, {24, 24}}, // below the area's bottom
        {6, {48, 100}, {344, 24, 392, 124}, {24, 24}}, // right of the area's right edge
    };
    for (const Row& r : rows) {
        std::vector<SBlockSlot> slots{{r.pos, r.block, {}}};
        EXPECT_EQ(r.expectedOrigin, PlaceAroundReceivers({24, 24}, 20, receivers, slots)) << r.pos;
        EXPECT_EQ(r.expectedBlock, slots[0].rcBlock) << r.pos;
        CRect overlap;
        EXPECT_FALSE(overlap.IntersectRect(slots[0].rcBlock, CRect(r.expectedOrigin, receivers))) << r.pos;
    }
}

TEST(BlockPlacementTest, PairsOnOneSideAndOnTwoSides)
{
    // Same side: one after the other along it, the even position first.
    std::vector<SBlockSlot> same{{3, {100, 44}, {}}, {2, {120, 44}, {}}};
    EXPECT_EQ(CPoint(24, 88), PlaceAroundReceivers({24, 24}, 20, {300, 200}, same));
    EXPECT_EQ(CRect(24, 24, 144, 68), same[1].rcBlock);
    EXPECT_EQ(CRect(164, 24, 264, 68), same[0].rcBlock);
    // Above and at the left: the area moves right and down for both.
    std::vector<SBlockSlot> two{{2, {100, 44}, {}}, {0, {48, 100}, {}}};
    EXPECT_EQ(CPoint(92, 88), PlaceAroundReceivers({24, 24}, 20, {300, 200}, two));
    EXPECT_EQ(CRect(92, 24, 192, 68), two[0].rcBlock);
    EXPECT_EQ(CRect(24, 88, 72, 188), two[1].rcBlock);
}

TEST(BlockPlacementTest, PairReconciliation)
{
    struct Row {
        int a, b;
        bool aIsSecond;
        int expectA, expectB;
    };
    const Row rows[] = {
        {2, 2, false, 2, 3},  {2, 2, true, 3, 2},    {5, 5, false, 4, 5},  // equal values share the side
        {4, 5, false, 4, 5},  {3, 2, true, 3, 2},                          // already one side's pair
        {1, 3, false, 0, 2},  {7, 5, true, 6, 4},                          // two sides, each on its even value
        {-1, 2, true, 3, 2},  {-1, 3, false, 2, 3},  {-1, 6, false, 2, 6}, // one member without a value
        {4, -1, false, 4, 2}, {-1, -1, false, 2, 3}, {-1, -1, true, 3, 2}, // neither stored
    };
    for (const Row& r : rows) {
        const SPairPositions p = ReconcilePair(r.a, r.b, r.aIsSecond);
        EXPECT_EQ(r.expectA, p.a) << r.a << "/" << r.b;
        EXPECT_EQ(r.expectB, p.b) << r.a << "/" << r.b;
    }
    EXPECT_EQ(2, LonePosition(-1));
    EXPECT_EQ(6, LonePosition(7));
    EXPECT_EQ(0, LonePosition(1));
}

TEST(BlockPlacementTest, GridFromTheClientWidth)
{
    const SBlockGrid grid = GridOf(1000, {200, 50}, 20);
    EXPECT_EQ(4, grid.nColumns);
    EXPECT_EQ(CRect(244, 94, 444, 144), GridCell({24, 24}, grid, 5, {200, 50}));
    EXPECT_EQ(1, GridOf(100, {200, 50}, 20).nColumns);
}

TEST(BlockPlacementTest, ZoomAndExtent)
{
    EXPECT_EQ(CRect(15, 25, 20, 32), ZoomedRect({10, 20, 20, 34}, 0.5f, {10, 15}));
    EXPECT_EQ(CSize(1, 0), ZoomedSize({10, 5}, 0.1f));
    EXPECT_EQ(CSize(524, 124), ContentExtentOf({{0, 0, 500, 10}, {20, 20, 30, 100}}, 24));
    EXPECT_EQ(CSize(), ContentExtentOf({}, 24));
}
