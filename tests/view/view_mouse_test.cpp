// The view's mouse work in a real page, at the rectangles the drawing recorded.
#include "controls/modal.h"
#include "controls/notify.h"
#include "controls/pop_menu.h"
#include "module/update_mask.h"
#include "platform/format.h"
#include "sim/call_log.h"
#include "view/sender_pair.h"
#include "view/view_hit_items.h"
#include "view/view_menu.h"
#include "view/view_tips.h"
#include "view_fixture.h"

#include <QToolTip>

#include <algorithm>
#include <optional>

namespace {

class ViewMouseTest : public ViewTest {
protected:
    void SetUp() override { ViewTest::SetUp(), CModalScript::Instance().SetMode(CModalScript::EMode::Scripted); }
    void TearDown() override { CModalScript::Instance().Reset(), ViewTest::TearDown(); }
    // The sample, its view at the start of a design of 4000 × 3000.
    void Sample()
    {
        Open(sim::MakeSampleProject());
        Design().SetViewStartPt({0, 0}, 0, {0, 0});
        g_pModuleData->SetContentExtent(4000, 3000);
        partner = PairPartnerOf(*g_pProjectData, paired);
        ASSERT_GE(partner, 0); // the main wall and its backup
        host.notifications.clear();
        sim::ClearCallLog();
    }
    // The mouse rests at a point: the hover notification, then pane timer 1.
    void Rest(const CPoint& pt)
    {
        CPoint screen = pt;
        View().ClientToScreen(screen);
        plat::SetCursorPos(screen);
        Send(WM_MOUSEHOVER, 0, pt);
        EXPECT_TRUE(View().HasTimer(CViewMouse::kHoverTimer));
        View().DeliverMessage(WM_TIMER, CViewMouse::kHoverTimer, 0);
        EXPECT_FALSE(View().HasTimer(CViewMouse::kHoverTimer));
    }
    // The record alone, without a page refresh.
    static void Target(int renderType, int sender)
    {
        g_pProjectData->SetCurrentSender(sender), g_pModuleData->SetCurrentObject(2, 1, renderType, sender, 0);
    }
    LRESULT Wheel(UINT flags, int delta)
    {
        return View().DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<WORD>(flags), static_cast<WORD>(delta)), 0);
    }
    int Notified(int32_t mask) const { return static_cast<int>(std::ranges::count(Masks(), mask)); }
    static CRect Item(int sender, int port, int receiver)
    {
        return g_pModuleData->GetItemRect(g_pModuleData->GetCurrentObject(), sender, port, 0, receiver);
    }
    // The view menu's items for a hit, nothing when no menu is offered.
    static std::optional<std::vector<SMenuItemRecord>> Menu(const SViewHit& hit)
    {
        CCusPopMenu menu;
        SViewMenu target;
        return BuildViewMenu(hit, menu, target) ? std::optional(menu.Describe()) : std::nullopt;
    }
    static int Position(int sender) { return g_pProjectData->GetSender(sender)->GetMonitorRenderRelativePos(); }

    static CDesignBackground& Design() { return *g_pRuntimeData->GetDesignBackground(); }

    const int paired = 0;
    int partner = -1;
};

} // namespace

TEST_F(ViewMouseTest, RestingOnAPortStoresItsKeyOnceAndAClickOnAReceiverOrOnNothing)
{
    Open(Walls(1, 4, 6, 64));
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    host.notifications.clear();
    Rest(Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 2)));
    EXPECT_EQ(std::tuple(0x00000002u, std::vector<int32_t>{UPDATE_VIEW, UPDATE_LAYOUT_CHANGE}),
              std::tuple(g_pModuleData->GetHoverKey(), Masks()));
    Rest(Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 2)));
    EXPECT_EQ(2u, host.notifications.size()); // the same port: nothing more
    Rest(Client(Item(0, 3, 1)));              // a receiver of port 3
    EXPECT_EQ(0x00000003u, g_pModuleData->GetHoverKey());

    g_pModuleData->SetHoverKey(0x00000002);
    g_pModuleData->SetDemarcationKey(0, 1, 2);
    g_pModuleData->SetDemarcationOn(1);
    host.notifications.clear();
    const CRect client = View().GetClientRect();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, {client.right - 2, client.bottom - 2});
    EXPECT_EQ(std::tuple(0x00000002u, 1, 0u),
              std::tuple(g_pModuleData->GetHoverKey(), g_pModuleData->GetDemarcationOn(), host.notifications.size()));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(Item(0, 1, 4)));
    EXPECT_EQ(std::tuple(0x00000001u, 0),
              std::tuple(g_pModuleData->GetHoverKey(),
                         g_pModuleData->GetDemarcationOn())); // another receiver ends the demarcation
}

TEST_F(ViewMouseTest, FibreAndEthernetSendersAnswerByTheirOwnKindWhereTheyWereDrawn)
{
    Sample();
    constexpr int kTower = 4; // the sample's fibre sender, beside Ethernet senders
    Show(TREE_NODE_ALL_SENDERS, RENDER_RECEIVER, 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(g_pModuleData->GetLevelRectD(RENDER_RECEIVER, kTower, 3)));
    EXPECT_EQ(0x04030000u, g_pModuleData->GetHoverKey()); // output 3's port: the fibre form
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 1)));
    EXPECT_EQ(0x00000001u, g_pModuleData->GetHoverKey());

    // One board chosen: its receivers answer as its port's; the port's cabling path follows the hover.
    Show(TREE_NODE_PORT, RENDER_RECEIVER, kTower, 1);
    const auto pathLines = [this] {
        return std::ranges::count_if(OpsWith(Draw(), DrawOp::Kind::Line),
                                     [](const DrawOp& op) { return op.pen.color == RGBColor(66, 132, 207); });
    };
    EXPECT_EQ(0, pathLines());
    Send(WM_LBUTTONDOWN, MK_LBUTTON,
         Client(RecordedReceiver(*g_pModuleData, g_pModuleData->GetCurrentObject(), kTower, 1, 0, 5)));
    EXPECT_EQ(0x04010000u, g_pModuleData->GetHoverKey());
    const int receivers = g_pProjectData->GetSender(kTower)->GetFiberPort(1)->GetTilesCount();
    EXPECT_EQ(3 * receivers, pathLines()); // a line and two arrowhead sides per receiver
}

TEST_F(ViewMouseTest, DoubleClicksInTheGridDrillDownAndTheNavigationOverlayPicksASender)
{
    Open(Walls(3, 2, 4, 64));
    for (const auto& [port, sender, renderType] :
         {std::tuple{false, 2, RENDER_SENDER_BLOCKS}, {true, 1, RENDER_RECEIVER}}) {
        Show(TREE_NODE_ALL_SENDERS, RENDER_BLOCK_GRID, 0);
        Design().SetViewStartPt({5, 5}, 0, {1920, 1080});
        host.notifications.clear();
        Send(WM_LBUTTONDBLCLK, MK_LBUTTON,
             Client(port ? g_pModuleData->GetLevelRectC(RENDER_BLOCK_GRID, sender, 0)
                         : g_pModuleData->GetLevelRectA(RENDER_BLOCK_GRID, sender)));
        const SCurrentObject obj = g_pModuleData->GetCurrentObject();
        EXPECT_EQ(
            std::tuple(renderType, sender, sender, CPoint(0, 0)),
            std::tuple(obj.nRenderType, obj.nSender, g_pProjectData->GetCurSenderIndex(), Design().GetViewStartPt()))
            << port; // from the start of the design
        EXPECT_EQ((std::vector<int32_t>{UPDATE_ACTIVATE_NO_PANEL}), Masks()) << port;
    }

    Show(TREE_NODE_ALL_SENDERS, RENDER_BLOCK_GRID, 0);
    g_pModuleData->SetNavigationOn(1);
    page->Update(-1, 0, 0);
    // A dark box over the lower right quarter holds every sender's scaled box.
    const std::vector<DrawOp> ops = Draw();
    const CRect client = View().GetClientRect();
    const CRect overlay(client.right - client.Width() / 4, client.bottom - client.Height() / 4, client.right,
                        client.bottom);
    const auto dark = [](const DrawOp& op) { return op.color == RGBColor(50, 50, 50); };
    EXPECT_EQ(1, std::ranges::count_if(ops, [&](const DrawOp& op) {
                  return op.kind == DrawOp::Kind::FillRect && op.rect == overlay && dark(op);
              }));
    for (uint32_t s = 0; s < 3; ++s)
        EXPECT_TRUE(overlay.PtInRect(g_pModuleData->GetOverlayRect(s).TopLeft())) << s;
    ASSERT_FALSE(g_pModuleData->GetOverlayRect(2).IsRectEmpty());
    const CPoint box = g_pModuleData->GetOverlayRect(2).CenterPoint(); // client coordinates
    host.notifications.clear();
    Send(WM_MOUSEMOVE, 0, box);
    EXPECT_EQ(2, g_pModuleData->GetHoveredSender());
    Send(WM_MOUSEMOVE, 0, box + CPoint(1, 0)); // still on it: no second refresh
    EXPECT_EQ((std::vector<int32_t>{UPDATE_ALL}), Masks());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, box);
    EXPECT_EQ(std::tuple(-1, 2, RENDER_RECEIVER),
              std::tuple(g_pModuleData->GetHoveredSender(), g_pProjectData->GetCurSenderIndex(),
                         g_pModuleData->GetCurrentObject().nRenderType));
    EXPECT_EQ((std::vector<int32_t>{UPDATE_ALL, UPDATE_ALL}), Masks());
    g_pModuleData->SetNavigationOn(0);
    EXPECT_TRUE(std::ranges::none_of(Draw(), dark));
}

TEST_F(ViewMouseTest, NothingIsHitInTheSingleSenderViewAndTooltipsNameTheBlockAndTheWarnings)
{
    Open(Walls(2, 2, 6, 96));
    g_pProjectData->SetCurrentSender(1);
    Show(TREE_NODE_SENDER, RENDER_SINGLE_SENDER, 1);
    SHitScope scope{g_pModuleData->GetCurrentObject(), {1}}; // nothing is hit in the single-sender view
    EXPECT_TRUE(CollectHitItems(scope, *g_pModuleData, *g_pProjectData).empty());

    Show(TREE_NODE_SENDER, RENDER_TEMPERATURE, 0);
    Send(WM_MOUSEMOVE, 0, Client(g_pModuleData->GetLevelRectA(RENDER_TEMPERATURE, 0)));
    EXPECT_EQ(SenderDisplayName(*g_pProjectData, 0), QToolTip::text().toStdString());
    // A hot receiver's warnings are not shown once monitoring is off (the tour rests on one while monitoring).
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 2, sim::ReceiverFault::OverTemperature));
    Monitor();
    for (const bool monitoring : {true, false}) {
        const STipSource source{&g_pModuleData->GetTipsData(), nullptr, monitoring, RENDER_TEMPERATURE};
        EXPECT_EQ(monitoring,
                  !ViewTipText({VIEW_HIT_RECEIVER, 0, -1, 1, 2}, source, *g_pProjectData, *g_pModuleData).empty());
    }
}

TEST_F(ViewMouseTest, TheWheelScrollsAndZoomsTheSenderWithItsPartnerAndAMoveModeDragHoldsAtTheTop)
{
    Sample();
    const CRect client = View().GetClientRect();
    Target(RENDER_BLOCK_GRID, 0);
    const int w = client.Width() / 10, h = client.Height() / 10;
    // Flags, delta, the start after it; with Control but no receiver target the wheel scrolls.
    const std::tuple<UINT, int, CPoint> steps[] = {{MK_SHIFT, -120, {w, 0}},
                                                   {0, -240, {w, 2 * h}},
                                                   {MK_CONTROL, 120, {w, h}},
                                                   {0, -1, {w, h}},
                                                   {MK_SHIFT, 1, {w, h}},
                                                   {0, -12000, {w, 3000 - client.Height()}},
                                                   {MK_SHIFT, 12000, {0, 3000 - client.Height()}}};
    for (const auto& [flags, delta, start] : steps) {
        EXPECT_EQ(1, Wheel(flags, delta));
        EXPECT_EQ(start, Design().GetViewStartPt()) << flags << " " << delta;
    }
    EXPECT_EQ(5, Notified(UPDATE_ACTIVATE_NO_PANEL));

    Design().SetViewStartPt({0, 0}, 0, {0, 0});
    host.notifications.clear();
    Target(RENDER_TEMPERATURE, paired);
    g_pModuleData->SetZoom(paired, 9.0f);
    EXPECT_EQ(1, Wheel(MK_CONTROL, 240)); // the table ends at 10 before the second step
    EXPECT_EQ(std::tuple(9.0f, 0), std::tuple(g_pModuleData->GetZoom(paired), Notified(UPDATE_LAYOUT_CHANGE)));
    EXPECT_EQ(1, Wheel(MK_CONTROL, 120));
    EXPECT_EQ(
        std::tuple(10.0f, 10.0f, 1),
        std::tuple(g_pModuleData->GetZoom(paired), g_pModuleData->GetZoom(partner), Notified(UPDATE_LAYOUT_CHANGE)));
    EXPECT_EQ(0, Wheel(MK_CONTROL, 1)); // less than a notch: no step, not used
    EXPECT_EQ(10.0f, g_pModuleData->GetZoom(paired));
    EXPECT_EQ(CPoint(0, 0), Design().GetViewStartPt());

    host.notifications.clear();
    g_pRuntimeData->SetSpecialOpType(SPECIAL_OP_MOVE);
    Design().SetViewStartPt({300, 200}, 0, {4000, 3000});
    Send(WM_LBUTTONDOWN, MK_LBUTTON, {400, 300});
    Send(WM_MOUSEMOVE, MK_LBUTTON, {350, 290});
    EXPECT_EQ(CPoint(350, 210), Design().GetViewStartPt()); // against the pointer
    Send(WM_MOUSEMOVE, MK_LBUTTON, {500, 500});
    Send(WM_LBUTTONUP, 0, {500, 500});
    EXPECT_EQ(CPoint(200, 0), Design().GetViewStartPt());
    EXPECT_EQ(2, Notified(UPDATE_LAYOUT_CHANGE));
    Send(WM_MOUSEMOVE, 0, {100, 100}); // the drag is over
    EXPECT_EQ(CPoint(200, 0), Design().GetViewStartPt());
    EXPECT_EQ(SPECIAL_OP_MOVE, g_pRuntimeData->GetSpecialOpType());
}

TEST_F(ViewMouseTest, TheBlockMenuAndItsCommandsMoveOnlyWhatTheyNameAndNothingForWhatIsGone)
{
    Sample();
    Target(RENDER_RECEIVER, paired);
    g_pProjectData->GetSender(paired)->SetMonitorRenderRelativePos(7);
    g_pProjectData->GetSender(partner)->SetMonitorRenderRelativePos(7);
    for (int member : {paired, partner}) {
        const std::vector<SMenuItemRecord> items
            = Menu({VIEW_HIT_SENDER, member, -1, -1, -1}).value_or(std::vector<SMenuItemRecord>{});
        ASSERT_EQ(6u, items.size());
        const UINT ids[] = {VIEW_CMD_LEFT, VIEW_CMD_RIGHT, VIEW_CMD_TOP, VIEW_CMD_BOTTOM, VIEW_CMD_EXCHANGE};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(std::tuple(ids[i], ids[i] == VIEW_CMD_RIGHT), std::tuple(items[i + 1].nId, items[i + 1].bChecked))
                << i;
        const bool backup = FindSenderPair(*g_pProjectData, member)->bSecond;
        EXPECT_EQ(plat::Format(GetLanguageString("Menu_ExchangePosition", "Monitoring"),
                               GetLanguageString(backup ? "Menu_SourceDevice" : "Menu_BackupDevice", "Monitoring")),
                  items[5].strText);
    }

    const int lone = 2;
    ASSERT_LT(PairPartnerOf(*g_pProjectData, lone), 0);
    // Command, sender, done, modifications, resets; the side a sender has: nothing, not even a modification.
    const std::tuple<int, int, bool, int, int> cases[] = {
        {VIEW_CMD_TOP, lone, false, 0, 0}, {VIEW_CMD_RIGHT, lone, true, 1, 1}, {VIEW_CMD_EXCHANGE, paired, true, 1, 2}};
    for (const auto& [command, sender, done, modifications, resets] : cases) {
        g_pProjectData->GetSender(lone)->SetMonitorRenderRelativePos(3);
        g_pProjectData->GetSender(paired)->SetMonitorRenderRelativePos(0);
        g_pProjectData->GetSender(partner)->SetMonitorRenderRelativePos(5);
        std::vector<int> expected;
        for (int s = 0; s < g_pProjectData->GetSenderCount(); ++s)
            expected.push_back(Position(s));
        if (command == VIEW_CMD_RIGHT)
            expected[lone] = 6;
        if (command == VIEW_CMD_EXCHANGE)
            std::swap(expected[paired], expected[partner]);
        sim::ClearCallLog();
        EXPECT_EQ(done, RunViewCommand(command, {{VIEW_HIT_SENDER, sender, -1, -1, -1}, sender})) << command;
        for (int s = 0; s < g_pProjectData->GetSenderCount(); ++s)
            EXPECT_EQ(expected[s], Position(s)) << command << " sender " << s;
        EXPECT_EQ(std::tuple(modifications, resets),
                  std::tuple(sim::CountCalls("CProjectUndoRedo::PrjModify"),
                             sim::CountCalls("CSender::ResetMonitorRenderParam")))
            << command;
    }

    // Nothing hit, a receiver while monitoring is off, or a sender that is gone.
    sim::ClearCallLog();
    const int gone = g_pProjectData->GetSenderCount();
    const SViewHit hits[] = {{},
                             {VIEW_HIT_RECEIVER, 0, -1, 0, 1}, // no demarcation while monitoring is off
                             {VIEW_HIT_SENDER, gone, -1, 0, 0},
                             {VIEW_HIT_PORT, gone, -1, 0, 0},
                             {VIEW_HIT_RECEIVER, gone, -1, 0, 0}};
    STipSource source{&g_pModuleData->GetTipsData(), nullptr, true, RENDER_RECEIVER};
    for (const SViewHit& hit : hits) {
        EXPECT_FALSE(Menu(hit)) << hit.nKind << " " << hit.nSender;
        if (hit.nSender == gone) {
            for (int command = VIEW_CMD_RIGHT; command <= VIEW_CMD_DEMARCATE; ++command)
                EXPECT_FALSE(RunViewCommand(command, {hit, gone})) << hit.nKind << " " << command;
            EXPECT_EQ("", ViewTipText(hit, source, *g_pProjectData, *g_pModuleData)) << hit.nKind;
        }
    }
    EXPECT_FALSE(RunViewCommand(VIEW_CMD_DEMARCATE, {hits[1], 0}));
    EXPECT_EQ(0, g_pModuleData->GetDemarcationOn());
    for (const char* call :
         {"CProjectUndoRedo::PrjModify", "IReceiverLogic::MarkReceiver", "IMonitorLogic::PauseMonitor"})
        EXPECT_EQ(0, sim::CountCalls(call)) << call;
    Target(RENDER_SINGLE_SENDER, paired); // no receiver target: no menu
    EXPECT_FALSE(Menu({VIEW_HIT_SENDER, paired, -1, -1, -1}));

    // Escape never closes the page.
    View().DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    g_pLabelDlg->DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_NE(nullptr, g_pLabelDlg);
    EXPECT_TRUE(g_pLabelDlg->IsWindow() && View().IsWindow());
}
