#pragma once
// The windows of a page as a tree, found through their widgets: the
// scenario runner finds its targets here and the dump walks it.
#include "platform/window.h"

#include <string>
#include <vector>

namespace app {

// The windows whose parent window is `parent`, in stacking order (bottom first).
std::vector<CWnd*> ChildWindows(const CWnd& parent);
// The class of a window object as its source names it ("CToolBarDlg").
std::string WindowClassName(const CWnd& wnd);
// The first window of that class below `root` (depth first), or null.
CWnd* FindWindowByClass(const CWnd& root, const std::string& className);
// A window's client rectangle in `root`'s client coordinates.
CRect RectInRoot(const CWnd& wnd, const CWnd& root);

} // namespace app
