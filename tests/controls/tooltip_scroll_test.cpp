#include "controls/scroll_bar.h"
#include "controls/tooltip.h"
#include "controls_test_support.h"
#include "widgets_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolTip, ShowsAtOnceOrAfterItsDelayWithATextAndAnOwner)
{
    HostWindow host;
    CMorvToolTip tip;
    tip.Show("no owner", {0, 0});
    EXPECT_FALSE(tip.IsShown());
    tip.SetOwner(&host);
    tip.Show("Temperature 71 °C", {10, 10});
    EXPECT_EQ(std::tuple(tip.IsShown(), tip.GetText()), std::tuple(true, std::string("Temperature 71 °C")));
    tip.Hide();
    EXPECT_EQ(std::tuple(tip.IsShown(), tip.GetText()), std::tuple(false, std::string()));
    tip.Show("x", {0, 0});
    tip.Show("", {0, 0});
    EXPECT_FALSE(tip.IsShown());
    tip.SetInitialDelay(500);
    tip.Show("Scroll", {10, 10});
    EXPECT_EQ(std::tuple(tip.IsShown(), tip.IsPending()), std::tuple(false, true));
    tip.Hide();
    EXPECT_FALSE(tip.IsPending());

    CWnd late; // an owner given before its window exists
    CMorvToolTip lateTip;
    lateTip.SetOwner(&late);
    ASSERT_TRUE(late.CreateEx(nullptr, {0, 0, 50, 50}, 1, EWindowKind::Dialog));
    lateTip.Show("later", {1, 1});
    EXPECT_TRUE(lateTip.IsShown());
}

TEST(ScrollBar, UserMovesAreToldToTheParentMovesFromCodeToNobody)
{
    widget_test::CRecorderWnd owner;
    owner.also = {WM_VSCROLL, WM_HSCROLL};
    ASSERT_TRUE(owner.Create(200, 200));
    using M = std::tuple<UINT, int, int>; // message, code, position
    const auto moves = [&] {
        std::vector<M> out;
        for (const auto& r : owner.records)
            out.emplace_back(r.message, LOWORD(r.wParam), HIWORD(r.wParam));
        return out;
    };
    CMorvScrollBar bar, horizontal;
    ASSERT_TRUE(bar.Create(&owner, {180, 0, 194, 200}, 10, true));
    bar.SetScrollRange(0, 100);
    bar.SetPageStep(20);
    bar.SetLineStep(5);
    for (const int code : {SB_LINEDOWN, SB_PAGEDOWN, SB_BOTTOM, SB_LINEUP})
        bar.Scroll(code);
    EXPECT_EQ(moves(),
              (std::vector<M>{{WM_VSCROLL, SB_LINEDOWN, 5},
                              {WM_VSCROLL, SB_PAGEDOWN, 25},
                              {WM_VSCROLL, SB_BOTTOM, 100},
                              {WM_VSCROLL, SB_LINEUP, 95}}));
    EXPECT_EQ(bar.GetScrollPos(), 95);

    owner.records.clear(); // a position from code is held in the range and told to nobody
    horizontal.SetScrollRange(0, 100);
    horizontal.SetScrollPos(40);
    ASSERT_TRUE(horizontal.Create(&owner, {0, 186, 200, 200}, 11, false));
    EXPECT_EQ(horizontal.GetScrollPos(), 40);
    horizontal.SetScrollPos(150);
    EXPECT_EQ(horizontal.GetScrollPos(), 100);
    horizontal.SetScrollRange(0, 50);
    EXPECT_EQ(horizontal.GetScrollPos(), 50);
    EXPECT_TRUE(owner.records.empty());
    horizontal.Scroll(SB_TOP);
    EXPECT_EQ(moves(), (std::vector<M>{{WM_HSCROLL, SB_TOP, 0}}));
    EXPECT_EQ(horizontal.GetScrollPos(), 0);
}

} // namespace
