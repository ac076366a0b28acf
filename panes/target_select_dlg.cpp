#include "panes/target_select_dlg.h"

#include "controls/density.h"
#include "host/vistrano_config.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/host_notify.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "panes/pane_paint.h"
#include "panes/target_select_rules.h"
#include "platform/format.h"

namespace {

constexpr const char* kButtonBackground = "Monitor\\BackGround\\";
constexpr const char* kWarningFolder = "Monitor\\Warning\\";
// The view's start point is reset for a content of this size.
constexpr CSize kViewResetExtent{1920, 1080};

// The picture of each button (index: button item).
constexpr const char* kButtonIcons[kTargetButtonCount + 1] = {nullptr,
                                                              "Monitor\\Sender\\Normal.png",
                                                              "Monitor\\Receiver\\Normal.png",
                                                              "Monitor\\Temperature\\Normal.png",
                                                              "Monitor\\Humidity\\Normal.png",
                                                              nullptr,
                                                              nullptr,
                                                              nullptr,
                                                              "Monitor\\PowerBackup\\Normal.png",
                                                              "Monitor\\Voltage\\Normal.png",
                                                              nullptr};

bool IsMonitoring() { return g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(); }

} // namespace

CTargetSelectDlg::CTargetSelectDlg(CWnd* parent) : CMorvBaseDlg(0, parent), m_bar(this, kTargetItemCount) {}

void CTargetSelectDlg::SetTooltips()
{
    CModuleDataLock lock(*g_pModuleData);
    const CMonitorInterfaceData& settings = g_pModuleData->GetInterfaceData();
    const SRecevierSetting& rcv = settings.receiverSetting;
    const auto text = [](const char* key) { return GetLanguageString(key, "Monitoring"); };
    const bool fahrenheit = g_pConfigData && g_pConfigData->IsEnableFahrenheit();
    std::string voltage = text("TargetSelect_RcvVoltage") + ":";
    const struct {
        int32_t on;
        float min, max;
    } ranges[]
        = {{rcv.bVoltage1, rcv.fVoltage1Min, rcv.fVoltage1Max}, {rcv.bVoltage2, rcv.fVoltage2Min, rcv.fVoltage2Max}};
    for (int k = 0; k < 2; ++k)
        if (ranges[k].on)
            voltage += "\r\n"
                + plat::Format(text("TargetSelect_RcvVoltageExtra"), k + 1, static_cast<double>(ranges[k].min),
                               static_cast<double>(ranges[k].max));
    const std::string tips[kTargetButtonCount + 1] = {
        {},
        text("TargetSelect_SingleSender"),
        text("TargetSelect_Receiver"),
        plat::Format(text("TargetSelect_RcvTemperatureExtra"), TemperatureThresholdText(rcv.nTemperature, fahrenheit)),
        plat::Format(text("TargetSelect_RcvHumidityExtra"), rcv.nHumidity),
        text("TargetSelect_RcvSmog"),
        text("TargetSelect_RcvFan"),
        text("TargetSelect_RcvTileDoor"),
        text("TargetSelect_RcvPower"),
        voltage,
        GetLanguageString("Receive_CableDetection", "Monitoring")};
    for (int k = 1; k <= kTargetButtonCount; ++k)
        m_bar.SetItemTooltip(k, tips[k]);
}

void CTargetSelectDlg::Layout()
{
    if (!g_pModuleData || !g_pRuntimeData)
        return;
    for (int item = 1; item < kTargetItemCount; ++item)
        m_bar.SetItemVisible(item, false);

    STargetLayoutInput in;
    in.client = GetClientRect();
    in.scale = morv::GetDensity();
    const SCurrentObject record = g_pModuleData->GetCurrentObject();
    in.nRenderType = record.nRenderType;
    in.bReceiverButton = g_pModuleData->GetSenderStatusWord(g_pModuleData->GetCurDetectSender()) == 0;
    {
        CModuleDataLock lock(*g_pModuleData);
        const CMonitorInterfaceData& settings = g_pModuleData->GetInterfaceData();
        in.bSenderMonitoring = settings.senderSetting.bVideoInputError != 0;
        const SRecevierSetting& rcv = settings.receiverSetting;
        in.bTemperature = rcv.bTemperature != 0;
        in.bHumidity = rcv.bHumidity != 0;
        in.bPower = rcv.bPowerSupply1 || rcv.bPowerSupply2;
        in.bVoltage = rcv.bVoltage1 || rcv.bVoltage2;
    }
    const STargetLayout layout = LayoutTargetButtons(in);
    for (const STargetButtonPlace& b : layout.buttons) {
        m_bar.SetItemRect(b.nItem, b.rect);
        m_bar.SetItemImage(b.nItem, kButtonBackground);
        m_bar.SetItemIcon(b.nItem, kButtonIcons[b.nItem] ? kButtonIcons[b.nItem] : "", TargetImageRect(b.rect));
        m_bar.SetItemVisible(b.nItem, true);
        const int mark = b.nItem + kTargetWarningOffset;
        m_bar.SetItemDrawType(mark, BarDrawWarningMark);
        m_bar.SetItemKind(mark, BarLabel);
        m_bar.SetItemImage(mark, kWarningFolder);
        m_bar.SetItemRect(mark, b.markRect);
        m_bar.SetItemVisible(mark, true);
    }
    if (layout.nRenderType != record.nRenderType)
        g_pModuleData->SetCurrentObject(record.nScope, record.bValid, layout.nRenderType, record.nSender, record.nPort);
    SetTooltips();

    const SCurrentObject now = g_pModuleData->GetCurrentObject();
    for (int k = 1; k < kTargetButtonCount; ++k)
        m_bar.SetItemChecked(k, now.bValid && ButtonOfRenderType(now.nRenderType) == k);
    Invalidate();
    m_bBlinkOn = 1;
    UpdateMarks(true);
}

void CTargetSelectDlg::UpdateMarks(bool on)
{
    std::array<bool, kTargetButtonCount> marks{};
    if (on && IsMonitoring() && g_pModuleData) {
        const SCurrentObject record = g_pModuleData->GetCurrentObject();
        std::vector<int> group;
        if (record.nScope == TREE_NODE_GROUP)
            g_pModuleData->GetShowSenders(group);
        CModuleDataLock lock(*g_pModuleData);
        marks = ComputeWarningMarks(g_pModuleData->GetWarningData(), record, group);
    }
    for (int k = 0; k < kTargetButtonCount; ++k) {
        const int item = k + 1 + kTargetWarningOffset;
        const SBarItem* mark = m_bar.GetItem(item);
        if (mark && mark->bWarning != marks[static_cast<std::size_t>(k)])
            m_bar.SetItemWarning(item, marks[static_cast<std::size_t>(k)]);
    }
    m_blinkClock.start();
}

void CTargetSelectDlg::OnTimer(UINT id)
{
    if (id != kBlinkTimer || !IsMonitoring()) {
        CMorvBaseDlg::OnTimer(id);
        return;
    }
    if (m_blinkClock.GetCurTime() <= kBlinkHalfPeriodUs)
        return;
    m_bBlinkOn = m_bBlinkOn ? 0 : 1;
    UpdateMarks(m_bBlinkOn != 0);
}

void CTargetSelectDlg::OnBarItemClick(CMorvButtonBar& /*bar*/, int item)
{
    if (RenderTypeOfButton(item))
        ChooseTarget(item);
}

void CTargetSelectDlg::ChooseTarget(int item)
{
    if (!g_pModuleData || !g_pRuntimeData || !g_pProjectData)
        return;
    const int r = RenderTypeOfButton(item);
    if (r == RENDER_SINGLE_SENDER)
        g_pRuntimeData->SetSpecialOpType(SPECIAL_OP_NORMAL);
    SCurrentObject record = g_pModuleData->GetCurrentObject();
    const bool wholeScope = record.nScope == TREE_NODE_ALL_SENDERS || record.nScope == TREE_NODE_GROUP;
    if ((r == RENDER_SINGLE_SENDER || r == RENDER_RECEIVER) && wholeScope) {
        std::vector<int> senders;
        g_pModuleData->GetShowSenders(senders);
        CModuleDataLock lock(*g_pModuleData);
        const CMonitorWarningData& w = g_pModuleData->GetWarningData();
        const int first = FirstSenderWithWarning(senders, [&](int s) {
            return r == RENDER_SINGLE_SENDER ? w.HasSenderSignalWarning(s) != 0
                                             : w.HasSenderRcvWarning(s, WARNING_ALL) != 0;
        });
        if (first >= 0) {
            g_pProjectData->SetCurrentSender(first);
            record.nSender = first;
        }
    }
    if (record.bValid && record.nRenderType == r)
        return;
    g_pModuleData->SetCurrentObject(record.nScope, 1, r, record.nSender, record.nPort);
    g_pRuntimeData->GetDesignBackground()->SetViewStartPt({0, 0}, 1, kViewResetExtent);
    g_pModuleData->SetContentExtent(0, 0);
    const int sender = r == RENDER_SINGLE_SENDER ? record.nSender : g_pProjectData->GetCurSenderIndex();
    if (r == RENDER_SINGLE_SENDER || (IsReceiverTarget(r) && wholeScope)) {
        SNodeSelect select;
        select.nNodeType = TREE_NODE_SENDER;
        if (CSender* s = g_pProjectData->GetSender(sender))
            select.strSenderId = s->GetId();
        g_pRuntimeData->SetCurInterfaceNodeSelect(select);
        g_pModuleData->SelectSenderNode(TREE_NODE_SENDER, sender);
    }
    NotifyHost(UPDATE_ACTIVATE_NO_PANEL);
}

bool CTargetSelectDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_LBUTTONDOWN)
        SetFocus();
    else if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        return true;
    return CMorvBaseDlg::PreTranslateMessage(msg);
}

void CTargetSelectDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    DrawPaneEdge(dc, GetClientRect(), EPaneEdge::Left);
}
