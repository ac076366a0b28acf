#pragma once
// The real page on the reference host; paint goes to a recording canvas.
#include "controls/density.h"
#include "host/host_enums.h"
#include "host/hwbridge.h"
#include "host/hwbridge_monitor.h"
#include "host/vistrano_language.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module_test_support.h"
#include "platform/canvas.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"
#include "sim/project_gen.h"
#include "sim/world.h"
#include "view/main_view_dlg.h"
#include "view/view_records.h"
#include "view/view_render.h"

#include <string>
#include <vector>

class ViewTest : public ModuleTest {
protected:
    void SetUp() override { ModuleTest::SetUp(), morv::SetDensity(1.0); }

    // Makes `project` current and creates the page.
    void Open(sim::ProjectModel project)
    {
        std::string error;
        ASSERT_TRUE(sim::SetProject(std::move(project), error)) << error;
        page = CreatePage(host);
        ASSERT_NE(nullptr, g_pLabelDlg);
        page->MoveTo({0, 0, 1200, 800});
        page->Update(-1, 0, 1);
    }
    // Releases the page there is and opens another.
    void Reopen(sim::ProjectModel project)
    {
        if (page)
            page->Release();
        Open(std::move(project));
    }
    // The current-object record and the tree's selection (all senders or the sender), then a refresh.
    void Show(int scope, int renderType, int sender, int port = 0)
    {
        g_pModuleData->SetCurrentObject(scope, 1, renderType, sender, port);
        const bool all = scope == TREE_NODE_ALL_SENDERS;
        g_pRuntimeData->SetTreeCurSelNodeType(all ? TREE_NODE_ALL_SENDERS : TREE_NODE_SENDER);
        g_pRuntimeData->SetTreeCurSelNodeIndex(all ? -1 : sender);
        page->Update(-1, 0, 0);
    }
    // Starts monitoring in step mode and runs one round.
    void Monitor()
    {
        sim::SetMonitorStepMode(true);
        ASSERT_NE(0, GetHwMonitorLogic()->StartMonitor(nullptr));
        Round();
    }
    void Round()
    {
        ASSERT_TRUE(sim::RunMonitorRounds(1));
        page->Update(-1, 0, 0);
    }
    std::vector<DrawOp> Draw()
    {
        RecordingCanvas canvas;
        View().DrawTo(canvas);
        return canvas.Ops();
    }
    CMainViewDlg& View() { return *g_pLabelDlg->GetMainView(); }
    LRESULT Send(UINT message, WPARAM wParam, const CPoint& pt)
    {
        return View().DeliverMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
    }
    // A recorded rectangle's centre in the view's client coordinates.
    CPoint Client(const CRect& content) const
    {
        EXPECT_FALSE(content.IsRectEmpty());
        return content.CenterPoint() - g_pRuntimeData->GetDesignBackground()->GetViewStartPt();
    }
    // The masks the page notified the host of, in order.
    std::vector<int32_t> Masks() const
    {
        std::vector<int32_t> masks;
        for (const CTestHost::SNotify& n : host.notifications)
            masks.push_back(n.mask);
        return masks;
    }

    CTestHost host;
    IQuarnLabel* page = nullptr;
};

// Ops of a kind whose image path (or text) contains a piece.
inline std::vector<DrawOp> OpsWith(const std::vector<DrawOp>& ops, DrawOp::Kind kind, const std::string& piece = {})
{
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops)
        if (op.kind == kind
            && (piece.empty() || op.image.find(piece) != std::string::npos || op.text.find(piece) != std::string::npos))
            found.push_back(op);
    return found;
}

// A project of `senders` rectangular walls of `ports` ports, each port `perPort` cabinets of `size` pixels.
inline sim::ProjectModel Walls(int senders, int ports, int perPort, int size)
{
    return sim::GenerateProject(
        {.senders = senders, .portsPerSender = ports, .receiversPerPort = perPort, .cabinetSize = size});
}
