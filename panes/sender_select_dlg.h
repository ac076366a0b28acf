#pragma once
// CSenderSelectDlg: the left-hand panel of the page: a small button bar
// over the sender tree, with the current sender's name between them. It
// turns button clicks, keys and context-menu choices into commands for the
// tree, the hardware and the host, and answers the page state which
// senders the view shows.
#include "controls/base_dlg.h"
#include "controls/button_bar.h"
#include "module/sender_selection.h"
#include "panes/sender_info_tree.h"

#include <climits>
#include <vector>

struct SSenderTreeNode;

class CSenderSelectDlg : public CMorvBaseDlg, public ISenderSelection {
public:
    // Bar items.
    enum EItem {
        ItemAdd = 1,
        ItemRename = 2,
        ItemDelete = 3,
        ItemSeparator = 4,
        ItemRefresh = 5,
        ItemFold = 6,
        ItemExpand = 7,
        ItemCount = 8
    };
    // Control-table entry of the current sender's name.
    static constexpr int kNameLabel = 1;
    // Dialog item id of the tree.
    static constexpr UINT kTreeId = 3001;
    // Re-enables the refresh button once a detection is over.
    static constexpr UINT kRefreshTimer = 1;

    explicit CSenderSelectDlg(CWnd* parent);
    ~CSenderSelectDlg() override;

    // Refreshes the panel (UPDATE_SENDER_PANEL): rebuilds the tree from the
    // project and brings the buttons up to date. nNotify is 1 (0 during the
    // page's first refresh, which asks the host for nothing).
    void Refresh(int nNotify, int nSender);
    // Reloads the skin images and re-applies the expanded or collapsed state.
    void ReloadImages();
    // ISenderSelection
    int GetShowSenders(std::vector<int>& senders) const override;
    // Sends itself message 0x246C.
    void SelectSenderNode(int nodeType, int sender) override;

protected:
    int InitControls() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT id) override;
    void OnBarItemClick(CMorvButtonBar& bar, int item) override;
    // The skin, with a separator towards the view on the right.
    void OnPaint(ICanvas& dc, const CRect& dirty) override;

private:
    void SetTexts();
    void Layout();
    void RefreshStates(bool notifyHost = true);
    void PostToTree(WPARAM command, LPARAM lParam = 0);
    int SenderLimit() const;

    void ShowAddMenu();
    void ShowContextMenu(bool several, const SSenderTreeNode* node);
    void RunMenuCommand(unsigned id, bool several);
    void AddSenders(int n);
    void AddGroupAndRename(bool moveSelected);
    void SetPortOutput(int mode);
    void RefreshDetection();

    CMorvButtonBar m_bar;
    CSenderInfoTree m_tree;
    // The current sender at the last refresh of the states; none yet.
    int m_nLastSender = INT_MIN;
    CPoint m_ptLastPress;
};
