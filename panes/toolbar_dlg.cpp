#include "panes/toolbar_dlg.h"

#include "controls/skin.h"
#include "host/vistrano_label.h"
#include "host/vistrano_monitor.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "panes/pane_paint.h"

CToolBarDlg::CToolBarDlg(CWnd* parent) : CMorvBaseDlg(0, parent) {}

int CToolBarDlg::InitControls()
{
    SetTimer(kDataPollTimer, kDataPollPeriodMs);
    return 1;
}

void CToolBarDlg::OnTimer(UINT id)
{
    if (id != kDataPollTimer) {
        CMorvBaseDlg::OnTimer(id);
        return;
    }
    if (!g_pMonitorThreadMgr || !g_pMonitorThreadMgr->IsMonitoring() || !g_pModuleData)
        return;
    if (g_pModuleData->TakeNewDataFlag()) {
        plat::EndWaitCursor();
        if (g_pHostLabel)
            g_pHostLabel->Notify(UPDATE_ALL, 0, 0, 0);
    }
}

void CToolBarDlg::Layout() { Invalidate(); }

void CToolBarDlg::RefreshStates()
{
    ++m_nRefreshCount;
    Invalidate();
}

void CToolBarDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    const CRect client = GetClientRect();
    if (client.Height() < 2)
        return;
    // Upper line in the first toolbar line colour, lower line in the second.
    const SSkinColors& colors = PaneColors();
    dc.FillRect({client.left, client.bottom - 2, client.right, client.bottom - 1}, colors.clrToolbarLine1);
    dc.FillRect({client.left, client.bottom - 1, client.right, client.bottom}, colors.clrToolbarLine2);
}
