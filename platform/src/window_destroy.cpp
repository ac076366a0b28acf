// Window destruction with the desktop's order: every window of the tree
// hears WM_DESTROY while all of them still exist (parents first), then the
// windows are taken down children first and the widget goes.
#include "platform/window.h"

#include "window_impl.h"

#include <vector>

using plat::detail::NativeWidget;

namespace {

// The window widgets of a tree, parents before their children. Plain
// toolkit widgets in between are walked through.
void CollectWindows(QWidget* widget, std::vector<QPointer<NativeWidget>>& out)
{
    if (auto* native = dynamic_cast<NativeWidget*>(widget))
        out.emplace_back(native);
    for (QObject* child : widget->children()) {
        if (child->isWidgetType())
            CollectWindows(static_cast<QWidget*>(child), out);
    }
}

} // namespace

void CWnd::Impl::DestroyTree(NativeWidget* top, bool disposeTop)
{
    QPointer<NativeWidget> topGuard = top;
    std::vector<QPointer<NativeWidget>> tree;
    CollectWindows(top, tree);
    for (auto& w : tree) {
        if (w && w->owner)
            w->owner->destroying = true;
    }
    // A handler may destroy or delete other windows of the tree; each step
    // looks again whether its window is still there.
    for (auto& w : tree) {
        if (w && w->owner) {
            w->owner->CancelTracking();
            w->owner->Dispatch(WM_DESTROY, 0, 0);
        }
    }
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        if (*it && (*it)->owner)
            (*it)->owner->Detach();
    }
    if (!disposeTop || !topGuard)
        return;
    if (plat::detail::InDispatch()) {
        topGuard->hide();
        topGuard->deleteLater();
    } else {
        delete topGuard.data();
    }
}

void CWnd::Impl::Detach()
{
    if (NativeWidget* w = widget) {
        for (const auto& [windowId, toolkitId] : timers)
            w->killTimer(toolkitId);
        w->hoverTimer.stop();
        if (QWidget::mouseGrabber() == w)
            w->releaseMouse();
        w->owner = nullptr;
    }
    timers.clear();
    tracking = {};
    widget = nullptr;
    destroying = false;
}

bool CWnd::DestroyWindow()
{
    if (!m_impl->widget || m_impl->destroying)
        return false;
    Impl::DestroyTree(m_impl->widget, true);
    return true;
}
