#pragma once
// CLabelMonitorDlg: the monitoring page. A borderless child of the host's
// page area that owns the six panes, places them, and passes the host's
// refresh requests on to the panes an update mask names. It has no
// controls of its own; all data lives in the page state and the host.
#include "controls/base_dlg.h"
#include "host/quarn_label.h"

class CToolBarDlg;
class CTargetSelectDlg;
class CSenderSelectDlg;
class CMainViewDlg;
class CScrollBarDlg;
enum class EPane;

class CLabelMonitorDlg final : public CMorvBaseDlg, public IQuarnLabel {
public:
    CLabelMonitorDlg();
    ~CLabelMonitorDlg() override;

    // ---- IQuarnLabel, in slot order -------------------------------------------
    int Activate() override;
    void MoveTo(CRect rect) override;
    void Release() override;
    void Reserved3() override;
    int ApplyLanguage() override;
    void ReloadImages() override;
    int Update(int32_t mask, int32_t word, int32_t relayout) override;
    int Show(int32_t show) override;
    int IsShown() override;
    int Reserved9() override;
    int Reserved10() override;
    int Reserved11(const std::string& text) override;
    void Reserved12() override;
    void Reserved13() override;
    int Reserved14(int32_t a) override;
    void Reserved15(int32_t a) override;
    int Reserved16(int32_t a, int32_t b) override;
    int Reserved17(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) override;
    int Reserved18(int32_t a, int32_t b, int32_t c, int32_t d) override;
    int Reserved19(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) override;
    int Reserved20(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) override;
    void Reserved21(int32_t a) override;
    void Reserved22() override;
    int Reserved23() override;
    int Reserved24(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) override;
    int Reserved25(int32_t a, int32_t b, const std::string& text, int32_t c, int32_t d) override;
    void Reserved26(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) override;
    void Reserved27(int32_t a) override;
    void Reserved28(const std::string& text1, int32_t a, int32_t b, int32_t c, int32_t d,
                    const std::string& text2) override;

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
    CScrollBarDlg* m_pHScroll = nullptr;   // orientation 0
    CScrollBarDlg* m_pVScroll = nullptr;   // orientation 1
    int m_bInitialised = 0;     // set by the first refresh, cleared by the first activation
    int m_bInFirstRefresh = 0;
};
