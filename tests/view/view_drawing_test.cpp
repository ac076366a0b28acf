// What the view draws, recorded through the real page on the reference host.
#include "controls/skin.h"
#include "host/host_enums.h"
#include "host/hwbridge.h"
#include "host/vistrano_language.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "sim/hardware.h"
#include "sim/project_gen.h"
#include "sim/world.h"
#include "view/hover_key.h"
#include "view/main_view_dlg.h"
#include "view/view_records.h"
#include "view/view_render.h"
#include "view_fixture.h"

#include <algorithm>

namespace {

class ViewDrawingTest : public ViewTest {
protected:
    // The receivers the last paint recorded (the visible ones) of sender s, port p.
    std::vector<CRect> Receivers(int s, int p, int count)
    {
        std::vector<CRect> rects;
        const SCurrentObject obj = g_pModuleData->GetCurrentObject();
        for (int k = 0; k < count; ++k)
            if (const CRect r = RecordedReceiver(*g_pModuleData, obj, s, p, 0, k); !r.IsRectEmpty())
                rects.push_back(r);
        return rects;
    }
    // The sample while monitoring, its wall's fourth cabinet running hot,
    // on the temperature target.
    void HotCabinet()
    {
        Open(sim::MakeSampleProject());
        Monitor();
        sim::InjectReceiverFault(0, 0, 3, sim::ReceiverFault::OverTemperature);
        Round();
        Show(TREE_NODE_SENDER, RENDER_TEMPERATURE, 0);
    }
    // One monitored sender of one port with `count` cabinets of `size` pixels.
    std::vector<DrawOp> MonitoredWall(int count, int size, int renderType)
    {
        if (page)
            page->Release();
        Open(Walls(1, 1, count, size));
        Monitor();
        Show(TREE_NODE_SENDER, renderType, 0);
        return Draw();
    }
    // Texts drawn inside receivers of port 0 of sender 0 (client coordinates = content here).
    int TextsIn(const std::vector<DrawOp>& ops, const std::vector<CRect>& rects)
    {
        int n = 0;
        for (const DrawOp& op : OpsWith(ops, DrawOp::Kind::Text))
            n += std::count(rects.begin(), rects.end(), op.rect);
        return n;
    }
};

// Fills of exactly this rectangle in this colour.
long FillsAt(const std::vector<DrawOp>& ops, const CRect& rect, Color color)
{
    return std::count_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::FillRect && op.rect == rect && op.color == color;
    });
}

bool AllStates(const std::vector<DrawOp>& ops, const std::string& folder, const std::string& state)
{
    const std::vector<DrawOp> found = OpsWith(ops, DrawOp::Kind::ImageNinePart, folder);
    return !found.empty() && std::all_of(found.begin(), found.end(), [&](const DrawOp& op) {
        return op.image.find(state) != std::string::npos;
    });
}

} // namespace

TEST_F(ViewDrawingTest, MonitoringOffDrawsEveryFrameNormalAndNoValueText)
{
    HotCabinet();
    const std::vector<DrawOp> live = Draw();
    EXPECT_FALSE(OpsWith(live, DrawOp::Kind::ImageNinePart, "Warning").empty());
    EXPECT_GT(TextsIn(live, Receivers(0, 0, 30)), 0);

    GetHwMonitorLogic()->StopMonitor();
    page->Update(-1, 0, 0);
    const std::vector<DrawOp> off = Draw();
    EXPECT_TRUE(AllStates(off, "PortFrame", "Normal"));
    EXPECT_TRUE(AllStates(off, "SenderFrame", "Normal"));
    EXPECT_EQ(0, TextsIn(off, Receivers(0, 0, 30)));
    const Color normal = CMorvSkin::Instance().GetColors().clrNormalFill;
    ASSERT_FALSE(Receivers(0, 0, 30)[0].IsRectEmpty());
    for (const CRect& r : Receivers(0, 0, 30))
        EXPECT_EQ(1, FillsAt(off, r, normal));
}

TEST_F(ViewDrawingTest, BackupFramesOnlyBeyondTwentyPorts)
{
    // The sample's backup sender has 24 ports, each backed up.
    Open(sim::MakeSampleProject());
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 1);
    const std::vector<DrawOp> many = Draw();
    EXPECT_EQ(48u, OpsWith(many, DrawOp::Kind::ImageNinePart, "PortFrameBackup").size());
    EXPECT_EQ(24u, OpsWith(many, DrawOp::Kind::ImageAt, "Port/Backup").size());

    sim::ProjectModel pair = Walls(2, 8, 4, 64);
    for (int p = 0; p < 8; ++p)
        pair.backups.push_back({pair.senders[0].id, p, pair.senders[1].id, p});
    page->Release();
    Open(pair);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 1);
    const std::vector<DrawOp> few = Draw();
    EXPECT_TRUE(OpsWith(few, DrawOp::Kind::ImageNinePart, "PortFrameBackup").empty());
    EXPECT_EQ(8u, OpsWith(few, DrawOp::Kind::ImageAt, "Port/Backup").size());
    // The source and its backup share the receivers.
    const std::vector<SSenderLayout>& layout = View().GetRender()->GetLayout();
    EXPECT_EQ(layout[0].ptRcvOrigin, layout[1].ptRcvOrigin);
}

TEST_F(ViewDrawingTest, ValueTextsBySizeAndNumberInsideAMargin)
{
    // 1,100 cabinets of 16 pixels on one port, all in view.
    const std::vector<DrawOp> ops = MonitoredWall(1100, 16, RENDER_RECEIVER);
    const auto sizeOf = [&](const std::string& text) {
        for (const DrawOp& op : OpsWith(ops, DrawOp::Kind::Text))
            if (op.text == text)
                return op.font.pixelSize;
        return 0;
    };
    EXPECT_EQ(8, sizeOf("999"));
    EXPECT_EQ(6, sizeOf("1000"));

    const std::vector<DrawOp> tiny = MonitoredWall(20, 13, RENDER_RECEIVER);
    EXPECT_FALSE(OpsWith(tiny, DrawOp::Kind::FillRect).empty());
    EXPECT_EQ(0, TextsIn(tiny, Receivers(0, 0, 20)));

    // A twelfth of the width stays free on each side of a value.
    const std::vector<DrawOp> wide = MonitoredWall(4, 40, RENDER_TEMPERATURE);
    const std::vector<CRect> receivers = Receivers(0, 0, 4);
    RecordingCanvas measure;
    int texts = 0;
    for (const DrawOp& op : OpsWith(wide, DrawOp::Kind::Text))
        if (std::count(receivers.begin(), receivers.end(), op.rect)) {
            ++texts;
            EXPECT_LE(measure.MeasureText(op.text, op.font).cx, op.rect.Width() - 2 * (op.rect.Width() / 12))
                << op.text;
        }
    EXPECT_EQ(4, texts);
}

TEST_F(ViewDrawingTest, MissingSensorDrawsAShortBar)
{
    // The humidity target is offered only while humidity is watched.
    sim::ProjectModel project = sim::MakeSampleProject();
    project.monitor.receiverSetting.bHumidity = 1;
    Open(project);
    Monitor();
    Show(TREE_NODE_SENDER, RENDER_HUMIDITY, 0);
    const std::vector<DrawOp> ops = Draw();
    EXPECT_TRUE(OpsWith(ops, DrawOp::Kind::Text, "-").empty());
    int bars = 0;
    const SCurrentObject obj = g_pModuleData->GetCurrentObject();
    for (int port = 0, k = 0; port < 24; k = (k + 1) % 30, port += k == 0) {
        const CRect r = RecordedReceiver(*g_pModuleData, obj, 0, port, 0, k);
        if (r.IsRectEmpty() || g_pModuleData->GetRcvShowData().GetRcvShowStr(RENDER_HUMIDITY, 0, port, k) != "-")
            continue;
        const CPoint from(r.left + r.Width() * 3 / 8, r.top + r.Height() / 2);
        bars += std::count_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
            return op.kind == DrawOp::Kind::Line && op.points.size() == 2 && op.points[0] == from
                && op.pen.color == RGBColor(0, 0, 0);
        });
    }
    EXPECT_GT(bars, 0);
}

TEST_F(ViewDrawingTest, BrokenLoopMarksItsSegmentsAndANewProjectDrawsNoPath)
{
    Open(sim::MakeSampleProject());
    Monitor();
    ASSERT_TRUE(sim::InjectLoopbackBreak(0, 0, 2, 29));
    Round();
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    g_pModuleData->SetHoverKey(0);
    page->Update(-1, 0, 0);
    const std::vector<DrawOp> ops = Draw();
    const std::vector<DrawOp> markers = OpsWith(ops, DrawOp::Kind::ImageAt, "14.png");
    ASSERT_FALSE(markers.empty());
    // The segment from receiver 1 to receiver 2 carries a marker at its middle.
    const SCurrentObject obj = g_pModuleData->GetCurrentObject();
    const CPoint a = RecordedReceiver(*g_pModuleData, obj, 0, 0, 0, 1).CenterPoint();
    const CPoint b = RecordedReceiver(*g_pModuleData, obj, 0, 0, 0, 2).CenterPoint();
    const CPoint mid((a.x + b.x) / 2, (a.y + b.y) / 2);
    EXPECT_TRUE(
        std::any_of(markers.begin(), markers.end(), [&](const DrawOp& op) { return op.rect.CenterPoint() == mid; }));

    // The host opens another project and refreshes the page with relayout:
    // the old key would draw the path of the new project's port 0.
    // The new project's own current sender replaces the old record's.
    std::string error;
    sim::ProjectModel next = sim::MakeSampleProject();
    next.currentSender = 2;
    ASSERT_TRUE(sim::SetProject(next, error, true)) << error;
    page->Update(-1, 0, 1);
    EXPECT_EQ(kNoHoverKey, g_pModuleData->GetHoverKey());
    const SCurrentObject opened = g_pModuleData->GetCurrentObject();
    EXPECT_EQ(RENDER_BLOCK_GRID, opened.nRenderType);
    EXPECT_EQ(2, opened.nSender);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    EXPECT_TRUE(OpsWith(Draw(), DrawOp::Kind::Line).empty());
}

TEST_F(ViewDrawingTest, MissingImagesAreSkippedAndTheRestIsDrawn)
{
    CMorvSkin::Instance().SetImageRoot(m_folder.string());
    Open(sim::MakeSampleProject());
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    const std::vector<DrawOp> ops = Draw();
    CMorvSkin::Instance().SetImageRoot({});
    EXPECT_TRUE(OpsWith(ops, DrawOp::Kind::ImageNinePart).empty());
    EXPECT_GT(OpsWith(ops, DrawOp::Kind::FillRect).size(), 50u);
    EXPECT_FALSE(OpsWith(ops, DrawOp::Kind::Text, "Main Wall").empty());
}

TEST_F(ViewDrawingTest, BadInputDrawsNothingForItAndKeepsTheRest)
{
    // A sender outside the project (the tree, which has no item for it,
    // shows them all), then a sender without receivers.
    Open(Walls(2, 4, 0, 64));
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 99);
    std::vector<DrawOp> ops = Draw();
    EXPECT_TRUE(OpsWith(ops, DrawOp::Kind::Text, "99").empty());
    // Both real senders keep their blocks: names, numbers and every port
    // (twice the one sender's port frames below).
    EXPECT_EQ(16u, OpsWith(ops, DrawOp::Kind::ImageNinePart, "PortFrame").size());
    for (const char* text : {"Sender 1", "Sender 2", "1", "2"})
        EXPECT_FALSE(OpsWith(ops, DrawOp::Kind::Text, text).empty()) << text;
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 1);
    ops = Draw();
    EXPECT_EQ(8u, OpsWith(ops, DrawOp::Kind::ImageNinePart, "PortFrame").size());
    // Receivers a small zoom leaves without width (the host refuses empty
    // ones) are neither drawn nor recorded; their block is drawn.
    page->Release();
    Open(Walls(1, 2, 4, 64));
    g_pModuleData->SetZoom(0, 0.01f);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    ops = Draw();
    g_pModuleData->SetZoom(0, 1.0f);
    EXPECT_TRUE(Receivers(0, 0, 4).empty());
    EXPECT_EQ(4u, OpsWith(ops, DrawOp::Kind::ImageNinePart, "PortFrame").size());
    const Color normal = CMorvSkin::Instance().GetColors().clrNormalFill;
    EXPECT_TRUE(std::none_of(ops.begin(), ops.end(), [&](const DrawOp& op) { return op.color == normal; }));
    // A 0 × 0 client leaves no surface and paints nothing.
    CViewRender render;
    render.Prepare({});
    render.Paint();
    EXPECT_EQ(nullptr, render.GetSurface());
}

TEST_F(ViewDrawingTest, StoredPlacementStaysUntilAResize)
{
    Open(sim::MakeSampleProject());
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 3);
    CSender* s = g_pProjectData->GetSender(3);
    const CRect fresh = s->GetMonitorRenderArea();
    EXPECT_EQ(CPoint(24, 24), fresh.TopLeft());
    // Stored away from the receivers, the block stays there paint after paint.
    CRect moved = fresh;
    moved.OffsetRect(0, 2000);
    s->SetMonitorRenderArea(moved);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 2);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 3);
    EXPECT_EQ(moved, View().GetRender()->GetLayout()[3].rcBlock);
    // A resize lays every block out afresh from the margin.
    page->MoveTo({0, 0, 1000, 700});
    page->Update(-1, 0, 1);
    EXPECT_EQ(fresh, s->GetMonitorRenderArea());
}

TEST_F(ViewDrawingTest, TheBaseLayerAndTheRestDrawWhatTheWholePaintDraws)
{
    HotCabinet();
    CViewRender render;
    render.Prepare(View().GetClientRect());
    RecordingCanvas whole, top, base;
    render.PaintTo(whole);
    render.PaintSplit(top, base);
    std::vector<DrawOp> layered = base.Ops();
    layered.insert(layered.end(), top.Ops().begin(), top.Ops().end());
    EXPECT_TRUE(whole.Ops() == layered);
    // The hot receiver's warning fill is in the base layer, its text is not.
    const CRect hot = RecordedReceiver(*g_pModuleData, g_pModuleData->GetCurrentObject(), 0, 0, 0, 3);
    const Color warning = CMorvSkin::Instance().GetColors().clrWarningFill;
    EXPECT_EQ(1, FillsAt(base.Ops(), hot, warning));
    EXPECT_TRUE(OpsWith(base.Ops(), DrawOp::Kind::Text).empty());
}

TEST_F(ViewDrawingTest, TheKeptBaseLayerFollowsTheMonitorData)
{
    HotCabinet();
    CViewRender render;
    render.Prepare(View().GetClientRect());
    render.Paint();
    // Inside the outlines, away from the value text.
    const CPoint inside
        = RecordedReceiver(*g_pModuleData, g_pModuleData->GetCurrentObject(), 0, 0, 0, 3).TopLeft() + CPoint(3, 3);
    const SSkinColors& colors = CMorvSkin::Instance().GetColors();
    EXPECT_EQ(colors.clrWarningFill, render.GetSurface()->PixelAt(inside.x, inside.y));
    sim::ClearReceiverFault(0, 0, 3, sim::ReceiverFault::OverTemperature);
    Round();
    render.Paint();
    EXPECT_EQ(colors.clrNormalFill, render.GetSurface()->PixelAt(inside.x, inside.y));
}

TEST_F(ViewDrawingTest, SingleSenderViewHasNoLegendAndTellsWhyItShowsNoInputs)
{
    Open(sim::MakeSampleProject());
    const std::string warning = GetLanguageString("ViewRender_Warning", "Monitoring");
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    EXPECT_EQ(1u, OpsWith(Draw(), DrawOp::Kind::Text, warning).size());
    Show(TREE_NODE_SENDER, RENDER_SINGLE_SENDER, 0);
    EXPECT_TRUE(OpsWith(Draw(), DrawOp::Kind::Text, warning).empty());
    EXPECT_TRUE(View().GetRender()->IsInputButtonShown());
    Monitor();
    sim::InjectSenderFault(6, sim::SenderFault::Offline);
    Round();
    Show(TREE_NODE_SENDER, RENDER_SINGLE_SENDER, 6);
    EXPECT_EQ(1u, OpsWith(Draw(), DrawOp::Kind::Text, GetLanguageString("SenderNoConnectToShow", "Monitoring")).size());
    EXPECT_FALSE(View().GetRender()->IsInputButtonShown());
}
