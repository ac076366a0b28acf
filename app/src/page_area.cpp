#include "page_area.h"

#include "platform/canvas.h"

namespace app {

void CPageArea::OnSize(UINT /*type*/, int cx, int cy)
{
    if (m_onResize)
        m_onResize(cx, cy);
}

void CPageArea::OnPaint(ICanvas& dc, const CRect& dirty)
{
    // Seen only where no page covers the area (before the first page, or
    // while a page is hidden).
    dc.FillRect(dirty, RGBColor(241, 247, 255));
}

} // namespace app
