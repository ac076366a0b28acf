// Placing one pane: no move and no redraw suspension when it is in place.
#include "module/place_pane.h"
#include "module_test_support.h"
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
