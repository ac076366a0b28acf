// Windows: creation, destruction, geometry, visibility, redraw, messages
// and timers.
#include "test_windows.h"

#include "platform/native_qt.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

TEST(WindowLifetime, CreationIsHiddenAndReportsSizeAfterCreate)
{
    std::vector<std::string> log;
    LogWnd top("top", &log);
    EXPECT_FALSE(top.IsWindow());
    ASSERT_TRUE(top.CreateEx(nullptr, CRect(0, 0, 200, 100), 7, EWindowKind::Dialog, "Title"));
    EXPECT_TRUE(top.IsWindow());
    EXPECT_FALSE(top.IsWindowVisible());
    EXPECT_EQ(top.GetDlgCtrlID(), 7u);
    EXPECT_EQ(top.GetWindowText(), "Title");
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
    EXPECT_FALSE(orphan.CreateEx(nullptr, CRect(0, 0, 10, 10), 1));
    EXPECT_FALSE(orphan.CreateEx(&noWindow, CRect(0, 0, 10, 10), 1));
    EXPECT_FALSE(orphan.IsWindow());
}

TEST(WindowLifetime, DestroyNotifiesParentFirstThenTakesChildrenDown)
{
    Family f;
    LogWnd grandchild("grandchild", &f.log);
    ASSERT_TRUE(grandchild.CreateEx(&f.child, CRect(0, 0, 5, 5), 3));
    f.log.clear();
    bool childAliveDuringParentDestroy = false;
    // Every window of the tree still exists while the tree hears WM_DESTROY.
    struct Probe : LogWnd {
        using LogWnd::LogWnd;
        CWnd* watched = nullptr;
        bool* sawAlive = nullptr;
        void OnDestroy() override
        {
            *sawAlive = watched->IsWindow();
            LogWnd::OnDestroy();
        }
    } probe("probe", &f.log);
    ASSERT_TRUE(probe.CreateEx(nullptr, CRect(0, 0, 50, 50), 4, EWindowKind::Dialog));
    LogWnd inner("inner", &f.log);
    ASSERT_TRUE(inner.CreateEx(&probe, CRect(0, 0, 5, 5), 5));
    probe.watched = &inner;
    probe.sawAlive = &childAliveDuringParentDestroy;
    ASSERT_TRUE(probe.DestroyWindow());
    EXPECT_TRUE(childAliveDuringParentDestroy);
    EXPECT_FALSE(inner.IsWindow());

    f.log.clear();
    ASSERT_TRUE(f.top.DestroyWindow());
    EXPECT_EQ(f.log, (std::vector<std::string>{"top:destroy", "child:destroy", "grandchild:destroy"}));
    EXPECT_FALSE(f.top.IsWindow());
    EXPECT_FALSE(f.child.IsWindow());
    EXPECT_FALSE(grandchild.IsWindow());
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
    EXPECT_FALSE(wnd.IsWindow());
    EXPECT_EQ(wnd.Count("destroy"), 1);
    EXPECT_EQ(plat::NativeWidget(&wnd), nullptr);
}

TEST(WindowLifetime, ObjectsDeletedInEitherOrder)
{
    auto top = std::make_unique<LogWnd>("top");
    auto child = std::make_unique<LogWnd>("child");
    ASSERT_TRUE(top->CreateEx(nullptr, CRect(0, 0, 10, 10), 1, EWindowKind::Dialog));
    ASSERT_TRUE(child->CreateEx(top.get(), CRect(0, 0, 5, 5), 2));
    top.reset(); // the child's window goes with it; the child object lives on
    EXPECT_FALSE(child->IsWindow());
    child.reset();

    auto top2 = std::make_unique<LogWnd>("top");
    auto child2 = std::make_unique<LogWnd>("child");
    ASSERT_TRUE(top2->CreateEx(nullptr, CRect(0, 0, 10, 10), 1, EWindowKind::Dialog));
    ASSERT_TRUE(child2->CreateEx(top2.get(), CRect(0, 0, 5, 5), 2));
    child2.reset();
    top2->ShowWindow(SW_SHOW);
    QCoreApplication::processEvents();
    EXPECT_TRUE(top2->IsWindow());
}

TEST(WindowGeometry, MoveWindowAndGetWindowRectUseTheDesktopRectangle)
{
    Family f;
    EXPECT_EQ(f.top.GetWindowRect(), CRect(100, 50, 500, 350));
    EXPECT_EQ(f.top.GetClientRect(), CRect(0, 0, 400, 300));
    EXPECT_EQ(f.child.GetClientRect(), CRect(0, 0, 100, 50)) << "right and bottom lie outside";
    EXPECT_EQ(f.child.GetWindowRect(), CRect(110, 70, 210, 120));

    ASSERT_TRUE(f.child.MoveWindow(CRect(30, 40, 31, 45)));
    CRect r = f.child.GetWindowRect();
    EXPECT_EQ(r.Width(), 1);
    EXPECT_EQ(r.Height(), 5);
    f.top.ScreenToClient(r);
    EXPECT_EQ(r, CRect(30, 40, 31, 45));
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:size 1x5", "child:move 30,40"}));

    CPoint p(0, 0);
    f.child.ClientToScreen(p);
    EXPECT_EQ(p, CPoint(130, 90));
    f.child.ScreenToClient(p);
    EXPECT_EQ(p, CPoint(0, 0));
}

TEST(WindowGeometry, SetWindowPosHonoursNoMoveAndNoSize)
{
    Family f;
    ASSERT_TRUE(f.child.SetWindowPos(0, 0, 60, 30, SWP_NOMOVE | SWP_NOZORDER));
    EXPECT_EQ(f.child.GetWindowRect(), CRect(110, 70, 170, 100));
    ASSERT_TRUE(f.child.SetWindowPos(5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_EQ(f.child.GetWindowRect(), CRect(105, 56, 165, 86));
    EXPECT_EQ(f.child.Count("size 60x30"), 1);
    EXPECT_EQ(f.child.Count("move 5,6"), 1);
    // Nothing changed: nothing reported.
    f.log.clear();
    f.child.MoveWindow(CRect(5, 6, 65, 36));
    EXPECT_TRUE(f.log.empty());
    ASSERT_TRUE(f.child.SetWindowPos(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW));
    EXPECT_FALSE(f.child.ShowWindow(SW_SHOW) == false) << "SWP_SHOWWINDOW showed it";
}

TEST(WindowGeometry, CenterWindowCentresOnParentOrScreen)
{
    Family f;
    f.child.CenterWindow();
    EXPECT_EQ(f.child.GetWindowRect(), CRect(250, 175, 350, 225));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(&f.top, CRect(0, 0, 100, 60), 3, EWindowKind::Popup));
    popup.CenterWindow();
    EXPECT_EQ(popup.GetWindowRect(), CRect(250, 170, 350, 230));
}

TEST(WindowVisibility, ShowWindowAnswersThePreviousState)
{
    Family f;
    EXPECT_FALSE(f.child.ShowWindow(SW_SHOW));
    EXPECT_TRUE(f.child.ShowWindow(SW_SHOW));
    EXPECT_FALSE(f.child.IsWindowVisible()) << "its parent is still hidden";
    EXPECT_FALSE(f.top.ShowWindow(SW_SHOWNORMAL));
    EXPECT_TRUE(f.child.IsWindowVisible());
    EXPECT_TRUE(f.child.ShowWindow(SW_HIDE));
    EXPECT_FALSE(f.child.ShowWindow(SW_HIDE));
    EXPECT_EQ(f.child.Count("show"), 1);
    EXPECT_EQ(f.child.Count("hide"), 1);
    // Enabled is each window's own flag, not its parent's.
    f.top.EnableWindow(false);
    EXPECT_TRUE(f.child.IsWindowEnabled());
    f.child.EnableWindow(false);
    EXPECT_FALSE(f.child.IsWindowEnabled());
}

TEST(WindowRedraw, SetRedrawSuspendsAndResumesPainting)
{
    Family f;
    QWidget* widget = plat::NativeWidget(&f.child);
    f.child.SetRedraw(false);
    EXPECT_TRUE(f.child.IsRedrawSuspended());
    EXPECT_FALSE(widget->updatesEnabled());
    f.child.SendMessage(WM_SETREDRAW, 1, 0);
    EXPECT_FALSE(f.child.IsRedrawSuspended());
    EXPECT_TRUE(widget->updatesEnabled());
    f.child.SendMessage(WM_SETREDRAW, 0, 0);
    EXPECT_TRUE(f.child.IsRedrawSuspended());
}

TEST(WindowMessages, SendRunsNowPostsRunLaterInOrder)
{
    Family f;
    EXPECT_TRUE(f.child.PostMessage(WM_USER + 1, 10));
    EXPECT_TRUE(f.top.PostMessage(WM_USER + 2, 20));
    EXPECT_TRUE(f.child.PostMessage(WM_USER + 3, 30));
    f.child.SendMessage(WM_USER + 4, 40);
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:user4/40"}));
    RunUntil([&] { return f.log.size() == 4; });
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:user4/40", "child:user1/10", "top:user2/20", "child:user3/30"}));
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

TEST(WindowMessages, PostedInputTakesTheFilterRoad)
{
    Family f;
    f.child.PostMessage(WM_KEYDOWN, 'A', 1);
    f.child.PostMessage(WM_USER + 1, 0);
    RunUntil([&] { return f.child.Count("user1/0") == 1; });
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:pre256", "top:pre256", "child:keydown65", "child:user1/0"}));
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

TEST(WindowTimers, KilledTimerStopsAndSettingAgainRestarts)
{
    Family f;
    ASSERT_TRUE(f.child.SetTimer(1, 10));
    ASSERT_TRUE(f.child.SetTimer(2, 10));
    ASSERT_TRUE(RunUntil([&] { return f.child.Count("timer1") >= 1; }));
    EXPECT_TRUE(f.child.KillTimer(1));
    EXPECT_FALSE(f.child.KillTimer(1));
    EXPECT_FALSE(f.child.HasTimer(1));
    const int firedBefore = f.child.Count("timer1");
    const int twoBefore = f.child.Count("timer2");
    ASSERT_TRUE(RunUntil([&] { return f.child.Count("timer2") >= twoBefore + 3; }));
    EXPECT_EQ(f.child.Count("timer1"), firedBefore);

    // A long timer set again with a short elapse fires on the short one.
    f.child.KillTimer(2);
    ASSERT_TRUE(f.child.SetTimer(3, 600000));
    ASSERT_TRUE(f.child.SetTimer(3, 10));
    EXPECT_TRUE(RunUntil([&] { return f.child.Count("timer3") >= 1; }));
}

TEST(WindowTimers, TimersEndWithTheWindow)
{
    Family f;
    ASSERT_TRUE(f.child.SetTimer(1, 10));
    f.child.DestroyWindow();
    EXPECT_FALSE(f.child.HasTimer(1));
    EXPECT_FALSE(f.child.SetTimer(1, 10));
    ASSERT_TRUE(f.top.SetTimer(9, 10));
    ASSERT_TRUE(RunUntil([&] { return f.top.Count("timer9") >= 2; }));
    EXPECT_EQ(f.child.Count("timer1"), 0);
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

TEST(WindowSystem, CaptureFocusAndCursorShape)
{
    Family f;
    f.top.ShowWindow(SW_SHOW);
    f.child.ShowWindow(SW_SHOW);
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

TEST(WindowSystem, WindowFromPointFindsTheDeepestWindow)
{
    Family f;
    f.top.ShowWindow(SW_SHOW);
    f.child.ShowWindow(SW_SHOW);
    QCoreApplication::processEvents();
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(115, 75)), &f.child);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(300, 300)), &f.top);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(5, 5)), nullptr);
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

    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    plat::BeginWaitCursor();
    plat::BeginWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    plat::EndWaitCursor();
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "counted: one more to go";
    plat::EndWaitCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    plat::EndWaitCursor(); // unbalanced: ignored
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
