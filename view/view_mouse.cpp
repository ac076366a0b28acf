#include "view/view_mouse.h"

#include "controls/cursor_manager.h"
#include "controls/pop_menu.h"
#include "host/host_enums.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "host/vistrano_show.h"
#include "module/host_notify.h"
#include "module/item_keys.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "panes/scroll_geometry.h"
#include "view/hover_key.h"
#include "view/sender_pair.h"
#include "view/view_hit_items.h"
#include "view/view_menu.h"
#include "view/view_tips.h"
#include "view/zoom_walk.h"

#include <utility>

namespace {

// A drill-down shows the start of a design of this size.
constexpr CSize kDrillDownExtent{1920, 1080};
constexpr int kWheelNotch = 120;

CDesignBackground* Design() { return g_pRuntimeData ? g_pRuntimeData->GetDesignBackground() : nullptr; }
int SpecialOp() { return g_pRuntimeData ? g_pRuntimeData->GetSpecialOpType() : 0; }
bool IsMonitoring() { return g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(); }
CPoint PointOf(const MSG& msg) { return {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)}; }

bool IsDemarcated(const SViewHit& hit)
{
    return g_pModuleData->GetDemarcationKey() == DemarcationKey(hit.nSender, hit.nPort, hit.nReceiver);
}

// Demarcation ends when the user works on anything but the marked receiver.
void EndDemarcationUnlessOn(const SViewHit& hit)
{
    if (hit.nKind != VIEW_HIT_NONE && g_pModuleData->GetDemarcationOn() && !IsDemarcated(hit))
        g_pModuleData->SetDemarcationOn(0);
}

void SelectInSenderPanel(int sender) { g_pModuleData->SelectSenderNode(TREE_NODE_SENDER, sender); }

// Makes a sender current with another render type, from the start of the
// design, and refreshes the page without the sender panel (which the
// message has brought up to date).
void DrillDown(int sender, int renderType)
{
    const SCurrentObject obj = g_pModuleData->GetCurrentObject();
    g_pProjectData->SetCurrentSender(sender);
    g_pModuleData->SetCurrentObject(obj.nScope, obj.bValid, renderType, sender, obj.nPort);
    if (CDesignBackground* design = Design())
        design->SetViewStartPt({0, 0}, 0, kDrillDownExtent);
    SelectInSenderPanel(sender);
    NotifyHost(UPDATE_ACTIVATE_NO_PANEL);
}

} // namespace

CViewMouse::CViewMouse(CWnd& pane, std::function<uint32_t()> clock) : m_pane(pane), m_clock(std::move(clock))
{
    m_tip.SetOwner(&pane);
}

void CViewMouse::RebuildIndex()
{
    m_bIndexDirty = false;
    if (g_pModuleData)
        m_nIndexGeneration = g_pModuleData->GetItemsGeneration();
    if (!g_pModuleData || !g_pProjectData) {
        m_index.Clear();
        return;
    }
    SHitScope scope;
    scope.obj = g_pModuleData->GetCurrentObject();
    g_pModuleData->GetShowSenders(scope.shownSenders);
    m_index.Build(CollectHitItems(scope, *g_pModuleData, *g_pProjectData));
}

SViewHit CViewMouse::HitTest(const CPoint& client)
{
    if (m_bIndexDirty || (g_pModuleData && g_pModuleData->GetItemsGeneration() != m_nIndexGeneration))
        RebuildIndex();
    const CDesignBackground* design = Design();
    return m_index.Hit(design ? client + design->GetViewStartPt() : client);
}

bool CViewMouse::Filter(const MSG& msg)
{
    if (m_drag.IsTracking() && m_drag.RouteMessage(msg))
        return true;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
        return true;
    if (msg.hwnd != &m_pane)
        return false;
    switch (msg.message) {
    case WM_MOUSEMOVE:
        m_pane.TrackMouseEvent({TME_HOVER | TME_LEAVE, 1});
        if (g_pCursorManager)
            g_pCursorManager->OnMouseMove(&m_pane, static_cast<UINT>(msg.wParam), PointOf(msg));
        DebounceHover(PointOf(msg));
        break;
    case WM_MOUSEHOVER:
        m_pane.SetTimer(kHoverTimer, kHoverTimerMs);
        if (g_pCursorManager)
            g_pCursorManager->OnMouseHover(&m_pane, static_cast<UINT>(msg.wParam), PointOf(msg));
        break;
    default: break;
    }
    return Route(msg);
}

bool CViewMouse::Route(const MSG& msg)
{
    if (!g_pModuleData || !g_pProjectData || !g_pRuntimeData)
        return false;
    const CPoint pt = PointOf(msg);
    if (SpecialOp() == SPECIAL_OP_MOVE) {
        switch (msg.message) {
        case WM_RBUTTONDOWN:
            g_pRuntimeData->SetSpecialOpType(SPECIAL_OP_NORMAL);
            if (g_pCursorManager)
                g_pCursorManager->AutoSelectCursor();
            NotifyHost(UPDATE_TOOLBAR, 0, 1);
            // Its release belongs to this click, not to a context menu.
            m_bSwallowRightUp = true;
            return true;
        case WM_LBUTTONDOWN: StartMoveDrag(MK_LBUTTON, pt); return true;
        case WM_MBUTTONDOWN: StartMoveDrag(MK_MBUTTON, pt); return true;
        default: break;
        }
    }
    switch (msg.message) {
    case WM_MOUSEMOVE: return OnMove(pt);
    case WM_RBUTTONUP:
        if (std::exchange(m_bSwallowRightUp, false))
            return true;
        if (SpecialOp() != SPECIAL_OP_MOVE)
            OnContextMenu(pt);
        return true;
    case WM_LBUTTONDOWN: return OnClick(pt);
    case WM_LBUTTONDBLCLK: OnDoubleClick(pt); return true;
    default: return false;
    }
}

bool CViewMouse::OnMove(const CPoint& pt)
{
    if (g_pModuleData->GetNavigationOn()) {
        const int sender = OverlaySenderAt(pt);
        if (sender >= 0) {
            const int hovered = sender == g_pProjectData->GetCurSenderIndex() ? -1 : sender;
            if (hovered != g_pModuleData->GetHoveredSender()) {
                g_pModuleData->SetHoveredSender(hovered);
                NotifyHost(UPDATE_ALL);
            }
            return true;
        }
    }
    if (m_lastPt && *m_lastPt == pt)
        return false;
    m_lastPt = pt;
    UpdateTip(pt);
    return false;
}

int CViewMouse::OverlaySenderAt(const CPoint& pt) const
{
    std::vector<int> senders;
    g_pModuleData->GetShowSenders(senders);
    for (int sender : senders)
        if (g_pModuleData->GetOverlayRect(static_cast<uint32_t>(sender)).PtInRect(pt))
            return sender;
    return -1;
}

void CViewMouse::UpdateTip(const CPoint& pt)
{
    const SViewHit hit = HitTest(pt);
    std::string text;
    {
        CModuleDataLock lock(*g_pModuleData);
        SMonitorShow show;
        STipSource source;
        source.pTips = &g_pModuleData->GetTipsData();
        source.pShow = g_pModuleData->GetRcvShowData().GetMonitorShow(show) ? &show : nullptr;
        source.bMonitoring = IsMonitoring();
        source.nRenderType = g_pModuleData->GetCurrentObject().nRenderType;
        text = ViewTipText(hit, source, *g_pProjectData, *g_pModuleData);
    }
    if (hit != m_hiddenHit && !text.empty()) {
        if (hit != m_shownHit || text != m_tip.GetText())
            m_tip.Show(text, pt);
        m_shownHit = hit;
        return;
    }
    m_tip.Hide();
    m_shownHit = {};
    m_hiddenHit = hit;
}

bool CViewMouse::OnClick(const CPoint& pt)
{
    if (g_pModuleData->GetNavigationOn()) {
        const int sender = OverlaySenderAt(pt);
        if (sender >= 0) {
            g_pModuleData->SetHoveredSender(-1);
            g_pProjectData->SetCurrentSender(sender);
            SelectInSenderPanel(sender);
            const SCurrentObject obj = g_pModuleData->GetCurrentObject();
            if (obj.nRenderType == RENDER_BLOCK_GRID)
                g_pModuleData->SetCurrentObject(obj.nScope, obj.bValid, RENDER_RECEIVER, obj.nSender, obj.nPort);
            NotifyHost(UPDATE_ALL);
            return true;
        }
    }
    const SViewHit hit = HitTest(pt);
    EndDemarcationUnlessOn(hit);
    if (const std::optional<uint32_t> key = HoverKeyOf(hit); key && *key != g_pModuleData->GetHoverKey())
        g_pModuleData->SetHoverKey(*key);
    return false;
}

void CViewMouse::OnDoubleClick(const CPoint& pt)
{
    const SViewHit hit = HitTest(pt);
    const bool blockOrPort = hit.nKind == VIEW_HIT_SENDER || hit.nKind == VIEW_HIT_PORT;
    if (!blockOrPort || !g_pProjectData->GetSender(hit.nSender)) {
        EndDemarcationUnlessOn(hit);
        return;
    }
    if (g_pModuleData->GetCurrentObject().nRenderType == RENDER_BLOCK_GRID) {
        DrillDown(hit.nSender, hit.nKind == VIEW_HIT_SENDER ? RENDER_SENDER_BLOCKS : RENDER_RECEIVER);
        return;
    }
    EndDemarcationUnlessOn(hit);
    if (hit.nSender != g_pProjectData->GetCurSenderIndex())
        DrillDown(hit.nSender, RENDER_RECEIVER);
}

void CViewMouse::OnContextMenu(const CPoint& pt)
{
    const SViewHit hit = HitTest(pt);
    CCusPopMenu menu;
    SViewMenu target;
    if (!BuildViewMenu(hit, menu, target))
        return;
    CPoint screen = pt;
    m_pane.ClientToScreen(screen);
    m_tip.Hide();
    const int command
        = static_cast<int>(menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, &m_pane));
    if (RunViewCommand(command, target))
        NotifyHost(UPDATE_ACTIVATE_NO_PANEL);
}

void CViewMouse::StartMoveDrag(UINT button, const CPoint& pt)
{
    CDesignBackground* design = Design();
    if (!design || !m_pane.GetClientRect().PtInRect(pt) || m_drag.IsTracking())
        return;
    const CPoint startAtPress = design->GetViewStartPt();
    auto onMove = [startAtPress](const SMouseMoveInfo& info) {
        CDesignBackground* d = Design();
        if (!d || !g_pModuleData)
            return;
        // Held inside the content, however far the content reaches.
        if (d->SetViewStartPt(startAtPress - info.ptOffset, 0, g_pModuleData->GetContentExtent())) {
            d->SetBackgroundModified(1);
            NotifyHost(UPDATE_LAYOUT_CHANGE);
        }
    };
    auto onEnd = [](int /*endType*/, const SMouseMoveInfo& /*info*/) {
        if (g_pCursorManager)
            g_pCursorManager->EndGrab();
    };
    if (g_pCursorManager)
        g_pCursorManager->BeginGrab(&m_pane);
    if (!m_drag.Start(&m_pane, button, pt, onMove, onEnd) && g_pCursorManager)
        g_pCursorManager->EndGrab();
}

bool CViewMouse::OnWheel(UINT flags, short delta)
{
    CDesignBackground* design = Design();
    if (!design || !g_pModuleData || !g_pProjectData)
        return false;
    design->SetViewScaling(1.0, {-1, -1});
    if (flags == MK_CONTROL && IsReceiverTarget(g_pModuleData->GetCurrentObject().nRenderType)) {
        const int steps = delta / kWheelNotch;
        if (steps == 0)
            return false;
        const int sender = g_pProjectData->GetCurSenderIndex();
        if (const std::optional<float> zoom = ZoomWalk(g_pModuleData->GetZoom(sender), steps)) {
            g_pModuleData->SetZoom(sender, *zoom);
            // A pair shares its receiver area, so both members keep one factor.
            if (const int partner = PairPartnerOf(*g_pProjectData, sender); partner >= 0)
                g_pModuleData->SetZoom(partner, *zoom);
            NotifyHost(UPDATE_LAYOUT_CHANGE, 1, 1);
        }
        return true;
    }
    const CRect client = m_pane.GetClientRect();
    CPoint start = design->GetViewStartPt();
    if (flags == MK_SHIFT)
        start.x = ScrollStartAfterWheel(start.x, client.Width(), delta);
    else
        start.y = ScrollStartAfterWheel(start.y, client.Height(), delta);
    if (design->SetViewStartPt(start, 1, g_pModuleData->GetContentExtent()))
        NotifyHost(UPDATE_ACTIVATE_NO_PANEL);
    return true;
}

void CViewMouse::OnHoverTimer()
{
    m_pane.KillTimer(kHoverTimer);
    if (!g_pModuleData)
        return;
    CPoint pt = plat::GetCursorPos();
    m_pane.ScreenToClient(pt);
    const std::optional<uint32_t> key = HoverKeyOf(HitTest(pt));
    if (key && *key != g_pModuleData->GetHoverKey() && SpecialOp() != SPECIAL_OP_MOVE)
        StoreHoverKey(*key);
}

void CViewMouse::DebounceHover(const CPoint& pt)
{
    if (!g_pModuleData)
        return;
    const uint32_t key = HoverKeyOf(HitTest(pt)).value_or(kNoHoverKey);
    const std::optional<uint32_t> store = m_debounce.OnMove(key, m_clock(), g_pModuleData->GetHoverKey());
    if (store && *store != kNoHoverKey && SpecialOp() != SPECIAL_OP_MOVE)
        StoreHoverKey(*store);
}

void CViewMouse::StoreHoverKey(uint32_t key)
{
    g_pModuleData->SetHoverKey(key);
    NotifyHost(UPDATE_LAYOUT_CHANGE, 0, 1);
}

void CViewMouse::OnLeave()
{
    m_tip.Hide();
    m_shownHit = {};
    m_lastPt.reset();
    m_debounce.Reset();
    if (g_pCursorManager)
        g_pCursorManager->OnMouseLeave(&m_pane);
}
