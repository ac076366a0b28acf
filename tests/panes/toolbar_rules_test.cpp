// The toolbar's layout and zoom percent as pure functions; its states are the dialog test's.
#include "panes/toolbar_items.h"
#include "panes/toolbar_zoom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CRect RectOf(const std::vector<SToolBarSlot>& slots, int index)
{
    const auto it = std::ranges::find_if(slots, [&](const SToolBarSlot& slot) { return slot.nIndex == index; });
    return it == slots.end() ? CRect() : it->rect;
}

} // namespace

TEST(ToolBarLayoutTest, ItemsInGroupsWithSeparatorsAtDensityOneAndLengthsTruncatedAtOneAndAHalf)
{
    const auto slots = ComputeToolBarLayout({0, 0, 900, 32}, 1.0, true);
    // A separator is 2 wide amid its 6-pixel slot, from a tenth of the height down four fifths of it;
    // the zoom field is 75 wide amid an 87-pixel slot.
    const std::pair<int, CRect> rects[] = {
        {TB_LEFT_END, {0, 1, 20, 31}}, {TB_OPEN, {20, 0, 58, 31}},       {TB_SAVE_TO_CARD, {134, 0, 172, 31}},
        {14, {174, 3, 176, 28}},       {TB_SETTINGS, {178, 0, 216, 31}}, {TB_NAVIGATION, {424, 0, 462, 31}},
        {18, {464, 3, 466, 28}},       {TB_ZOOM, {474, 3, 549, 28}},
    };
    for (const auto& [index, rect] : rects)
        EXPECT_EQ(rect, RectOf(slots, index)) << index;
    // Without a receiver target the bar ends with the navigation item.
    EXPECT_EQ(ComputeToolBarLayout({0, 0, 900, 32}, 1.0, false).back().nIndex, TB_NAVIGATION);

    const auto dense = ComputeToolBarLayout({0, 0, 1200, 48}, 1.5, true);
    EXPECT_EQ(RectOf(dense, TB_OPEN), CRect(30, 1, 87, 47));
    // 87 × 1.5 = 130.5 and 75 × 1.5 = 112.5 are cut to 130 and 112.
    const int zoomSlot = RectOf(dense, 18).left - 3 + 9;
    EXPECT_EQ(RectOf(dense, TB_ZOOM), CRect(zoomSlot + 9, 4, zoomSlot + 9 + 112, 42));
}

TEST(ToolBarZoomTest, PercentRoundsHalfAwayFromZeroAndStaysInRange)
{
    EXPECT_EQ(ZoomPercent(0.125), 13);
    EXPECT_EQ(ZoomPercent(std::nan("")), 0);
    EXPECT_EQ(ZoomPercent(1e300), 1000000000);
}
