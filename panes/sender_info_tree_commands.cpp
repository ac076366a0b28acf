// CSenderInfoTree: the panel's commands — add a group, add senders,
// delete, rename, and the name-length check while a name is typed.
#include "panes/sender_info_tree.h"

#include "controls/msg_box.h"
#include "controls/progress.h"
#include "host/hwbridge.h"
#include "host/sender_dialogs.h"
#include "host/vistrano_config.h"
#include "host/vistrano_language.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/app_message.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "panes/sender_tree_rules.h"
#include "platform/utf8.h"

#include <algorithm>
#include <filesystem>

namespace {

// The answer of a confirmed add-senders dialog, and of a confirmed
// address dialog.
constexpr int kAddDialogConfirmed = 6;
constexpr int kAddressDialogConfirmed = 1;
constexpr int kProgressEnd = 100;

bool FixedAddressMode() { return g_pSenderLogic->IsFixedAddressMode() != 0; }

// The senders sharing a source/backup pair with sender i, over all its ports.
std::vector<int> BackupPartners(int i)
{
    std::vector<int> partners;
    CSender* sender = g_pProjectData->GetSender(i);
    if (!sender)
        return partners;
    const int ports = std::max(sender->GetPortCount(), sender->GetFiberPortCount());
    for (int p = 0; p < ports; ++p) {
        int source = -1, backup = -1, second = 0;
        if (g_pProjectData->MatchSrcBackup(i, p, source, backup, second))
            partners.push_back(second ? source : backup);
    }
    return partners;
}

// Moves the background image files of the senders that stay down to their
// new numbers; the files of the deleted senders go first, so that no
// later sender inherits one.
void RenumberBackgroundImages(int senderCount, const std::vector<int>& deleted)
{
    const std::filesystem::path folder = g_pConstantData->GetBKImagePath();
    std::error_code ec;
    for (int i : deleted)
        std::filesystem::remove(folder / g_pConstantData->GetSenderBKImgName(i), ec);
    for (const auto& [from, to] : RenumberedSenders(senderCount, deleted)) {
        const std::filesystem::path source = folder / g_pConstantData->GetSenderBKImgName(from);
        if (std::filesystem::exists(source, ec))
            std::filesystem::rename(source, folder / g_pConstantData->GetSenderBKImgName(to), ec);
    }
}

} // namespace

void CSenderInfoTree::OnCommand(WPARAM code, LPARAM lParam)
{
    if (!g_pProjectData || !g_pRuntimeData || !g_pSenderLogic || !g_pModuleData)
        return;
    switch (code) {
    case TREE_CMD_ADD_SENDERS: AddSenders(static_cast<int>(lParam)); break;
    case TREE_CMD_DELETE: DeleteSelection(); break;
    case TREE_CMD_ADD_GROUP: AddGroup(lParam != 0); break;
    case TREE_CMD_RENAME: Rename(); break;
    case TREE_CMD_CHECK_NAME: CheckNameLength(); break;
    default: break;
    }
}

// ---- Adding ----------------------------------------------------------------------------

void CSenderInfoTree::AddGroup(bool moveSelected)
{
    const SSenderTreeNode* node = GetSelectedNode();
    if (!node || !(node->nType == TREE_NODE_ALL_SENDERS || (node->nType == TREE_NODE_SENDER && moveSelected)))
        return;
    const std::vector<int> senders = moveSelected ? SelectedSenders() : std::vector<int>();
    const std::string name
        = NewGroupName(GetLanguageString("SenderGroupAdd", "Layout"), g_pProjectData->GetSenderGroupCount());
    const std::string id = g_pProjectData->AddGroupInfo(name);
    for (int i : senders)
        if (CSender* sender = g_pProjectData->GetSender(i))
            sender->SetScBelongGroup(id);
    SNodeSelect select;
    select.nNodeType = TREE_NODE_GROUP;
    select.strGroupId = id;
    g_pRuntimeData->SetCurInterfaceNodeSelect(select);
    RememberSelection(TREE_NODE_GROUP, g_pProjectData->GetSenderGroupCount() - 1);
    Rebuild();
    SelectionToRuntime();
}

int CSenderInfoTree::AddOneSender(const std::string& groupId)
{
    const int index = g_pProjectData->NewSender();
    CSender* sender = index >= 0 ? g_pProjectData->GetSender(index) : nullptr;
    if (!sender)
        return -1;
    sender->SetScBelongGroup(groupId);
    g_pRuntimeData->SetAddGroupId(1, groupId);
    return index;
}

void CSenderInfoTree::AddSenders(int n)
{
    const int before = g_pProjectData->GetSenderCount();
    if (!CanAddSenders(before, n))
        return;
    const bool fixed = FixedAddressMode();
    int ports = 0;
    if (n < 0) {
        CCustomAddSenderDlg dlg(this);
        if (dlg.DoModal() != kAddDialogConfirmed)
            return;
        n = dlg.GetSenderCount();
        ports = dlg.GetPortCount();
    } else if (fixed && g_pConfigData->GetDetectStrategy() == DETECT_STRATEGY_SPECIFIED_IP) {
        // Every sender added needs its address.
        CSetIPOfflineDlg dlg(before + 1, n, 0, 0, this);
        if (dlg.DoModal() != kAddressDialogConfirmed)
            return;
    }
    // New senders join the selected group, or the group of the selected sender.
    const SSenderTreeNode* node = GetSelectedNode();
    std::string groupId;
    if (node && node->nType == TREE_NODE_GROUP)
        groupId = g_pProjectData->GetSenderGroupID(node->nIndex);
    else if (CSender* s = node && node->nType == TREE_NODE_SENDER ? g_pProjectData->GetSender(node->nIndex) : nullptr)
        groupId = s->GetScBelongGroup();
    std::vector<int> added;
    for (int k = 0; k < n; ++k) {
        const int index = AddOneSender(groupId);
        if (index < 0)
            break;
        added.push_back(index);
    }
    // The port count of the dialog is for the senders it added; the
    // senders there were keep their ports and the receivers on them.
    if (ports > 0 && !added.empty() && g_pProjectData->GetSender(added.front())->GetPortCount() != ports) {
        for (int i : added) {
            CSender* sender = g_pProjectData->GetSender(i);
            sender->SetPortCount(ports);
            if (sender->GetRecentPortIndex() < 0 || sender->GetRecentPortIndex() >= ports)
                sender->SetRecentPortIndex(0);
        }
    }
    if (node && node->nType == TREE_NODE_GROUP)
        g_pProjectData->SetGroupExpand(groupId, 1);
    if (fixed)
        DetectAgain(false);
    else
        g_pRuntimeData->SetAddGroupId(0, {});
    Rebuild();
}

// ---- Deleting --------------------------------------------------------------------------

void CSenderInfoTree::DeleteSelection()
{
    const SSenderTreeNode* node = GetSelectedNode();
    if (!node)
        return;
    if (node->nType == TREE_NODE_GROUP)
        DeleteGroup(*node);
    else if (node->nType == TREE_NODE_SENDER)
        DeleteSenders(SelectedSenders());
}

void CSenderInfoTree::DeleteGroup(const SSenderTreeNode& node)
{
    if (!node.children.empty()
        && AppMessageBox(GetParent(), GetLanguageString("SureToDeleteSenderGoup", "Control"),
                         MB_YESNO | MB_ICONQUESTION)
            != IDYES)
        return;
    const std::string id = g_pProjectData->GetSenderGroupID(node.nIndex);
    for (int i : g_pProjectData->GetSendersInGroup(id))
        if (CSender* sender = g_pProjectData->GetSender(i))
            sender->SetScBelongGroup({});
    g_pProjectData->DeleteSenderGroup(id);
    RememberSelection(TREE_NODE_ALL_SENDERS, -1);
    Rebuild();
    SelectionToRuntime();
}

void CSenderInfoTree::DeleteSenders(const std::vector<int>& senders)
{
    const int count = g_pProjectData->GetSenderCount();
    if (senders.empty() || count <= 0)
        return;
    std::vector<std::vector<int>> partners(static_cast<std::size_t>(count));
    for (int i : senders)
        if (i >= 0 && i < count)
            partners[static_cast<std::size_t>(i)] = BackupPartners(i);
    const SDeleteCheck check = CheckSenderDeletion(senders, count, partners);
    if (check.eRefusal == EDeleteRefusal::AllSenders) {
        AppMessageBox(GetParent(), GetLanguageString("DeleteAllSenderTips", "Control"), MB_ICONINFORMATION);
        return;
    }
    if (check.eRefusal == EDeleteRefusal::BackupPartner) {
        AppMessageBox(GetParent(),
                      BackupExistMessage(GetLanguageString("Sender", "Common"), check.lonely,
                                         GetLanguageString("BackupExist", "Control")),
                      MB_ICONINFORMATION);
        return;
    }
    const bool fixed = FixedAddressMode();
    // The senders' specified addresses, read while their indices still hold.
    std::vector<uint32_t> addresses;
    if (fixed) {
        const std::vector<uint32_t> setIPs = g_pRuntimeData->GetSetIPArray();
        for (int i : senders)
            if (i >= 0 && static_cast<std::size_t>(i) < setIPs.size())
                addresses.push_back(setIPs[static_cast<std::size_t>(i)]);
    }
    int deleted = 0;
    for (int index : DeletionSequence(senders))
        deleted += g_pProjectData->DeleteSender(index, 1, 0, fixed ? 1 : 0, GetParent()) ? 1 : 0;
    if (!deleted)
        return;
    if (senders.size() > 1)
        RenumberBackgroundImages(count, senders);
    if (fixed) {
        for (uint32_t address : addresses)
            g_pConfigData->DeleteSpecifiedIPByIP(address);
        g_pConfigData->SpecifiedIPsSave();
        DetectAgain(true);
    } else {
        g_pSenderLogic->NotifySenderListChanged();
    }
    // The sender that took the first deleted one's place is selected next.
    const int remaining = g_pProjectData->GetSenderCount();
    const int next = std::min(*std::min_element(senders.begin(), senders.end()), remaining - 1);
    if (next >= 0)
        RememberSelection(TREE_NODE_SENDER, next);
    else
        RememberSelection(TREE_NODE_ALL_SENDERS, -1);
    Rebuild();
    SelectionToRuntime();
}

void CSenderInfoTree::DetectAgain(bool withProgress)
{
    CWnd* owner = GetParent();
    auto* watcher = dynamic_cast<IProgressWatcherEx2*>(owner);
    const bool progress = withProgress && watcher
        && watcher->BeginProgress({GetLanguageString("Detecting", "Common"), {}, 0, kProgressEnd}) == 0;
    g_pSenderLogic->DetectSenders(owner, 0, progress ? kProgressEnd : 0, 1);
    if (progress)
        watcher->EndProgress();
}

// ---- Renaming --------------------------------------------------------------------------

void CSenderInfoTree::Rename()
{
    const HTREEITEM item = GetSelectedItem();
    const SSenderTreeNode* node = NodeOf(item);
    if (!node || item == GetRootItem() || (node->nType != TREE_NODE_GROUP && node->nType != TREE_NODE_SENDER))
        return;
    SetEditLabels(true);
    CTreeLabelEdit* edit = EditLabel(item);
    if (!edit)
        return;
    const bool group = node->nType == TREE_NODE_GROUP;
    edit->LimitText(group ? kGroupNameLimit : kSenderNameLimit);
    const std::string label = GetItemText(item);
    const std::string text = group ? GroupEditText(label) : SenderEditText(label, FixedAddressMode());
    edit->SetWindowText(text);
    m_strNameBeforeKey = text;
    edit->SetSel(0, -1);
}

void CSenderInfoTree::CheckNameLength()
{
    CTreeLabelEdit* edit = GetEditControl();
    const SSenderTreeNode* node = GetSelectedNode();
    if (!edit || !node || node->nType != TREE_NODE_SENDER)
        return;
    bool restored = false;
    const std::string kept = KeepNameWithinBytes(edit->GetWindowText(), m_strNameBeforeKey, kSenderNameBytes, restored);
    if (!restored)
        return;
    edit->SetWindowText(kept);
    const int end = Utf16Length(kept);
    edit->SetSel(end, end);
}

bool CSenderInfoTree::OnEndLabelEdit(HTREEITEM hItem, const std::string* pText)
{
    SetEditLabels(false);
    const SSenderTreeNode* node = NodeOf(hItem);
    if (!pText || !node || !g_pProjectData)
        return false;
    const std::string text = TrimName(*pText);
    const std::string label = GetItemText(hItem);
    if (node->nType == TREE_NODE_GROUP) {
        if (text.empty() || text == GroupEditText(label))
            return false;
        g_pProjectData->SetGroupName(g_pProjectData->GetSenderGroupID(node->nIndex), text);
    } else if (node->nType == TREE_NODE_SENDER) {
        const int i = node->nIndex;
        CSender* sender = g_pProjectData->GetSender(i);
        // Unchanged text leaves the label as it was, address and all.
        if (!sender || text == SenderEditText(label, FixedAddressMode()) || !g_pSenderLogic->IsNameSettable(i))
            return false;
        g_pSenderLogic->SetDeviceName(i, plat::CutUtf8(text, kSenderNameBytes));
        sender->SetSenderName(text);
        sender->ResetMonitorRenderParam(0);
    } else {
        return false;
    }
    Rebuild();
    return false;
}
