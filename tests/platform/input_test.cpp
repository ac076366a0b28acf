// Input: toolkit events become desktop messages, walk the filter chain
// from the target up, and reach the window unless swallowed; hover and
// leave; key codes and key state.
#include "key_codes.h"
#include "test_windows.h"

#include "platform/native_qt.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <tuple>

namespace {

void Send(QWidget* target, QEvent&& event) { QCoreApplication::sendEvent(target, &event); }

QMouseEvent Mouse(QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return QMouseEvent(type, local, global, button, buttons, modifiers);
}

const std::string kPreKeyDown = "pre" + std::to_string(WM_KEYDOWN);
const std::string kPreLButtonDown = "pre" + std::to_string(WM_LBUTTONDOWN);

} // namespace

TEST(FilterChain, TargetThenAncestorsThenTheWindowUnlessSwallowed)
{
    Family f(true);
    f.child.DeliverMessage(WM_KEYDOWN, 'A', 1);
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:" + kPreKeyDown, "top:" + kPreKeyDown, "child:keydown65"}));
    ASSERT_EQ(f.top.filtered.size(), 1u);
    EXPECT_EQ(f.top.filtered[0].hwnd, &f.child) << "ancestors see the target's message";

    // An ancestor that swallows a message ends its walk.
    f.log.clear();
    f.top.filter = [](MSG* m) { return m->message == WM_KEYDOWN && m->wParam == VK_ESCAPE; };
    f.child.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:" + kPreKeyDown, "top:" + kPreKeyDown}));
    f.child.DeliverMessage(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(f.child.Count("keydown13"), 1);

    // Hover and leave take the same road, the hover with the message's screen point.
    f.log.clear();
    f.child.DeliverMessage(WM_MOUSEHOVER, MK_CONTROL, MAKELPARAM(3, 4));
    f.child.DeliverMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(f.log,
              (std::vector<std::string>{"child:pre673", "top:pre673", "child:hover", "child:pre675", "top:pre675",
                                        "child:leave"}));
    EXPECT_EQ(f.child.lastPoint, CPoint(3, 4));
    EXPECT_EQ(f.child.filtered[f.child.filtered.size() - 2].pt, CPoint(113, 74));
}

TEST(FilterChain, FilterMayDestroyTheTarget)
{
    Family f(true);
    f.child.filter = [&](MSG*) { return f.top.DestroyWindow(), false; };
    f.child.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(std::tuple(f.child.IsWindow(), f.child.Count("lbuttondown"), f.top.Count(kPreLButtonDown)),
              std::tuple(false, 0, 0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(RealInput, MouseButtonAndWheelCarryKeyStateAndPoint)
{
    Family f(true);
    QWidget* w = plat::NativeWidget(&f.child);
    Send(w, Mouse(QEvent::MouseButtonPress, {5, 7}, {115, 77}, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier));
    EXPECT_EQ(std::tuple(f.child.Count("lbuttondown"), f.child.lastFlags, f.child.lastPoint),
              std::tuple(1, UINT(MK_LBUTTON | MK_CONTROL), CPoint(5, 7)));
    ASSERT_FALSE(f.top.filtered.empty());
    EXPECT_EQ(f.top.filtered.back().pt, CPoint(115, 77));

    Send(w, Mouse(QEvent::MouseButtonRelease, {6, 8}, {116, 78}, Qt::RightButton, Qt::NoButton, Qt::ShiftModifier));
    EXPECT_EQ(f.child.Count("rbuttonup"), 1);
    EXPECT_EQ(f.child.lastFlags, MK_SHIFT) << "the released button is no longer held";

    Send(w, Mouse(QEvent::MouseButtonDblClick, {1, 2}, {111, 72}, Qt::LeftButton, Qt::LeftButton));
    EXPECT_EQ(f.child.Count("lbuttondblclk"), 1);
    QWheelEvent wheel(QPointF(4, 4), QPointF(114, 74), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::ShiftModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &wheel);
    EXPECT_EQ(std::tuple(f.child.Count("wheel"), f.child.lastWheelDelta, f.child.lastFlags, f.child.lastPoint),
              std::tuple(1, -240, UINT(MK_SHIFT), CPoint(114, 74)))
        << "the screen point";
}

TEST(RealInput, KeysBecomeKeyDownCharAndKeyUp)
{
    Family f(true);
    QWidget* w = plat::NativeWidget(&f.child);
    Send(w, QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, "q"));
    Send(w, QKeyEvent(QEvent::KeyRelease, Qt::Key_Q, Qt::NoModifier, "q"));
    Send(w, QKeyEvent(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier));
    EXPECT_EQ(f.log,
              (std::vector<std::string>{"child:" + kPreKeyDown, "top:" + kPreKeyDown, "child:keydown81", "child:pre258",
                                        "top:pre258", "child:char113", "child:pre257", "top:pre257", "child:keyup81",
                                        "child:" + kPreKeyDown, "top:" + kPreKeyDown, "child:keydown116"}));
}

TEST(RealInput, SwallowedInputNeverReachesTheWindowAndAKeyDownSoHasNoChar)
{
    Family f(true);
    f.top.filter = [](MSG* m) { return m->message == WM_LBUTTONDOWN || m->message == WM_KEYDOWN; };
    Send(plat::NativeWidget(&f.child),
         Mouse(QEvent::MouseButtonPress, {5, 7}, {115, 77}, Qt::LeftButton, Qt::LeftButton));
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:" + kPreLButtonDown, "top:" + kPreLButtonDown}));
    Send(plat::NativeWidget(&f.child), QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, "q"));
    EXPECT_EQ(f.child.Count("char113") + f.child.Count("keydown81"), 0);
    // With Alt held a key is a system key.
    Send(plat::NativeWidget(&f.child), QKeyEvent(QEvent::KeyPress, Qt::Key_S, Qt::AltModifier, "s"));
    EXPECT_EQ(std::pair(f.child.filtered.back().message, f.child.Count("keydown83")),
              std::pair(UINT(WM_SYSKEYDOWN), 0));
}

TEST(NativeChildren, KeysAndMouseOnAPlainWidgetWalkFromTheOwningWindow)
{
    Family f(true);
    auto* edit = new QLineEdit(plat::NativeWidget(&f.child));
    edit->show();
    Send(edit, QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
    EXPECT_EQ(edit->text(), "x") << "not swallowed: the edit handles it";
    EXPECT_EQ(f.log, (std::vector<std::string>{"child:" + kPreKeyDown, "top:" + kPreKeyDown}));
    EXPECT_EQ(f.top.filtered.back().hwnd, &f.child);

    f.top.filter = [](MSG* m) { return m->message == WM_KEYDOWN && m->wParam == 'Y'; };
    Send(edit, QKeyEvent(QEvent::KeyPress, Qt::Key_Y, Qt::NoModifier, "y"));
    EXPECT_EQ(edit->text(), "x") << "swallowed: the edit never sees it";
    EXPECT_EQ(plat::WindowFromWidget(edit), &f.child);
    f.log.clear();
    auto* label = new QLabel("label", plat::NativeWidget(&f.child));
    label->setGeometry(20, 10, 40, 20);
    label->show();
    // A label ignores the press; the toolkit hands it to the window, whose
    // filters have already seen it and must not see it twice.
    Send(label, Mouse(QEvent::MouseButtonPress, {3, 4}, {133, 84}, Qt::LeftButton, Qt::LeftButton));
    EXPECT_EQ(f.log,
              (std::vector<std::string>{"child:" + kPreLButtonDown, "top:" + kPreLButtonDown, "child:lbuttondown"}));
    EXPECT_EQ(std::pair(f.child.filtered.back().lParam, f.child.lastPoint),
              std::pair(LPARAM(MAKELPARAM(23, 14)), CPoint(23, 14)));
}

TEST(NativeChildren, PlainTopLevelWindowsAreNotOurs)
{
    Family f(true);
    QWidget menu(plat::NativeWidget(&f.top), Qt::Popup);
    auto* inside = new QLabel("item", &menu);
    EXPECT_EQ(plat::WindowFromWidget(inside), nullptr);
    Send(inside, Mouse(QEvent::MouseButtonPress, {1, 1}, {1, 1}, Qt::LeftButton, Qt::LeftButton));
    EXPECT_TRUE(f.log.empty());
}

TEST(MouseTracking, HoverAfterRestingThenLeaveOnExit)
{
    Family f(true);
    QWidget* w = plat::NativeWidget(&f.child);
    Send(w, QEnterEvent(QPointF(2, 2), QPointF(2, 2), QPointF(112, 72)));
    Send(w, Mouse(QEvent::MouseMove, {6, 9}, {116, 79}, Qt::NoButton, Qt::NoButton));
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_HOVER | TME_LEAVE;
    tme.dwHoverTime = 1;
    ASSERT_TRUE(f.child.TrackMouseEvent(tme));
    ASSERT_TRUE(RunUntil([&] { return f.child.Count("hover") == 1; }));
    EXPECT_EQ(std::pair(f.child.lastPoint, f.child.Count("pre673")), std::pair(CPoint(6, 9), 1))
        << "through the filters";

    // One-shot: resting longer brings no second hover.
    Send(w, Mouse(QEvent::MouseMove, {7, 9}, {117, 79}, Qt::NoButton, Qt::NoButton));
    f.child.SetTimer(1, 10);
    ASSERT_TRUE(RunUntil([&] { return f.child.Count("timer1") >= 3; }));
    EXPECT_EQ(f.child.Count("hover"), 1);

    Send(w, QEvent(QEvent::Leave));
    EXPECT_EQ(f.child.Count("leave"), 1);
    Send(w, QEvent(QEvent::Leave));
    EXPECT_EQ(f.child.Count("leave"), 1) << "leave is one-shot too";
}

TEST(MouseTracking, LeaveAskedForOutsideComesAtOnceACancelledHoverNever)
{
    Family f(true);
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    ASSERT_TRUE(f.child.TrackMouseEvent(tme));
    EXPECT_TRUE(RunUntil([&] { return f.child.Count("leave") == 1; }));
    Send(plat::NativeWidget(&f.child), Mouse(QEvent::MouseMove, {6, 9}, {116, 79}, Qt::NoButton, Qt::NoButton));
    tme.dwFlags = TME_HOVER;
    tme.dwHoverTime = 1;
    f.child.TrackMouseEvent(tme);
    tme.dwFlags = TME_HOVER | TME_CANCEL;
    f.child.TrackMouseEvent(tme);
    f.child.SetTimer(1, 10);
    ASSERT_TRUE(RunUntil([&] { return f.child.Count("timer1") >= 3; }));
    EXPECT_EQ(f.child.Count("hover"), 0);
}

TEST(KeyState, FollowsKeyEventsAndModifiers)
{
    Family f(true);
    QWidget* w = plat::NativeWidget(&f.child);
    // The toolkit gives a modifier key's own event the state before it.
    Send(w, QKeyEvent(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier));
    EXPECT_LT(plat::GetKeyState(VK_CONTROL), 0);
    Send(w, QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::ControlModifier));
    EXPECT_LT(plat::GetKeyState(VK_LEFT), 0);
    Send(w, QKeyEvent(QEvent::KeyRelease, Qt::Key_Left, Qt::ControlModifier));
    Send(w, QKeyEvent(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier));
    EXPECT_EQ(std::pair(plat::GetKeyState(VK_CONTROL), plat::GetKeyState(VK_LEFT)), (std::pair<short, short>(0, 0)));
}

TEST(KeyCodes, ToolkitKeysMapToVirtualKeysMouseFlagsAndKeyLParam)
{
    // Key, on the keypad, virtual key; Shift+1 is still the 1 key.
    const std::tuple<int, bool, UINT> cases[] = {{Qt::Key_A, false, 'A'},
                                                 {Qt::Key_7, false, '7'},
                                                 {Qt::Key_7, true, VK_NUMPAD0 + 7},
                                                 {Qt::Key_F12, false, VK_F1 + 11},
                                                 {Qt::Key_Escape, false, VK_ESCAPE},
                                                 {Qt::Key_Enter, false, VK_RETURN},
                                                 {Qt::Key_Backtab, false, VK_TAB},
                                                 {Qt::Key_PageDown, false, VK_NEXT},
                                                 {Qt::Key_Alt, false, VK_MENU},
                                                 {Qt::Key_Plus, false, VK_OEM_PLUS},
                                                 {Qt::Key_Plus, true, VK_ADD},
                                                 {Qt::Key_Exclam, false, '1'},
                                                 {Qt::Key_Adiaeresis, false, 0u}};
    for (const auto& [key, keypad, vk] : cases)
        EXPECT_EQ(plat::detail::VirtualKeyFromQt(key, keypad), vk) << std::hex << key << (keypad ? " keypad" : "");
    using namespace plat::detail;
    EXPECT_EQ(plat::MouseKeyFlags(Qt::LeftButton | Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier),
              MK_LBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL);
    EXPECT_EQ(plat::MouseKeyFlags(Qt::RightButton, Qt::AltModifier), MK_RBUTTON);
    EXPECT_EQ(KeyMessageLParam(true, false, false), 1);
    EXPECT_EQ(KeyMessageLParam(true, true, false), 1 | (1LL << 30));
    EXPECT_EQ(KeyMessageLParam(false, false, true), 1 | (1LL << 29) | (1LL << 30) | (1LL << 31));
}
