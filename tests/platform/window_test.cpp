// Windows: creation, destruction, geometry, visibility, redraw, messages
// and timers.
#include "test_windows.h"

#include "platform/native_qt.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

TEST(WindowLifetime, CreationIsHiddenAndReportsSizeAfterCreate)
{
    std::vector<std::string> log;
    LogWnd top("top", &log);
    EXPECT_FALSE(top.IsWindow());
    ASSERT_TRUE(top.CreateEx(nullptr, CRect(0, 0, 200, 100), 7, EWindowKind::Dialog, "Title"));
    EXPECT_EQ(std::tuple(top.IsWindow(), top.IsWindowVisible(), top.GetDlgCtrlID(), top.GetWindowText()),
              std::tuple(true, false, 7u, "Title"));
    EXPECT_EQ(log, (std::vector<std::string>{"top:create", "top:size 200x100", "top:move 0,0"}));
    // Created twice: refused, the first window stays.
    EXPECT_FALSE(top.CreateEx(nullptr, CRect(0, 0, 10, 10), 8, EWindowKind::Dialog));
    EXPECT_EQ(top.GetDlgCtrlID(), 7u);

    LogWnd child("child", &log);
    top.ShowWindow(SW_SHOW);
    ASSERT_TRUE(child.CreateEx(&top, CRect(1, 2, 11, 12), 9));
    EXPECT_FALSE(child.IsWindowVisible()) << "a child stays hidden even in a visible parent";
    EXPECT_EQ(child.GetParent(), &top);

    // A child needs a parent with a window.
    CWnd orphan, noWindow;
    EXPECT_FALSE(orphan.CreateEx(nullptr, CRect(0, 0, 10, 10), 1) || orphan.CreateEx(&noWindow, CRect(0, 0, 10, 10), 1)
                 || orphan.IsWindow());
}

TEST(WindowLifetime, DestroyNotifiesParentFirstThenTakesChildrenDown)
{
    Family f;
    LogWnd grandchild("grandchild", &f.log);
    ASSERT_TRUE(grandchild.CreateEx(&f.child, CRect(0, 0, 5, 5), 3));
    f.log.clear();
    // Every window of the tree still exists while the tree hears WM_DESTROY.
    struct Probe : LogWnd {
        using LogWnd::LogWnd;
        std::function<void()> onDestroy;
        void OnDestroy() override { onDestroy(), LogWnd::OnDestroy(); }
    } probe("probe", &f.log);
    LogWnd inner("inner", &f.log);
    bool innerAlive = false;
    probe.onDestroy = [&] { innerAlive = inner.IsWindow(); };
    ASSERT_TRUE(probe.CreateEx(nullptr, CRect(0, 0, 50, 50), 4, EWindowKind::Dialog));
    ASSERT_TRUE(inner.CreateEx(&probe, CRect(0, 0, 5, 5), 5));
    ASSERT_TRUE(probe.DestroyWindow());
    EXPECT_TRUE(innerAlive && !inner.IsWindow());

    f.log.clear();
    ASSERT_TRUE(f.top.DestroyWindow());
    EXPECT_EQ(f.log, (std::vector<std::string>{"top:destroy", "child:destroy", "grandchild:destroy"}));
    EXPECT_FALSE(f.top.IsWindow() || f.child.IsWindow() || grandchild.IsWindow());
    EXPECT_FALSE(f.child.DestroyWindow()) << "nothing left to destroy";
    // The objects stay usable: a window can be created again.
    EXPECT_TRUE(f.top.CreateEx(nullptr, CRect(0, 0, 10, 10), 1, EWindowKind::Dialog));
}

TEST(WindowLifetime, WidgetDeletedByAToolkitParentEndsTheWindow)
{
    auto container = std::make_unique<QWidget>();
    std::vector<std::string> log;
    LogWnd wnd("w", &log);
    ASSERT_TRUE(plat::CreateChildInWidget(wnd, container.get(), CRect(0, 0, 20, 20), 1));
    EXPECT_EQ(plat::WindowFromWidget(plat::NativeWidget(&wnd)), &wnd);
    container.reset();
    EXPECT_EQ(std::tuple(wnd.IsWindow(), wnd.Count("destroy"), plat::NativeWidget(&wnd)),
              std::tuple(false, 1, nullptr));
}

TEST(WindowLifetime, ObjectsDeletedInEitherOrder)
{
    for (const bool topFirst : {true, false}) {
        auto top = std::make_unique<LogWnd>("top"), child = std::make_unique<LogWnd>("child");
        ASSERT_TRUE(top->CreateEx(nullptr, CRect(0, 0, 10, 10), 1, EWindowKind::Dialog));
        ASSERT_TRUE(child->CreateEx(top.get(), CRect(0, 0, 5, 5), 2));
        (topFirst ? top : child).reset(); // a child's window goes with its parent; the object lives on
        if (top)
            top->ShowWindow(SW_SHOW);
        QCoreApplication::processEvents();
        EXPECT_TRUE(top ? top->IsWindow() : !child->IsWindow()) << topFirst;
    }
}

TEST(WindowGeometry, MoveSetWindowPosAndCenterUseTheDesktopRectangle)
{
    Family f;
    EXPECT_EQ(f.top.GetWindowRect(), CRect(100, 50, 500, 350));
    EXPECT_EQ(f.top.GetClientRect(), CRect(0, 0, 400, 300));
    EXPECT_EQ(f.child.GetClientRect(), CRect(0, 0, 100, 50)) << "right and bottom lie outside";
    EXPECT_EQ(f.child.GetWindowRect(), CRect(110, 70, 210, 120));

    ASSERT_TRUE(f.child.MoveWindow(CRect(30, 40, 31, 45)));
    CRect r = f.child.GetWindowRect();
    EXPECT_EQ(r.Size(), CSize(1, 5));
    f.top.ScreenToClient(r);
    EXPECT_EQ(r, CRect(30, 40, 31, 45));
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:size 1x5", "child:move 30,40"}));

    CPoint p(0, 0);
    f.child.ClientToScreen(p);
    EXPECT_EQ(p, CPoint(130, 90));
    f.child.ScreenToClient(p);
    EXPECT_EQ(p, CPoint(0, 0));
    ASSERT_TRUE(f.child.SetWindowPos(0, 0, 60, 30, SWP_NOMOVE | SWP_NOZORDER));
    EXPECT_EQ(f.child.GetWindowRect(), CRect(130, 90, 190, 120));
    ASSERT_TRUE(f.child.SetWindowPos(5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_EQ(f.child.GetWindowRect(), CRect(105, 56, 165, 86));
    EXPECT_EQ(std::pair(f.child.Count("size 60x30"), f.child.Count("move 5,6")), std::pair(1, 1));
    // Nothing changed: nothing reported.
    f.log.clear();
    f.child.MoveWindow(CRect(5, 6, 65, 36));
    EXPECT_TRUE(f.log.empty());
    ASSERT_TRUE(f.child.SetWindowPos(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW));
    EXPECT_FALSE(f.child.ShowWindow(SW_SHOW) == false) << "SWP_SHOWWINDOW showed it";
    f.child.MoveWindow(CRect(0, 0, 100, 50));
    f.child.CenterWindow();
    EXPECT_EQ(f.child.GetWindowRect(), CRect(250, 175, 350, 225));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(&f.top, CRect(0, 0, 100, 60), 3, EWindowKind::Popup));
    popup.CenterWindow();
    EXPECT_EQ(popup.GetWindowRect(), CRect(250, 170, 350, 230));
}

TEST(WindowVisibility, ShowWindowAnswersThePreviousStateAndSetRedrawSuspendsPainting)
{
    Family f;
    EXPECT_FALSE(f.child.ShowWindow(SW_SHOW));
    EXPECT_TRUE(f.child.ShowWindow(SW_SHOW));
    EXPECT_FALSE(f.child.IsWindowVisible()) << "its parent is still hidden";
    EXPECT_FALSE(f.top.ShowWindow(SW_SHOWNORMAL));
    EXPECT_TRUE(f.child.IsWindowVisible());
    EXPECT_TRUE(f.child.ShowWindow(SW_HIDE));
    EXPECT_FALSE(f.child.ShowWindow(SW_HIDE));
    EXPECT_EQ(std::pair(f.child.Count("show"), f.child.Count("hide")), std::pair(1, 1));
    // Enabled is each window's own flag, not its parent's.
    f.top.EnableWindow(false);
    EXPECT_TRUE(f.child.IsWindowEnabled());
    f.child.EnableWindow(false);
    EXPECT_FALSE(f.child.IsWindowEnabled());
    QWidget* widget = plat::NativeWidget(&f.child);
    f.child.SetRedraw(false);
    EXPECT_TRUE(f.child.IsRedrawSuspended() && !widget->updatesEnabled());
    f.child.SendMessage(WM_SETREDRAW, 1, 0);
    EXPECT_TRUE(!f.child.IsRedrawSuspended() && widget->updatesEnabled());
    f.child.SendMessage(WM_SETREDRAW, 0, 0);
    EXPECT_TRUE(f.child.IsRedrawSuspended());
}

TEST(WindowMessages, SendRunsNowPostsRunLaterInOrderAndPostedInputTakesTheFilterRoad)
{
    Family f;
    EXPECT_TRUE(f.child.PostMessage(WM_USER + 1, 10));
    EXPECT_TRUE(f.top.PostMessage(WM_USER + 2, 20));
    EXPECT_TRUE(f.child.PostMessage(WM_USER + 3, 30));
    f.child.SendMessage(WM_USER + 4, 40);
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:user4/40"}));
    RunUntil([&] { return f.log.size() == 4; });
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:user4/40", "child:user1/10", "top:user2/20", "child:user3/30"}));
    // Posted input takes the filter road.
    f.log.clear();
    f.child.PostMessage(WM_KEYDOWN, 'A', 1);
    f.child.PostMessage(WM_USER + 1, 0);
    RunUntil([&] { return f.child.Count("user1/0") == 1; });
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:pre256", "top:pre256", "child:keydown65", "child:user1/0"}));
}

TEST(WindowMessages, PostedMessagesNeverReachADestroyedWindow)
{
    std::vector<std::string> log;
    auto wnd = std::make_unique<LogWnd>("w", &log);
    LogWnd other("other", &log);
    ASSERT_TRUE(wnd->CreateEx(nullptr, CRect(0, 0, 10, 10), 1, EWindowKind::Dialog));
    ASSERT_TRUE(other.CreateEx(nullptr, CRect(0, 0, 10, 10), 2, EWindowKind::Dialog));
    log.clear();
    wnd->PostMessage(WM_USER + 1);
    wnd->DestroyWindow();
    EXPECT_FALSE(wnd->PostMessage(WM_USER + 2)) << "no window, nothing queued";
    EXPECT_EQ(wnd->SendMessage(WM_USER + 3), 0);
    ASSERT_TRUE(wnd->CreateEx(nullptr, CRect(0, 0, 10, 10), 1, EWindowKind::Dialog));
    wnd->PostMessage(WM_USER + 4);
    wnd.reset(); // object and window gone with a message pending
    other.PostMessage(WM_USER + 5);
    RunUntil([&] { return other.Count("user5/0") == 1; });
    EXPECT_EQ(log, (std::vector<std::string>{"w:destroy", "w:create", "w:size 10x10", "w:move 0,0", "other:user5/0"}));
}

TEST(WindowTimers, TimerReachesOnTimerThroughTheFilters)
{
    Family f;
    ASSERT_TRUE(f.child.SetTimer(7, 10));
    EXPECT_TRUE(f.child.HasTimer(7));
    ASSERT_TRUE(RunUntil([&] { return f.child.Count("timer7") >= 2; }));
    const auto first = std::find(f.log.begin(), f.log.end(), "child:timer7");
    ASSERT_GE(first - f.log.begin(), 2);
    EXPECT_EQ(*(first - 2), "child:pre" + std::to_string(WM_TIMER));
    EXPECT_EQ(*(first - 1), "top:pre" + std::to_string(WM_TIMER));
}

TEST(WindowTimers, KilledTimerStopsSettingAgainRestartsAndTimersEndWithTheWindow)
{
    Family f;
    ASSERT_TRUE(f.child.SetTimer(1, 10));
    ASSERT_TRUE(f.child.SetTimer(2, 10));
    ASSERT_TRUE(RunUntil([&] { return f.child.Count("timer1") >= 1; }));
    EXPECT_TRUE(f.child.KillTimer(1));
    EXPECT_FALSE(f.child.KillTimer(1) || f.child.HasTimer(1));
    const int firedBefore = f.child.Count("timer1"), twoBefore = f.child.Count("timer2");
    ASSERT_TRUE(RunUntil([&] { return f.child.Count("timer2") >= twoBefore + 3; }));
    EXPECT_EQ(f.child.Count("timer1"), firedBefore);

    // A long timer set again with a short elapse fires on the short one.
    f.child.KillTimer(2);
    ASSERT_TRUE(f.child.SetTimer(3, 600000));
    ASSERT_TRUE(f.child.SetTimer(3, 10));
    EXPECT_TRUE(RunUntil([&] { return f.child.Count("timer3") >= 1; }));

    // Timers end with their window.
    f.child.DestroyWindow();
    EXPECT_FALSE(f.child.HasTimer(3) || f.child.SetTimer(1, 10));
    const int threeBefore = f.child.Count("timer3");
    ASSERT_TRUE(f.top.SetTimer(9, 10));
    ASSERT_TRUE(RunUntil([&] { return f.top.Count("timer9") >= 2; }));
    EXPECT_EQ(f.child.Count("timer3"), threeBefore);
}

TEST(WindowTimers, HandlerMayDestroyItsOwnWindow)
{
    Family f;
    f.child.onTimer = [&](UINT) { f.top.DestroyWindow(); };
    ASSERT_TRUE(f.child.SetTimer(1, 10));
    ASSERT_TRUE(RunUntil([&] { return !f.top.IsWindow(); }));
    EXPECT_EQ(f.child.Count("timer1"), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(WindowPaint, OnPaintDrawsIntoTheWindow)
{
    struct Painted : CWnd {
        void OnPaint(ICanvas& dc, const CRect&) override { dc.FillRect(GetClientRect(), RGBColor(10, 200, 30)); }
    } wnd;
    ASSERT_TRUE(wnd.CreateEx(nullptr, CRect(0, 0, 16, 12), 1, EWindowKind::Dialog));
    const QImage shot = plat::NativeWidget(&wnd)->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(16, 12));
    EXPECT_EQ(QColor(shot.pixel(15, 11)), QColor(10, 200, 30));
}

TEST(WindowSystem, WindowFromPointCaptureFocusAndCursorShape)
{
    Family f(true);
    QCoreApplication::processEvents();
    const auto at = [](int x, int y) { return CWnd::WindowFromPoint(CPoint(x, y)); };
    EXPECT_EQ(std::tuple(at(115, 75), at(300, 300), at(5, 5)),
              (std::tuple<CWnd*, CWnd*, CWnd*>(&f.child, &f.top, nullptr)));
    f.child.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &f.child);
    CWnd::ReleaseCapture();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    f.child.SetFocus();
    ASSERT_TRUE(RunUntil([&] { return f.child.HasFocus(); }));
    EXPECT_EQ(CWnd::GetFocus(), &f.child);

    f.child.SetCursor(ECursor::Grabbing);
    EXPECT_EQ(plat::NativeWidget(&f.child)->cursor().shape(), Qt::ClosedHandCursor);
    f.child.SetCursor(ECursor::SizeWE);
    EXPECT_EQ(plat::NativeWidget(&f.child)->cursor().shape(), Qt::SizeHorCursor);

    f.top.DestroyWindow();
    EXPECT_EQ(CWnd::GetFocus(), nullptr);
}

TEST(WindowSystem, CursorClockScreenAndWaitCursor)
{
    plat::SetCursorPos(CPoint(321, 123));
    EXPECT_EQ(plat::GetCursorPos(), CPoint(321, 123));

    const uint32_t before = plat::GetTickCount();
    std::vector<std::string> log;
    LogWnd timed("t", &log);
    ASSERT_TRUE(timed.CreateEx(nullptr, CRect(0, 0, 10, 10), 2, EWindowKind::Dialog));
    timed.SetTimer(1, 20);
    ASSERT_TRUE(RunUntil([&] { return timed.Count("timer1") >= 1; }));
    EXPECT_GE(plat::GetTickCount() - before, 15u) << "the clock moved with the timer";

    EXPECT_FALSE(plat::GetScreenWorkArea().IsRectEmpty());

    const auto cursor
        = [] { return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : -1; };
    EXPECT_EQ(cursor(), -1);
    plat::BeginWaitCursor();
    plat::BeginWaitCursor();
    plat::EndWaitCursor();
    EXPECT_EQ(cursor(), Qt::WaitCursor) << "counted: one more to go";
    plat::EndWaitCursor();
    EXPECT_EQ(cursor(), -1);
    plat::EndWaitCursor(); // unbalanced: ignored
    EXPECT_EQ(cursor(), -1);
}
