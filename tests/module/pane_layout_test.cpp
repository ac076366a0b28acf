// The page's layout arithmetic, placing one pane, and the panes an update
// mask names.
#include "module/pane_layout.h"
#include "module/place_pane.h"
#include "module/update_mask.h"
#include "module_test_support.h"

#include <gtest/gtest.h>

namespace {

using enum EPane;

// The rectangles in EPane order, after checking the placing order.
std::vector<CRect> Layout(const CRect& client, double scale, bool expanded)
{
    std::vector<CRect> rects;
    for (const SPanePlace& place : ComputePaneLayout(client, scale, expanded)) {
        EXPECT_EQ(static_cast<int>(place.ePane), static_cast<int>(rects.size())) << "placing order";
        rects.push_back(place.rect);
    }
    return rects;
}

TEST(PaneLayoutTest, EveryPaneAtEachDensity)
{
    // At 1.5: h = 48, t = 21, w = 93, p = 375; collapsed, 33 x 1.5 = 49.5 is cut to 49.
    std::vector<CRect> expected{{375, 0, 1200, 48},   {1107, 48, 1200, 800}, {0, 0, 375, 800},
                                {375, 48, 1086, 779}, {1086, 48, 1107, 779}, {375, 779, 1107, 800}};
    EXPECT_EQ(expected, Layout({0, 0, 1200, 800}, 1.5, true));
    expected[0].left = expected[2].right = expected[3].left = expected[5].left = 49;
    EXPECT_EQ(expected, Layout({0, 0, 1200, 800}, 1.5, false));
    EXPECT_EQ(CRect(250, 32, 1000 - 62 - 14, 600 - 14), Layout({0, 0, 1000, 600}, 1.0, true)[3]);
    // At 2.5: h = 80, t = 35, w = 155, p = 625.
    EXPECT_EQ(CRect(625, 80, 3000 - 155 - 35, 2000 - 35), Layout({0, 0, 3000, 2000}, 2.5, true)[3]);
    // The toolbar and the panel start at the top whatever the client's top.
    const std::vector<CRect> moved = Layout({10, 20, 1210, 820}, 1.0, true);
    EXPECT_EQ(0, moved[0].top);
    EXPECT_EQ(CRect(10, 0, 250, 820), moved[2]);
}

TEST(RefreshOrderTest, ThePanesEachMaskNames)
{
    const std::vector<EPane> all = {SenderPanel, TargetSelect, MainView, ToolBar, HScroll, VScroll};
    const std::pair<uint32_t, std::vector<EPane>> cases[]
        = {{0xFFFFFFFFu, all},
           {UPDATE_ACTIVATE, all},
           {UPDATE_TOOLBAR, {ToolBar}},
           {UPDATE_TARGET, {TargetSelect}},
           {UPDATE_VIEW, {MainView}},
           {UPDATE_HSCROLL, {HScroll}},
           {UPDATE_VSCROLL, {VScroll}},
           {UPDATE_SENDER_PANEL, {SenderPanel}},
           {0x2000, {}}, // the other pages' bits
           {0x20000 | 0x40000 | 0x2001 | 0x10000000, {}},
           {UPDATE_LAYOUT_CHANGE, {MainView, ToolBar, HScroll, VScroll}},
           {UPDATE_ACTIVATE_NO_PANEL, {TargetSelect, MainView, ToolBar, HScroll, VScroll}}};
    for (const auto& [mask, panes] : cases)
        EXPECT_EQ(panes, PanesToRefresh(mask)) << std::hex << mask;
}

// A page that notes the redraw messages it gets.
class CRedrawPage : public CWnd {
public:
    std::vector<WPARAM> redraws;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETREDRAW)
            redraws.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A pane that counts its moves and sizes.
class CMovePane : public CWnd {
public:
    int changes = 0;

protected:
    void OnMove(int, int) override { ++changes; }
    void OnSize(UINT, int, int) override { ++changes; }
};

TEST(PlacePaneTest, MovesOnlyWhatIsOutOfPlaceAndSuspendsRedrawOnlyWhenAsked)
{
    // The page stands away from the screen's origin, so a rectangle
    // compared in screen coordinates would never match.
    CRedrawPage page;
    CMovePane pane;
    ASSERT_TRUE(page.CreateEx(nullptr, {130, 70, 930, 670}, 211, EWindowKind::Dialog));
    ASSERT_TRUE(pane.CreateEx(&page, {0, 0, 0, 0}, 2008));
    CWnd noWindow;
    EXPECT_EQ(0, PlacePane(page, nullptr, {0, 0, 10, 10}, 1));
    EXPECT_EQ(0, PlacePane(page, &noWindow, {0, 0, 10, 10}, 0));
    EXPECT_TRUE(page.redraws.empty());

    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_EQ(1, PlacePane(page, &pane, {10, 20, 110, 70}, 1));
    EXPECT_EQ((std::vector<WPARAM>{0, 1}), page.redraws);
    EXPECT_FALSE(page.IsRedrawSuspended());
    EXPECT_EQ(CRect(10, 20, 110, 70), RectInPage(page, pane));
    page.ShowWindow(SW_SHOW);
    EXPECT_TRUE(pane.IsWindowVisible());

    // In place: left alone.
    page.redraws.clear();
    const int changes = pane.changes;
    EXPECT_EQ(1, PlacePane(page, &pane, {10, 20, 110, 70}, 1));
    EXPECT_TRUE(page.redraws.empty());
    EXPECT_EQ(changes, pane.changes);
    // Without the flag redraw is not touched.
    EXPECT_EQ(1, PlacePane(page, &pane, {0, 0, 50, 50}, 0));
    EXPECT_TRUE(page.redraws.empty());
    EXPECT_EQ(50, pane.GetClientRect().Width());
}

} // namespace
