#include "panes/scroll_bar_dlg.h"

#include "controls/density.h"
#include "controls/image_blt.h"
#include "controls/skin.h"
#include "controls/state_image.h"
#include "host/vistrano_language.h"
#include "host/vistrano_runtime.h"
#include "module/host_notify.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "panes/pane_paint.h"

namespace {

// Nine-part margins of the thumb image, in its pixels.
constexpr int kThumbMargin = 5;
// The tip waits this long before it shows.
constexpr UINT kTipDelayMs = 500;

CDesignBackground* Design() { return g_pRuntimeData ? g_pRuntimeData->GetDesignBackground() : nullptr; }

// The part of the view that the design background's client shows, in view
// units: its client size over its scaling.
CSize VisibleSize(const CDesignBackground& design)
{
    const CRect client = design.GetClientRect();
    const double scaling = design.GetViewScaling();
    const double s = scaling > 0 ? scaling : 1.0;
    return {static_cast<int32_t>(client.Width() / s), static_cast<int32_t>(client.Height() / s)};
}

CSize ContentExtent() { return g_pModuleData ? g_pModuleData->GetContentExtent() : CSize(); }

// Sets the view start point, held inside the content; nonzero when it moved.
int SetViewStart(CDesignBackground& design, const CPoint& start)
{
    return design.SetViewStartPt(start, 1, ContentExtent());
}

} // namespace

CScrollBarDlg::CScrollBarDlg(CWnd* parent, std::function<uint32_t()> clock)
    : CMorvBaseDlg(0, parent), m_clock(std::move(clock))
{
    SetBackgroundColor(PaneColors().clrBackground);
    m_tip.SetOwner(this);
}

void CScrollBarDlg::SetOrientation(int orientation)
{
    m_nOrientation = orientation == kVertical ? kVertical : kHorizontal;
    Redraw();
}

void CScrollBarDlg::Refresh() { Redraw(); }

SScrollInput CScrollBarDlg::CurrentInput() const
{
    const CRect client = GetClientRect();
    SScrollInput in;
    in.nClient = IsVertical() ? client.Height() : client.Width();
    in.nArrow1 = in.nArrow2 = morv::Scale(kArrowLength, g_dDpiScale);
    in.nCorner = IsVertical() ? 0 : morv::Scale(kArrowLength, g_dDpiScale);
    in.fScale = m_fScale;
    const CDesignBackground* design = Design();
    if (!design)
        return in;
    const CSize extent = ContentExtent();
    const CSize visible = VisibleSize(*design);
    const CPoint start = design->GetViewStartPt();
    in.nContent = IsVertical() ? extent.cy : extent.cx;
    in.nVisible = IsVertical() ? visible.cy : visible.cx;
    in.nStart = IsVertical() ? start.y : start.x;
    return in;
}

void CScrollBarDlg::DrawBar(ICanvas& dc) const
{
    const CRect client = GetClientRect();
    dc.FillRect(client, PaneColors().clrBackground);
    DrawPaneEdge(dc, client, IsVertical() ? EPaneEdge::Left : EPaneEdge::Top);
    const SScrollInput in = CurrentInput();
    const SScrollGeometry g = ComputeScrollGeometry(in);
    // A part's rectangle from its span along the bar.
    auto span = [&](int from, int length) {
        return IsVertical() ? CRect(client.left, from, client.right, from + length)
                            : CRect(from, client.top, from + length, client.bottom);
    };
    const bool ctrl = plat::GetKeyState(VK_CONTROL) < 0;
    const std::string folder = IsVertical() ? "ScrollBar\\vertical\\" : "ScrollBar\\level\\";
    auto draw = [&](const char* part, EScrollPart which, const CRect& rect, bool ninePart) {
        const bool hovered = m_eHover == which || (which == EScrollPart::Thumb && m_bDragging);
        const EImageState state
            = hovered ? (ctrl || m_bDragging ? EImageState::Down : EImageState::Hover) : EImageState::Normal;
        const Image* image = morv::StateImage(folder + part, state);
        if (ninePart)
            CCusFuntionEx::ImageCusBlt(dc, image, rect, BltNinePart, kThumbMargin, kThumbMargin, kThumbMargin,
                                       kThumbMargin);
        else
            CCusFuntionEx::ImageCusBlt(dc, image, rect, BltStretch);
    };
    draw("Top\\", EScrollPart::FirstArrow, span(0, in.nArrow1), false);
    draw("Bottom\\", EScrollPart::SecondArrow, span(in.nClient - in.nCorner - in.nArrow2, in.nArrow2), false);
    if (g.nThumb > 0)
        draw("Thumb\\", EScrollPart::Thumb, span(g.nThumbStart, g.nThumb), true);
}

void CScrollBarDlg::Layout()
{
    const CRect client = GetClientRect();
    if (client.IsRectEmpty()) {
        m_surface.reset();
        return;
    }
    if (!m_surface)
        m_surface = std::make_unique<Surface>(client.Width(), client.Height(), PaneColors().clrBackground);
    else
        m_surface->Resize(client.Width(), client.Height());
    Redraw();
}

void CScrollBarDlg::Redraw()
{
    if (!m_surface)
        return;
    if (auto dc = m_surface->BeginPaint())
        DrawBar(*dc);
    Invalidate();
}

void CScrollBarDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    if (m_surface)
        dc.DrawSurface(*m_surface, {0, 0});
    else
        CMorvBaseDlg::OnPaint(dc, dirty);
}

void CScrollBarDlg::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) { Layout(); }

bool CScrollBarDlg::PreTranslateMessage(MSG* msg)
{
    if (m_tracker.IsTracking() && m_tracker.RouteMessage(*msg))
        return true;
    const bool swallowed = CMorvBaseDlg::PreTranslateMessage(msg);
    if (CDesignBackground* design = Design())
        design->SetViewScaling(1.0, {-1, -1});
    if (msg->hwnd != this)
        return swallowed;
    const CPoint pt(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
    if (msg->message == WM_LBUTTONDOWN) {
        OnPress(pt);
        return true;
    }
    if (msg->message == WM_MOUSEMOVE) {
        const SScrollInput in = CurrentInput();
        ShowTip(HitScrollPart(in, ComputeScrollGeometry(in), Along(pt)), pt);
    }
    return swallowed;
}

void CScrollBarDlg::OnPress(const CPoint& pt)
{
    const SScrollInput in = CurrentInput();
    if (in.nClient <= 0 || GetClientRect().IsRectEmpty())
        return;
    const SScrollGeometry g = ComputeScrollGeometry(in);
    const EScrollPart part = HitScrollPart(in, g, Along(pt));
    if (part == EScrollPart::Thumb) {
        StartDrag(pt, in, g);
        return;
    }
    const int start = ScrollStartAfterPress(part, in.nStart, in.nVisible);
    if (start != in.nStart && ApplyStart(start))
        NotifyHost(UPDATE_VIEW);
}

void CScrollBarDlg::StartDrag(const CPoint& pt, const SScrollInput& in, const SScrollGeometry& g)
{
    m_throttle.Reset();
    auto onMove = [this, in, g](const SMouseMoveInfo& info) {
        if (ApplyStart(ScrollStartAfterDrag(in, g, in.nStart, Along(info.ptOffset))) && m_throttle.Pass(m_clock()))
            NotifyHost(UPDATE_VIEW);
    };
    auto onEnd = [this, in, g](int /*endType*/, const SMouseMoveInfo& info) {
        m_bDragging = false;
        ApplyStart(ScrollStartAfterDrag(in, g, in.nStart, Along(info.ptOffset)));
        Redraw();
        if (CurrentInput().nStart != in.nStart)
            NotifyHost(UPDATE_VIEW, 0, 1);
    };
    m_bDragging = m_tracker.Start(this, MK_LBUTTON, pt, onMove, onEnd);
    Redraw();
}

int CScrollBarDlg::ApplyStart(int start)
{
    CDesignBackground* design = Design();
    if (!design)
        return 0;
    CPoint pt = design->GetViewStartPt();
    (IsVertical() ? pt.y : pt.x) = start;
    const int changed = SetViewStart(*design, pt);
    if (changed)
        Redraw();
    return changed;
}

void CScrollBarDlg::OnMouseMove(UINT /*flags*/, CPoint pt)
{
    if (!m_bTrackingLeave) {
        TrackMouseEvent({TME_LEAVE, 0});
        m_bTrackingLeave = true;
    }
    const SScrollInput in = CurrentInput();
    const EScrollPart part = HitScrollPart(in, ComputeScrollGeometry(in), Along(pt));
    if (part != m_eHover) {
        m_eHover = part;
        Redraw();
    }
}

void CScrollBarDlg::OnMouseLeave()
{
    m_bTrackingLeave = false;
    m_eHover = EScrollPart::None;
    ShowTip(EScrollPart::None, {});
    Redraw();
}

bool CScrollBarDlg::OnMouseWheel(UINT flags, short delta, CPoint /*pt*/)
{
    CDesignBackground* design = Design();
    if (!design)
        return false;
    const CSize visible = VisibleSize(*design);
    CPoint start = design->GetViewStartPt();
    if (flags & MK_SHIFT)
        start.x = ScrollStartAfterWheel(start.x, visible.cx, delta);
    else
        start.y = ScrollStartAfterWheel(start.y, visible.cy, delta);
    if (SetViewStart(*design, start)) {
        Redraw();
        NotifyHost(UPDATE_ACTIVATE_NO_PANEL);
    }
    return true;
}

void CScrollBarDlg::ShowTip(EScrollPart part, const CPoint& pt)
{
    if (part != EScrollPart::Thumb) {
        if (!m_strTip.empty())
            m_tip.Hide();
        m_strTip.clear();
        return;
    }
    const std::string text
        = GetLanguageString(IsVertical() ? "ScrollBar_Vertical_Tip" : "ScrollBar_Level_Tip", "Common");
    if (text == m_strTip)
        return;
    m_strTip = text;
    m_tip.SetInitialDelay(kTipDelayMs);
    m_tip.Show(text, pt);
}
