#pragma once
// CSenderInfoTree: the sender tree inside the sender panel. It rebuilds
// its node model from the project after every change, turns the user's
// selection into the host's runtime selection and the page state's
// current-object record, carries out the panel's commands (message 0x2487)
// and moves senders between groups by drag and drop.
#include "controls/drop_target.h"
#include "controls/sender_tree.h"
#include "panes/sender_panel_messages.h"
#include "panes/sender_tree_model.h"

#include <memory>
#include <string>
#include <vector>

class CSenderInfoTree : public CMorvSenderTreeCtrl, public IOleDropTargetEvent {
public:
    CSenderInfoTree();
    ~CSenderInfoTree() override;

    // Creates the tree window and registers it for drops.
    bool Create(CWnd* pParent, const CRect& rect, UINT nID);

    // Rebuilds the model and the items from the project, keeping the
    // host's remembered selection and the groups' expanded states.
    void Rebuild();
    // The node of an item (null for none), and of the selected item.
    const SSenderTreeNode* NodeOf(HTREEITEM hItem) const;
    const SSenderTreeNode* GetSelectedNode() const;
    // The senders the selection names (ISenderSelection).
    int GetShowSenders(std::vector<int>& senders) const;
    // Selects the item of a sender for a pane that has made it current and
    // set the record (message 0x246C); rebuilds when it has no item.
    void SelectSender(int sender);
    // The label text before the key being typed into the rename edit.
    void SetNameBeforeKey(std::string text) { m_strNameBeforeKey = std::move(text); }

    // IOleDropTargetEvent
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    int OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSelChanged(HTREEITEM hOld, HTREEITEM hNew) override;
    bool OnItemDblClk(HTREEITEM hItem, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint pt) override;
    void OnItemRClick(HTREEITEM hItem, CPoint point) override;
    void OnBeginDrag(HTREEITEM hItem, CPoint point) override;
    bool OnEndLabelEdit(HTREEITEM hItem, const std::string* pText) override;

private:
    // Building.
    SSenderTreeFacts GatherFacts() const;
    void InsertNodes(const SSenderTreeNode& node, HTREEITEM hParent);
    HTREEITEM FindItem(int type, int index) const;
    void ApplyExpansion(HTREEITEM hRemembered);

    // The selection to the host's runtime selection and the record.
    void SelectionToRuntime();
    // Makes a node the host's remembered selection (a rebuild selects it).
    static void RememberSelection(int type, int index);
    std::vector<int> SelectedSenders() const;
    void NotifyOwner(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Commands (sender_info_tree_commands.cpp).
    void OnCommand(WPARAM code, LPARAM lParam);
    void AddGroup(bool moveSelected);
    void AddSenders(int n);
    int AddOneSender(const std::string& groupId);
    void DeleteSelection();
    void DeleteGroup(const SSenderTreeNode& node);
    void DeleteSenders(const std::vector<int>& senders);
    void DetectAgain(bool withProgress);
    void Rename();
    void CheckNameLength();
    void MoveSendersTo(const SSenderTreeNode& target);

    std::unique_ptr<SSenderTreeNode> m_root;
    COleDropTargetEx m_dropTarget;
    int m_nSingleSenderRenderType;
    std::string m_strNameBeforeKey;
    bool m_bDragging = false;
    std::vector<int> m_draggedSenders;
    bool m_bRebuilding = false;
    bool m_bBusy = false; // following a selection made elsewhere
};
