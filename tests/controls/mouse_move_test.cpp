#include "controls/mouse_move_manager.h"
#include "widgets_test_support.h"

#include <gtest/gtest.h>

using widget_test::At;
using widget_test::CRecorderWnd;
using widget_test::WaitFor;

TEST(MouseMoveRules, SmallMovesWaitForTheHoldTime)
{
    EXPECT_FALSE(MouseMoveStarts({3, 0}, 0, 300, 4));
    EXPECT_FALSE(MouseMoveStarts({-4, 4}, 299, 300, 4));
    EXPECT_TRUE(MouseMoveStarts({5, 0}, 0, 300, 4));
    EXPECT_TRUE(MouseMoveStarts({0, -5}, 10, 300, 4));
    EXPECT_TRUE(MouseMoveStarts({0, 0}, 300, 300, 4));
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

TEST_F(MouseMoveTest, ReportsEveryMoveThenTheRelease)
{
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));
    ASSERT_TRUE(tracker->IsTracking());
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({15, 12}));
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({15, 12})); // no move: not reported again
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({20, 30}));
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({25, 30}));

    EXPECT_EQ(MovePoints(), (std::vector<CPoint>{{15, 12}, {20, 30}, {25, 30}}));
    EXPECT_EQ(moves[1].ptDown, CPoint(10, 10));
    EXPECT_EQ(moves[1].ptOffset, CPoint(10, 20));
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_BUTTONUP});
    EXPECT_EQ(endInfo.ptCur, CPoint(25, 30));
    EXPECT_FALSE(tracker->IsTracking());
}

TEST_F(MouseMoveTest, HoldTimeKeepsATremblingClickStill)
{
    ASSERT_TRUE(Build(60000));
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At({50, 50}));
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({52, 49}));
    EXPECT_TRUE(moves.empty());
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({60, 50}));
    wnd.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({61, 50})); // once moving, every move counts
    EXPECT_EQ(MovePoints(), (std::vector<CPoint>{{60, 50}, {61, 50}}));
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({61, 50}));
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_BUTTONUP});
}

TEST_F(MouseMoveTest, ARightPressCancels)
{
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));
    EXPECT_EQ(wnd.DeliverMessage(WM_RBUTTONDOWN, MK_RBUTTON | MK_LBUTTON, At({30, 30})), 0);
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_OTHERBUTTON});
    EXPECT_FALSE(tracker->IsTracking());
}

TEST_F(MouseMoveTest, EscapeCancelsAndOtherKeysPass)
{
    MSG key{&wnd, WM_KEYDOWN, 'A', 0, {}};
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));
    EXPECT_FALSE(tracker->RouteMessage(key));
    EXPECT_TRUE(ends.empty());
    wnd.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_ESCAPE});
}

TEST_F(MouseMoveTest, CancelReportsLost)
{
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));
    tracker->Cancel();
    tracker->Cancel();
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_LOST});
}

TEST_F(MouseMoveTest, MiddleDragEndsOnMiddleRelease)
{
    wnd.DeliverMessage(WM_MBUTTONDOWN, MK_MBUTTON, At({10, 10}));
    wnd.DeliverMessage(WM_LBUTTONUP, MK_MBUTTON, At({12, 10}));
    EXPECT_TRUE(ends.empty());
    wnd.DeliverMessage(WM_MBUTTONUP, 0, At({40, 10}));
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_BUTTONUP});
    EXPECT_EQ(MovePoints().back(), CPoint(40, 10));
}

TEST_F(MouseMoveTest, AWindowDestroyedMidwayEndsAsLost)
{
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));
    wnd.DestroyWindow();
    EXPECT_TRUE(WaitFor([this] { return !ends.empty(); }));
    EXPECT_EQ(ends, std::vector<int>{MOUSEMOVE_END_LOST});
}

TEST_F(MouseMoveTest, FollowsTheCursorWhileNoMessageComes)
{
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));
    CPoint screen{70, 60};
    wnd.ClientToScreen(screen);
    plat::SetCursorPos(screen);
    ASSERT_TRUE(WaitFor([this] { return !moves.empty(); }));
    EXPECT_EQ(moves.back().ptCur, CPoint(70, 60));
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({70, 60}));
}

TEST_F(MouseMoveTest, StartRefusesWhatItCannotTrack)
{
    CMouseDownMoveManager other;
    CWnd none;
    EXPECT_FALSE(other.Start(nullptr, MK_LBUTTON, {}, nullptr, nullptr));
    EXPECT_FALSE(other.Start(&none, MK_LBUTTON, {}, nullptr, nullptr));
    EXPECT_FALSE(other.Start(&wnd, MK_SHIFT, {}, nullptr, nullptr));
    EXPECT_TRUE(other.Start(&wnd, MK_LBUTTON, {}, nullptr, nullptr));
    EXPECT_FALSE(other.Start(&wnd, MK_LBUTTON, {}, nullptr, nullptr));
    EXPECT_EQ(other.GetHoldTime(), CMouseDownMoveManager::kDefaultHoldTime);
    EXPECT_EQ(other.GetIdleSleep(), CMouseDownMoveManager::kDefaultIdleSleep);
    EXPECT_FALSE(other.RouteMessage(MSG{&wnd, WM_KEYDOWN, 'B', 0, {}}));
}

TEST_F(MouseMoveTest, TheEndCallbackMayStartAgain)
{
    int restarts = 0;
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));
    tracker->Cancel();
    ASSERT_FALSE(tracker->IsTracking());
    ASSERT_TRUE(tracker->Start(&wnd, MK_LBUTTON, {0, 0}, nullptr, [&](int, const SMouseMoveInfo&) {
        ++restarts;
        if (restarts == 1) {
            EXPECT_TRUE(
                tracker->Start(&wnd, MK_LBUTTON, {0, 0}, nullptr, [&](int, const SMouseMoveInfo&) { ++restarts; }));
        }
    }));
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({1, 1}));
    EXPECT_TRUE(tracker->IsTracking());
    wnd.DeliverMessage(WM_LBUTTONUP, 0, At({2, 2}));
    EXPECT_EQ(restarts, 2);
}
