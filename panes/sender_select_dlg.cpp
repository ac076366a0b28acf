#include "panes/sender_select_dlg.h"

#include "host/host_enums.h"
#include "host/vistrano_project.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "panes/pane_paint.h"

CSenderSelectDlg::CSenderSelectDlg(CWnd* parent) : CMorvBaseDlg(0, parent) {}

void CSenderSelectDlg::Refresh(int nNotify, int /*nSender*/)
{
    ++m_nRefreshCount;
    m_nLastNotify = nNotify;
    Invalidate();
}

void CSenderSelectDlg::ReloadImages() { Invalidate(); }

int CSenderSelectDlg::GetShowSenders(std::vector<int>& senders) const
{
    // Until the tree selects, the current-object record says what is shown:
    // every sender for the root or a group and in the block grid (a newly
    // opened project shows them all), else its one sender.
    senders.clear();
    const int count = g_pProjectData && g_pModuleData ? g_pProjectData->GetSenderCount() : 0;
    const SCurrentObject obj = count > 0 ? g_pModuleData->GetCurrentObject() : SCurrentObject{};
    if (count <= 0)
        return 0;
    if (obj.nScope == TREE_NODE_ALL_SENDERS || obj.nScope == TREE_NODE_GROUP || obj.nRenderType == RENDER_BLOCK_GRID)
        for (int i = 0; i < count; ++i)
            senders.push_back(i);
    else if (obj.nSender >= 0 && obj.nSender < count)
        senders.push_back(obj.nSender);
    return senders.empty() ? 0 : 1;
}

void CSenderSelectDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    DrawPaneEdge(dc, GetClientRect(), EPaneEdge::Right);
}
