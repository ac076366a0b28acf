#include "input_driver.h"

#include "controls/button_bar.h"
#include "controls/sender_tree.h"
#include "key_names.h"
#include "window_tree.h"

#include "controls/base_dlg.h"
#include "platform/canvas.h"
#include "platform/native_qt.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace app {

namespace {

Qt::KeyboardModifiers QtModifiers(unsigned modifiers)
{
    Qt::KeyboardModifiers m;
    if (modifiers & ModCtrl)
        m |= Qt::ControlModifier;
    if (modifiers & ModShift)
        m |= Qt::ShiftModifier;
    if (modifiers & ModAlt)
        m |= Qt::AltModifier;
    return m;
}

Qt::MouseButton QtButton(CInputDriver::EButton button)
{
    switch (button) {
    case CInputDriver::EButton::Right: return Qt::RightButton;
    case CInputDriver::EButton::Middle: return Qt::MiddleButton;
    default: return Qt::LeftButton;
    }
}

CPoint Centre(const CRect& r) { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

// Sends one mouse event to the widget; the widget may go away meanwhile.
void SendMouse(QPointer<QWidget> target, QEvent::Type type, const CPoint& screen, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    if (!target)
        return;
    const QPointF global(screen.x, screen.y);
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

// A press gives the focus as the system's own press would: to the widget
// under it or its nearest parent that takes the focus by clicks. The
// toolkit does that only for presses that come from the system.
void GiveClickFocus(QWidget* target)
{
    QWidget* w = target;
    while (w && !(w->focusPolicy() & Qt::ClickFocus) && !w->isWindow())
        w = w->parentWidget();
    if (w && (w->focusPolicy() & Qt::ClickFocus))
        w->setFocus(Qt::MouseFocusReason);
}

} // namespace

void ProcessEventsFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (clock.elapsed() < ms);
}

bool CInputDriver::Resolve(const SWhere& where, CPoint& pt, std::string& error) const
{
    if (where.kind == SWhere::EKind::Point) {
        pt = where.pt;
        return true;
    }
    const CWnd* wnd
        = WindowClassName(m_root) == where.windowClass ? &m_root : FindWindowByClass(m_root, where.windowClass);
    if (!wnd) {
        error = "no window of class " + where.windowClass + " in the page";
        return false;
    }
    const CRect client = RectInRoot(*wnd, m_root);
    if (where.kind == SWhere::EKind::Window) {
        pt = Centre(client);
        return true;
    }
    CRect item;
    if (where.kind == SWhere::EKind::TreeItem) {
        const auto* tree = dynamic_cast<const CMorvSenderTreeCtrl*>(wnd);
        const std::vector<HTREEITEM> shown = tree ? tree->GetVisibleItems() : std::vector<HTREEITEM>();
        if (where.index < 0 || where.index >= static_cast<int>(shown.size())
            || !tree->GetItemRect(shown[static_cast<std::size_t>(where.index)], &item, true)) {
            error = where.windowClass + " shows no tree item " + std::to_string(where.index);
            return false;
        }
        pt = Centre(item);
        pt.x += client.left;
        pt.y += client.top;
        return true;
    }
    const auto* dlg = dynamic_cast<const CMorvBaseDlg*>(wnd);
    if (!dlg) {
        error = where.windowClass + " is not a skinned dialog, so it has no controls or bars";
        return false;
    }
    if (where.kind == SWhere::EKind::Drawn || where.kind == SWhere::EKind::Fill) {
        RecordingCanvas canvas;
        const_cast<CMorvBaseDlg*>(dlg)->DrawTo(canvas);
        const std::optional<Color> fill = where.kind == SWhere::EKind::Fill ? DeviceFill(where.piece) : std::nullopt;
        int seen = 0;
        for (const DrawOp& op : canvas.Ops()) {
            const bool holds = fill
                ? op.kind == DrawOp::Kind::FillRect && op.color == *fill
                : op.text.find(where.piece) != std::string::npos || op.image.find(where.piece) != std::string::npos;
            if (holds && seen++ == where.index) {
                item = op.rect;
                break;
            }
        }
        if (seen <= where.index) {
            error = where.windowClass + (fill ? " fills no " : " draws no ") + std::to_string(where.index + 1)
                + (fill ? " areas " + where.piece : " things with \"" + where.piece + "\"");
            return false;
        }
    } else if (where.kind == SWhere::EKind::Control) {
        const SMorvControl* control = dlg->GetControl(where.index);
        if (!control) {
            error = where.windowClass + " has no control " + std::to_string(where.index);
            return false;
        }
        item = control->rect;
    } else {
        const auto& bars = dlg->GetBars();
        const SBarItem* barItem = bars.empty() ? nullptr : bars.front()->GetItem(where.index);
        if (!barItem) {
            error = bars.empty() ? where.windowClass + " shows no button bar"
                                 : where.windowClass + " has no bar item " + std::to_string(where.index);
            return false;
        }
        item = barItem->rect;
    }
    pt = Centre(item);
    pt.x += client.left;
    pt.y += client.top;
    return true;
}

QWidget* CInputDriver::Target(const CPoint& pt, CPoint& screen, std::string& error)
{
    screen = pt;
    m_root.ClientToScreen(screen);
    QCursor::setPos(screen.x, screen.y);
    // The platform may report the cursor's move as an event of its own.
    QApplication::processEvents();
    CWnd* wnd = CWnd::WindowFromPoint(screen);
    QWidget* widget = plat::NativeWidget(wnd);
    if (!widget) {
        if (!m_missesIgnored)
            error = "no window at " + std::to_string(pt.x) + "," + std::to_string(pt.y);
        return nullptr;
    }
    // A plain toolkit widget inside the window (a tree, an edit) takes it.
    if (QWidget* inner = widget->childAt(widget->mapFromGlobal(QPoint(screen.x, screen.y))))
        return inner;
    return widget;
}

QWidget* CInputDriver::KeyTarget() const
{
    QWidget* root = plat::NativeWidget(&m_root);
    if (!root)
        return nullptr;
    // The focus, when it is in the page; else the window under the cursor
    // when the cursor is over the page; else the page shown.
    QWidget* focus = QApplication::focusWidget();
    if (focus && root->isAncestorOf(focus))
        return focus;
    const QPoint cursor = QCursor::pos();
    QWidget* under = plat::NativeWidget(CWnd::WindowFromPoint(CPoint(cursor.x(), cursor.y())));
    if (under && root->isAncestorOf(under))
        return under;
    for (CWnd* child : ChildWindows(m_root)) {
        if (child->IsWindowVisible())
            return plat::NativeWidget(child);
    }
    return root;
}

bool CInputDriver::Click(const CPoint& pt, EButton button, unsigned modifiers, std::string& error)
{
    CPoint screen;
    QPointer<QWidget> target = Target(pt, screen, error);
    if (!target)
        return error.empty();
    const Qt::MouseButton b = QtButton(button);
    GiveClickFocus(target);
    SendMouse(target, QEvent::MouseButtonPress, screen, b, b, QtModifiers(modifiers));
    SendMouse(target, QEvent::MouseButtonRelease, screen, b, Qt::NoButton, QtModifiers(modifiers));
    return true;
}

bool CInputDriver::DoubleClick(const CPoint& pt, unsigned modifiers, std::string& error)
{
    CPoint screen;
    QPointer<QWidget> target = Target(pt, screen, error);
    if (!target)
        return error.empty();
    const auto m = QtModifiers(modifiers);
    GiveClickFocus(target);
    SendMouse(target, QEvent::MouseButtonPress, screen, Qt::LeftButton, Qt::LeftButton, m);
    SendMouse(target, QEvent::MouseButtonRelease, screen, Qt::LeftButton, Qt::NoButton, m);
    SendMouse(target, QEvent::MouseButtonDblClick, screen, Qt::LeftButton, Qt::LeftButton, m);
    SendMouse(target, QEvent::MouseButtonRelease, screen, Qt::LeftButton, Qt::NoButton, m);
    return true;
}

bool CInputDriver::Drag(const CPoint& pt, const CPoint& offset, unsigned modifiers, std::string& error)
{
    CPoint screen;
    QPointer<QWidget> target = Target(pt, screen, error);
    if (!target)
        return error.empty();
    constexpr int kSteps = 10;
    const auto m = QtModifiers(modifiers);
    GiveClickFocus(target);
    SendMouse(target, QEvent::MouseButtonPress, screen, Qt::LeftButton, Qt::LeftButton, m);
    CPoint at = screen;
    for (int i = 1; i <= kSteps; ++i) {
        at = screen + CPoint(offset.x * i / kSteps, offset.y * i / kSteps);
        plat::SetCursorPos(at);
        SendMouse(target, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, m);
        QApplication::processEvents();
    }
    SendMouse(target, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, m);
    return true;
}

bool CInputDriver::Move(const CPoint& pt, unsigned modifiers, std::string& error)
{
    CPoint screen;
    QPointer<QWidget> target = Target(pt, screen, error);
    if (!target)
        return error.empty();
    SendMouse(target, QEvent::MouseMove, screen, Qt::NoButton, Qt::NoButton, QtModifiers(modifiers));
    return true;
}

bool CInputDriver::Hover(const CPoint& pt, unsigned modifiers, std::string& error)
{
    if (!Move(pt, modifiers, error))
        return false;
    CPoint screen = pt;
    m_root.ClientToScreen(screen);
    if (CWnd* wnd = CWnd::WindowFromPoint(screen)) {
        CPoint client = screen;
        wnd->ScreenToClient(client);
        wnd->DeliverMessage(WM_MOUSEHOVER, 0, MAKELPARAM(client.x, client.y));
    }
    ProcessEventsFor(kHoverRestMs);
    return Move(pt, modifiers, error);
}

bool CInputDriver::Wheel(const CPoint& pt, int delta, unsigned modifiers, std::string& error)
{
    CPoint screen;
    QPointer<QWidget> target = Target(pt, screen, error);
    if (!target)
        return error.empty();
    const QPointF global(screen.x, screen.y);
    QWheelEvent event(target->mapFromGlobal(global), global, QPoint(), QPoint(0, delta), Qt::NoButton,
                      QtModifiers(modifiers), Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
    return true;
}

bool CInputDriver::Key(int qtKey, unsigned modifiers, std::string& error)
{
    QPointer<QWidget> target = KeyTarget();
    if (!target) {
        error = "no window takes keys";
        return false;
    }
    const auto m = QtModifiers(modifiers);
    // Plain letters and digits type their character; with Ctrl or Alt they are commands.
    QString text;
    if (qtKey < 0x80 && !(modifiers & (ModCtrl | ModAlt))) {
        const QChar c(qtKey);
        text = (modifiers & ModShift) ? QString(c) : QString(c).toLower();
    }
    QKeyEvent press(QEvent::KeyPress, qtKey, m, text);
    QApplication::sendEvent(target, &press);
    if (target) {
        QKeyEvent release(QEvent::KeyRelease, qtKey, m, text);
        QApplication::sendEvent(target, &release);
    }
    return true;
}

bool CInputDriver::Type(const std::string& text, std::string& error)
{
    QPointer<QWidget> target = KeyTarget();
    if (!target) {
        error = "no window takes keys";
        return false;
    }
    for (const QChar c : QString::fromStdString(text)) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        if (!target)
            break;
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
    return true;
}

} // namespace app
