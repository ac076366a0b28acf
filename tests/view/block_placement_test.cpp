#include "view/block_placement.h"

#include <gtest/gtest.h>

TEST(BlockPlacementTest, BlocksOnEachSideAndPairsOnOneOrTwoSides)
{
    // One block: above, at the left (upright), below and right of the area's far edges.
    const std::tuple<std::vector<SBlockSlot>, CPoint, std::vector<CRect>> cases[] = {
        // slots, origin, blocks
        {{{2, {100, 44}, {}}}, {24, 88}, {{24, 24, 124, 68}}},
        {{{0, {48, 100}, {}}}, {92, 24}, {{24, 24, 72, 124}}},
        {{{4, {100, 44}, {}}}, {24, 24}, {{24, 244, 124, 288}}},
        {{{6, {48, 100}, {}}}, {24, 24}, {{344, 24, 392, 124}}},
        // Same side: one after the other along it, the even position first.
        {{{3, {100, 44}, {}}, {2, {120, 44}, {}}}, {24, 88}, {{164, 24, 264, 68}, {24, 24, 144, 68}}},
        // Above and at the left: the area moves right and down for both.
        {{{2, {100, 44}, {}}, {0, {48, 100}, {}}}, {92, 88}, {{92, 24, 192, 68}, {24, 88, 72, 188}}},
    };
    for (auto [slots, origin, blocks] : cases) {
        SCOPED_TRACE(slots[0].nRelativePos);
        EXPECT_EQ(origin, PlaceAroundReceivers({24, 24}, 20, {300, 200}, slots));
        for (std::size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(blocks[i], slots[i].rcBlock);
            CRect overlap;
            EXPECT_FALSE(overlap.IntersectRect(slots[i].rcBlock, CRect(origin, CSize(300, 200))));
        }
    }
}

TEST(BlockPlacementTest, PairReconciliationAndLonePositions)
{
    const std::tuple<int, int, bool, int, int> rows[] = {
        // a, b, a is the second, a and b after
        {2, 2, false, 2, 3},  {2, 2, true, 3, 2},    {5, 5, false, 4, 5},  // equal values share the side
        {4, 5, false, 4, 5},  {3, 2, true, 3, 2},                          // already one side's pair
        {1, 3, false, 0, 2},  {7, 5, true, 6, 4},                          // two sides, each on its even value
        {-1, 2, true, 3, 2},  {-1, 3, false, 2, 3},  {-1, 6, false, 2, 6}, // one member without a value
        {4, -1, false, 4, 2}, {-1, -1, false, 2, 3}, {-1, -1, true, 3, 2}, // neither stored
    };
    for (const auto& [a, b, aIsSecond, expectA, expectB] : rows) {
        const SPairPositions p = ReconcilePair(a, b, aIsSecond);
        EXPECT_EQ(std::pair(expectA, expectB), std::pair(p.a, p.b)) << a << "/" << b;
    }
    EXPECT_EQ(std::tuple(2, 6, 0), std::tuple(LonePosition(-1), LonePosition(7), LonePosition(1)));
}

TEST(BlockPlacementTest, GridZoomAndExtent)
{
    const SBlockGrid grid = GridOf(1000, {200, 50}, 20);
    EXPECT_EQ(4, grid.nColumns);
    EXPECT_EQ(CRect(244, 94, 444, 144), GridCell({24, 24}, grid, 5, {200, 50}));
    EXPECT_EQ(1, GridOf(100, {200, 50}, 20).nColumns);
    EXPECT_EQ(CRect(15, 25, 20, 32), ZoomedRect({10, 20, 20, 34}, 0.5f, {10, 15}));
    EXPECT_EQ(CSize(1, 0), ZoomedSize({10, 5}, 0.1f));
    EXPECT_EQ(CSize(524, 124), ContentExtentOf({{0, 0, 500, 10}, {20, 20, 30, 100}}, 24));
    EXPECT_EQ(CSize(), ContentExtentOf({}, 24));
}
