// What the view draws, recorded through the real page on the reference host.
#include "controls/skin.h"
#include "view/hover_key.h"
#include "view_fixture.h"

#include <algorithm>

namespace {

using Sizes = std::pair<std::size_t, std::size_t>;

class ViewDrawingTest : public ViewTest {
protected:
    static CRect Rcv(int s, int p, int k)
    {
        return RecordedReceiver(*g_pModuleData, g_pModuleData->GetCurrentObject(), s, p, 0, k);
    }
    // The receivers the last paint recorded (the visible ones) of sender s, port p.
    static std::vector<CRect> Receivers(int s, int p, int count)
    {
        std::vector<CRect> rects;
        for (int k = 0; k < count; ++k)
            if (const CRect r = Rcv(s, p, k); !r.IsRectEmpty())
                rects.push_back(r);
        return rects;
    }
    // Texts drawn exactly inside these receivers.
    static int TextsIn(const std::vector<DrawOp>& ops, const std::vector<CRect>& rects)
    {
        int n = 0;
        for (const DrawOp& op : OpsWith(ops, DrawOp::Kind::Text))
            n += std::count(rects.begin(), rects.end(), op.rect);
        return n;
    }
    const SSkinColors& colors = CMorvSkin::Instance().GetColors();
};

// Fills of exactly this rectangle in this colour.
long FillsAt(const std::vector<DrawOp>& ops, const CRect& rect, Color color)
{
    return std::ranges::count_if(ops, [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::FillRect && op.rect == rect && op.color == color;
    });
}

bool AllStates(const std::vector<DrawOp>& ops, const std::string& folder, const std::string& state)
{
    const std::vector<DrawOp> found = OpsWith(ops, DrawOp::Kind::ImageNinePart, folder);
    return !found.empty()
        && std::ranges::all_of(found, [&](const DrawOp& op) { return op.image.find(state) != std::string::npos; });
}

} // namespace

TEST_F(ViewDrawingTest, AHotCabinetInTheKeptLayersUntilItCoolsAndNothingOfItOnceMonitoringIsOff)
{
    Open(sim::MakeSampleProject());
    Monitor();
    const auto heat = [](bool on) {
        (on ? sim::InjectReceiverFault : sim::ClearReceiverFault)(0, 0, 3, sim::ReceiverFault::OverTemperature);
    };
    heat(true);
    Round();
    Show(TREE_NODE_SENDER, RENDER_TEMPERATURE, 0);
    const std::vector<DrawOp> live = Draw();
    const std::vector<CRect> receivers = Receivers(0, 0, 30);
    const CRect hot = Rcv(0, 0, 3);
    EXPECT_FALSE(OpsWith(live, DrawOp::Kind::ImageNinePart, "Warning").empty());
    EXPECT_GT(TextsIn(live, receivers), 0);

    // Base layer and top draw what the whole paint draws; the warning fill is in the base, no text is.
    CViewRender render;
    render.Prepare(View().GetClientRect());
    RecordingCanvas whole, top, base;
    render.PaintTo(whole);
    render.PaintSplit(top, base);
    std::vector<DrawOp> layered = base.Ops();
    layered.insert(layered.end(), top.Ops().begin(), top.Ops().end());
    EXPECT_TRUE(whole.Ops() == layered);
    EXPECT_EQ(1, FillsAt(base.Ops(), hot, colors.clrWarningFill));
    EXPECT_TRUE(OpsWith(base.Ops(), DrawOp::Kind::Text).empty());

    // The kept base layer follows the monitor data (inside the outlines, away from the text).
    const CPoint inside = hot.TopLeft() + CPoint(3, 3);
    for (const bool on : {true, false, true}) {
        heat(on);
        Round();
        render.Paint();
        EXPECT_EQ(on ? colors.clrWarningFill : colors.clrNormalFill, render.GetSurface()->PixelAt(inside.x, inside.y));
    }

    GetHwMonitorLogic()->StopMonitor();
    page->Update(-1, 0, 0);
    const std::vector<DrawOp> off = Draw();
    EXPECT_EQ(std::tuple(true, true, 0),
              std::tuple(AllStates(off, "PortFrame", "Normal"), AllStates(off, "SenderFrame", "Normal"),
                         TextsIn(off, receivers)));
    ASSERT_FALSE(receivers.empty());
    for (const CRect& r : receivers)
        EXPECT_EQ(1, FillsAt(off, r, colors.clrNormalFill));
}

TEST_F(ViewDrawingTest, TheSampleWalkedFromItsImagesToAnotherProject)
{
    // The humidity target is offered only while humidity is watched.
    sim::ProjectModel sample = sim::MakeSampleProject();
    sample.monitor.receiverSetting.bHumidity = 1;
    Open(sample);

    // The backup sender's 24 ports, each backed up: frames beyond twenty ports.
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 1);
    std::vector<DrawOp> ops = Draw();
    EXPECT_EQ(Sizes(48, 24),
              std::pair(OpsWith(ops, DrawOp::Kind::ImageNinePart, "PortFrameBackup").size(),
                        OpsWith(ops, DrawOp::Kind::ImageAt, "Port/Backup").size()));

    // A stored placement away from the receivers stays until a resize lays the blocks out afresh.
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 3);
    CSender* s = g_pProjectData->GetSender(3);
    const CRect fresh = s->GetMonitorRenderArea();
    EXPECT_EQ(CPoint(24, 24), fresh.TopLeft());
    CRect moved = fresh;
    moved.OffsetRect(0, 2000);
    s->SetMonitorRenderArea(moved);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 2);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 3);
    EXPECT_EQ(moved, View().GetRender()->GetLayout()[3].rcBlock);
    page->MoveTo({0, 0, 1000, 700});
    page->Update(-1, 0, 1);
    EXPECT_EQ(fresh, s->GetMonitorRenderArea());

    // The single-sender view has no legend and tells why it shows no inputs.
    const std::string warning = GetLanguageString("ViewRender_Warning", "Monitoring");
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    EXPECT_EQ(1u, OpsWith(Draw(), DrawOp::Kind::Text, warning).size());
    Show(TREE_NODE_SENDER, RENDER_SINGLE_SENDER, 0);
    EXPECT_TRUE(OpsWith(Draw(), DrawOp::Kind::Text, warning).empty() && View().GetRender()->IsInputButtonShown());
    Monitor();
    sim::InjectSenderFault(6, sim::SenderFault::Offline);
    Round();
    Show(TREE_NODE_SENDER, RENDER_SINGLE_SENDER, 6);
    EXPECT_EQ(
        std::pair(std::size_t{1}, false),
        std::pair(OpsWith(Draw(), DrawOp::Kind::Text, GetLanguageString("SenderNoConnectToShow", "Monitoring")).size(),
                  View().GetRender()->IsInputButtonShown()));

    // A missing sensor draws a short black bar, no "-".
    Show(TREE_NODE_SENDER, RENDER_HUMIDITY, 0);
    ops = Draw();
    EXPECT_TRUE(OpsWith(ops, DrawOp::Kind::Text, "-").empty());
    int bars = 0;
    for (int port = 0, k = 0; port < 24; k = (k + 1) % 30, port += k == 0) {
        const CRect r = Rcv(0, port, k);
        if (r.IsRectEmpty() || g_pModuleData->GetRcvShowData().GetRcvShowStr(RENDER_HUMIDITY, 0, port, k) != "-")
            continue;
        const CPoint from(r.left + r.Width() * 3 / 8, r.top + r.Height() / 2);
        bars += std::ranges::count_if(ops, [&](const DrawOp& op) {
            return op.kind == DrawOp::Kind::Line && op.points.size() == 2 && op.points[0] == from
                && op.pen.color == RGBColor(0, 0, 0);
        });
    }
    EXPECT_GT(bars, 0);

    // A broken loop marks the segment from receiver 1 to receiver 2 at its middle.
    ASSERT_TRUE(sim::InjectLoopbackBreak(0, 0, 2, 29));
    Round();
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    g_pModuleData->SetHoverKey(0);
    page->Update(-1, 0, 0);
    const std::vector<DrawOp> markers = OpsWith(Draw(), DrawOp::Kind::ImageAt, "14.png");
    const CPoint a = Rcv(0, 0, 1).CenterPoint(), b = Rcv(0, 0, 2).CenterPoint(), mid((a.x + b.x) / 2, (a.y + b.y) / 2);
    EXPECT_TRUE(std::ranges::any_of(markers, [&](const DrawOp& op) { return op.rect.CenterPoint() == mid; }));

    // Another project opened: the old hover key would draw its port 0's path; its own current sender counts.
    std::string error;
    sim::ProjectModel next = sim::MakeSampleProject();
    next.currentSender = 2;
    ASSERT_TRUE(sim::SetProject(next, error, true)) << error;
    page->Update(-1, 0, 1);
    EXPECT_EQ(kNoHoverKey, g_pModuleData->GetHoverKey());
    const SCurrentObject opened = g_pModuleData->GetCurrentObject();
    EXPECT_EQ(std::tuple(RENDER_BLOCK_GRID, 2), std::tuple(opened.nRenderType, opened.nSender));
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    EXPECT_TRUE(OpsWith(Draw(), DrawOp::Kind::Line).empty());

    // Missing images are skipped and the rest is drawn.
    CMorvSkin::Instance().SetImageRoot(m_folder.string());
    Reopen(sample);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    ops = Draw();
    CMorvSkin::Instance().SetImageRoot({});
    EXPECT_TRUE(OpsWith(ops, DrawOp::Kind::ImageNinePart).empty() && OpsWith(ops, DrawOp::Kind::FillRect).size() > 50u
                && !OpsWith(ops, DrawOp::Kind::Text, "Main Wall").empty());
}

TEST_F(ViewDrawingTest, PairsOfFewPortsAndBadInputDrawNothingForItAndKeepTheRest)
{
    // Backup frames only beyond twenty ports; the source and its backup share the receivers.
    sim::ProjectModel pair = Walls(2, 8, 4, 64);
    for (int p = 0; p < 8; ++p)
        pair.backups.push_back({pair.senders[0].id, p, pair.senders[1].id, p});
    Open(pair);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 1);
    std::vector<DrawOp> ops = Draw();
    EXPECT_EQ(Sizes(0, 8),
              std::pair(OpsWith(ops, DrawOp::Kind::ImageNinePart, "PortFrameBackup").size(),
                        OpsWith(ops, DrawOp::Kind::ImageAt, "Port/Backup").size()));
    const std::vector<SSenderLayout>& layout = View().GetRender()->GetLayout();
    EXPECT_EQ(layout[0].ptRcvOrigin, layout[1].ptRcvOrigin);

    // A sender outside the project (the tree shows them all): the real ones keep names, numbers and ports.
    Reopen(Walls(2, 4, 0, 64));
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 99);
    ops = Draw();
    EXPECT_EQ(Sizes(0, 16),
              std::pair(OpsWith(ops, DrawOp::Kind::Text, "99").size(),
                        OpsWith(ops, DrawOp::Kind::ImageNinePart, "PortFrame").size()));
    for (const char* text : {"Sender 1", "Sender 2", "1", "2"})
        EXPECT_FALSE(OpsWith(ops, DrawOp::Kind::Text, text).empty()) << text;
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 1);
    EXPECT_EQ(8u, OpsWith(Draw(), DrawOp::Kind::ImageNinePart, "PortFrame").size());

    // Receivers a small zoom leaves without width are neither drawn nor recorded (the host refuses empty ones).
    Reopen(Walls(1, 2, 4, 64));
    g_pModuleData->SetZoom(0, 0.01f);
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    ops = Draw();
    g_pModuleData->SetZoom(0, 1.0f);
    EXPECT_EQ(Sizes(0, 4),
              std::pair(Receivers(0, 0, 4).size(), OpsWith(ops, DrawOp::Kind::ImageNinePart, "PortFrame").size()));
    EXPECT_TRUE(std::ranges::none_of(ops, [&](const DrawOp& op) { return op.color == colors.clrNormalFill; }));

    // A 0 × 0 client leaves no surface and paints nothing.
    CViewRender render;
    render.Prepare({});
    render.Paint();
    EXPECT_EQ(nullptr, render.GetSurface());
}

TEST_F(ViewDrawingTest, ValueTextsBySizeAndNumberInsideAMargin)
{
    // One monitored sender of one port with `count` cabinets of `size` pixels.
    const auto wall = [this](int count, int size, int renderType) {
        Reopen(Walls(1, 1, count, size));
        Monitor();
        Show(TREE_NODE_SENDER, renderType, 0);
        return Draw();
    };
    // 1,100 cabinets of 16 pixels on one port, all in view.
    const std::vector<DrawOp> ops = wall(1100, 16, RENDER_RECEIVER);
    const auto sizeOf = [&](const std::string& text) {
        const std::vector<DrawOp> texts = OpsWith(ops, DrawOp::Kind::Text);
        const auto it = std::ranges::find_if(texts, [&](const DrawOp& op) { return op.text == text; });
        return it == texts.end() ? 0 : it->font.pixelSize;
    };
    EXPECT_EQ(std::tuple(8, 6), std::tuple(sizeOf("999"), sizeOf("1000")));

    const std::vector<DrawOp> tiny = wall(20, 13, RENDER_RECEIVER);
    EXPECT_FALSE(OpsWith(tiny, DrawOp::Kind::FillRect).empty());
    EXPECT_EQ(0, TextsIn(tiny, Receivers(0, 0, 20)));

    // A twelfth of the width stays free on each side of a value.
    const std::vector<DrawOp> wide = wall(4, 40, RENDER_TEMPERATURE);
    const std::vector<CRect> receivers = Receivers(0, 0, 4);
    RecordingCanvas measure;
    int texts = 0;
    for (const DrawOp& op : OpsWith(wide, DrawOp::Kind::Text))
        if (std::ranges::count(receivers, op.rect)) {
            ++texts;
            EXPECT_LE(measure.MeasureText(op.text, op.font).cx, op.rect.Width() - 2 * (op.rect.Width() / 12))
                << op.text;
        }
    EXPECT_EQ(4, texts);
}
