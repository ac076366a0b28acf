#pragma once
// The design background service, owned by the runtime service.
#include "host/vistrano_runtime.h"

namespace sim::detail {

class DesignBackgroundService final : public CDesignBackground {
public:
    CRect GetClientRect() const override;
    void SetClientRect(int viewId, const CRect& rect) override;
    CPoint GetViewStartPt() const override;
    int SetViewStartPt(const CPoint& pt, int clamp, const CSize& extent) override;
    double GetViewScaling() const override;
    void SetViewScaling(double scaling, const CPoint& anchor) override;
    void SetBackgroundModified(int modified) override;
    int IsBackgroundModified() const override;
};

} // namespace sim::detail
