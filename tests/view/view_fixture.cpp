#include "view_fixture.h"

#include "controls/density.h"
#include "host/hwbridge.h"
#include "host/hwbridge_monitor.h"
#include "host/vistrano_runtime.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "sim/monitor_control.h"
#include "sim/project_gen.h"
#include "sim/world.h"
#include "view/main_view_dlg.h"

void ViewTest::SetUp()
{
    ModuleTest::SetUp();
    morv::SetDensity(1.0);
}

void ViewTest::Open(sim::ProjectModel project)
{
    std::string error;
    ASSERT_TRUE(sim::SetProject(std::move(project), error)) << error;
    page = CreatePage(host);
    ASSERT_NE(nullptr, g_pLabelDlg);
    page->MoveTo({0, 0, 1200, 800});
    page->Update(-1, 0, 1);
}

void ViewTest::Show(int scope, int renderType, int sender, int port)
{
    g_pModuleData->SetCurrentObject(scope, 1, renderType, sender, port);
    // The sender tree shows what the host remembers as selected: the
    // all-senders item, or the sender; the view shows the tree's senders.
    const bool all = scope == TREE_NODE_ALL_SENDERS;
    g_pRuntimeData->SetTreeCurSelNodeType(all ? TREE_NODE_ALL_SENDERS : TREE_NODE_SENDER);
    g_pRuntimeData->SetTreeCurSelNodeIndex(all ? -1 : sender);
    page->Update(-1, 0, 0);
}

void ViewTest::Monitor()
{
    sim::SetMonitorStepMode(true);
    ASSERT_NE(0, GetHwMonitorLogic()->StartMonitor(nullptr));
    Round();
}

void ViewTest::Round()
{
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    page->Update(-1, 0, 0);
}

CMainViewDlg& ViewTest::View() { return *g_pLabelDlg->GetMainView(); }

LRESULT ViewTest::Send(UINT message, WPARAM wParam, const CPoint& pt)
{
    return View().DeliverMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
}

CPoint ViewTest::Client(const CRect& content) const
{
    EXPECT_FALSE(content.IsRectEmpty());
    return content.CenterPoint() - g_pRuntimeData->GetDesignBackground()->GetViewStartPt();
}

std::vector<int32_t> ViewTest::Masks() const
{
    std::vector<int32_t> masks;
    for (const CTestHost::SNotify& n : host.notifications)
        masks.push_back(n.mask);
    return masks;
}

std::vector<DrawOp> ViewTest::Draw()
{
    RecordingCanvas canvas;
    View().DrawTo(canvas);
    return canvas.Ops();
}

std::vector<DrawOp> OpsWith(const std::vector<DrawOp>& ops, DrawOp::Kind kind, const std::string& piece)
{
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops)
        if (op.kind == kind
            && (piece.empty() || op.image.find(piece) != std::string::npos || op.text.find(piece) != std::string::npos))
            found.push_back(op);
    return found;
}

sim::ProjectModel Walls(int senders, int ports, int perPort, int size)
{
    sim::GenerateOptions options;
    options.senders = senders;
    options.portsPerSender = ports;
    options.receiversPerPort = perPort;
    options.cabinetSize = size;
    return sim::GenerateProject(options);
}
