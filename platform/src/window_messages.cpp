// Messages: sending, posting, the filter road, the default dispatch, and
// mouse tracking (hover and leave).
#include "platform/window.h"

#include "window_impl.h"

#include <QCoreApplication>

using plat::detail::NativeWidget;

namespace {

// The desktop's hover time when the caller asks for the default.
constexpr UINT kDefaultHoverMs = 400;

CPoint PointOf(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

bool IsClientMouseMessage(UINT message)
{
    return (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) || message == WM_MOUSEHOVER;
}

} // namespace

bool CWnd::Impl::OfferToFilters(MSG& msg)
{
    if (!msg.hwnd || !msg.hwnd->m_impl->widget)
        return false;
    // The chain is fixed before the first filter runs; a filter may destroy
    // windows of it, and those are then skipped.
    std::vector<QPointer<NativeWidget>> chain;
    for (QWidget* w = msg.hwnd->m_impl->widget; w; w = w->parentWidget()) {
        if (auto* native = dynamic_cast<NativeWidget*>(w))
            chain.emplace_back(native);
    }
    for (auto& w : chain) {
        if (w && w->owner && w->owner->self.PreTranslateMessage(&msg))
            return true;
    }
    return false;
}

LRESULT CWnd::Impl::Deliver(UINT message, WPARAM wParam, LPARAM lParam, const CPoint& screenPt)
{
    if (!widget)
        return 0;
    if (message == WM_MOUSEMOVE)
        NoteMouseMove(PointOf(lParam));
    QPointer<NativeWidget> guard = widget;
    MSG msg{&self, message, wParam, lParam, screenPt};
    if (OfferToFilters(msg))
        return 0;
    if (!guard || guard->owner != this)
        return 0;
    return Dispatch(message, wParam, lParam);
}

void CWnd::Impl::NoteMouseMove(const CPoint& client)
{
    tracking.inside = true;
    tracking.last = client;
    if (tracking.hover && widget)
        widget->hoverTimer.start(static_cast<int>(tracking.hoverTime), Qt::PreciseTimer, widget);
}

void CWnd::Impl::OnHoverElapsed()
{
    if (widget)
        widget->hoverTimer.stop();
    if (!tracking.hover || !tracking.inside)
        return;
    tracking.hover = false;
    CPoint screen = tracking.last;
    self.ClientToScreen(screen);
    Deliver(WM_MOUSEHOVER, plat::detail::CurrentKeyStateFlags(), MAKELPARAM(tracking.last.x, tracking.last.y), screen);
}

void CWnd::Impl::OnMouseLeft()
{
    const bool report = tracking.leave;
    tracking.inside = false;
    CancelTracking();
    if (report)
        Deliver(WM_MOUSELEAVE, 0, 0, plat::GetCursorPos());
}

void CWnd::Impl::CancelTracking()
{
    tracking.hover = false;
    tracking.leave = false;
    if (widget)
        widget->hoverTimer.stop();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_impl->widget ? WindowProc(message, wParam, lParam) : 0;
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_impl->widget)
        return false;
    // Events posted to one receiver keep their order; a widget that goes
    // takes its pending events with it, so nothing reaches a dead window.
    QCoreApplication::postEvent(m_impl->widget, plat::detail::MakePostedMessage(message, wParam, lParam));
    return true;
}

LRESULT CWnd::DeliverMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_impl->widget)
        return 0;
    CPoint screen;
    if (IsClientMouseMessage(message)) {
        screen = PointOf(lParam);
        ClientToScreen(screen);
    } else if (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL) {
        screen = PointOf(lParam);
    } else {
        screen = plat::GetCursorPos();
    }
    plat::detail::DispatchScope scope;
    return m_impl->Deliver(message, wParam, lParam, screen);
}

bool CWnd::TrackMouseEvent(const TRACKMOUSEEVENT& tme)
{
    NativeWidget* w = m_impl->widget;
    if (!w)
        return false;
    auto& t = m_impl->tracking;
    if (tme.dwFlags & TME_CANCEL) {
        if (tme.dwFlags & TME_HOVER) {
            t.hover = false;
            w->hoverTimer.stop();
        }
        if (tme.dwFlags & TME_LEAVE)
            t.leave = false;
        return true;
    }
    const bool inside = t.inside || w->underMouse();
    if (tme.dwFlags & TME_HOVER) {
        t.hover = true;
        t.hoverTime = tme.dwHoverTime == HOVER_DEFAULT ? kDefaultHoverMs : std::max<UINT>(tme.dwHoverTime, 1);
        if (inside)
            w->hoverTimer.start(static_cast<int>(t.hoverTime), Qt::PreciseTimer, w);
    }
    if (tme.dwFlags & TME_LEAVE) {
        // Asked while the mouse is elsewhere: the leave is due at once.
        t.leave = inside;
        if (!inside)
            PostMessage(WM_MOUSELEAVE, 0, 0);
    }
    return true;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_MOVE: OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_SIZE: OnSize(flags, LOWORD(static_cast<uint64_t>(lParam)), HIWORD(static_cast<uint64_t>(lParam))); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != 0); return 0;
    case WM_TIMER: OnTimer(flags); return 0;
    case WM_MOUSEMOVE: OnMouseMove(flags, PointOf(lParam)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(flags, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(flags, PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(flags, PointOf(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(flags, PointOf(lParam)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(flags, PointOf(lParam)); return 0;
    case WM_MBUTTONDOWN: OnMButtonDown(flags, PointOf(lParam)); return 0;
    case WM_MBUTTONUP: OnMButtonUp(flags, PointOf(lParam)); return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam)) ? 1 : 0;
    case WM_MOUSEHOVER: OnMouseHover(flags, PointOf(lParam)); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(); return 0;
    case WM_KEYDOWN:
        OnKeyDown(flags, LOWORD(static_cast<uint64_t>(lParam)), HIWORD(static_cast<uint64_t>(lParam)));
        return 0;
    case WM_KEYUP:
        OnKeyUp(flags, LOWORD(static_cast<uint64_t>(lParam)), HIWORD(static_cast<uint64_t>(lParam)));
        return 0;
    case WM_CHAR: OnChar(flags, LOWORD(static_cast<uint64_t>(lParam)), HIWORD(static_cast<uint64_t>(lParam))); return 0;
    default: return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    if (message == WM_SETREDRAW)
        SetRedraw(wParam != 0);
    return 0;
}

bool CWnd::PreTranslateMessage(MSG* /*msg*/) { return false; }
