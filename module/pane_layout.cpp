#include "module/pane_layout.h"

#include "controls/density.h"
#include "module/update_mask.h"

namespace {

// Design lengths of the page's frame, in pixels at density 1.0.
constexpr int kToolBarHeight = 32;
constexpr int kScrollThickness = 14;
constexpr int kTargetWidth = 62;
constexpr int kPanelWidthExpanded = 250;
constexpr int kPanelWidthCollapsed = 33;

} // namespace

std::vector<SPanePlace> ComputePaneLayout(const CRect& c, double scale, bool expanded)
{
    const int h = morv::Scale(kToolBarHeight, scale);
    const int t = morv::Scale(kScrollThickness, scale);
    const int w = morv::Scale(kTargetWidth, scale);
    const int p = morv::Scale(expanded ? kPanelWidthExpanded : kPanelWidthCollapsed, scale);
    // The toolbar and the sender panel start at the top of the page, not
    // at the client rectangle's top.
    return {
        {EPane::ToolBar, {p, 0, c.right, h}},
        {EPane::TargetSelect, {c.right - w, h, c.right, c.bottom}},
        {EPane::SenderPanel, {c.left, 0, p, c.bottom}},
        {EPane::MainView, {p, h, c.right - w - t, c.bottom - t}},
        {EPane::VScroll, {c.right - w - t, h, c.right - w, c.bottom - t}},
        {EPane::HScroll, {p, c.bottom - t, c.right - w, c.bottom}},
    };
}

std::vector<EPane> PanesToRefresh(uint32_t mask)
{
    static constexpr struct {
        uint32_t bit;
        EPane pane;
    } kOrder[] = {
        {UPDATE_SENDER_PANEL, EPane::SenderPanel},
        {UPDATE_TARGET, EPane::TargetSelect},
        {UPDATE_VIEW, EPane::MainView},
        {UPDATE_TOOLBAR, EPane::ToolBar},
        {UPDATE_HSCROLL, EPane::HScroll},
        {UPDATE_VSCROLL, EPane::VScroll},
    };
    std::vector<EPane> panes;
    for (const auto& entry : kOrder)
        if (mask & entry.bit)
            panes.push_back(entry.pane);
    return panes;
}
