// Placing one pane: no move and no redraw suspension when it is in place.
#include "module/place_pane.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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
    int moves = 0;
    int sizes = 0;

protected:
    void OnMove(int, int) override { ++moves; }
    void OnSize(UINT, int, int) override { ++sizes; }
};

class PlacePaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The page stands away from the screen's origin, so a rectangle
        // compared in screen coordinates would never match.
        ASSERT_TRUE(page.CreateEx(nullptr, {130, 70, 930, 670}, 211, EWindowKind::Dialog));
        ASSERT_TRUE(pane.CreateEx(&page, {0, 0, 0, 0}, 2008));
    }

    CRedrawPage page;
    CMovePane pane;
};

} // namespace

TEST_F(PlacePaneTest, MovesShowsAndSuspendsRedrawAroundTheMove)
{
    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_EQ(1, PlacePane(page, &pane, {10, 20, 110, 70}, 1));
    EXPECT_EQ((std::vector<WPARAM>{0, 1}), page.redraws);
    EXPECT_FALSE(page.IsRedrawSuspended());
    CRect inPage = pane.GetWindowRect();
    const CRect pageRect = page.GetWindowRect();
    inPage.OffsetRect(-pageRect.left, -pageRect.top);
    EXPECT_EQ(CRect(10, 20, 110, 70), inPage);
    EXPECT_FALSE(pane.GetWindowRect().IsRectNull());
    page.ShowWindow(SW_SHOW);
    EXPECT_TRUE(pane.IsWindowVisible());
}

TEST_F(PlacePaneTest, PaneInPlaceIsLeftAlone)
{
    ASSERT_EQ(1, PlacePane(page, &pane, {10, 20, 110, 70}, 1));
    page.redraws.clear();
    const int moves = pane.moves;
    const int sizes = pane.sizes;
    EXPECT_EQ(1, PlacePane(page, &pane, {10, 20, 110, 70}, 1));
    EXPECT_TRUE(page.redraws.empty());
    EXPECT_EQ(moves, pane.moves);
    EXPECT_EQ(sizes, pane.sizes);
}

TEST_F(PlacePaneTest, WithoutTheFlagRedrawIsNotTouched)
{
    EXPECT_EQ(1, PlacePane(page, &pane, {0, 0, 50, 50}, 0));
    EXPECT_TRUE(page.redraws.empty());
    EXPECT_EQ(50, pane.GetClientRect().Width());
}

TEST_F(PlacePaneTest, NullPaneOrNoWindow)
{
    EXPECT_EQ(0, PlacePane(page, nullptr, {0, 0, 10, 10}, 1));
    EXPECT_TRUE(page.redraws.empty());
    CWnd noWindow;
    EXPECT_EQ(0, PlacePane(page, &noWindow, {0, 0, 10, 10}, 0));
}
