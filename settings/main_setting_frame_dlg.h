#pragma once
// CMainSettingFrameDlg: the modal frame of the monitoring settings: a
// navigation column (general, sender, receiver, e-mail; no receiver item
// for a fibre sender), the settings page (CMainSettingDlg) beside it and a
// vertical scroll bar running 0 to 100 over the part of the page the view
// does not show. It has no OK button: its close button, Escape and the
// window's close box end it with 2, after the page has taken in what is
// typed; Enter takes it in and keeps the frame open. The caller then
// stores the page's working copy (settings/settings_store.h).
#include "controls/base_dlg.h"
#include "controls/button_bar.h"
#include "controls/scroll_bar.h"
#include "settings/main_setting_dlg.h"

class CMainSettingFrameDlg : public CMorvBaseDlg {
public:
    // Control indices; the scroll bar is the window with item id kScrollBar,
    // the navigation the dialog's button bar (items 0 to 3 for items 1 to 4).
    enum { kClose = 0, kTitle = 1, kScrollBar = 10 };
    // Navigation items, 1-based as the toolbar names them.
    enum { kGeneralItem = 1, kSenderItem = 2, kReceiverItem = 3, kMailItem = 4 };

    // initialItem: the section to open at (1 to 4); 0 opens at the top.
    CMainSettingFrameDlg(CWnd* pParent, int initialItem);

    // The page; after the frame closed, its working copy is what to store.
    CMainSettingDlg& GetPage() { return m_page; }

    // Shows section `item`'s title 20 pixels below the top of the view.
    void Navigate(int item);
    // One wheel turn (delta as the wheel message gives it).
    void Wheel(int delta);

protected:
    int OnSetBaseDlgInfo() override;
    int InitControls() override;
    int InitFinish() override;
    int SetLanguage() override;
    void OnClickButton(int index) override;
    void OnBarItemClick(CMorvButtonBar& bar, int item) override;
    bool OnMouseWheel(UINT flags, short delta, CPoint pt) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Enter takes in what is typed and leaves the frame open.
    void OnOK() override;
    void OnCancel() override;

private:
    int ViewHeight() const;
    int Scrollable() const;
    void ScrollTo(int position);
    void PageHeightChanged();
    void SelectItem(int item);
    void SetItemCaptions();
    void End();

    bool m_bFiber;
    int m_nInitialItem;
    CMainSettingDlg m_page;
    CMorvButtonBar m_navigation;
    CMorvScrollBar m_scrollBar;
};
