// The toolbar's commands: project and card transfers, monitoring, modes,
// the log, the navigation overlay and the zoom.
#include "panes/toolbar_dlg.h"

#include "controls/msg_box.h"
#include "controls/pop_menu.h"
#include "host/host_enums.h"
#include "host/hwbridge_monitor.h"
#include "host/hwbridge_receiver.h"
#include "host/hwbridge_sender.h"
#include "host/vistrano_config.h"
#include "host/vistrano_label.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "log/query_log_dlg.h"
#include "module/app_message.h"
#include "module/host_notify.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "panes/card_sender_menu.h"
#include "panes/toolbar_items.h"
#include "panes/toolbar_zoom.h"
#include "settings/settings_store.h"

#include <algorithm>

namespace {

constexpr UINT kZoomMenuBaseId = 1200;

bool IsMonitoring() { return g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(); }

int CurrentSender() { return g_pProjectData ? g_pProjectData->GetCurSenderIndex() : 0; }

void SetSpecialOpType(int type)
{
    if (g_pRuntimeData)
        g_pRuntimeData->SetSpecialOpType(type);
}

int ShowMessage(CWnd* parent, const char* key, const char* section, UINT type)
{
    return AppMessageBox(parent, GetLanguageString(key, section), type);
}

} // namespace

void CToolBarDlg::OnBarItemClick(CMorvButtonBar& bar, int item)
{
    if (&bar != &m_bar || !g_pHostLabel)
        return;
    switch (item) {
    case TB_OPEN:
        SetSpecialOpType(SPECIAL_OP_NORMAL);
        g_pHostLabel->OpenProject({});
        break;
    case TB_SAVE:
        SetSpecialOpType(SPECIAL_OP_NORMAL);
        g_pHostLabel->SaveProject();
        break;
    case TB_LOAD_FROM_CARD:
        LoadFromCard();
        // The transfer ends whatever became of it.
        if (g_pSenderLogic)
            g_pSenderLogic->EndCardTransfer();
        break;
    case TB_SAVE_TO_CARD: SaveToCard(); break;
    case TB_SETTINGS: OpenSettings(); break;
    case TB_START: StartMonitoring(); break;
    case TB_STOP: DetectDevices(true); break;
    case TB_NORMAL:
        SetSpecialOpType(SPECIAL_OP_NORMAL);
        NotifyHost(UPDATE_ALL);
        break;
    case TB_MOVE:
        m_bar.SetItemChecked(TB_MOVE, true);
        SetSpecialOpType(SPECIAL_OP_MOVE);
        NotifyHost(UPDATE_ALL);
        break;
    case TB_LOG: {
        CQueryLogDlg dlg(nullptr);
        dlg.DoModal();
        break;
    }
    case TB_NAVIGATION:
        if (g_pModuleData)
            g_pModuleData->SetNavigationOn(!g_pModuleData->GetNavigationOn());
        NotifyHost(UPDATE_ALL);
        break;
    default: return;
    }
    RefreshStates();
}

// ---- Cards ---------------------------------------------------------------------------

CPoint CToolBarDlg::BelowItem(int item) const
{
    const SBarItem* bar = m_bar.GetItem(item);
    CPoint pt = bar ? CPoint{bar->rect.left, bar->rect.bottom} : CPoint{};
    ClientToScreen(pt);
    return pt;
}

int CToolBarDlg::PickCardSender()
{
    CCusPopMenu menu;
    menu.SetItemHeight(Px(26));
    menu.SetMenuWidth(Px(200));
    CardSenderMask mask;
    UINT id = kCardMenuBaseId;
    const int count = std::min(g_pProjectData->GetSenderCount(), static_cast<int>(mask.size()));
    for (int i = 0; i < count; ++i) {
        std::string description;
        if (!g_pSenderLogic->IsConnected(i) || g_pSenderLogic->ReadCardDescription(i, description) < 0)
            continue;
        menu.AppendMenu(MF_STRING, ++id, g_pProjectData->GetShowSenderName(i, 1), "ToolBar\\LoadFromCardOne");
        mask.set(static_cast<std::size_t>(i));
    }
    const CPoint at = BelowItem(TB_LOAD_FROM_CARD);
    const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, this);
    return chosen > kCardMenuBaseId ? SenderOfCardMenuEntry(mask, static_cast<int>(chosen - kCardMenuBaseId)) : -1;
}

void CToolBarDlg::LoadFromCard()
{
    if (!g_pProjectData || !g_pSenderLogic || !g_pModuleData)
        return;
    int detected = 0;
    if (IsMonitoring()) {
        CModuleDataLock lock(*g_pModuleData);
        detected = g_pModuleData->GetDetectData().GetSenderDataCount();
    } else {
        detected = g_pSenderLogic->GetDetectedSenderCount();
    }
    if (detected <= 1) {
        g_pHostLabel->LoadProjectFromCard(CurrentSender());
        return;
    }
    const int sender = PickCardSender();
    if (sender < 0)
        return;
    SetSpecialOpType(SPECIAL_OP_NORMAL);
    g_pHostLabel->LoadProjectFromCard(sender);
}

void CToolBarDlg::SaveToCard()
{
    int cancelled = 0;
    const int saved = g_pHostLabel->SaveProjectToCard(cancelled, this);
    if (saved)
        ShowMessage(this, "Succeed_Save", "Common", MB_OK);
    else if (!cancelled)
        ShowMessage(this, "Failed_Save", "Common", MB_OK);
}

// ---- Monitoring ------------------------------------------------------------------------

void CToolBarDlg::StartMonitoring()
{
    if (IsMonitoring() || !g_pMonitorLogic || !g_pModuleData)
        return;
    if (g_pSenderLogic && g_pSenderLogic->CheckPortEnable(CurrentSender())
        && ShowMessage(this, "PortEnableWarning", "Monitoring", MB_OKCANCEL) == IDCANCEL)
        return;
    BeginWait();
    g_pModuleData->ClearNewDataFlag();
    SetSpecialOpType(SPECIAL_OP_NORMAL);
    g_pMonitorLogic->StartMonitor(this);
    // A start that failed would leave the wait cursor waiting for data that
    // never comes.
    if (!IsMonitoring())
        EndWait();
    if (g_pSenderLogic && g_pSenderLogic->IsAddressDetection() && g_pConfigData
        && g_pConfigData->GetDetectStrategy() != DETECT_STRATEGY_SPECIFIED_IP && g_pRuntimeData)
        g_pRuntimeData->UpdateIPArray();
    m_bar.SetItemEnabled(TB_START, false);
    NotifyHost(UPDATE_TOOLBAR);
}

void CToolBarDlg::DetectDevices(bool stop)
{
    if (stop)
        SetSpecialOpType(SPECIAL_OP_NORMAL);
    SProgressInfo info;
    info.strTitle = GetLanguageString("Detecting", "Common");
    if (BeginProgress(info) == -1)
        return;
    if (stop && g_pMonitorLogic) {
        g_pMonitorLogic->StopMonitor();
        // No data is coming any more.
        EndWait();
    }
    if (g_pSenderLogic)
        g_pSenderLogic->DetectSenders(this, 0, 30, 1);
    if (g_pReceiverLogic)
        g_pReceiverLogic->DetectReceivers(-1, -1, this, 30, 100, stop ? 0 : 1);
    EndProgress();
    if (stop) {
        m_bar.SetItemEnabled(TB_STOP, false);
        NotifyHost(UPDATE_ALL);
    }
}

// ---- Zoom -----------------------------------------------------------------------------

void CToolBarDlg::OnBarItemSelect(CMorvButtonBar& bar, int item)
{
    if (&bar == &m_bar && item == TB_ZOOM)
        OpenZoomMenu();
}

bool CToolBarDlg::OnBarItemWheel(CMorvButtonBar& bar, int item, short delta)
{
    if (&bar != &m_bar || item != TB_ZOOM || !g_pModuleData)
        return false;
    const int step = NextZoomStep(ZoomPercent(g_pModuleData->GetZoom(CurrentSender())), delta >= 1);
    if (step > 0)
        ApplyZoom(step);
    return true;
}

void CToolBarDlg::OpenZoomMenu()
{
    const SBarItem* item = m_bar.GetItem(TB_ZOOM);
    if (!item || !g_pModuleData)
        return;
    const int current = ZoomPercent(g_pModuleData->GetZoom(CurrentSender()));
    CCusPopMenu menu;
    menu.SetMenuWidth(item->rect.Width());
    menu.SetItemHeight(Px(26));
    for (std::size_t i = 0; i < kToolBarZoomSteps.size(); ++i) {
        const int step = kToolBarZoomSteps[i];
        menu.AppendMenu(step == current ? MF_CHECKED : MF_STRING, kZoomMenuBaseId + static_cast<UINT>(i),
                        ZoomText(step));
    }
    const CPoint at = BelowItem(TB_ZOOM);
    const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD, at.x, at.y, this);
    if (chosen >= kZoomMenuBaseId && chosen < kZoomMenuBaseId + kToolBarZoomSteps.size())
        ApplyZoom(kToolBarZoomSteps[chosen - kZoomMenuBaseId]);
}

void CToolBarDlg::ApplyZoom(int percent)
{
    const int sender = CurrentSender();
    const float zoom = static_cast<float>(percent) / 100.0f;
    g_pModuleData->SetZoom(sender, zoom);
    // A source and its backup show the same wall: they zoom together.
    int source = -1;
    int backup = -1;
    int second = 0;
    if (g_pProjectData && g_pProjectData->MatchSrcBackup(sender, 0, source, backup, second)) {
        const int partner = second ? source : backup;
        if (partner != sender && partner >= 0)
            g_pModuleData->SetZoom(partner, zoom);
    }
    m_bar.SetItemCaption(TB_ZOOM, ZoomText(percent));
    RefreshStates();
    if (g_pRuntimeData)
        if (CDesignBackground* background = g_pRuntimeData->GetDesignBackground())
            background->SetBackgroundModified(1);
    NotifyHost(UPDATE_LAYOUT_CHANGE, 0, 1);
}

// ---- Settings ----------------------------------------------------------------------------

void CToolBarDlg::OpenSettings()
{
    SetSpecialOpType(SPECIAL_OP_NORMAL);
    const int renderType = g_pModuleData ? g_pModuleData->GetCurrentObject().nRenderType : RENDER_RECEIVER;
    EditMonitorSettings(this, SettingsItemForTarget(renderType));
}
