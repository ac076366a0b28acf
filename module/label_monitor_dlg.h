#pragma once
// CLabelMonitorDlg: the monitoring page. A borderless child of the host's
// page area that owns the six panes, places them, and passes the host's
// refresh requests on to the panes an update mask names. It has no
// controls of its own; all data lives in the page state and the host.
#include "controls/base_dlg.h"
#include "host/quarn_label_reserved.h"

class CToolBarDlg;
class CTargetSelectDlg;
class CSenderSelectDlg;
class CMainViewDlg;
class CScrollBarDlg;
enum class EPane;

class CLabelMonitorDlg final : public CMorvBaseDlg, public CQuarnLabelReserved {
public:
    CLabelMonitorDlg();
    ~CLabelMonitorDlg() override;

    // ---- IQuarnLabel, in slot order -------------------------------------------
    int Activate() override;
    void MoveTo(CRect rect) override;
    void Release() override;
    int ApplyLanguage() override;
    void ReloadImages() override;
    int Update(int32_t mask, int32_t word, int32_t relayout) override;
    int Show(int32_t show) override;
    int IsShown() override;

    // ---- Page operations used by the panes ------------------------------------
    // Starts the target pane's blink timer.
    void StartTargetBlink();
    // The base dialog's language pass, then a refresh of every pane.
    int SetLanguage() override;

    // Places the panes in the client rectangle; 0 until they exist.
    int LayoutPanes(const CRect& client, int suspendRedraw);
    // Refreshes the panes the mask names; 0 until they exist.
    int RefreshPanes(int32_t mask);

    CToolBarDlg* GetToolBar() const { return m_pToolBar; }
    CTargetSelectDlg* GetTargetSelect() const { return m_pTargetSelect; }
    CSenderSelectDlg* GetSenderSelect() const { return m_pSenderSelect; }
    CMainViewDlg* GetMainView() const { return m_pMainView; }
    CScrollBarDlg* GetHScroll() const { return m_pHScroll; }
    CScrollBarDlg* GetVScroll() const { return m_pVScroll; }
    int IsInitialised() const { return m_bInitialised; }

protected:
    int OnSetBaseDlgInfo() override;
    int InitControls() override;
    int InitFinish() override;
    // The host's Ctrl shortcuts from any pane that lets its key presses
    // through; a shortcut handed to the host goes no further.
    bool PreTranslateMessage(MSG* msg) override;

private:
    void CreatePanes();
    void DestroyPanes();
    CWnd* PaneWindow(EPane pane) const;
    void RefreshPane(EPane pane);

    int m_bPanesCreated = 0;
    CToolBarDlg* m_pToolBar = nullptr;
    CTargetSelectDlg* m_pTargetSelect = nullptr;
    CSenderSelectDlg* m_pSenderSelect = nullptr;
    CMainViewDlg* m_pMainView = nullptr;
    CScrollBarDlg* m_pHScroll = nullptr; // orientation 0
    CScrollBarDlg* m_pVScroll = nullptr; // orientation 1
    int m_bInitialised = 0;              // set by the first refresh, cleared by the first activation
    int m_bInFirstRefresh = 0;
};
