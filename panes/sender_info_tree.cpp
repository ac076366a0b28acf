// CSenderInfoTree: building, selection, the context click and drag and drop.
#include "panes/sender_info_tree.h"

#include "controls/density.h"
#include "host/hwbridge.h"
#include "host/vistrano_config.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/host_notify.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "panes/sender_tree_rules.h"

#include <algorithm>

namespace {

// The band at the top and bottom edge in which a drag scrolls the tree.
constexpr int kDragScrollBand = 20;

bool IsMonitoring() { return g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(); }

} // namespace

CSenderInfoTree::CSenderInfoTree() : m_nSingleSenderRenderType(kDefaultSingleSenderRenderType) {}

CSenderInfoTree::~CSenderInfoTree()
{
    m_dropTarget.Revoke();
    // The items' data point into the model: the items go first.
    DestroyWindow();
}

bool CSenderInfoTree::Create(CWnd* pParent, const CRect& rect, UINT nID)
{
    if (!CMorvSenderTreeCtrl::Create(pParent, rect, nID))
        return false;
    m_dropTarget.SetEventSink(this);
    m_dropTarget.Register(this);
    return true;
}

// ---- Building -------------------------------------------------------------------

SSenderTreeFacts CSenderInfoTree::GatherFacts() const
{
    SSenderTreeFacts facts;
    facts.strAllSenders = GetLanguageString("AllSender", "Common");
    for (const SSenderGroupInfo& g : g_pProjectData->GetAllSenderGroup())
        facts.groups.push_back({g.strId, g.strName});
    facts.bFiber = g_pModuleData->IsFiberSender() != 0;
    const bool monitoring = IsMonitoring();
    const int count = g_pProjectData->GetSenderCount();
    CModuleDataLock lock(*g_pModuleData);
    const CMonitorWarningData& warnings = g_pModuleData->GetWarningData();
    for (int i = 0; i < count; ++i) {
        STreeSenderFacts s;
        if (CSender* sender = g_pProjectData->GetSender(i))
            s.strGroupId = sender->GetScBelongGroup();
        s.strName = g_pSenderLogic->GetDisplayName(i);
        s.bDetected = g_pModuleData->IsSenderDetected(i) != 0;
        s.bBackupDest = g_pProjectData->IsSenderBackupDest(i) != 0;
        s.bWarning = monitoring
            && (warnings.HasSenderWarning(i)
                || (g_pModuleData->GetSenderStatusWord(i) == 0 && warnings.HasSenderRcvWarning(i, WARNING_ALL)));
        if (facts.bFiber) {
            const int pairs = g_pModuleData->GetSenderTreeValue(i);
            for (int p = 0; p < pairs; ++p)
                s.ports.push_back({g_pModuleData->IsPortConnected(i, 2 * p) != 0,
                                   g_pModuleData->IsPortConnected(i, 2 * p + 1) != 0,
                                   warnings.HasSenderFiberWarning(i, p) != 0});
        }
        facts.senders.push_back(std::move(s));
    }
    return facts;
}

void CSenderInfoTree::InsertNodes(const SSenderTreeNode& node, HTREEITEM hParent)
{
    for (const auto& child : node.children) {
        const std::string image
            = g_pRuntimeData->GetItemImage(child->nType, child->nFlag1, child->nFlag2, child->nFlag3);
        const HTREEITEM item = child->nType == TREE_NODE_SENDER
            ? InsertItem(child->strName, image, child->nFlag1 != 0, child->nFlag3 != 0, hParent, TVI_LAST)
            : InsertItem(child->strName, image, hParent, TVI_LAST);
        SetItemData(item, reinterpret_cast<uintptr_t>(child.get()));
        InsertNodes(*child, item);
    }
}

HTREEITEM CSenderInfoTree::FindItem(int type, int index) const
{
    std::vector<HTREEITEM> pending;
    for (HTREEITEM h = GetRootItem(); h; h = GetNextSiblingItem(h))
        pending.push_back(h);
    // Breadth first keeps a port from standing in for its sender.
    for (std::size_t k = 0; k < pending.size(); ++k) {
        const HTREEITEM h = pending[k];
        const SSenderTreeNode* node = NodeOf(h);
        if (node && node->nType == type && node->nIndex == index)
            return h;
        for (HTREEITEM c = GetChildItem(h); c; c = GetNextSiblingItem(c))
            pending.push_back(c);
    }
    return nullptr;
}

void CSenderInfoTree::ApplyExpansion(HTREEITEM hRemembered)
{
    const HTREEITEM first = GetRootItem();
    for (HTREEITEM h = first; h; h = GetNextSiblingItem(h)) {
        const SSenderTreeNode* node = NodeOf(h);
        if (node && node->nType == TREE_NODE_GROUP) {
            const std::string id = g_pProjectData->GetSenderGroupID(node->nIndex);
            Expand(h, g_pProjectData->GetGroupExpand(id) ? TVE_EXPAND : TVE_COLLAPSE);
        } else if (node && node->nType == TREE_NODE_ALL_SENDERS && hRemembered && ItemHasChildren(h)) {
            Expand(h, TVE_EXPAND);
        }
    }
    if (hRemembered && SelectItem(hRemembered)) {
        // A selected sender shows its ports.
        if (ItemHasChildren(hRemembered) && NodeOf(hRemembered)->nType == TREE_NODE_SENDER)
            Expand(hRemembered, TVE_EXPAND);
        return;
    }
    Expand(first, TVE_EXPAND);
    SelectItem(first);
}

void CSenderInfoTree::Rebuild()
{
    if (!IsWindow() || !g_pProjectData || !g_pModuleData)
        return;
    m_bRebuilding = true;
    // Monitoring rebuilds the tree every round: the rows stay where the user scrolled them.
    const int firstRow = GetScrollLine();
    SetRedraw(false);
    DeleteAllItems();
    m_root.reset();
    SetRedraw(true);
    m_root = BuildSenderTreeModel(GatherFacts());
    ApplyNodeCounts(*m_root, g_pProjectData->GetSenderCount());
    InsertNodes(*m_root, TVI_ROOT);
    const HTREEITEM remembered
        = FindItem(g_pRuntimeData->GetTreeCurSelNodeType(), g_pRuntimeData->GetTreeCurSelNodeIndex());
    ApplyExpansion(remembered);
    ScrollLines(firstRow - GetScrollLine());
    Invalidate();
    NotifyOwner(WM_SENDER_PANEL_STATES);
    m_bRebuilding = false;
}

const SSenderTreeNode* CSenderInfoTree::NodeOf(HTREEITEM hItem) const
{
    return hItem ? reinterpret_cast<const SSenderTreeNode*>(static_cast<uintptr_t>(GetItemData(hItem))) : nullptr;
}

const SSenderTreeNode* CSenderInfoTree::GetSelectedNode() const { return NodeOf(GetSelectedItem()); }

std::vector<int> CSenderInfoTree::SelectedSenders() const
{
    std::vector<int> senders;
    for (HTREEITEM h : GetSelectedItems())
        if (const SSenderTreeNode* node = NodeOf(h); node && node->nType == TREE_NODE_SENDER)
            senders.push_back(node->nIndex);
    return senders;
}

int CSenderInfoTree::GetShowSenders(std::vector<int>& senders) const
{
    senders.clear();
    const SSenderTreeNode* node = GetSelectedNode();
    if (!node)
        return 0;
    const int count = g_pProjectData ? g_pProjectData->GetSenderCount() : 0;
    senders
        = node->nType == TREE_NODE_SENDER && GetSelectedCount() > 1 ? SelectedSenders() : SendersOfNode(*node, count);
    return senders.empty() ? 0 : 1;
}

void CSenderInfoTree::SelectSender(int sender)
{
    const HTREEITEM item = FindItem(TREE_NODE_SENDER, sender);
    if (!item) {
        RememberSelection(TREE_NODE_SENDER, sender);
        Rebuild();
        return;
    }
    // The sender's page has set the record already: the tree follows it
    // without making a selection of its own.
    if (GetSelectedItem() != item || GetSelectedCount() != 1) {
        m_bBusy = true;
        SelectItem(item);
        m_bBusy = false;
        RememberSelection(TREE_NODE_SENDER, sender);
    }
    EnsureVisible(item);
}

void CSenderInfoTree::NotifyOwner(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CWnd* owner = GetParent())
        owner->SendMessage(message, wParam, lParam);
}

// ---- Selection --------------------------------------------------------------------

void CSenderInfoTree::RememberSelection(int type, int index)
{
    g_pRuntimeData->SetTreeCurSelNodeType(type == TREE_NODE_PORT ? TREE_NODE_SENDER : type);
    g_pRuntimeData->SetTreeCurSelNodeIndex(index);
}

void CSenderInfoTree::SelectionToRuntime()
{
    const HTREEITEM item = GetSelectedItem();
    const SSenderTreeNode* node = NodeOf(item);
    if (!node || !g_pProjectData || !g_pRuntimeData || !g_pModuleData)
        return;
    const SSenderTreeNode* sender = node->nType == TREE_NODE_PORT ? node->pParent : node;

    SNodeSelect select;
    select.nNodeType = node->nType;
    STreeSelection selection;
    selection.nType = node->nType;
    selection.nIndex = node->nIndex;
    selection.nSelectedCount = static_cast<int>(GetSelectedCount());
    if (node->nType == TREE_NODE_GROUP) {
        select.strGroupId = g_pProjectData->GetSenderGroupID(node->nIndex);
        g_pProjectData->SetGroupExpand(select.strGroupId, IsExpanded(item) ? 1 : 0);
        const std::vector<int> members = SendersOfNode(*node, 0);
        selection.nGroupFirstSender = members.empty() ? -1 : members.front();
    } else if (sender && sender->nType == TREE_NODE_SENDER) {
        if (CSender* s = g_pProjectData->GetSender(sender->nIndex)) {
            select.strGroupId = s->GetScBelongGroup();
            select.strSenderId = s->GetId();
        }
        if (node->nType == TREE_NODE_PORT)
            select.nPortIndex = node->nIndex;
        selection.nPortSender = sender->nIndex;
        g_pProjectData->SetCurrentSender(sender->nIndex);
    }
    g_pRuntimeData->SetCurInterfaceNodeSelect(select);
    RememberSelection(node->nType, sender ? sender->nIndex : node->nIndex);

    const SCurrentObject before = g_pModuleData->GetCurrentObject();
    const SCurrentObject after = RecordForSelection(before, selection, m_nSingleSenderRenderType);
    SetEditLabels(false);
    NotifyOwner(WM_SENDER_PANEL_STATES);
    if (after.nRenderType != RENDER_SENDER_BLOCKS && after.nRenderType != RENDER_BLOCK_GRID)
        m_nSingleSenderRenderType = after.nRenderType;
    if (after == before)
        return;
    g_pModuleData->SetCurrentObject(after.nScope, after.bValid, after.nRenderType, after.nSender, after.nPort);
    NotifyHost(UPDATE_ACTIVATE_NO_PANEL, 0, 1, 0);
}

void CSenderInfoTree::OnSelChanged(HTREEITEM /*hOld*/, HTREEITEM /*hNew*/)
{
    if (!m_bRebuilding && !m_bBusy)
        SelectionToRuntime();
}

bool CSenderInfoTree::OnItemDblClk(HTREEITEM /*hItem*/, CPoint /*point*/)
{
    SelectionToRuntime();
    return false;
}

// ---- Context click ------------------------------------------------------------------

void CSenderInfoTree::OnRButtonDown(UINT flags, CPoint pt)
{
    CMorvSenderTreeCtrl::OnRButtonDown(flags, pt);
    if (g_pConfigData && g_pRuntimeData && g_pConfigData->IsInterfaceLocked(g_pRuntimeData->GetCurInterfaceDlg()))
        return;
    UINT hit = 0;
    const HTREEITEM item = HitTest(pt, &hit);
    if (!item || !(hit & TVHT_ONITEM))
        return;
    // A click outside the selection makes the clicked item the selection.
    if (!IsItemSelected(item))
        SelectItem(item);
    NotifyOwner(WM_SENDER_TREE_MENU, GetSelectedCount() > 1 ? 1 : 0, reinterpret_cast<LPARAM>(NodeOf(item)));
}

void CSenderInfoTree::OnItemRClick(HTREEITEM /*hItem*/, CPoint /*point*/)
{
    // The menu opened on the press already.
}

// ---- Drag and drop -------------------------------------------------------------------

void CSenderInfoTree::OnBeginDrag(HTREEITEM hItem, CPoint /*point*/)
{
    const SSenderTreeNode* node = NodeOf(hItem);
    if (!node || node->nType != TREE_NODE_SENDER)
        return;
    COleDataSource source;
    source.CacheData(CF_TEXT, {});
    source.DoDragDrop(this, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
}

DROPEFFECT CSenderInfoTree::OnDragEnter(CWnd* /*pWnd*/, COleDataObject* pDataObject, DWORD /*dwKeyState*/, CPoint point)
{
    const SSenderTreeNode* first = GetSelectedItems().empty() ? nullptr : NodeOf(GetSelectedItems().front());
    if (m_bDragging || !first || first->nType != TREE_NODE_SENDER)
        return DROPEFFECT_NONE;
    m_bDragging = true;
    m_draggedSenders = SelectedSenders();
    if (!pDataObject || !pDataObject->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;
    return OnDragOver(this, pDataObject, 0, point);
}

DROPEFFECT CSenderInfoTree::OnDragOver(CWnd* /*pWnd*/, COleDataObject* pDataObject, DWORD /*dwKeyState*/, CPoint point)
{
    DragAutoScroll(point, morv::Scale(kDragScrollBand));
    if (!m_bDragging || !pDataObject || !pDataObject->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;
    // Only the all-senders item and the groups take senders.
    const SSenderTreeNode* target = NodeOf(HitTest(point));
    const bool takes = target && (target->nType == TREE_NODE_ALL_SENDERS || target->nType == TREE_NODE_GROUP);
    return takes ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
}

DROPEFFECT CSenderInfoTree::OnDropEx(CWnd* /*pWnd*/, COleDataObject* /*pDataObject*/, DROPEFFECT /*dropDefault*/,
                                     DROPEFFECT /*dropList*/, CPoint point)
{
    m_bDragging = false;
    const SSenderTreeNode* target = NodeOf(HitTest(point));
    if (!target || (target->nType != TREE_NODE_ALL_SENDERS && target->nType != TREE_NODE_GROUP))
        return DROPEFFECT_NONE;
    MoveSendersTo(*target);
    return DROPEFFECT_MOVE;
}

int CSenderInfoTree::OnDrop(CWnd* /*pWnd*/, COleDataObject* /*pDataObject*/, DROPEFFECT /*dropEffect*/,
                            CPoint /*point*/)
{
    return 0;
}

void CSenderInfoTree::OnDragLeave(CWnd* /*pWnd*/)
{
    m_bDragging = false;
    m_draggedSenders.clear();
}

void CSenderInfoTree::MoveSendersTo(const SSenderTreeNode& target)
{
    const std::string groupId
        = target.nType == TREE_NODE_GROUP ? g_pProjectData->GetSenderGroupID(target.nIndex) : std::string();
    const std::vector<int> senders = std::move(m_draggedSenders);
    m_draggedSenders.clear();
    // Senders already under the target stay where they are; the others move.
    for (int i : senders)
        if (CSender* sender = g_pProjectData->GetSender(i); sender && sender->GetScBelongGroup() != groupId)
            sender->SetScBelongGroup(groupId);
    if (!groupId.empty())
        g_pProjectData->SetGroupExpand(groupId, 1);
    Rebuild();
    SelectionToRuntime();
}

LRESULT CSenderInfoTree::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TREE_COMMAND) {
        OnCommand(wParam, lParam);
        return 0;
    }
    return CMorvSenderTreeCtrl::WindowProc(message, wParam, lParam);
}
