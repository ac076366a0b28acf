#pragma once
// CSenderSelectDlg: the left-hand panel of the page, with its button bar
// over the sender tree. The page state reaches the tree through it.
#include "controls/base_dlg.h"

#include <vector>

class CSenderSelectDlg : public CMorvBaseDlg {
public:
    explicit CSenderSelectDlg(CWnd* parent);

    // Refreshes the panel (UPDATE_SENDER_PANEL): the page passes 1 (0
    // during its first refresh) and -1.
    void Refresh(int nNotify, int nSender);
    // Reloads the skin images and re-applies the expanded or collapsed state.
    void ReloadImages();
    // The senders the view shows, from the tree's selection; answers
    // nonzero when there are any.
    int GetShowSenders(std::vector<int>& senders) const;

    int GetRefreshCount() const { return m_nRefreshCount; }
    // The first argument of the last refresh.
    int GetLastRefreshNotify() const { return m_nLastNotify; }

protected:
    // The skin, with a separator towards the view on the right.
    void OnPaint(ICanvas& dc, const CRect& dirty) override;

private:
    int m_nRefreshCount = 0;
    int m_nLastNotify = 0;
};
