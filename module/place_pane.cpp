#include "module/place_pane.h"

#include "platform/window.h"

int PlacePane(CWnd& page, CWnd* pane, const CRect& rect, int suspendRedraw)
{
    if (!pane)
        return 0;
    // The pane's rectangle relative to the page: its window rectangle
    // moved by the page window's top-left corner.
    CRect present = pane->GetWindowRect();
    const CRect pageRect = page.GetWindowRect();
    present.OffsetRect(-pageRect.left, -pageRect.top);
    if (present == rect)
        return 1;
    if (suspendRedraw)
        page.SendMessage(WM_SETREDRAW, 0, 0);
    const bool moved
        = pane->SetWindowPos(rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
    if (suspendRedraw)
        page.SendMessage(WM_SETREDRAW, 1, 0);
    return moved ? 1 : 0;
}
