// CLabelMonitorDlg: the page's life, its panes and the acting slots of
// IQuarnLabel. The reserved slots keep the fixed answers of CQuarnLabelReserved.
#include "module/label_monitor_dlg.h"

#include "module/host_shortcuts.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/pane_layout.h"
#include "module/place_pane.h"
#include "module/update_mask.h"
#include "panes/scroll_bar_dlg.h"
#include "panes/sender_select_dlg.h"
#include "panes/target_select_dlg.h"
#include "panes/toolbar_dlg.h"
#include "view/main_view_dlg.h"

namespace {

// Dialog templates of the panes.
constexpr UINT kToolBarTemplate = 2008;
constexpr UINT kTargetSelectTemplate = 2012;
constexpr UINT kSenderSelectTemplate = 2011;
constexpr UINT kScrollBarTemplate = 142;
constexpr UINT kMainViewTemplate = 2010;

// Makes one pane, once: constructed with the page as parent, created as
// its child from the template, and hidden at once (the layout shows it).
template <class TPane>
TPane* MakePane(TPane* existing, CWnd* page, UINT templateId)
{
    if (existing)
        return existing;
    auto* pane = new TPane(page);
    pane->Create(templateId, page);
    pane->ShowWindow(SW_HIDE);
    return pane;
}

// Ends one pane: its window first, then the object.
template <class TPane>
void EndPane(TPane*& pane)
{
    if (!pane)
        return;
    if (pane->IsWindow())
        pane->DestroyWindow();
    delete pane;
    pane = nullptr;
}

} // namespace

CLabelMonitorDlg::CLabelMonitorDlg() = default;

CLabelMonitorDlg::~CLabelMonitorDlg() { DestroyPanes(); }

int CLabelMonitorDlg::OnSetBaseDlgInfo()
{
    // A borderless child page without a title of its own.
    SetBaseDlgInfo(0, 1);
    return 1;
}

int CLabelMonitorDlg::InitControls()
{
    CreatePanes();
    SetLanguage();
    return 1;
}

int CLabelMonitorDlg::InitFinish()
{
    LayoutPanes(GetClientRect(), 1);
    if (g_pModuleData)
        g_pModuleData->ClearSenderWords();
    m_bInFirstRefresh = 1;
    Update(UPDATE_ALL, 0, 0);
    m_bInitialised = 1;
    m_bInFirstRefresh = 0;
    return 1;
}

bool CLabelMonitorDlg::PreTranslateMessage(MSG* msg)
{
    if (PassHostShortcut(*msg))
        return true;
    return CMorvBaseDlg::PreTranslateMessage(msg);
}

int CLabelMonitorDlg::SetLanguage()
{
    CMorvBaseDlg::SetLanguage();
    return RefreshPanes(UPDATE_ALL);
}

void CLabelMonitorDlg::CreatePanes()
{
    m_pToolBar = MakePane(m_pToolBar, this, kToolBarTemplate);
    m_pTargetSelect = MakePane(m_pTargetSelect, this, kTargetSelectTemplate);
    m_pSenderSelect = MakePane(m_pSenderSelect, this, kSenderSelectTemplate);
    if (g_pModuleData)
        g_pModuleData->SetSenderPanel(m_pSenderSelect);
    if (!m_pVScroll) {
        m_pVScroll = MakePane(m_pVScroll, this, kScrollBarTemplate);
        m_pVScroll->SetOrientation(CScrollBarDlg::kVertical);
    }
    if (!m_pHScroll) {
        m_pHScroll = MakePane(m_pHScroll, this, kScrollBarTemplate);
        m_pHScroll->SetOrientation(CScrollBarDlg::kHorizontal);
    }
    m_pMainView = MakePane(m_pMainView, this, kMainViewTemplate);
    m_bPanesCreated = 1;
    // The marks blink whenever monitoring runs, also under a host that
    // never asks for it (message 0x1D03 to the toolbar starts it again).
    StartTargetBlink();
}

void CLabelMonitorDlg::DestroyPanes()
{
    // The page state must not keep reaching a panel that is gone.
    if (g_pModuleData && m_pSenderSelect && g_pModuleData->GetSenderPanel() == m_pSenderSelect)
        g_pModuleData->SetSenderPanel(nullptr);
    EndPane(m_pToolBar);
    EndPane(m_pTargetSelect);
    EndPane(m_pSenderSelect);
    EndPane(m_pMainView);
    EndPane(m_pHScroll);
    EndPane(m_pVScroll);
    m_bPanesCreated = 0;
}

CWnd* CLabelMonitorDlg::PaneWindow(EPane pane) const
{
    switch (pane) {
    case EPane::ToolBar: return m_pToolBar;
    case EPane::TargetSelect: return m_pTargetSelect;
    case EPane::SenderPanel: return m_pSenderSelect;
    case EPane::MainView: return m_pMainView;
    case EPane::VScroll: return m_pVScroll;
    case EPane::HScroll: return m_pHScroll;
    }
    return nullptr;
}

int CLabelMonitorDlg::LayoutPanes(const CRect& client, int suspendRedraw)
{
    if (!m_bPanesCreated)
        return 0;
    const bool expanded = g_pModuleData && g_pModuleData->GetSenderPanelExpanded();
    for (const SPanePlace& place : ComputePaneLayout(client, g_dDpiScale, expanded))
        PlacePane(*this, PaneWindow(place.ePane), place.rect, suspendRedraw);
    return 1;
}

void CLabelMonitorDlg::RefreshPane(EPane pane)
{
    switch (pane) {
    case EPane::SenderPanel:
        if (m_pSenderSelect)
            m_pSenderSelect->Refresh(m_bInFirstRefresh ? 0 : 1, -1);
        break;
    case EPane::TargetSelect:
        if (m_pTargetSelect)
            m_pTargetSelect->Layout();
        break;
    case EPane::MainView:
        if (m_pMainView)
            m_pMainView->Refresh();
        break;
    case EPane::ToolBar:
        if (m_pToolBar)
            m_pToolBar->RefreshStates();
        break;
    case EPane::HScroll:
        if (m_pHScroll)
            m_pHScroll->Refresh();
        break;
    case EPane::VScroll:
        if (m_pVScroll)
            m_pVScroll->Refresh();
        break;
    }
}

int CLabelMonitorDlg::RefreshPanes(int32_t mask)
{
    if (!m_bPanesCreated)
        return 0;
    for (EPane pane : PanesToRefresh(static_cast<uint32_t>(mask)))
        RefreshPane(pane);
    return 1;
}

void CLabelMonitorDlg::StartTargetBlink()
{
    if (m_pTargetSelect)
        m_pTargetSelect->SetTimer(CTargetSelectDlg::kBlinkTimer, CTargetSelectDlg::kBlinkPeriodMs);
}

// ---- IQuarnLabel -------------------------------------------------------------------

int CLabelMonitorDlg::Activate()
{
    // The first activation follows the first refresh and leaves the page
    // state alone; later ones end any demarcation first.
    if (!m_bInitialised && g_pModuleData) {
        g_pModuleData->SetDemarcationKey(-1, -1, -1);
        g_pModuleData->SetDemarcationOn(0);
    }
    const int result = RefreshPanes(UPDATE_ACTIVATE);
    m_bInitialised = 0;
    return result;
}

void CLabelMonitorDlg::MoveTo(CRect rect)
{
    if (!g_pLabelDlg)
        return;
    MoveWindow(rect, true);
}

void CLabelMonitorDlg::Release()
{
    CLabelMonitorDlg* page = g_pLabelDlg;
    if (!page)
        return;
    // Cleared first, so nothing reaches the page while it is taken down.
    g_pLabelDlg = nullptr;
    if (page->IsWindow())
        page->DestroyWindow();
    delete page;
}

int CLabelMonitorDlg::ApplyLanguage() { return SetLanguage(); }

void CLabelMonitorDlg::ReloadImages()
{
    if (m_pToolBar)
        m_pToolBar->Layout();
    if (m_pSenderSelect)
        m_pSenderSelect->ReloadImages();
    if (m_pMainView)
        m_pMainView->ReloadImages();
}

int CLabelMonitorDlg::Update(int32_t mask, int32_t /*word*/, int32_t relayout)
{
    if (relayout)
        LayoutPanes(GetClientRect(), 1);
    return RefreshPanes(mask);
}

int CLabelMonitorDlg::Show(int32_t show) { return ShowWindow(show ? SW_SHOW : SW_HIDE) ? 1 : 0; }

int CLabelMonitorDlg::IsShown() { return IsWindowVisible() ? 1 : 0; }
