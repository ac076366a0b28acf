#include "view/main_view_dlg.h"

#include "controls/button_bar.h"
#include "controls/density.h"
#include "controls/skin.h"
#include "host/host_enums.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "panes/pane_paint.h"
#include "video/video_input_set_dlg.h"
#include "view/view_render.h"

CMainViewDlg::CMainViewDlg(CWnd* parent) : CMorvBaseDlg(0, parent)
{
    // The view's background, RGB 241, 247, 255.
    SetBackgroundColor(PaneColors().clrBackground);
}

CMainViewDlg::~CMainViewDlg() = default;

int CMainViewDlg::InitControls()
{
    m_render = std::make_unique<CViewRender>();
    m_inputBar = std::make_unique<CMorvButtonBar>(this, 1);
    m_inputBar->SetItemVisible(0, false);
    PlaceInputButton();
    SetLanguage();
    return 1;
}

int CMainViewDlg::SetLanguage()
{
    if (m_inputBar)
        m_inputBar->SetItemCaption(0, GetLanguageText("Set", "Common") + "...");
    return CMorvBaseDlg::SetLanguage();
}

void CMainViewDlg::PlaceInputButton()
{
    m_inputBar->SetItemRect(0, {morv::Scale(50), morv::Scale(50), morv::Scale(150), morv::Scale(74)});
}

void CMainViewDlg::Refresh()
{
    m_mouse.OnLayoutChanged();
    PaintView();
    Invalidate();
}

void CMainViewDlg::ReloadImages()
{
    if (m_render) {
        m_render->ReloadImages();
        PlaceInputButton();
        PaintView();
    }
    Invalidate();
}

void CMainViewDlg::TakeOpenedProject()
{
    if (!g_pRuntimeData || !g_pModuleData || g_pRuntimeData->GetCurInterfaceDlg() != INTERFACE_DLG_MONITOR
        || !g_pRuntimeData->GetOpenPrjRefresh())
        return;
    // A newly opened project shows every sender block in the grid first,
    // and nothing of it is under the mouse yet: the old hover key would
    // draw the cabling path of the port with the same numbers. The record's
    // sender is the new project's current one: the old project's sender
    // would outlive it (and could lie outside the new one).
    const SCurrentObject o = g_pModuleData->GetCurrentObject();
    const int sender = g_pProjectData ? g_pProjectData->GetCurSenderIndex() : o.nSender;
    g_pModuleData->SetCurrentObject(o.nScope, o.bValid, RENDER_BLOCK_GRID, sender, o.nPort);
    g_pModuleData->ForgetHover();
    g_pRuntimeData->SetOpenPrjRefresh(0);
}

void CMainViewDlg::PaintView()
{
    if (!m_render || !IsWindow())
        return;
    TakeOpenedProject();
    const CRect client = GetClientRect();
    if (client != m_render->GetClientRect()) {
        // A new size lays every sender out afresh.
        if (g_pProjectData)
            for (int i = 0; i < g_pProjectData->GetSenderCount(); ++i)
                if (CSender* s = g_pProjectData->GetSender(i))
                    s->ResetMonitorRenderParam(0);
        m_render->Prepare(client);
    }
    m_render->Paint();
    m_inputBar->SetItemVisible(0, m_render->IsInputButtonShown());
}

void CMainViewDlg::OnPaint(ICanvas& dc, const CRect& /*dirty*/)
{
    if (!m_render || GetClientRect() != m_render->GetClientRect())
        PaintView();
    if (m_render && m_render->GetSurface())
        dc.DrawSurface(*m_render->GetSurface(), {0, 0});
    else
        dc.FillRect(GetClientRect(), GetBackgroundColor());
    if (m_inputBar)
        m_inputBar->Draw(dc);
}

void CMainViewDlg::DrawTo(ICanvas& dc)
{
    if (!m_render) {
        CMorvBaseDlg::DrawTo(dc);
        return;
    }
    if (GetClientRect() != m_render->GetClientRect())
        PaintView();
    m_render->PaintTo(dc);
    m_inputBar->Draw(dc);
}

bool CMainViewDlg::PreTranslateMessage(MSG* msg)
{
    return m_mouse.Filter(*msg) || CMorvBaseDlg::PreTranslateMessage(msg);
}

void CMainViewDlg::OnTimer(UINT id)
{
    if (id == CViewMouse::kHoverTimer)
        m_mouse.OnHoverTimer();
}

bool CMainViewDlg::OnMouseWheel(UINT flags, short delta, CPoint /*pt*/) { return m_mouse.OnWheel(flags, delta); }

void CMainViewDlg::OnMouseLeave() { m_mouse.OnLeave(); }

void CMainViewDlg::OnBarItemClick(CMorvButtonBar& bar, int /*item*/)
{
    if (&bar == m_inputBar.get() && g_pProjectData)
        ShowVideoInputSetDlg(this, g_pProjectData->GetCurSenderIndex());
}
