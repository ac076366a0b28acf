#pragma once
// Private side of CWnd: the widget it owns, its timers, mouse tracking and
// the road every message of the filter set takes.
#include "platform/window.h"

#include <QBasicTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <map>

namespace plat::detail {

class NativeWidget;

// Mouse tracking requested with TrackMouseEvent; cleared once it reports.
struct MouseTracking {
    bool hover = false;
    bool leave = false;
    UINT hoverTime = 0;
    bool inside = false; // the mouse is over the window, as far as input told us
    CPoint last;         // last mouse position, client coordinates
};

} // namespace plat::detail

struct CWnd::Impl {
    explicit Impl(CWnd& owner) : self(owner) {}

    CWnd& self;
    QPointer<plat::detail::NativeWidget> widget;
    UINT id = 0;
    EWindowKind kind = EWindowKind::Child;
    bool destroying = false;
    bool redrawSuspended = false;
    std::map<UINT, int> timers; // window timer id -> toolkit timer id
    plat::detail::MouseTracking tracking;
    // Last size and position told to OnSize / OnMove.
    bool geometryReported = false;
    QSize reportedSize;
    QPoint reportedPos;

    // Creation shared by CreateEx and plat::CreateInWidget.
    bool Create(QWidget* parentWidget, const CRect& rect, UINT ctrlId, EWindowKind windowKind,
                const std::string& title);

    // The filter road: PreTranslateMessage of the target and its window
    // ancestors, then WindowProc unless one swallowed it.
    LRESULT Deliver(UINT message, WPARAM wParam, LPARAM lParam, const CPoint& screenPt);
    // Only the PreTranslateMessage walk; true when a filter swallowed it.
    static bool OfferToFilters(MSG& msg);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) { return self.WindowProc(message, wParam, lParam); }
    void Paint(ICanvas& canvas, const CRect& dirty) { self.OnPaint(canvas, dirty); }

    // Geometry changes reported as WM_SIZE / WM_MOVE, once per change.
    void ReportGeometry();
    // Tracking bookkeeping for a mouse move that reached this window.
    void NoteMouseMove(const CPoint& client);
    void OnHoverElapsed();
    void OnMouseLeft();
    void CancelTracking();

    // Destruction, see window_destroy.cpp.
    static void DestroyTree(plat::detail::NativeWidget* top, bool disposeTop);
    void Detach();
};

namespace plat::detail {

// The widget a CWnd owns. It forwards what the window must hear (paint,
// size, move, focus, close, timers, posted messages, enter/leave); mouse
// and key input is caught earlier by the application-wide input filter.
class NativeWidget final : public QWidget {
public:
    NativeWidget(CWnd::Impl* owner, QWidget* parent, Qt::WindowFlags flags);
    ~NativeWidget() override;

    CWnd::Impl* owner = nullptr;
    QBasicTimer hoverTimer;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Posted window message, carried through the toolkit's event queue.
QEvent::Type PostedMessageEventType();
QEvent* MakePostedMessage(UINT message, WPARAM wParam, LPARAM lParam);

// True while one of our event handlers runs; windows destroyed then are
// deleted on return to the event loop instead of under the handler's feet.
bool InDispatch();
class DispatchScope {
public:
    DispatchScope();
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};

// Installs the application-wide input filter once.
void EnsureInputFilter();

// The nearest window owning a widget, without crossing into a top-level
// window that no CWnd owns (menus, message boxes).
CWnd::Impl* OwningWindow(const QWidget* widget);

// Current mouse key-state flags (MK_*).
UINT CurrentKeyStateFlags();

} // namespace plat::detail
