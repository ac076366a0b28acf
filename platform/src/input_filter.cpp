// The application-wide input filter: real mouse, wheel and key events on a
// window's widget, or on any plain toolkit widget inside it, become
// messages with the desktop's numbers and take the filter road.
#include "input_filter.h"

#include "key_codes.h"
#include "platform/native_qt.h"
#include "window_impl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <bitset>
#include <optional>

namespace plat::detail {

namespace {

// As of the last input event, like the desktop's key state: what the
// messages handled so far said. Before any input, the system is asked.
struct KeyboardState {
    std::bitset<256> down;
    std::optional<Qt::KeyboardModifiers> modifiers;
    std::optional<Qt::MouseButtons> buttons;
};
KeyboardState g_state;

// An event on a plain widget that the filters saw and let through. When
// the widget ignores it, the toolkit hands it on to the parent; the window
// there then gets it without the filters seeing it twice.
struct OfferedEvent {
    QEvent::Type type = QEvent::None;
    quint64 timestamp = 0;
    QPointF global;
    int key = 0;
    QPointer<QWidget> from;

    void Remember(const QInputEvent* e, const QPointF& pos, int k, QWidget* widget)
    {
        type = e->type();
        timestamp = e->timestamp();
        global = pos;
        key = k;
        from = widget;
    }
    bool TakeIfPropagated(const QInputEvent* e, const QPointF& pos, int k, const QWidget* target)
    {
        const bool same = from && e->type() == type && e->timestamp() == timestamp && pos == global && k == key
            && target->isAncestorOf(from);
        if (same)
            from = nullptr;
        return same;
    }
};
OfferedEvent g_offered;

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button)
{
    if (type == QEvent::MouseMove)
        return WM_MOUSEMOVE;
    int index;
    switch (button) {
    case Qt::LeftButton: index = 0; break;
    case Qt::RightButton: index = 1; break;
    case Qt::MiddleButton: index = 2; break;
    default: return 0;
    }
    const UINT down[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    const UINT up[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
    const UINT dbl[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
    switch (type) {
    case QEvent::MouseButtonPress: return down[index];
    case QEvent::MouseButtonRelease: return up[index];
    case QEvent::MouseButtonDblClick: return dbl[index];
    default: return 0;
    }
}

enum class Routed {
    Toolkit,   // a plain widget's event the filters let through: the toolkit handles it
    Swallowed, // a filter swallowed it
    Delivered, // the window got it
};

// One message for a window: through the filters and to the window when the
// event hit the window's own widget; only through the filters when it hit
// a plain widget inside it, which then handles the event itself.
Routed Route(CWnd::Impl* d, QWidget* target, const QInputEvent* e, const QPointF& global, int key, UINT message,
             WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE)
        d->NoteMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    const bool own = target == d->widget;
    if (own && g_offered.TakeIfPropagated(e, global, key, target)) {
        d->Dispatch(message, wParam, lParam);
        return Routed::Delivered;
    }
    QPointer<NativeWidget> guard = d->widget;
    MSG msg{&d->self, message, wParam, lParam, ToCPoint(global.toPoint())};
    if (CWnd::Impl::OfferToFilters(msg))
        return Routed::Swallowed;
    if (!own) {
        g_offered.Remember(e, global, key, target);
        return Routed::Toolkit;
    }
    if (guard && guard->owner == d)
        d->Dispatch(message, wParam, lParam);
    return Routed::Delivered;
}

bool OnMouse(QWidget* target, QMouseEvent* e)
{
    g_state.modifiers = e->modifiers();
    g_state.buttons = e->buttons();
    CWnd::Impl* d = OwningWindow(target);
    const UINT message = MouseMessage(e->type(), e->button());
    if (!d || !message)
        return false;
    const QPoint client
        = target == d->widget ? e->position().toPoint() : target->mapTo(d->widget, e->position().toPoint());
    DispatchScope scope;
    return Route(d, target, e, e->globalPosition(), 0, message, MouseKeyFlags(e->buttons(), e->modifiers()),
                 MAKELPARAM(client.x(), client.y()))
        != Routed::Toolkit;
}

bool OnWheel(QWidget* target, QWheelEvent* e)
{
    g_state.modifiers = e->modifiers();
    g_state.buttons = e->buttons();
    CWnd::Impl* d = OwningWindow(target);
    const QPoint angle = e->angleDelta();
    if (!d || angle.isNull())
        return false;
    // The desktop's horizontal wheel counts to the right.
    const bool vertical = angle.y() != 0;
    const int delta = vertical ? angle.y() : -angle.x();
    const WPARAM wParam
        = (static_cast<WPARAM>(static_cast<uint16_t>(delta)) << 16) | MouseKeyFlags(e->buttons(), e->modifiers());
    const QPoint global = e->globalPosition().toPoint();
    DispatchScope scope;
    return Route(d, target, e, e->globalPosition(), 0, vertical ? WM_MOUSEWHEEL : WM_MOUSEHWHEEL, wParam,
                 MAKELPARAM(global.x(), global.y()))
        != Routed::Toolkit;
}

bool OnKey(QWidget* target, QKeyEvent* e)
{
    const bool down = e->type() == QEvent::KeyPress;
    g_state.modifiers = e->modifiers();
    const UINT vk = VirtualKeyFromQt(e->key(), e->modifiers() & Qt::KeypadModifier);
    if (vk)
        g_state.down[vk] = down;
    CWnd::Impl* d = OwningWindow(target);
    if (!d || !vk)
        return false;
    const bool alt = (e->modifiers() & Qt::AltModifier) || vk == VK_MENU;
    const UINT message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    const LPARAM lParam = KeyMessageLParam(down, e->isAutoRepeat(), alt);
    const QPointF global = QCursor::pos();
    DispatchScope scope;
    QPointer<QWidget> guard = target;
    const Routed routed = Route(d, target, e, global, e->key(), message, vk, lParam);
    if (routed == Routed::Toolkit)
        return false; // a plain widget handles the key, its characters too
    // The window's key went through: its characters follow as WM_CHAR, each
    // through the filters again, as the desktop's translation posts them.
    if (routed == Routed::Delivered && message == WM_KEYDOWN) {
        for (const char32_t ch : e->text().toUcs4()) {
            if (!guard || !(d = OwningWindow(guard)))
                break;
            d->Deliver(WM_CHAR, ch, lParam, ToCPoint(global.toPoint()));
        }
    }
    return true;
}

class InputFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return object->isWidgetType() && OnMouse(static_cast<QWidget*>(object), static_cast<QMouseEvent*>(event));
        case QEvent::Wheel:
            return object->isWidgetType() && OnWheel(static_cast<QWidget*>(object), static_cast<QWheelEvent*>(event));
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return object->isWidgetType() && OnKey(static_cast<QWidget*>(object), static_cast<QKeyEvent*>(event));
        case QEvent::ApplicationDeactivate:
            // Keys released elsewhere are never seen; forget them.
            g_state.down.reset();
            return false;
        default: return false;
        }
    }
};

} // namespace

void EnsureInputFilter()
{
    static QPointer<InputFilter> filter;
    if (!filter && qApp) {
        filter = new InputFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

CWnd::Impl* OwningWindow(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* native = dynamic_cast<const NativeWidget*>(w))
            return native->owner;
        if (w->isWindow())
            return nullptr;
    }
    return nullptr;
}

bool IsKeyDown(UINT vk)
{
    const Qt::KeyboardModifiers modifiers = g_state.modifiers.value_or(QGuiApplication::queryKeyboardModifiers());
    const Qt::MouseButtons buttons = g_state.buttons.value_or(QGuiApplication::mouseButtons());
    switch (vk) {
    case VK_LBUTTON: return buttons & Qt::LeftButton;
    case VK_RBUTTON: return buttons & Qt::RightButton;
    case VK_MBUTTON: return buttons & Qt::MiddleButton;
    case VK_SHIFT: return (modifiers & Qt::ShiftModifier) || g_state.down[vk];
    case VK_CONTROL: return (modifiers & Qt::ControlModifier) || g_state.down[vk];
    case VK_MENU: return (modifiers & Qt::AltModifier) || g_state.down[vk];
    // The toolkit tells one Meta (Windows) key, not which side's.
    case VK_LWIN:
    case VK_RWIN: return (modifiers & Qt::MetaModifier) || g_state.down[vk];
    default: return vk < g_state.down.size() && g_state.down[vk];
    }
}

UINT CurrentKeyStateFlags()
{
    UINT flags = 0;
    const std::pair<UINT, UINT> keys[] = {{VK_LBUTTON, MK_LBUTTON},
                                          {VK_RBUTTON, MK_RBUTTON},
                                          {VK_MBUTTON, MK_MBUTTON},
                                          {VK_SHIFT, MK_SHIFT},
                                          {VK_CONTROL, MK_CONTROL}};
    for (const auto& [vk, flag] : keys) {
        if (IsKeyDown(vk))
            flags |= flag;
    }
    return flags;
}

} // namespace plat::detail
