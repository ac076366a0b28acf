#pragma once
// The window the pages live in: a plain child window that tells the host
// when its size changes, so the pages can be moved and laid out again.
#include "platform/window.h"

#include <functional>

namespace app {

constexpr UINT kPageAreaId = 100;

class CPageArea final : public CWnd {
public:
    // Called after every size change with the new client size.
    void SetResizeHandler(std::function<void(int cx, int cy)> handler) { m_onResize = std::move(handler); }

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint(ICanvas& dc, const CRect& dirty) override;

private:
    std::function<void(int, int)> m_onResize;
};

} // namespace app
