#include "controls/mouse_move_manager.h"
#include "widgets_test_support.h"

#include <gtest/gtest.h>

using widget_test::At;
using widget_test::CRecorderWnd;
using widget_test::WaitFor;

TEST(MouseMoveRules, SmallMovesWaitForTheHoldTime)
{
    const std::tuple<CPoint, DWORD, bool> cases[]
        = {{{3, 0}, 0, false}, {{-4, 4}, 299, false}, {{5, 0}, 0, true}, {{0, -5}, 10, true}, {{0, 0}, 300, true}};
    for (const auto& [offset, held, starts] : cases)
        EXPECT_EQ(MouseMoveStarts(offset, held, 300, 4), starts) << offset.x << "," << offset.y << " " << held;
}

namespace {

// A window that starts the tracker on a left or middle press and offers it
// every message of its filter, as the panes do.
class MouseMoveTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Build(0)); }

    bool Build(DWORD holdTime)
    {
        tracker = std::make_unique<CMouseDownMoveManager>(holdTime, 10);
        wnd.filter = [this](MSG* msg) {
            if (tracker->IsTracking())
                return tracker->RouteMessage(*msg);
            if (msg->message == WM_LBUTTONDOWN || msg->message == WM_MBUTTONDOWN) {
                const UINT button = msg->message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_MBUTTON;
                tracker->Start(
                    &wnd, button, {GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)},
                    [this](const SMouseMoveInfo& info) { moves.push_back(info); },
                    [this](int type, const SMouseMoveInfo& info) {
                        ends.push_back(type);
                        endInfo = info;
                    });
                return true;
            }
            return false;
        };
        return wnd.IsWindow() || wnd.Create();
    }

    void Down(CPoint p) { wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(p)); }
    std::vector<CPoint> MovePoints() const
    {
        std::vector<CPoint> points;
        for (const SMouseMoveInfo& m : moves)
            points.push_back(m.ptCur);
        return points;
    }

    CRecorderWnd wnd;
    std::unique_ptr<CMouseDownMoveManager> tracker;
    std::vector<SMouseMoveInfo> moves;
    std::vector<int> ends;
    SMouseMoveInfo endInfo;
};

} // namespace

TEST_F(MouseMoveTest, ReportsEveryMoveAndHowTheTrackingEndedHoldsATremblingClickAndRestarts)
{
    Down({10, 10});
    ASSERT_TRUE(tracker->IsTracking());
    for (const CPoint p : {CPoint(15, 12), CPoint(15, 12), CPoint(20, 30)}) // no move: not reported again
        wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(p));
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({25, 30}));
    EXPECT_EQ(MovePoints(), (std::vector<CPoint>{{15, 12}, {20, 30}, {25, 30}}));
    EXPECT_EQ(std::tuple(moves[1].ptDown, moves[1].ptOffset, endInfo.ptCur),
              std::tuple(CPoint(10, 10), CPoint(10, 20), CPoint(25, 30)));
    EXPECT_FALSE(tracker->IsTracking());

    Down({10, 10}); // a right press cancels
    EXPECT_EQ(wnd.DeliverMessage(WM_RBUTTONDOWN, MK_RBUTTON | MK_LBUTTON, At({30, 30})), 0);
    EXPECT_FALSE(tracker->IsTracking());
    Down({10, 10}); // escape cancels, other keys pass
    EXPECT_FALSE(tracker->RouteMessage(MSG{&wnd, WM_KEYDOWN, 'A', 0, {}}));
    wnd.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    Down({10, 10}); // cancelling reports lost, once
    tracker->Cancel();
    tracker->Cancel();
    wnd.DeliverMessage(WM_MBUTTONDOWN, MK_MBUTTON, At({10, 10})); // a middle drag ends on the middle release
    wnd.DeliverMessage(WM_LBUTTONUP, MK_MBUTTON, At({12, 10}));
    EXPECT_TRUE(tracker->IsTracking());
    wnd.DeliverMessage(WM_MBUTTONUP, 0, At({40, 10}));
    EXPECT_EQ(MovePoints().back(), CPoint(40, 10));
    EXPECT_EQ(ends,
              (std::vector<int>{MOUSEMOVE_END_BUTTONUP, MOUSEMOVE_END_OTHERBUTTON, MOUSEMOVE_END_ESCAPE,
                                MOUSEMOVE_END_LOST, MOUSEMOVE_END_BUTTONUP}));

    // A hold time keeps a trembling click still.
    ASSERT_TRUE(Build(60000));
    moves.clear();
    ends.clear();
    Down({50, 50});
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({52, 49}));
    EXPECT_TRUE(moves.empty());
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({60, 50}));
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({61, 50})); // once moving, every move counts
    EXPECT_EQ(MovePoints(), (std::vector<CPoint>{{60, 50}, {61, 50}}));
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({61, 50}));
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_BUTTONUP});

    // Start refuses what it cannot track; the end may start again.
    CMouseDownMoveManager other;
    CWnd none;
    EXPECT_FALSE(other.Start(nullptr, MK_LBUTTON, {}, nullptr, nullptr)
                 || other.Start(&none, MK_LBUTTON, {}, nullptr, nullptr)
                 || other.Start(&wnd, MK_SHIFT, {}, nullptr, nullptr));
    EXPECT_TRUE(other.Start(&wnd, MK_LBUTTON, {}, nullptr, nullptr));
    EXPECT_FALSE(other.Start(&wnd, MK_LBUTTON, {}, nullptr, nullptr));
    EXPECT_FALSE(other.RouteMessage(MSG{&wnd, WM_KEYDOWN, 'B', 0, {}}));
    other.Cancel();

    int restarts = 0;
    ASSERT_TRUE(tracker->Start(&wnd, MK_LBUTTON, {0, 0}, nullptr, [&](int, const SMouseMoveInfo&) {
        if (++restarts == 1) {
            EXPECT_TRUE(
                tracker->Start(&wnd, MK_LBUTTON, {0, 0}, nullptr, [&](int, const SMouseMoveInfo&) { ++restarts; }));
        }
    }));
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({1, 1}));
    EXPECT_TRUE(tracker->IsTracking());
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({2, 2}));
    EXPECT_EQ(restarts, 2);
}

TEST_F(MouseMoveTest, FollowsTheCursorWhileNoMessageComesAndEndsWithItsWindow)
{
    Down({10, 10});
    CPoint screen{70, 60};
    wnd.ClientToScreen(screen);
    plat::SetCursorPos(screen);
    ASSERT_TRUE(WaitFor([this] { return !moves.empty(); }));
    EXPECT_EQ(moves.back().ptCur, CPoint(70, 60));
    wnd.DestroyWindow();
    EXPECT_TRUE(WaitFor([this] { return !ends.empty(); }));
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_LOST});
}
