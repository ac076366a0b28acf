// The toolbar's layout and zoom percent as pure functions. The states, the
// zoom walk and the card menu's mask are tested through the real toolbar
// (toolbar_dlg_test.cpp).
#include "panes/toolbar_items.h"
#include "panes/toolbar_zoom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<int> Order(const std::vector<SToolBarSlot>& slots)
{
    std::vector<int> order;
    for (const SToolBarSlot& slot : slots)
        order.push_back(slot.nIndex);
    return order;
}

CRect RectOf(const std::vector<SToolBarSlot>& slots, int index)
{
    for (const SToolBarSlot& slot : slots)
        if (slot.nIndex == index)
            return slot.rect;
    return {};
}

} // namespace

TEST(ToolBarLayoutTest, ItemsInGroupsWithSeparatorsAtDensityOne)
{
    const auto slots = ComputeToolBarLayout({0, 0, 900, 32}, 1.0, true);
    EXPECT_EQ(Order(slots), (std::vector<int>{1, 2, 3, 4, 5, 14, 6, 15, 7, 8, 16, 9, 10, 17, 11, 12, 18, 13}));
    EXPECT_EQ(RectOf(slots, TB_LEFT_END), CRect(0, 1, 20, 31));
    EXPECT_EQ(RectOf(slots, TB_OPEN), CRect(20, 0, 58, 31));
    EXPECT_EQ(RectOf(slots, TB_SAVE_TO_CARD), CRect(134, 0, 172, 31));
    // A separator is 2 pixels wide in the middle of its 6-pixel slot, from
    // a tenth of the height down four fifths of it.
    EXPECT_EQ(RectOf(slots, 14), CRect(174, 3, 176, 28));
    EXPECT_EQ(RectOf(slots, TB_SETTINGS), CRect(178, 0, 216, 31));
    EXPECT_EQ(RectOf(slots, TB_NAVIGATION), CRect(424, 0, 462, 31));
    EXPECT_EQ(RectOf(slots, 18), CRect(464, 3, 466, 28));
    // The zoom field: 75 wide in the middle of an 87-pixel slot.
    EXPECT_EQ(RectOf(slots, TB_ZOOM), CRect(474, 3, 549, 28));
    // Without a receiver target the bar ends with the navigation item.
    EXPECT_EQ(Order(ComputeToolBarLayout({0, 0, 900, 32}, 1.0, false)).back(), TB_NAVIGATION);
}

TEST(ToolBarLayoutTest, LengthsScaleTruncatedAtDensityOneAndAHalf)
{
    const auto slots = ComputeToolBarLayout({0, 0, 1200, 48}, 1.5, true);
    EXPECT_EQ(RectOf(slots, TB_OPEN), CRect(30, 1, 87, 47));
    // 87 × 1.5 = 130.5 and 75 × 1.5 = 112.5 are cut to 130 and 112.
    const int zoomSlot = RectOf(slots, 18).left - 3 + 9;
    EXPECT_EQ(RectOf(slots, TB_ZOOM), CRect(zoomSlot + 9, 4, zoomSlot + 9 + 112, 42));
}

TEST(ToolBarZoomTest, PercentRoundsHalfAwayFromZeroAndStaysInRange)
{
    EXPECT_EQ(ZoomPercent(1.2f), 120);
    EXPECT_EQ(ZoomText(ZoomPercent(1.2f)), "120%");
    EXPECT_EQ(ZoomPercent(0.125), 13);
    EXPECT_EQ(ZoomPercent(std::nan("")), 0);
    EXPECT_EQ(ZoomPercent(1e300), 1000000000);
}
