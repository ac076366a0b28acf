#include "panes/toolbar_dlg.h"

#include "controls/lib_set.h"
#include "controls/skin.h"
#include "host/host_enums.h"
#include "host/hwbridge_sender.h"
#include "host/vistrano_config.h"
#include "host/vistrano_label.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "panes/pane_paint.h"
#include "panes/toolbar_items.h"
#include "panes/toolbar_states.h"
#include "panes/toolbar_zoom.h"
#include "platform/canvas.h"

#include <algorithm>

namespace {

constexpr int32_t kNotifyToolbarClicked = 0x6001;

bool IsMonitoring() { return g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(); }

bool IsKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR || message == WM_SYSKEYDOWN
        || message == WM_SYSKEYUP;
}

} // namespace

CToolBarDlg::CToolBarDlg(CWnd* parent) : CMorvBaseDlg(0, parent), m_bar(this, kToolBarItemCount) {}

CToolBarDlg::~CToolBarDlg() { EndWait(); }

int CToolBarDlg::InitControls()
{
    SetTimer(kDataPollTimer, kDataPollPeriodMs);
    Layout();
    return 1;
}

void CToolBarDlg::OnDestroy()
{
    EndWait();
    CMorvBaseDlg::OnDestroy();
}

void CToolBarDlg::OnTimer(UINT id)
{
    if (id != kDataPollTimer) {
        CMorvBaseDlg::OnTimer(id);
        return;
    }
    if (!IsMonitoring()) {
        // Stopped (from anywhere) before its first data: nothing to wait for.
        EndWait();
        return;
    }
    if (g_pModuleData && g_pModuleData->TakeNewDataFlag()) {
        EndWait();
        if (g_pHostLabel)
            g_pHostLabel->Notify(UPDATE_ALL, 0, 0, 0);
    }
}

void CToolBarDlg::OnSize(UINT type, int cx, int cy)
{
    CMorvBaseDlg::OnSize(type, cx, cy);
    Layout();
}

void CToolBarDlg::Layout()
{
    const bool receiverTarget = g_pModuleData && IsReceiverTarget(g_pModuleData->GetCurrentObject().nRenderType);
    for (int i = TB_LEFT_END; i < kToolBarItemCount; ++i)
        m_bar.SetItemVisible(i, false);
    for (const SToolBarSlot& slot : ComputeToolBarLayout(GetClientRect(), g_dDpiScale, receiverTarget)) {
        const SToolBarItemInfo* info = FindToolBarItem(slot.nIndex);
        m_bar.SetItemKind(slot.nIndex, ToolBarItemKind(slot.nIndex));
        m_bar.SetItemStyle(slot.nIndex, ToolBarItemStyle(slot.nIndex));
        m_bar.SetItemImage(slot.nIndex, info ? info->pszImage : "");
        m_bar.SetItemRect(slot.nIndex, slot.rect);
        m_bar.SetItemVisible(slot.nIndex, true);
    }
    Invalidate();
}

void CToolBarDlg::ReadTooltips()
{
    for (const SToolBarItemInfo& item : ToolBarItemTable()) {
        if (*item.pszTooltipKey)
            m_bar.SetItemTooltip(item.nIndex, GetLanguageString(item.pszTooltipKey, item.pszSection) + item.pszSuffix);
    }
}

int CToolBarDlg::SetLanguage()
{
    CMorvBaseDlg::SetLanguage();
    RefreshStates();
    return 1;
}

void CToolBarDlg::RefreshStates()
{
    if (m_bRefreshing || !g_pModuleData)
        return;
    m_bRefreshing = true;
    const int current = g_pProjectData ? g_pProjectData->GetCurSenderIndex() : 0;
    SToolBarInputs in;
    in.bLocked
        = g_pConfigData && g_pRuntimeData && g_pConfigData->IsInterfaceLocked(g_pRuntimeData->GetCurInterfaceDlg());
    in.bMonitoring = IsMonitoring();
    in.bCardAccess = !in.bLocked && g_pSenderLogic && g_pSenderLogic->CanAccessCard(current);
    in.nTreeNodeType = g_pRuntimeData ? g_pRuntimeData->GetTreeCurSelNodeType() : TREE_NODE_SENDER;
    in.nSpecialOpType = g_pRuntimeData ? g_pRuntimeData->GetSpecialOpType() : SPECIAL_OP_NORMAL;
    in.bNavigationOn = g_pModuleData->GetNavigationOn();
    const SToolBarStates states = ComputeToolBarStates(in);

    Layout();
    m_bar.SetItemEnabled(TB_SETTINGS, true);
    m_bar.SetItemEnabled(TB_OPEN, states.bOpenEnabled);
    m_bar.SetItemEnabled(TB_SAVE, states.bSaveEnabled);
    m_bar.SetItemEnabled(TB_LOAD_FROM_CARD, states.bCardEnabled);
    m_bar.SetItemEnabled(TB_SAVE_TO_CARD, states.bCardEnabled);
    m_bar.SetItemEnabled(TB_START, states.bStartEnabled);
    m_bar.SetItemEnabled(TB_STOP, states.bStopEnabled);
    m_bar.SetItemChecked(TB_MOVE, states.bMoveChecked);
    m_bar.SetItemChecked(TB_NORMAL, states.bNormalChecked);
    m_bar.SetItemCaption(TB_ZOOM, ZoomText(ZoomPercent(g_pModuleData->GetZoom(current))));
    m_bar.SetItemChecked(TB_NAVIGATION, states.bNavigationChecked);
    ReadTooltips();
    m_bar.Invalidate();
    Invalidate();
    m_bRefreshing = false;
}

std::string CToolBarDlg::DeviceLabel() const
{
    if (!g_pSenderLogic || !g_pModuleData)
        return {};
    std::string label = g_pSenderLogic->GetSenderName(g_pModuleData->GetCurDetectSender());
    if (g_pProjectData && g_pProjectData->GetDemoModeEnable())
        label += " (" + GetLanguageString("DemoMode", "DemoMode") + ")";
    return label;
}

void CToolBarDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    const CRect client = GetClientRect();
    if (client.Height() < 2)
        return;
    // Upper line in the first toolbar line colour, lower line in the second.
    const SSkinColors& colors = PaneColors();
    dc.FillRect({client.left, client.bottom - 2, client.right, client.bottom - 1}, colors.clrToolbarLine1);
    dc.FillRect({client.left, client.bottom - 1, client.right, client.bottom}, colors.clrToolbarLine2);

    const std::string label = DeviceLabel();
    if (label.empty() || !g_pLibSet)
        return;
    // Right-aligned, ending 30 design pixels from the right edge; cut short
    // rather than drawn over the items.
    int itemsRight = 0;
    for (int i = TB_LEFT_END; i < kToolBarItemCount; ++i)
        if (const SBarItem* item = m_bar.GetItem(i); item && item->bVisible)
            itemsRight = std::max(itemsRight, item->rect.right);
    const int gap = static_cast<int>(10 * g_dDpiScale);
    const CRect area{itemsRight + gap, client.top, client.right - static_cast<int>(30 * g_dDpiScale),
                     client.bottom - 2};
    if (area.Width() > 0)
        dc.DrawText(label, area, g_pLibSet->GetDefaultFont(-2), colors.clrText, AlignRight | AlignVCenter | ElideRight);
}

LRESULT CToolBarDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TOOLBAR_DETECT: DetectDevices(false); return 0;
    case WM_TOOLBAR_TARGET_BLINK:
        if (g_pLabelDlg)
            g_pLabelDlg->StartTargetBlink();
        return 0;
    default: return CMorvBaseDlg::WindowProc(message, wParam, lParam);
    }
}

bool CToolBarDlg::PreTranslateMessage(MSG* msg)
{
    // A click into the toolbar takes the keyboard focus from the other panes.
    if (msg->message == WM_LBUTTONDOWN && CWnd::GetFocus() != this) {
        SetFocus();
        if (g_pHostLabel)
            g_pHostLabel->Notify(kNotifyToolbarClicked, 0, 0, 0);
    }
    if (IsKeyMessage(msg->message) && !IsFocusOnEdit()) {
        // Tab moves the focus, and Ctrl combinations go on to the page,
        // which hands the host's shortcuts (Ctrl+Tab, Ctrl+O, Ctrl+S,
        // Ctrl+Shift+S) to the host. The toolbar has no use for other keys.
        if (msg->wParam == VK_TAB || plat::GetKeyState(VK_CONTROL) < 0)
            return CMorvBaseDlg::PreTranslateMessage(msg);
        return true;
    }
    return CMorvBaseDlg::PreTranslateMessage(msg);
}

void CToolBarDlg::BeginWait()
{
    if (m_bWaitCursor)
        return;
    m_bWaitCursor = true;
    plat::BeginWaitCursor();
}

void CToolBarDlg::EndWait()
{
    if (!m_bWaitCursor)
        return;
    m_bWaitCursor = false;
    plat::EndWaitCursor();
}
