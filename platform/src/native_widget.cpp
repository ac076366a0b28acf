// The widget behind a CWnd: what the window hears from the toolkit.
#include "window_impl.h"

#include "platform/native_qt.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

namespace plat::detail {

namespace {

int g_dispatchDepth = 0;

struct PostedMessageEvent final : QEvent {
    PostedMessageEvent(UINT m, WPARAM w, LPARAM l) : QEvent(PostedMessageEventType()), message(m), wParam(w), lParam(l)
    {}
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Messages that the desktop's message loop offers to PreTranslateMessage.
bool IsFilteredMessage(UINT message)
{
    return (message >= WM_KEYDOWN && message <= WM_SYSKEYUP) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        || message == WM_MOUSEHOVER || message == WM_MOUSELEAVE || message == WM_TIMER;
}

} // namespace

QEvent::Type PostedMessageEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent* MakePostedMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return new PostedMessageEvent(message, wParam, lParam);
}

bool InDispatch() { return g_dispatchDepth > 0; }
DispatchScope::DispatchScope() { ++g_dispatchDepth; }
DispatchScope::~DispatchScope() { --g_dispatchDepth; }

NativeWidget::NativeWidget(CWnd::Impl* impl, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), owner(impl)
{}

NativeWidget::~NativeWidget()
{
    // Deleted by the toolkit (its parent went) while a window still owns
    // it: the windows of this tree are destroyed as DestroyWindow would.
    if (owner)
        CWnd::Impl::DestroyTree(this, false);
}

bool NativeWidget::event(QEvent* e)
{
    CWnd::Impl* d = owner;
    if (!d)
        return QWidget::event(e);
    DispatchScope scope;
    switch (e->type()) {
    case QEvent::Resize:
    case QEvent::Move: {
        const bool result = QWidget::event(e);
        if (owner)
            owner->ReportGeometry();
        return result;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const bool result = QWidget::event(e);
        if (owner)
            owner->Dispatch(e->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
        return result;
    }
    case QEvent::Close:
        // The window decides (OnClose destroys it by default).
        e->ignore();
        d->Dispatch(WM_CLOSE, 0, 0);
        return true;
    case QEvent::Timer: {
        const int toolkitId = static_cast<QTimerEvent*>(e)->timerId();
        if (toolkitId == hoverTimer.timerId()) {
            d->OnHoverElapsed();
            return true;
        }
        for (const auto& [windowId, id] : d->timers) {
            if (id == toolkitId) {
                d->Deliver(WM_TIMER, windowId, 0, plat::GetCursorPos());
                return true;
            }
        }
        return QWidget::event(e);
    }
    case QEvent::Enter: d->tracking.inside = true; return QWidget::event(e);
    case QEvent::Leave: d->OnMouseLeft(); return QWidget::event(e);
    default: break;
    }
    if (e->type() == PostedMessageEventType()) {
        const auto* posted = static_cast<PostedMessageEvent*>(e);
        if (IsFilteredMessage(posted->message))
            d->Deliver(posted->message, posted->wParam, posted->lParam, plat::GetCursorPos());
        else
            d->Dispatch(posted->message, posted->wParam, posted->lParam);
        return true;
    }
    return QWidget::event(e);
}

void NativeWidget::paintEvent(QPaintEvent* e)
{
    if (!owner)
        return;
    DispatchScope scope;
    QPainter painter(this);
    const auto canvas = plat::MakePainterCanvas(painter);
    owner->Paint(*canvas, plat::ToCRect(e->rect()));
}

} // namespace plat::detail
