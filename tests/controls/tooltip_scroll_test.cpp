#include "controls/scroll_bar.h"
#include "controls/tooltip.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolTip, ShowsAtOnceWithoutDelay)
{
    HostWindow host;
    CMorvToolTip tip;
    tip.SetOwner(&host);
    tip.Show("Temperature 71 °C", {10, 10});
    EXPECT_TRUE(tip.IsShown());
    EXPECT_EQ(tip.GetText(), "Temperature 71 °C");
    tip.Hide();
    EXPECT_FALSE(tip.IsShown());
    EXPECT_EQ(tip.GetText(), "");
}

TEST(ToolTip, WaitsItsDelay)
{
    HostWindow host;
    CMorvToolTip tip;
    tip.SetOwner(&host);
    tip.SetInitialDelay(500);
    tip.Show("Scroll", {10, 10});
    EXPECT_FALSE(tip.IsShown());
    EXPECT_TRUE(tip.IsPending());
    tip.Hide();
    EXPECT_FALSE(tip.IsPending());
}

TEST(ToolTip, EmptyTextOrNoOwnerShowsNothing)
{
    HostWindow host;
    CMorvToolTip tip;
    tip.Show("no owner", {0, 0});
    EXPECT_FALSE(tip.IsShown());
    tip.SetOwner(&host);
    tip.Show("x", {0, 0});
    tip.Show("", {0, 0});
    EXPECT_FALSE(tip.IsShown());
}

TEST(ToolTip, OwnerGivenBeforeItsWindowExists)
{
    CWnd late;
    CMorvToolTip tip;
    tip.SetOwner(&late);
    ASSERT_TRUE(late.CreateEx(nullptr, {0, 0, 50, 50}, 1, EWindowKind::Dialog));
    tip.Show("later", {1, 1});
    EXPECT_TRUE(tip.IsShown());
}

class ScrollOwner : public CWnd {
public:
    std::vector<std::pair<UINT, WPARAM>> moves;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_VSCROLL || message == WM_HSCROLL)
            moves.emplace_back(message, wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(ScrollBar, UserMovesAreToldToTheParentWithThePosition)
{
    ScrollOwner owner;
    ASSERT_TRUE(owner.CreateEx(nullptr, {0, 0, 200, 200}, 1, EWindowKind::Dialog));
    CMorvScrollBar bar;
    ASSERT_TRUE(bar.Create(&owner, {180, 0, 194, 200}, 10, true));
    bar.SetScrollRange(0, 100);
    bar.SetPageStep(20);
    bar.SetLineStep(5);
    bar.Scroll(SB_LINEDOWN);
    bar.Scroll(SB_PAGEDOWN);
    bar.Scroll(SB_BOTTOM);
    bar.Scroll(SB_LINEUP);
    ASSERT_EQ(owner.moves.size(), 4u);
    EXPECT_EQ(owner.moves[0].first, WM_VSCROLL);
    EXPECT_EQ(LOWORD(owner.moves[0].second), SB_LINEDOWN);
    EXPECT_EQ(HIWORD(owner.moves[0].second), 5);
    EXPECT_EQ(HIWORD(owner.moves[1].second), 25);
    EXPECT_EQ(LOWORD(owner.moves[2].second), SB_BOTTOM);
    EXPECT_EQ(HIWORD(owner.moves[2].second), 100);
    EXPECT_EQ(HIWORD(owner.moves[3].second), 95);
    EXPECT_EQ(bar.GetScrollPos(), 95);
}

TEST(ScrollBar, PositionFromCodeIsHeldInTheRangeAndToldToNobody)
{
    ScrollOwner owner;
    ASSERT_TRUE(owner.CreateEx(nullptr, {0, 0, 200, 200}, 1, EWindowKind::Dialog));
    CMorvScrollBar bar;
    bar.SetScrollRange(0, 100);
    bar.SetScrollPos(40);
    ASSERT_TRUE(bar.Create(&owner, {0, 186, 200, 200}, 11, false));
    EXPECT_EQ(bar.GetScrollPos(), 40);
    bar.SetScrollPos(150);
    EXPECT_EQ(bar.GetScrollPos(), 100);
    bar.SetScrollRange(0, 50);
    EXPECT_EQ(bar.GetScrollPos(), 50);
    EXPECT_TRUE(owner.moves.empty());
    bar.Scroll(SB_TOP);
    ASSERT_EQ(owner.moves.size(), 1u);
    EXPECT_EQ(owner.moves[0].first, WM_HSCROLL);
    EXPECT_EQ(bar.GetScrollPos(), 0);
}

} // namespace
