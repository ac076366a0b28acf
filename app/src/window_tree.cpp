#include "window_tree.h"

#include "platform/native_qt.h"

#include <QWidget>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace app {

namespace {

void Collect(const QWidget* widget, std::vector<CWnd*>& out)
{
    for (QObject* child : widget->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        CWnd* owner = plat::WindowFromWidget(w);
        if (owner && plat::NativeWidget(owner) == w)
            out.push_back(owner); // its own children are its business
        else
            Collect(w, out); // a plain widget may hold windows
    }
}

} // namespace

std::vector<CWnd*> ChildWindows(const CWnd& parent)
{
    std::vector<CWnd*> children;
    if (const QWidget* widget = plat::NativeWidget(&parent))
        Collect(widget, children);
    return children;
}

std::string WindowClassName(const CWnd& wnd)
{
    const char* mangled = typeid(wnd).name();
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                           std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    // Classes in anonymous or named namespaces are known by their last part.
    const auto colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

CWnd* FindWindowByClass(const CWnd& root, const std::string& className)
{
    for (CWnd* child : ChildWindows(root)) {
        if (WindowClassName(*child) == className)
            return child;
        if (CWnd* found = FindWindowByClass(*child, className))
            return found;
    }
    return nullptr;
}

CRect RectInRoot(const CWnd& wnd, const CWnd& root)
{
    CRect rect = wnd.GetClientRect();
    wnd.ClientToScreen(rect);
    root.ScreenToClient(rect);
    return rect;
}

} // namespace app
