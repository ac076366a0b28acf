#pragma once
// CToolBarDlg: the strip of buttons along the top of the monitoring page.
// It opens and saves the host's project, loads a project from a sender's
// card and saves it to the cards, starts and stops monitoring (a stop
// detects the devices again, with a progress window), opens the monitoring
// settings and the monitoring log, switches between the normal and the
// move mode, toggles the navigation overlay and sets the zoom of the
// current sender. Along its lower edge it draws a double line and, at its
// right end, the name of the device the detection works on.
//
// The page lays it out on resize and asks it to refresh its states
// (UPDATE_TOOLBAR) whenever the monitoring state, the selection or the zoom
// may have changed. Timer 1 polls the page state for new monitor data.
#include "controls/base_dlg.h"
#include "controls/button_bar.h"

// Window messages the toolbar handles.
constexpr UINT WM_TOOLBAR_DETECT = 0x1D02;       // detect the devices, with progress
constexpr UINT WM_TOOLBAR_TARGET_BLINK = 0x1D03; // start the target pane's blink timer

class CToolBarDlg : public CMorvBaseDlg {
public:
    // Polls the page state for new monitor data.
    static constexpr UINT kDataPollTimer = 1;
    static constexpr UINT kDataPollPeriodMs = 10;

    explicit CToolBarDlg(CWnd* parent);
    ~CToolBarDlg() override;

    // Places the bar's items in the client area and sets their images
    // (also how the page reloads the skin images); enabled and checked
    // states stay as the last refresh set them.
    void Layout();
    // Brings the items' states up to date (UPDATE_TOOLBAR); a refresh asked
    // for while one runs is skipped.
    void RefreshStates();
    // The texts again, then the states.
    int SetLanguage() override;

protected:
    int InitControls() override;
    // While monitoring runs, new monitor data in the page state ends the
    // wait cursor and asks the host to refresh the whole page.
    void OnTimer(UINT id) override;
    void OnSize(UINT type, int cx, int cy) override;
    // The skin, the items, a double line along the lower edge and the
    // device label.
    void OnPaint(ICanvas& dc, const CRect& dirty) override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG* msg) override;

    void OnBarItemClick(CMorvButtonBar& bar, int item) override;
    void OnBarItemSelect(CMorvButtonBar& bar, int item) override;
    bool OnBarItemWheel(CMorvButtonBar& bar, int item, short delta) override;

private:
    void ReadTooltips();
    // Commands of the items.
    void LoadFromCard();
    void SaveToCard();
    void OpenSettings();
    void StartMonitoring();
    // Stop (true) stops monitoring first; both detect the devices again
    // with a progress window.
    void DetectDevices(bool stop);
    void OpenZoomMenu();
    void ApplyZoom(int percent);
    // The sender picked from the load-from-card menu, -1 when none.
    int PickCardSender();
    // A screen point at the lower-left corner of an item.
    CPoint BelowItem(int item) const;
    void BeginWait();
    void EndWait();
    std::string DeviceLabel() const;

    CMorvButtonBar m_bar;
    bool m_bRefreshing = false;
    bool m_bWaitCursor = false;
};
