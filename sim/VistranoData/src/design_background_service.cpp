// CDesignBackground: the drawing area of the host's views.
#include "design_background_service.h"

#include "sim/call_log.h"
#include "world_state.h"

#include <algorithm>

namespace sim::detail {
namespace {

int32_t Clamp(int32_t v, int32_t extent, int32_t visible, int clamp)
{
    const int32_t max = std::max<int32_t>(0, clamp ? extent - visible : extent);
    return std::clamp(v, 0, max);
}

} // namespace

CRect DesignBackgroundService::GetClientRect() const
{
    Log("CDesignBackground::GetClientRect");
    WorldLock lock(TheWorld().mutex);
    return TheWorld().runtime.design.client;
}

void DesignBackgroundService::SetClientRect(int viewId, const CRect& rect)
{
    Log("CDesignBackground::SetClientRect", viewId, rect);
    WorldLock lock(TheWorld().mutex);
    TheWorld().runtime.design.client = rect;
}

CPoint DesignBackgroundService::GetViewStartPt() const
{
    Log("CDesignBackground::GetViewStartPt");
    WorldLock lock(TheWorld().mutex);
    return TheWorld().runtime.design.start;
}

int DesignBackgroundService::SetViewStartPt(const CPoint& pt, int clamp, const CSize& extent)
{
    Log("CDesignBackground::SetViewStartPt", pt, clamp, extent);
    WorldLock lock(TheWorld().mutex);
    DesignState& d = TheWorld().runtime.design;
    const double s = d.scaling > 0 ? d.scaling : 1.0;
    const CPoint next(Clamp(pt.x, extent.cx, static_cast<int32_t>(d.client.Width() / s), clamp),
                      Clamp(pt.y, extent.cy, static_cast<int32_t>(d.client.Height() / s), clamp));
    if (next == d.start)
        return 0;
    d.start = next;
    return 1;
}

double DesignBackgroundService::GetViewScaling() const
{
    Log("CDesignBackground::GetViewScaling");
    WorldLock lock(TheWorld().mutex);
    return TheWorld().runtime.design.scaling;
}

void DesignBackgroundService::SetViewScaling(double scaling, const CPoint& anchor)
{
    Log("CDesignBackground::SetViewScaling", scaling, anchor);
    if (!(scaling > 0))
        return;
    WorldLock lock(TheWorld().mutex);
    DesignState& d = TheWorld().runtime.design;
    if (anchor != CPoint(-1, -1) && d.scaling > 0) {
        // The design point under the anchor stays under it.
        const double x = d.start.x + anchor.x / d.scaling, y = d.start.y + anchor.y / d.scaling;
        d.start = CPoint(static_cast<int32_t>(x - anchor.x / scaling), static_cast<int32_t>(y - anchor.y / scaling));
    }
    d.scaling = scaling;
}

void DesignBackgroundService::SetBackgroundModified(int modified)
{
    Log("CDesignBackground::SetBackgroundModified", modified);
    WorldLock lock(TheWorld().mutex);
    TheWorld().runtime.design.modified = modified;
}

int DesignBackgroundService::IsBackgroundModified() const
{
    Log("CDesignBackground::IsBackgroundModified");
    WorldLock lock(TheWorld().mutex);
    return TheWorld().runtime.design.modified;
}

} // namespace sim::detail
