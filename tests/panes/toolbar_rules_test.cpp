// The toolbar's rules as pure functions: where the items go, which are
// enabled, the zoom walk and the load-from-card menu's sender mask.
#include "host/host_enums.h"
#include "panes/card_sender_menu.h"
#include "panes/toolbar_items.h"
#include "panes/toolbar_states.h"
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
}

TEST(ToolBarLayoutTest, LengthsScaleTruncatedAtDensityOneAndAHalf)
{
    const auto slots = ComputeToolBarLayout({0, 0, 1200, 48}, 1.5, true);
    EXPECT_EQ(RectOf(slots, TB_OPEN), CRect(30, 1, 87, 47));
    EXPECT_EQ(RectOf(slots, 14), CRect(30 + 4 * 57 + 3, 4, 30 + 4 * 57 + 5, 42));
    // 87 × 1.5 = 130.5 and 75 × 1.5 = 112.5 are cut to 130 and 112.
    const CRect separator = RectOf(slots, 18);
    const int slotStart = separator.left - 3 + 9;
    EXPECT_EQ(RectOf(slots, TB_ZOOM), CRect(slotStart + 9, 4, slotStart + 9 + 112, 42));
}

TEST(ToolBarLayoutTest, ZoomAndItsSeparatorOnlyForReceiverTargets)
{
    for (int renderType : {0, 1, 2, 3, 4, 11, 12}) {
        const auto order = Order(ComputeToolBarLayout({0, 0, 900, 32}, 1.0, IsReceiverTarget(renderType)));
        const bool shown = std::find(order.begin(), order.end(), TB_ZOOM) != order.end();
        EXPECT_EQ(shown, renderType >= 3 && renderType <= 11) << "render type " << renderType;
        EXPECT_EQ(shown, std::find(order.begin(), order.end(), 18) != order.end()) << "render type " << renderType;
        EXPECT_EQ(order.back(), shown ? TB_ZOOM : TB_NAVIGATION);
    }
}

TEST(ToolBarItemsTest, TooltipsAndPicturesByIndex)
{
    ASSERT_NE(FindToolBarItem(TB_OPEN), nullptr);
    EXPECT_STREQ(FindToolBarItem(TB_OPEN)->pszSuffix, "(Ctrl+O)");
    EXPECT_STREQ(FindToolBarItem(TB_SAVE)->pszSuffix, "(Ctrl+S)");
    EXPECT_STREQ(FindToolBarItem(TB_LOG)->pszSection, "Monitoring");
    EXPECT_STREQ(FindToolBarItem(TB_MOVE)->pszImage, "ToolBar\\Hand");
    EXPECT_STREQ(FindToolBarItem(16)->pszImage, "ToolBar\\splitline.png");
    EXPECT_EQ(FindToolBarItem(0), nullptr);
    EXPECT_EQ(FindToolBarItem(kToolBarItemCount), nullptr);
    for (int i = 1; i < kToolBarItemCount; ++i)
        EXPECT_EQ(FindToolBarItem(i)->nIndex, i);
}

TEST(ToolBarStatesTest, LockMonitoringAndSelection)
{
    struct Case {
        bool locked, monitoring, card;
        int node;
        bool open, save, cardEnabled, start;
    };
    const Case cases[] = {
        {false, false, true, TREE_NODE_SENDER, true, true, true, true},
        // Without monitoring only Save follows the lock.
        {true, false, true, TREE_NODE_SENDER, true, false, false, true},
        // While monitoring a locked page refuses Open and Save.
        {true, true, true, TREE_NODE_PORT, false, false, false, false},
        {false, true, true, TREE_NODE_PORT, true, true, true, false},
        {false, false, true, TREE_NODE_ALL_SENDERS, true, true, false, true},
        {false, false, true, TREE_NODE_GROUP, true, true, false, true},
        {false, false, false, TREE_NODE_SENDER, true, true, false, true},
    };
    for (const Case& c : cases) {
        SToolBarInputs in;
        in.bLocked = c.locked;
        in.bMonitoring = c.monitoring;
        in.bCardAccess = c.card;
        in.nTreeNodeType = c.node;
        const SToolBarStates s = ComputeToolBarStates(in);
        const std::string what = "locked " + std::to_string(c.locked) + " monitoring " + std::to_string(c.monitoring)
                               + " node " + std::to_string(c.node);
        EXPECT_EQ(s.bOpenEnabled, c.open) << what;
        EXPECT_EQ(s.bSaveEnabled, c.save) << what;
        EXPECT_EQ(s.bCardEnabled, c.cardEnabled) << what;
        EXPECT_EQ(s.bStartEnabled, c.start) << what;
        EXPECT_EQ(s.bStopEnabled, !c.start) << what;
    }
}

TEST(ToolBarStatesTest, ModeAndNavigationChecks)
{
    SToolBarInputs in;
    in.nSpecialOpType = SPECIAL_OP_MOVE;
    in.bNavigationOn = true;
    SToolBarStates s = ComputeToolBarStates(in);
    EXPECT_TRUE(s.bMoveChecked);
    EXPECT_FALSE(s.bNormalChecked);
    EXPECT_TRUE(s.bNavigationChecked);
    in.nSpecialOpType = SPECIAL_OP_NORMAL;
    in.bNavigationOn = false;
    s = ComputeToolBarStates(in);
    EXPECT_FALSE(s.bMoveChecked);
    EXPECT_TRUE(s.bNormalChecked);
    EXPECT_FALSE(s.bNavigationChecked);
}

TEST(ToolBarZoomTest, WheelStepsAndTheirEnds)
{
    struct Case {
        int percent;
        bool up;
        int next;
    };
    const Case cases[] = {
        {1000, true, 0}, {25, false, 0},  {90, true, 100},  {90, false, 75},  {100, true, 150},
        {100, false, 75}, {2000, false, 1000}, {10, true, 25}, {26, false, 25}, {999, true, 1000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextZoomStep(c.percent, c.up), c.next) << c.percent << (c.up ? " up" : " down");
}

TEST(ToolBarZoomTest, PercentRoundsHalfAwayFromZeroAndStaysInRange)
{
    EXPECT_EQ(ZoomPercent(1.2f), 120);
    EXPECT_EQ(ZoomText(ZoomPercent(1.2f)), "120%");
    EXPECT_EQ(ZoomPercent(0.125), 13);
    EXPECT_EQ(ZoomPercent(1.0), 100);
    EXPECT_EQ(ZoomPercent(std::nan("")), 0);
    EXPECT_EQ(ZoomPercent(1e300), 1000000000);
}

TEST(CardSenderMenuTest, EntriesMapToTheSendersThatHaveThem)
{
    CardSenderMask mask;
    for (int sender : {1, 4, 7, 255})
        mask.set(static_cast<std::size_t>(sender));
    EXPECT_EQ(SenderOfCardMenuEntry(mask, 1), 1);
    EXPECT_EQ(SenderOfCardMenuEntry(mask, 2), 4);
    EXPECT_EQ(SenderOfCardMenuEntry(mask, 3), 7);
    EXPECT_EQ(SenderOfCardMenuEntry(mask, 4), 255);
    EXPECT_EQ(SenderOfCardMenuEntry(mask, 5), -1);
    EXPECT_EQ(SenderOfCardMenuEntry(mask, 0), -1);
    EXPECT_EQ(SenderOfCardMenuEntry(CardSenderMask{}, 1), -1);
}
