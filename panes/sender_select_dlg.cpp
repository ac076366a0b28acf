#include "panes/sender_select_dlg.h"

#include "controls/cursor_manager.h"
#include "controls/density.h"
#include "controls/lib_set.h"
#include "controls/msg_box.h"
#include "controls/pop_menu.h"
#include "host/hwbridge.h"
#include "host/vistrano_config.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/app_message.h"
#include "module/host_notify.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "panes/pane_paint.h"
#include "panes/sender_panel_rules.h"

namespace {

// Masks the panel sends.
constexpr int32_t kNotifyPanelFolded = 0x10FF7000;
constexpr int32_t kNotifySenderChanged = 0x1F6000;
constexpr int32_t kNotifyDetected = 0x2000;
constexpr int32_t kNotifyToolbar = 0x4000;
constexpr UINT kDetectWaitMs = 200;
constexpr UINT kPauseWaitMs = 100;

// Design lengths.
constexpr int kBarHeight = 32;
constexpr int kButton = 26;
constexpr int kButtonGap = 4;
constexpr int kMargin = 6;
constexpr int kSeparatorWidth = 2;
constexpr int kLabelPadding = 20;

struct SItemLook {
    int nItem;
    int nKind;
    const char* pszImage;
};
constexpr SItemLook kItems[] = {
    {CSenderSelectDlg::ItemAdd, BarPush, "TreeCtr\\SenderTree\\ToolBar\\Add\\"},
    {CSenderSelectDlg::ItemRename, BarPush, "TreeCtr\\SenderTree\\ToolBar\\Rename\\"},
    {CSenderSelectDlg::ItemDelete, BarPush, "TreeCtr\\SenderTree\\ToolBar\\Delete\\"},
    {CSenderSelectDlg::ItemSeparator, BarSeparator, "ToolBar\\splitline.png"},
    {CSenderSelectDlg::ItemRefresh, BarPush, "Sender2\\Refresh\\"},
    {CSenderSelectDlg::ItemFold, BarPush, "TreeCtr\\SenderTree\\ToolBar\\Fold\\"},
    {CSenderSelectDlg::ItemExpand, BarPush, "TreeCtr\\SenderTree\\ToolBar\\Expand\\"},
};

bool Locked()
{
    return g_pConfigData && g_pRuntimeData && g_pConfigData->IsInterfaceLocked(g_pRuntimeData->GetCurInterfaceDlg());
}

// Fills a pop-up menu from its entries; sub-menu entries follow their head.
void FillMenu(CCusPopMenu& menu, const std::vector<SMenuEntry>& entries)
{
    CCusPopMenu* sub = nullptr;
    for (const SMenuEntry& e : entries) {
        CCusPopMenu& target = e.nDepth > 0 && sub ? *sub : menu;
        const std::string text = GetLanguageString(e.strKey, e.strSection) + e.strSuffix;
        switch (e.eKind) {
        case SMenuEntry::EKind::Separator: target.AppendSeparator(); break;
        case SMenuEntry::EKind::SubMenu: sub = &menu.AppendSubMenu(text); break;
        case SMenuEntry::EKind::Command: target.AppendMenu(MF_STRING, e.nId, text); break;
        }
    }
}

} // namespace

CSenderSelectDlg::CSenderSelectDlg(CWnd* parent) : CMorvBaseDlg(0, parent), m_bar(this, ItemCount) {}

CSenderSelectDlg::~CSenderSelectDlg() = default;

int CSenderSelectDlg::InitControls()
{
    for (const SItemLook& look : kItems) {
        m_bar.SetItemKind(look.nItem, look.nKind);
        m_bar.SetItemImage(look.nItem, look.pszImage);
    }
    AddControl(kNameLabel, EMorvControlKind::Label);
    m_tree.Create(this, {}, kTreeId);
    SetTexts();
    Layout();
    return 1;
}

void CSenderSelectDlg::SetTexts()
{
    m_bar.SetItemTooltip(ItemRename, GetLanguageString("Rename", "Common") + "(F2)");
    m_bar.SetItemTooltip(ItemDelete, GetLanguageString("Delete", "Common") + "(Del)");
    m_bar.SetItemTooltip(ItemRefresh, GetLanguageString("Refresh", "ToolBar"));
    m_bar.SetItemTooltip(ItemFold, GetLanguageString("Flexible", "Common"));
    m_bar.SetItemTooltip(ItemExpand, GetLanguageString("Flexible", "Common"));
}

void CSenderSelectDlg::Layout()
{
    const CRect client = GetClientRect();
    const bool expanded = !g_pModuleData || g_pModuleData->GetSenderPanelExpanded();
    const int button = morv::Scale(kButton);
    const int top = (morv::Scale(kBarHeight) - button) / 2;
    int x = morv::Scale(kMargin);
    for (int item = ItemAdd; item <= ItemRefresh; ++item) {
        const int width = item == ItemSeparator ? morv::Scale(kSeparatorWidth) : button;
        const int inset = item == ItemSeparator ? button / 5 : 0;
        m_bar.SetItemRect(item, {x, top + inset, x + width, top + button - inset});
        m_bar.SetItemVisible(item, expanded);
        x += width + morv::Scale(kButtonGap);
    }
    const int right = client.right - morv::Scale(kMargin);
    m_bar.SetItemRect(ItemFold, {right - button, top, right, top + button});
    m_bar.SetItemVisible(ItemFold, expanded);
    // Folded, the panel is only wide enough for the button that opens it.
    const int left = (client.Width() - button) / 2;
    m_bar.SetItemRect(ItemExpand, {left, top, left + button, top + button});
    m_bar.SetItemVisible(ItemExpand, !expanded);

    const int fontSize = CMorvLibSet::Instance().GetFontSize();
    const int labelTop = morv::Scale(kBarHeight);
    const int labelBottom = labelTop + fontSize * 4 / 3 + morv::Scale(kLabelPadding);
    SetControlRect(kNameLabel, {morv::Scale(kMargin), labelTop, client.right - morv::Scale(kMargin), labelBottom});
    ShowControl(kNameLabel, expanded);
    if (m_tree.IsWindow()) {
        m_tree.MoveWindow({0, labelBottom, client.right - 1, client.bottom});
        m_tree.ShowWindow(expanded ? SW_SHOW : SW_HIDE);
    }
    Invalidate();
}

void CSenderSelectDlg::OnSize(UINT type, int cx, int cy)
{
    CMorvBaseDlg::OnSize(type, cx, cy);
    Layout();
}

void CSenderSelectDlg::Refresh(int nNotify, int /*nSender*/)
{
    SetTexts();
    // A rename or a drag in progress keeps its items.
    if (!m_tree.IsEditingLabel() && !morv::drag::IsDragging())
        m_tree.Rebuild();
    RefreshStates(nNotify != 0);
    Invalidate();
}

void CSenderSelectDlg::ReloadImages()
{
    for (const SItemLook& look : kItems)
        m_bar.SetItemImage(look.nItem, look.pszImage);
    Layout();
}

int CSenderSelectDlg::GetShowSenders(std::vector<int>& senders) const { return m_tree.GetShowSenders(senders); }

void CSenderSelectDlg::SelectSenderNode(int nodeType, int sender)
{
    if (IsWindow())
        SendMessage(WM_SELECT_SENDER_NODE, static_cast<WPARAM>(nodeType), sender);
}

int CSenderSelectDlg::SenderLimit() const
{
    return g_pRuntimeData->GetSenderCountLimit(g_pSenderLogic->IsFixedAddressMode(), g_pSenderLogic->GetProductKind(),
                                               g_pSenderLogic->GetDetectedSenderCount());
}

void CSenderSelectDlg::RefreshStates(bool notifyHost)
{
    if (!g_pProjectData || !g_pSenderLogic || !g_pMonitorThreadMgr)
        return;
    const SSenderTreeNode* node = m_tree.GetSelectedNode();
    const int current = g_pProjectData->GetCurSenderIndex();
    SPanelButtonInput in;
    in.nNodeType = node ? node->nType : -1;
    in.bDemoMode = g_pProjectData->GetDemoModeEnable() != 0;
    in.nSenderCount = g_pProjectData->GetSenderCount();
    in.nSelectedCount = static_cast<int>(m_tree.GetSelectedCount());
    in.bNameSettable = g_pSenderLogic->IsNameSettable(current) != 0;
    const SPanelButtonStates states = PanelButtonStates(in);
    const bool locked = Locked();
    m_bar.SetItemEnabled(ItemAdd, states.bAdd && !locked);
    m_bar.SetItemEnabled(ItemRename, states.bRename && !locked);
    m_bar.SetItemEnabled(ItemDelete, states.bDelete && !locked);
    m_bar.SetItemEnabled(ItemRefresh, !locked && !g_pMonitorThreadMgr->IsPausing() && !HasTimer(kRefreshTimer));
    if (current != m_nLastSender) {
        if (notifyHost && m_nLastSender != INT_MIN)
            NotifyHost(kNotifySenderChanged, 0, 1, 0);
        m_nLastSender = current;
    }
    SetControlText(kNameLabel, in.nSenderCount > 0 ? g_pSenderLogic->GetDisplayName(current) : std::string());
}

void CSenderSelectDlg::PostToTree(WPARAM command, LPARAM lParam)
{
    if (m_tree.IsWindow())
        m_tree.PostMessage(WM_TREE_COMMAND, command, lParam);
}

// ---- Messages and input ------------------------------------------------------------

LRESULT CSenderSelectDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SENDER_TREE_MENU: ShowContextMenu(wParam != 0, reinterpret_cast<const SSenderTreeNode*>(lParam)); return 0;
    case WM_SELECT_SENDER_NODE:
        if (wParam == TREE_NODE_SENDER || wParam == TREE_NODE_PORT)
            m_tree.SelectSender(static_cast<int>(lParam));
        return 0;
    case WM_SENDER_PANEL_STATES: RefreshStates(); return 0;
    case WM_SENDER_PANEL_MSGBOX: {
        const auto* text = reinterpret_cast<const std::string*>(wParam);
        return text ? AppMessageBox(this, *text, static_cast<UINT>(lParam)) : 0;
    }
    default: return CMorvBaseDlg::WindowProc(message, wParam, lParam);
    }
}

bool CSenderSelectDlg::PreTranslateMessage(MSG* msg)
{
    if (g_pCursorManager && g_pCursorManager->AutoInvalidAddTileState(msg))
        return true;
    if (msg->message == WM_LBUTTONDOWN) {
        m_ptLastPress = msg->pt;
        return CMorvBaseDlg::PreTranslateMessage(msg);
    }
    if (msg->message != WM_KEYDOWN)
        return CMorvBaseDlg::PreTranslateMessage(msg);
    const auto key = static_cast<UINT>(msg->wParam);
    if (CTreeLabelEdit* edit = m_tree.GetEditControl()) {
        if (key == VK_RETURN) {
            // Moving the focus away ends the editing and keeps the text.
            SetFocus();
            return true;
        }
        // The length is checked once the key has changed the text.
        m_tree.SetNameBeforeKey(edit->GetWindowText());
        PostToTree(TREE_CMD_CHECK_NAME);
        return false;
    }
    if (key == VK_DELETE) {
        if (const SBarItem* del = m_bar.GetItem(ItemDelete); del && del->bEnabled)
            PostToTree(TREE_CMD_DELETE);
        return true;
    }
    if (key == VK_F2) {
        PostToTree(TREE_CMD_RENAME);
        return true;
    }
    return CMorvBaseDlg::PreTranslateMessage(msg);
}

void CSenderSelectDlg::OnBarItemClick(CMorvButtonBar& /*bar*/, int item)
{
    switch (item) {
    case ItemAdd: ShowAddMenu(); break;
    case ItemRename: PostToTree(TREE_CMD_RENAME); break;
    case ItemDelete: PostToTree(TREE_CMD_DELETE); break;
    case ItemRefresh: RefreshDetection(); break;
    case ItemFold:
    case ItemExpand:
        if (g_pModuleData)
            g_pModuleData->SetSenderPanelExpanded(g_pModuleData->GetSenderPanelExpanded() ? 0 : 1);
        NotifyHost(kNotifyPanelFolded, 0, 0, 1);
        Layout();
        return;
    default: return;
    }
    RefreshStates();
}

void CSenderSelectDlg::OnTimer(UINT id)
{
    if (id != kRefreshTimer) {
        CMorvBaseDlg::OnTimer(id);
        return;
    }
    if (g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsPausing())
        return;
    KillTimer(kRefreshTimer);
    RefreshStates();
}

void CSenderSelectDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    DrawPaneEdge(dc, GetClientRect(), EPaneEdge::Right);
}

// ---- Menus and commands ------------------------------------------------------------------

void CSenderSelectDlg::ShowAddMenu()
{
    const SSenderTreeNode* node = m_tree.GetSelectedNode();
    const SBarItem* add = m_bar.GetItem(ItemAdd);
    if (!node || !add || !g_pRuntimeData || !g_pSenderLogic)
        return;
    CCusPopMenu menu;
    FillMenu(menu, AddMenuEntries(node->nType == TREE_NODE_ALL_SENDERS, SenderLimit()));
    CPoint corner(add->rect.left, add->rect.bottom);
    ClientToScreen(corner);
    RunMenuCommand(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, corner.x, corner.y, this), false);
}

void CSenderSelectDlg::ShowContextMenu(bool several, const SSenderTreeNode* node)
{
    if (!node || !g_pProjectData || !g_pRuntimeData || !g_pSenderLogic || !g_pModuleData)
        return;
    SContextMenuInput in;
    in.nNodeType = node->nType;
    in.bSeveral = several;
    in.bDemoMode = g_pProjectData->GetDemoModeEnable() != 0;
    in.nLimit = SenderLimit();
    in.bPortOutput = g_pSenderLogic->IsPortOutputSupported(g_pModuleData->GetCurDetectSender()) != 0;
    in.nSenderCount = g_pProjectData->GetSenderCount();
    const std::vector<SMenuEntry> entries = ContextMenuEntries(in);
    if (entries.empty())
        return;
    CCusPopMenu menu;
    FillMenu(menu, entries);
    const CPoint at = plat::GetCursorPos();
    RunMenuCommand(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, this), several);
}

void CSenderSelectDlg::RunMenuCommand(unsigned id, bool several)
{
    switch (id) {
    case 0: return;
    case kCmdAddGroup: AddGroupAndRename(several); return;
    case kCmdRename: PostToTree(TREE_CMD_RENAME); return;
    case kCmdDelete: PostToTree(TREE_CMD_DELETE); return;
    case kCmdPortAuto: SetPortOutput(PortOutputAuto); return;
    case kCmdPortPrimary: SetPortOutput(PortOutputPrimary); return;
    case kCmdPortBackup: SetPortOutput(PortOutputBackup); return;
    default:
        if (const int n = AddCountOfCommand(id))
            AddSenders(n);
        return;
    }
}

void CSenderSelectDlg::AddGroupAndRename(bool moveSelected)
{
    m_tree.SendMessage(WM_TREE_COMMAND, TREE_CMD_ADD_GROUP, moveSelected ? 1 : 0);
    plat::ProcessEvents();
    m_tree.SendMessage(WM_TREE_COMMAND, TREE_CMD_RENAME, 0);
}

void CSenderSelectDlg::AddSenders(int n)
{
    if (!g_pProjectData || g_pProjectData->GetSenderCount() >= kMaxSenderCount)
        return;
    m_tree.SendMessage(WM_TREE_COMMAND, TREE_CMD_ADD_SENDERS, n);
    if (g_pRuntimeData)
        g_pRuntimeData->GetDesignBackground()->SetBackgroundModified(1);
    RefreshStates();
    NotifyHost(kNotifyToolbar, 0, 1, 0);
}

void CSenderSelectDlg::SetPortOutput(int mode)
{
    if (!g_pProjectData || !g_pSenderLogic || !g_pVideoSourceLogic)
        return;
    const int count = g_pProjectData->GetSenderCount();
    for (int i = 0; i < count; ++i) {
        if (!g_pSenderLogic->IsConnected(i))
            continue;
        const int n = g_pSenderLogic->GetPortCount(i);
        std::vector<bool> backupDest(static_cast<std::size_t>(std::max(0, n)), false);
        if (CSender* sender = g_pProjectData->GetSender(i)) {
            for (int p = 0; p < n; ++p)
                if (CPort* port = sender->GetPort(p))
                    backupDest[static_cast<std::size_t>(p)] = port->IsBackupDest() != 0;
        }
        const std::vector<uint8_t> mask
            = PortOutputMask(mode, n, g_pSenderLogic->IsPortCountDoubled(i) != 0, backupDest);
        if (g_pSenderLogic->IsVideoSourceDevice(i))
            g_pVideoSourceLogic->SetOutputPorts({i, 1, VideoSourcePortMask(n, mask)});
        else
            g_pSenderLogic->SetOutputPorts({i, 1, mask});
    }
}

void CSenderSelectDlg::RefreshDetection()
{
    if (!g_pMonitorThreadMgr || !g_pSenderLogic || !g_pMonitorLogic || !g_pRuntimeData)
        return;
    if (!g_pMonitorThreadMgr->IsMonitoring()) {
        m_bar.SetItemEnabled(ItemRefresh, false);
        UpdateWindow();
        if (g_pSenderLogic->DetectSenders(this, 0, 0, 1) == kDetectMultiSenderCard) {
            AppMessageBox(this, GetLanguageString("MutiSenderCard", "Common"), MB_ICONINFORMATION);
            m_bar.SetItemEnabled(ItemRefresh, true);
            return;
        }
        SetTimer(kRefreshTimer, kDetectWaitMs);
        plat::ProcessEvents();
        KillTimer(kRefreshTimer);
        m_bar.SetItemEnabled(ItemRefresh, true);
        m_tree.Rebuild();
        RefreshStates();
        NotifyHost(kNotifyDetected, 0, 0, 1);
        return;
    }
    const SBarItem* refresh = m_bar.GetItem(ItemRefresh);
    if (!refresh || !refresh->bEnabled)
        return;
    g_pRuntimeData->SetSpecialOpType(SPECIAL_OP_NORMAL);
    m_bar.SetItemEnabled(ItemRefresh, false);
    UpdateWindow();
    g_pMonitorLogic->PauseForDetection();
    SetTimer(kRefreshTimer, kPauseWaitMs);
}
