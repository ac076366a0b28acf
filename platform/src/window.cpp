// CWnd: creation, geometry, visibility, painting, timers, focus, capture
// and cursor, on the widget the window owns.
#include "platform/window.h"

#include "platform/native_qt.h"
#include "window_impl.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>

using plat::detail::NativeWidget;

namespace {

// The desktop never runs a timer faster than this; a zero elapse would spin.
constexpr UINT kMinTimerMs = 10;

Qt::WindowFlags FlagsFor(EWindowKind kind)
{
    switch (kind) {
    case EWindowKind::Child: return Qt::Widget;
    case EWindowKind::Dialog: return Qt::Dialog;
    case EWindowKind::Popup: return Qt::Tool | Qt::FramelessWindowHint;
    }
    return Qt::Widget;
}

Qt::CursorShape ShapeFor(ECursor cursor)
{
    switch (cursor) {
    case ECursor::Arrow: return Qt::ArrowCursor;
    case ECursor::Hand: return Qt::PointingHandCursor;
    case ECursor::SizeAll: return Qt::SizeAllCursor;
    case ECursor::Grab: return Qt::OpenHandCursor;
    case ECursor::Grabbing: return Qt::ClosedHandCursor;
    case ECursor::Wait: return Qt::WaitCursor;
    case ECursor::IBeam: return Qt::IBeamCursor;
    case ECursor::Cross: return Qt::CrossCursor;
    case ECursor::No: return Qt::ForbiddenCursor;
    case ECursor::SizeWE: return Qt::SizeHorCursor;
    case ECursor::SizeNS: return Qt::SizeVerCursor;
    }
    return Qt::ArrowCursor;
}

} // namespace

bool CWnd::Impl::Create(QWidget* parentWidget, const CRect& rect, UINT ctrlId, EWindowKind windowKind,
                        const std::string& title)
{
    if (widget || !qApp)
        return false;
    plat::detail::EnsureInputFilter();
    auto* w = new NativeWidget(this, parentWidget, FlagsFor(windowKind));
    w->setMouseTracking(true);
    w->setFocusPolicy(windowKind == EWindowKind::Popup ? Qt::NoFocus : Qt::ClickFocus);
    if (windowKind == EWindowKind::Popup)
        w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->hide(); // explicitly hidden: showing the parent does not show it
    w->setGeometry(plat::ToQRect(rect));
    w->setWindowTitle(QString::fromStdString(title));
    widget = w;
    id = ctrlId;
    kind = windowKind;
    redrawSuspended = false;
    geometryReported = false;
    tracking = {};
    self.OnCreate();
    if (widget)
        ReportGeometry();
    return widget != nullptr;
}

void CWnd::Impl::ReportGeometry()
{
    if (!widget)
        return;
    QPointer<NativeWidget> guard = widget;
    const QSize size = widget->size();
    const QPoint pos = widget->pos();
    const bool first = !geometryReported;
    const bool sized = first || size != reportedSize;
    const bool moved = first || pos != reportedPos;
    geometryReported = true;
    reportedSize = size;
    reportedPos = pos;
    if (sized)
        Dispatch(WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.width(), size.height()));
    if (moved && guard && guard->owner == this)
        Dispatch(WM_MOVE, 0, MAKELPARAM(pos.x(), pos.y()));
}

CWnd::CWnd() : m_impl(std::make_unique<Impl>(*this)) {}

CWnd::~CWnd()
{
    if (m_impl->widget && !m_impl->destroying)
        DestroyWindow();
    // Whatever is still attached (destroyed while its own teardown ran)
    // must not call back into a dead object.
    m_impl->Detach();
}

bool CWnd::CreateEx(CWnd* parent, const CRect& rect, UINT id, EWindowKind kind, const std::string& title)
{
    QWidget* parentWidget = nullptr;
    if (parent) {
        if (!parent->IsWindow())
            return false;
        parentWidget = parent->m_impl->widget;
    } else if (kind == EWindowKind::Child) {
        return false;
    }
    return m_impl->Create(parentWidget, rect, id, kind, title);
}

bool CWnd::IsWindow() const { return m_impl->widget != nullptr; }
UINT CWnd::GetDlgCtrlID() const { return m_impl->id; }

CWnd* CWnd::GetParent() const
{
    if (!m_impl->widget)
        return nullptr;
    const QWidget* parent = m_impl->widget->parentWidget();
    CWnd::Impl* owner = parent ? plat::detail::OwningWindow(parent) : nullptr;
    return owner ? &owner->self : nullptr;
}

void CWnd::SetWindowText(const std::string& text)
{
    if (m_impl->widget)
        m_impl->widget->setWindowTitle(QString::fromStdString(text));
}

std::string CWnd::GetWindowText() const
{
    return m_impl->widget ? m_impl->widget->windowTitle().toStdString() : std::string();
}

CRect CWnd::GetClientRect() const
{
    if (!m_impl->widget)
        return {};
    return {0, 0, m_impl->widget->width(), m_impl->widget->height()};
}

CRect CWnd::GetWindowRect() const
{
    // Top-level windows are measured without the window manager's frame.
    if (!m_impl->widget)
        return {};
    const QPoint origin = m_impl->widget->mapToGlobal(QPoint(0, 0));
    return {CPoint(origin.x(), origin.y()), CSize(m_impl->widget->width(), m_impl->widget->height())};
}

bool CWnd::MoveWindow(const CRect& rect, bool repaint)
{
    if (!m_impl->widget)
        return false;
    m_impl->widget->setGeometry(plat::ToQRect(rect));
    if (repaint)
        m_impl->widget->update();
    m_impl->ReportGeometry();
    return true;
}

bool CWnd::SetWindowPos(int x, int y, int cx, int cy, UINT flags)
{
    NativeWidget* w = m_impl->widget;
    if (!w)
        return false;
    QRect geometry = w->geometry();
    if (!(flags & SWP_NOMOVE))
        geometry.moveTopLeft(QPoint(x, y));
    if (!(flags & SWP_NOSIZE))
        geometry.setSize(QSize(std::max(cx, 0), std::max(cy, 0)));
    if (geometry != w->geometry()) {
        w->setGeometry(geometry);
        m_impl->ReportGeometry();
    }
    if (m_impl->widget && !(flags & SWP_NOZORDER))
        m_impl->widget->raise();
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(SW_SHOW);
    else if (flags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    return true;
}

void CWnd::ScreenToClient(CPoint& p) const
{
    if (m_impl->widget)
        p = plat::ToCPoint(m_impl->widget->mapFromGlobal(QPoint(p.x, p.y)));
}

void CWnd::ScreenToClient(CRect& r) const
{
    CPoint topLeft = r.TopLeft();
    ScreenToClient(topLeft);
    r.MoveToXY(topLeft.x, topLeft.y);
}

void CWnd::ClientToScreen(CPoint& p) const
{
    if (m_impl->widget)
        p = plat::ToCPoint(m_impl->widget->mapToGlobal(QPoint(p.x, p.y)));
}

void CWnd::ClientToScreen(CRect& r) const
{
    CPoint topLeft = r.TopLeft();
    ClientToScreen(topLeft);
    r.MoveToXY(topLeft.x, topLeft.y);
}

void CWnd::CenterWindow()
{
    NativeWidget* w = m_impl->widget;
    if (!w)
        return;
    QRect area;
    if (!w->isWindow()) {
        area = QRect(QPoint(0, 0), w->parentWidget()->size());
    } else if (QWidget* parent = w->parentWidget()) {
        const QWidget* top = parent->window();
        area = QRect(top->mapToGlobal(QPoint(0, 0)), top->size());
    } else {
        const CRect work = plat::GetScreenWorkArea();
        area = plat::ToQRect(work);
    }
    QRect geometry = w->geometry();
    geometry.moveCenter(area.center());
    // Keep the whole of a top-level window on the screen where it can.
    if (w->isWindow()) {
        const CPoint at = plat::KeepOnWorkArea({geometry.x(), geometry.y()}, {geometry.width(), geometry.height()});
        geometry.moveTopLeft(QPoint(at.x, at.y));
    }
    w->setGeometry(geometry);
    m_impl->ReportGeometry();
}

bool CWnd::ShowWindow(int cmd)
{
    NativeWidget* w = m_impl->widget;
    if (!w)
        return false;
    const bool wasVisible = !w->isHidden();
    const bool show = cmd != SW_HIDE;
    if (show == wasVisible)
        return wasVisible;
    w->setVisible(show);
    if (m_impl->widget)
        m_impl->Dispatch(WM_SHOWWINDOW, show ? 1 : 0, 0);
    if (!show)
        m_impl->CancelTracking();
    return wasVisible;
}

bool CWnd::IsWindowVisible() const { return m_impl->widget && m_impl->widget->isVisible(); }

void CWnd::EnableWindow(bool enable)
{
    if (m_impl->widget)
        m_impl->widget->setEnabled(enable);
}

bool CWnd::IsWindowEnabled() const { return m_impl->widget && !m_impl->widget->testAttribute(Qt::WA_ForceDisabled); }

void CWnd::Invalidate()
{
    if (m_impl->widget)
        m_impl->widget->update();
}

void CWnd::InvalidateRect(const CRect& rect)
{
    if (m_impl->widget && !rect.IsRectEmpty())
        m_impl->widget->update(plat::ToQRect(rect));
}

void CWnd::UpdateWindow()
{
    // Paints what is pending now, as the desktop call does; nothing when
    // nothing is invalid.
    if (m_impl->widget && m_impl->widget->isVisible())
        QCoreApplication::sendPostedEvents(m_impl->widget->window(), QEvent::UpdateRequest);
}

void CWnd::SetRedraw(bool redraw)
{
    if (!m_impl->widget)
        return;
    m_impl->redrawSuspended = !redraw;
    m_impl->widget->setUpdatesEnabled(redraw);
}

bool CWnd::IsRedrawSuspended() const { return m_impl->widget && m_impl->redrawSuspended; }

bool CWnd::SetTimer(UINT id, UINT elapseMs)
{
    NativeWidget* w = m_impl->widget;
    if (!w)
        return false;
    KillTimer(id);
    const int interval = static_cast<int>(std::clamp<UINT>(elapseMs, kMinTimerMs, 0x7FFFFFFF));
    const int toolkitId = w->startTimer(interval, Qt::PreciseTimer);
    if (toolkitId == 0)
        return false;
    m_impl->timers[id] = toolkitId;
    return true;
}

bool CWnd::KillTimer(UINT id)
{
    auto it = m_impl->timers.find(id);
    if (it == m_impl->timers.end())
        return false;
    if (m_impl->widget)
        m_impl->widget->killTimer(it->second);
    m_impl->timers.erase(it);
    return true;
}

bool CWnd::HasTimer(UINT id) const { return m_impl->timers.count(id) != 0; }

void CWnd::SetCapture()
{
    if (m_impl->widget)
        m_impl->widget->grabMouse();
}

void CWnd::ReleaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

CWnd* CWnd::GetCapture()
{
    const QWidget* grabber = QWidget::mouseGrabber();
    CWnd::Impl* owner = grabber ? plat::detail::OwningWindow(grabber) : nullptr;
    return owner ? &owner->self : nullptr;
}

void CWnd::SetFocus()
{
    NativeWidget* w = m_impl->widget;
    if (!w)
        return;
    if (w->isVisible() && !w->window()->isActiveWindow())
        w->window()->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

bool CWnd::HasFocus() const { return m_impl->widget && m_impl->widget->hasFocus(); }

CWnd* CWnd::GetFocus()
{
    const QWidget* focus = QApplication::focusWidget();
    CWnd::Impl* owner = focus ? plat::detail::OwningWindow(focus) : nullptr;
    return owner ? &owner->self : nullptr;
}

void CWnd::SetCursor(ECursor shape)
{
    if (m_impl->widget)
        m_impl->widget->setCursor(ShapeFor(shape));
}

CWnd* CWnd::WindowFromPoint(const CPoint& screen)
{
    const QPoint at(screen.x, screen.y);
    const QWidget* hit = QApplication::widgetAt(at);
    if (!hit) {
        // A window that reaches past every screen (the headless screen is
        // small) is still found where it lies.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->geometry().contains(at)) {
                const QWidget* child = top->childAt(top->mapFromGlobal(at));
                hit = child ? child : top;
                break;
            }
        }
    }
    CWnd::Impl* owner = hit ? plat::detail::OwningWindow(hit) : nullptr;
    return owner ? &owner->self : nullptr;
}

void CWnd::OnPaint(ICanvas& /*dc*/, const CRect& /*dirty*/) {}

void CWnd::OnClose() { DestroyWindow(); }
