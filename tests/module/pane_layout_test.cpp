// The page's layout arithmetic and the panes an update mask names.
#include "module/pane_layout.h"
#include "module/update_mask.h"

#include <gtest/gtest.h>

namespace {

CRect Find(const std::vector<SPanePlace>& places, EPane pane)
{
    for (const SPanePlace& p : places)
        if (p.ePane == pane)
            return p.rect;
    ADD_FAILURE() << "pane not placed";
    return {};
}

} // namespace

TEST(PaneLayoutTest, AtDensity150)
{
    const auto places = ComputePaneLayout({0, 0, 1200, 800}, 1.5, true);
    // h = 48, t = 21, w = 93, p = 375.
    EXPECT_EQ(CRect(375, 0, 1200, 48), Find(places, EPane::ToolBar));
    EXPECT_EQ(CRect(1107, 48, 1200, 800), Find(places, EPane::TargetSelect));
    EXPECT_EQ(CRect(0, 0, 375, 800), Find(places, EPane::SenderPanel));
    EXPECT_EQ(CRect(375, 48, 1086, 779), Find(places, EPane::MainView));
    EXPECT_EQ(CRect(1086, 48, 1107, 779), Find(places, EPane::VScroll));
    EXPECT_EQ(CRect(375, 779, 1107, 800), Find(places, EPane::HScroll));
}

TEST(PaneLayoutTest, CollapsedPanelTruncatesTowardZero)
{
    const auto places = ComputePaneLayout({0, 0, 1200, 800}, 1.5, false);
    // 33 x 1.5 = 49.5 is cut to 49.
    EXPECT_EQ(49, Find(places, EPane::MainView).left);
    EXPECT_EQ(CRect(0, 0, 49, 800), Find(places, EPane::SenderPanel));
    EXPECT_EQ(49, Find(places, EPane::ToolBar).left);
}

TEST(PaneLayoutTest, AtDensity100And250)
{
    const auto base = ComputePaneLayout({0, 0, 1000, 600}, 1.0, true);
    EXPECT_EQ(CRect(250, 32, 1000 - 62 - 14, 600 - 14), Find(base, EPane::MainView));
    const auto large = ComputePaneLayout({0, 0, 3000, 2000}, 2.5, true);
    // h = 80, t = 35, w = 155, p = 625.
    EXPECT_EQ(CRect(625, 80, 3000 - 155 - 35, 2000 - 35), Find(large, EPane::MainView));
}

TEST(PaneLayoutTest, ToolbarAndPanelStartAtTheTopWhateverTheClientTop)
{
    const auto places = ComputePaneLayout({10, 20, 1210, 820}, 1.0, true);
    EXPECT_EQ(0, Find(places, EPane::ToolBar).top);
    EXPECT_EQ(0, Find(places, EPane::SenderPanel).top);
    EXPECT_EQ(10, Find(places, EPane::SenderPanel).left);
    EXPECT_EQ(820, Find(places, EPane::SenderPanel).bottom);
}

TEST(PaneLayoutTest, PlacingOrder)
{
    const auto places = ComputePaneLayout({0, 0, 800, 600}, 1.0, true);
    const std::vector<EPane> order
        = {EPane::ToolBar, EPane::TargetSelect, EPane::SenderPanel, EPane::MainView, EPane::VScroll, EPane::HScroll};
    ASSERT_EQ(order.size(), places.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(order[i], places[i].ePane) << i;
}

TEST(RefreshOrderTest, EveryPaneInItsOrder)
{
    const std::vector<EPane> all
        = {EPane::SenderPanel, EPane::TargetSelect, EPane::MainView, EPane::ToolBar, EPane::HScroll, EPane::VScroll};
    EXPECT_EQ(all, PanesToRefresh(0xFFFFFFFFu));
    EXPECT_EQ(all, PanesToRefresh(static_cast<uint32_t>(UPDATE_ACTIVATE)));
}

TEST(RefreshOrderTest, OneBitOnePane)
{
    EXPECT_EQ(std::vector<EPane>{EPane::ToolBar}, PanesToRefresh(UPDATE_TOOLBAR));
    EXPECT_EQ(std::vector<EPane>{EPane::TargetSelect}, PanesToRefresh(UPDATE_TARGET));
    EXPECT_EQ(std::vector<EPane>{EPane::MainView}, PanesToRefresh(UPDATE_VIEW));
    EXPECT_EQ(std::vector<EPane>{EPane::HScroll}, PanesToRefresh(UPDATE_HSCROLL));
    EXPECT_EQ(std::vector<EPane>{EPane::VScroll}, PanesToRefresh(UPDATE_VSCROLL));
    EXPECT_EQ(std::vector<EPane>{EPane::SenderPanel}, PanesToRefresh(UPDATE_SENDER_PANEL));
}

TEST(RefreshOrderTest, OtherPagesBitsNameNoPane)
{
    EXPECT_TRUE(PanesToRefresh(0x2000).empty());
    EXPECT_TRUE(PanesToRefresh(0x20000 | 0x40000 | 0x2001 | 0x10000000).empty());
    const std::vector<EPane> layoutChange = {EPane::MainView, EPane::ToolBar, EPane::HScroll, EPane::VScroll};
    EXPECT_EQ(layoutChange, PanesToRefresh(UPDATE_LAYOUT_CHANGE));
    const std::vector<EPane> noPanel
        = {EPane::TargetSelect, EPane::MainView, EPane::ToolBar, EPane::HScroll, EPane::VScroll};
    EXPECT_EQ(noPanel, PanesToRefresh(UPDATE_ACTIVATE_NO_PANEL));
}
