// The view's mouse work in a real page: the hover timer, clicks, double
// clicks and tooltips at the rectangles the drawing recorded, through the
// pane's own message road; wheel scrolling and zoom, the context menu's
// commands, move mode, Escape, and the rectangles the hit test tries for
// each scope.
#include "controls/button_bar.h"
#include "controls/modal.h"
#include "controls/notify.h"
#include "controls/pop_menu.h"
#include "host/host_enums.h"
#include "host/vistrano_language.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "host/vistrano_show.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "platform/format.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/project_gen.h"
#include "view/main_view_dlg.h"
#include "view/sender_pair.h"
#include "view/view_hit_items.h"
#include "view/view_menu.h"
#include "view/view_records.h"
#include "view/view_render.h"
#include "view/view_tips.h"
#include "view_fixture.h"

#include <QToolTip>

#include <algorithm>

namespace {

class ViewInputTest : public ViewTest {
protected:
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
};

} // namespace

TEST_F(ViewInputTest, RestingOnAPortStoresItsHoverKeyOnceAndAnotherPortAgain)
{
    Open(Walls(1, 4, 6, 64));
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    host.notifications.clear();
    Rest(Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 2)));
    EXPECT_EQ(0x00000002u, g_pModuleData->GetHoverKey());
    EXPECT_EQ((std::vector<int32_t>{UPDATE_VIEW, UPDATE_LAYOUT_CHANGE}), Masks());
    Rest(Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 2)));
    EXPECT_EQ(2u, host.notifications.size()); // the same port: nothing more

    Rest(Client(g_pModuleData->GetItemRect(g_pModuleData->GetCurrentObject(), 0, 3, 0, 1))); // a receiver of port 3
    EXPECT_EQ(0x00000003u, g_pModuleData->GetHoverKey());
}

TEST_F(ViewInputTest, ClickOnAReceiverSetsTheHoverKeyAndOnNothingChangesNothing)
{
    Open(Walls(1, 4, 6, 64));
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    g_pModuleData->SetHoverKey(0x00000002);
    g_pModuleData->SetDemarcationKey(0, 1, 2);
    g_pModuleData->SetDemarcationOn(1);
    host.notifications.clear();
    const CRect client = View().GetClientRect();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, {client.right - 2, client.bottom - 2});
    EXPECT_EQ(0x00000002u, g_pModuleData->GetHoverKey());
    EXPECT_EQ(1, g_pModuleData->GetDemarcationOn());
    EXPECT_TRUE(host.notifications.empty());

    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(g_pModuleData->GetItemRect(g_pModuleData->GetCurrentObject(), 0, 1, 0, 4)));
    EXPECT_EQ(0x00000001u, g_pModuleData->GetHoverKey());
    EXPECT_EQ(0, g_pModuleData->GetDemarcationOn()); // another receiver ends the demarcation
}

TEST_F(ViewInputTest, FibreAndEthernetSendersAnswerByTheirOwnKindWhereTheyWereDrawn)
{
    Open(sim::MakeSampleProject());
    constexpr int kTower = 4; // the sample's fibre sender, beside Ethernet senders
    Show(TREE_NODE_ALL_SENDERS, RENDER_RECEIVER, 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(g_pModuleData->GetLevelRectD(RENDER_RECEIVER, kTower, 3)));
    EXPECT_EQ(0x04030000u, g_pModuleData->GetHoverKey()); // output 3's port: the fibre form
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 1)));
    EXPECT_EQ(0x00000001u, g_pModuleData->GetHoverKey());

    // One board chosen: its receivers answer as its port's, and the port's
    // cabling path follows the hover.
    Show(TREE_NODE_PORT, RENDER_RECEIVER, kTower, 1);
    const auto pathLines = [this] {
        const std::vector<DrawOp> lines = OpsWith(Draw(), DrawOp::Kind::Line);
        return std::count_if(lines.begin(), lines.end(),
                             [](const DrawOp& op) { return op.pen.color == RGBColor(66, 132, 207); });
    };
    EXPECT_EQ(0, pathLines());
    const SCurrentObject obj = g_pModuleData->GetCurrentObject();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(RecordedReceiver(*g_pModuleData, obj, kTower, 1, 0, 5)));
    EXPECT_EQ(0x04010000u, g_pModuleData->GetHoverKey());
    const int receivers = g_pProjectData->GetSender(kTower)->GetFiberPort(1)->GetTilesCount();
    EXPECT_EQ(3 * receivers, pathLines()); // a line and two arrowhead sides per receiver
}

TEST_F(ViewInputTest, DoubleClickInTheGridDrillsDownFromTheStartOfTheDesign)
{
    Open(Walls(3, 2, 4, 64));
    struct {
        bool port;
        int sender, renderType;
    } const cases[] = {{false, 2, RENDER_SENDER_BLOCKS}, {true, 1, RENDER_RECEIVER}};
    for (const auto& c : cases) {
        Show(TREE_NODE_ALL_SENDERS, RENDER_BLOCK_GRID, 0);
        g_pRuntimeData->GetDesignBackground()->SetViewStartPt({5, 5}, 0, {1920, 1080});
        const CRect target = c.port ? g_pModuleData->GetLevelRectC(RENDER_BLOCK_GRID, c.sender, 0)
                                    : g_pModuleData->GetLevelRectA(RENDER_BLOCK_GRID, c.sender);
        host.notifications.clear();
        Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Client(target));
        const SCurrentObject obj = g_pModuleData->GetCurrentObject();
        EXPECT_EQ(c.renderType, obj.nRenderType) << c.port;
        EXPECT_EQ(c.sender, obj.nSender) << c.port;
        EXPECT_EQ(c.sender, g_pProjectData->GetCurSenderIndex()) << c.port;
        EXPECT_EQ(CPoint(0, 0), g_pRuntimeData->GetDesignBackground()->GetViewStartPt()) << c.port;
        EXPECT_EQ((std::vector<int32_t>{UPDATE_ACTIVATE_NO_PANEL}), Masks()) << c.port;
    }
}

TEST_F(ViewInputTest, TooltipsNameTheBlockAndShowAReceiversWarningsWhileMonitoring)
{
    Open(Walls(1, 2, 6, 96));
    Show(TREE_NODE_SENDER, RENDER_TEMPERATURE, 0);
    const CPoint block = Client(g_pModuleData->GetLevelRectA(RENDER_TEMPERATURE, 0));
    Send(WM_MOUSEMOVE, 0, block);
    EXPECT_EQ(SenderDisplayName(*g_pProjectData, 0), QToolTip::text().toStdString());

    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 2, sim::ReceiverFault::OverTemperature));
    Monitor();
    Send(WM_MOUSEMOVE, 0, Client(g_pModuleData->GetItemRect(g_pModuleData->GetCurrentObject(), 0, 1, 0, 2)));
    std::string expected;
    {
        CModuleDataLock lock(*g_pModuleData);
        expected = g_pModuleData->GetTipsData().GetRcvWarningStr(RENDER_TEMPERATURE, 0, 1, 2);
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected, QToolTip::text().toStdString());

    // The same receiver's warnings are not shown once monitoring is off.
    SMonitorShow show;
    const STipSource off{&g_pModuleData->GetTipsData(), &show, false, RENDER_TEMPERATURE};
    EXPECT_EQ("", ViewTipText({VIEW_HIT_RECEIVER, 0, -1, 1, 2}, off, *g_pProjectData, *g_pModuleData));
}

TEST_F(ViewInputTest, NavigationOverlayDrawsEverySenderAndHoversAndPicksOne)
{
    Open(Walls(3, 1, 4, 64));
    Show(TREE_NODE_ALL_SENDERS, RENDER_BLOCK_GRID, 0);
    g_pModuleData->SetNavigationOn(1);
    page->Update(-1, 0, 0);
    // A dark box over the lower right quarter holds every sender's scaled box.
    const std::vector<DrawOp> ops = Draw();
    const CRect client = View().GetClientRect();
    const CRect overlay(client.right - client.Width() / 4, client.bottom - client.Height() / 4, client.right,
                        client.bottom);
    EXPECT_EQ(1, std::ranges::count_if(ops, [&](const DrawOp& op) {
                  return op.kind == DrawOp::Kind::FillRect && op.rect == overlay && op.color == RGBColor(50, 50, 50);
              }));
    for (uint32_t s = 0; s < 3; ++s)
        EXPECT_TRUE(overlay.PtInRect(g_pModuleData->GetOverlayRect(s).TopLeft())) << s;
    const CPoint box = g_pModuleData->GetOverlayRect(2).CenterPoint(); // client coordinates
    ASSERT_FALSE(g_pModuleData->GetOverlayRect(2).IsRectEmpty());
    host.notifications.clear();
    Send(WM_MOUSEMOVE, 0, box);
    EXPECT_EQ(2, g_pModuleData->GetHoveredSender());
    Send(WM_MOUSEMOVE, 0, box + CPoint(1, 0)); // still on it: no second refresh
    EXPECT_EQ((std::vector<int32_t>{UPDATE_ALL}), Masks());

    Send(WM_LBUTTONDOWN, MK_LBUTTON, box);
    EXPECT_EQ(-1, g_pModuleData->GetHoveredSender());
    EXPECT_EQ(2, g_pProjectData->GetCurSenderIndex());
    EXPECT_EQ(RENDER_RECEIVER, g_pModuleData->GetCurrentObject().nRenderType);
    EXPECT_EQ((std::vector<int32_t>{UPDATE_ALL, UPDATE_ALL}), Masks());
    g_pModuleData->SetNavigationOn(0);
    const std::vector<DrawOp> plain = Draw();
    EXPECT_TRUE(std::ranges::none_of(plain, [](const DrawOp& op) { return op.color == RGBColor(50, 50, 50); }));
}

TEST_F(ViewInputTest, TheVideoInputButtonOpensTheSendersVideoInputSettings)
{
    Open(Walls(2, 1, 4, 64));
    g_pProjectData->SetCurrentSender(1);
    Show(TREE_NODE_SENDER, RENDER_SINGLE_SENDER, 1);
    SHitScope scope{g_pModuleData->GetCurrentObject(), {1}}; // nothing is hit in the single-sender view
    EXPECT_TRUE(CollectHitItems(scope, *g_pModuleData, *g_pProjectData).empty());
    const SBarItem* button = View().GetInputBar()->GetItem(0);
    ASSERT_NE(nullptr, button);
    ASSERT_TRUE(button->bVisible);
    CModalScript::Instance().SetMode(CModalScript::EMode::Scripted);
    CModalScript::Instance().EndDialog(2);
    const CPoint centre = button->rect.CenterPoint();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    Send(WM_LBUTTONUP, 0, centre);
    const SModalRecord* dialog = CModalScript::Instance().Last(EModalKind::Dialog);
    const UINT shown = dialog ? dialog->nTemplateId : 0;
    CModalScript::Instance().Reset();
    EXPECT_EQ(2024u, shown); // the video input settings
}

namespace {

class ViewMouseTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        Open(sim::MakeSampleProject());
        view = &View();
        client = view->GetClientRect();
        design = g_pRuntimeData->GetDesignBackground();
        design->SetViewStartPt({0, 0}, 0, {0, 0});
        g_pModuleData->SetContentExtent(4000, 3000);
        ASSERT_GE(PairPartnerOf(*g_pProjectData, paired), 0); // the main wall and its backup
        CModalScript::Instance().SetMode(CModalScript::EMode::Scripted);
        host.notifications.clear();
        sim::ClearCallLog();
    }
    void TearDown() override
    {
        CModalScript::Instance().Reset();
        ViewTest::TearDown();
    }

    void Show(int renderType, int sender)
    {
        g_pProjectData->SetCurrentSender(sender);
        g_pModuleData->SetCurrentObject(2, 1, renderType, sender, 0);
    }
    LRESULT Wheel(UINT flags, int delta)
    {
        return view->DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<WORD>(flags), static_cast<WORD>(delta)), 0);
    }
    int Notified(int32_t mask) const { return static_cast<int>(std::ranges::count(Masks(), mask)); }
    int Position(int sender) const { return g_pProjectData->GetSender(sender)->GetMonitorRenderRelativePos(); }

    CMainViewDlg* view = nullptr;
    CRect client;
    CDesignBackground* design = nullptr;
    const int paired = 0;
};

} // namespace

TEST_F(ViewMouseTest, ControlWheelWalksTheZoomTableForTheSenderAndItsPartner)
{
    const int partner = PairPartnerOf(*g_pProjectData, paired);
    Show(RENDER_TEMPERATURE, paired);
    g_pModuleData->SetZoom(paired, 9.0f);
    EXPECT_EQ(1, Wheel(MK_CONTROL, 240)); // the table ends at 10 before the second step
    EXPECT_FLOAT_EQ(9.0f, g_pModuleData->GetZoom(paired));
    EXPECT_EQ(0, Notified(UPDATE_LAYOUT_CHANGE));
    EXPECT_EQ(1, Wheel(MK_CONTROL, 120));
    EXPECT_FLOAT_EQ(10.0f, g_pModuleData->GetZoom(paired));
    EXPECT_FLOAT_EQ(10.0f, g_pModuleData->GetZoom(partner));
    EXPECT_EQ(1, Notified(UPDATE_LAYOUT_CHANGE));

    EXPECT_EQ(0, Wheel(MK_CONTROL, 1)); // less than a notch: no step, not used
    EXPECT_FLOAT_EQ(10.0f, g_pModuleData->GetZoom(paired));
    g_pModuleData->SetZoom(paired, 0.14f);
    for (int i = 0; i < 2; ++i)
        Wheel(MK_CONTROL, -120);
    EXPECT_FLOAT_EQ(0.12f, g_pModuleData->GetZoom(paired)); // never down to 0.1
    EXPECT_EQ(CPoint(0, 0), design->GetViewStartPt());
}

TEST_F(ViewMouseTest, WheelScrollsByATenthOfTheViewAndStaysInsideTheContent)
{
    Show(RENDER_BLOCK_GRID, 0);
    struct {
        UINT flags;
        int delta;
        CPoint start;
    } const steps[] = {
        {MK_SHIFT, -120, {client.Width() / 10, 0}},
        {0, -240, {client.Width() / 10, client.Height() / 5}},
        {MK_CONTROL, 120, {client.Width() / 10, client.Height() / 10}}, // no receiver target: scrolls
        {0, -1, {client.Width() / 10, client.Height() / 10}},
        {MK_SHIFT, 1, {client.Width() / 10, client.Height() / 10}},
        {0, -12000, {client.Width() / 10, 3000 - client.Height()}},
        {MK_SHIFT, 12000, {0, 3000 - client.Height()}},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(1, Wheel(step.flags, step.delta));
        EXPECT_EQ(step.start, design->GetViewStartPt()) << step.flags << " " << step.delta;
    }
    EXPECT_EQ(5, Notified(UPDATE_ACTIVATE_NO_PANEL));
}

TEST_F(ViewMouseTest, SideAndExchangeCommandsMoveOnlyWhatTheyNameAndRecordOneModification)
{
    const int lone = 2, partner = PairPartnerOf(*g_pProjectData, paired);
    ASSERT_LT(PairPartnerOf(*g_pProjectData, lone), 0);
    struct {
        int command, sender;
        bool done;
        int modifications, resets;
    } const cases[] = {
        {VIEW_CMD_TOP, lone, false, 0, 0}, // the side it has: nothing, not even a modification
        {VIEW_CMD_RIGHT, lone, true, 1, 1},
        {VIEW_CMD_EXCHANGE, paired, true, 1, 2},
    };
    for (const auto& c : cases) {
        g_pProjectData->GetSender(lone)->SetMonitorRenderRelativePos(3);
        g_pProjectData->GetSender(paired)->SetMonitorRenderRelativePos(0);
        g_pProjectData->GetSender(partner)->SetMonitorRenderRelativePos(5);
        std::vector<int> expected;
        for (int s = 0; s < g_pProjectData->GetSenderCount(); ++s)
            expected.push_back(Position(s));
        if (c.command == VIEW_CMD_RIGHT)
            expected[lone] = 6;
        if (c.command == VIEW_CMD_EXCHANGE)
            std::swap(expected[paired], expected[partner]);
        sim::ClearCallLog();
        EXPECT_EQ(c.done, RunViewCommand(c.command, {{VIEW_HIT_SENDER, c.sender, -1, -1, -1}, c.sender})) << c.command;
        for (int s = 0; s < g_pProjectData->GetSenderCount(); ++s)
            EXPECT_EQ(expected[s], Position(s)) << c.command << " sender " << s;
        EXPECT_EQ(c.modifications, sim::CountCalls("CProjectUndoRedo::PrjModify")) << c.command;
        EXPECT_EQ(c.resets, sim::CountCalls("CSender::ResetMonitorRenderParam")) << c.command;
    }
}

TEST_F(ViewMouseTest, BlockMenuOffersTheSidesWithTheirMarkAndTheExchange)
{
    const int partner = PairPartnerOf(*g_pProjectData, paired);
    Show(RENDER_RECEIVER, paired);
    g_pProjectData->GetSender(paired)->SetMonitorRenderRelativePos(7);
    g_pProjectData->GetSender(partner)->SetMonitorRenderRelativePos(7);
    for (int member : {paired, partner}) {
        CCusPopMenu menu;
        SViewMenu target;
        ASSERT_TRUE(BuildViewMenu({VIEW_HIT_SENDER, member, -1, -1, -1}, menu, target)) << member;
        const std::vector<SMenuItemRecord> items = menu.Describe();
        ASSERT_EQ(6u, items.size());
        EXPECT_EQ(GetLanguageString("Menu_PlacePosition", "Monitoring"), items[0].strText);
        const UINT ids[] = {VIEW_CMD_LEFT, VIEW_CMD_RIGHT, VIEW_CMD_TOP, VIEW_CMD_BOTTOM};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(ids[i], items[i + 1].nId);
            EXPECT_EQ(ids[i] == VIEW_CMD_RIGHT, items[i + 1].bChecked) << i;
        }
        EXPECT_EQ(static_cast<UINT>(VIEW_CMD_EXCHANGE), items[5].nId);
        const bool backup = FindSenderPair(*g_pProjectData, member)->bSecond;
        EXPECT_EQ(plat::Format(GetLanguageString("Menu_ExchangePosition", "Monitoring"),
                               GetLanguageString(backup ? "Menu_SourceDevice" : "Menu_BackupDevice", "Monitoring")),
                  items[5].strText);
    }
    Show(RENDER_SINGLE_SENDER, paired); // no receiver target: no menu
    CCusPopMenu menu;
    SViewMenu target;
    EXPECT_FALSE(BuildViewMenu({VIEW_HIT_SENDER, paired, -1, -1, -1}, menu, target));
}

TEST_F(ViewMouseTest, NothingHitAReceiverWhileMonitoringIsOffOrASenderThatIsGoneChangeNothing)
{
    Show(RENDER_RECEIVER, 0);
    const int gone = g_pProjectData->GetSenderCount();
    const SViewHit hits[] = {{},
                             {VIEW_HIT_RECEIVER, 0, -1, 0, 1}, // no demarcation while monitoring is off
                             {VIEW_HIT_SENDER, gone, -1, 0, 0},
                             {VIEW_HIT_PORT, gone, -1, 0, 0},
                             {VIEW_HIT_RECEIVER, gone, -1, 0, 0}};
    STipSource source{&g_pModuleData->GetTipsData(), nullptr, true, RENDER_RECEIVER};
    for (const SViewHit& hit : hits) {
        CCusPopMenu menu;
        SViewMenu target;
        EXPECT_FALSE(BuildViewMenu(hit, menu, target)) << hit.nKind << " " << hit.nSender;
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
}

TEST_F(ViewMouseTest, EscapeNeverClosesThePage)
{
    view->DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    g_pLabelDlg->DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_NE(nullptr, g_pLabelDlg);
    EXPECT_TRUE(g_pLabelDlg->IsWindow());
    EXPECT_TRUE(view->IsWindow());
}

TEST_F(ViewMouseTest, MoveModeDragMovesTheStartAgainstThePointer)
{
    g_pRuntimeData->SetSpecialOpType(SPECIAL_OP_MOVE);
    design->SetViewStartPt({300, 200}, 0, {4000, 3000});
    Send(WM_LBUTTONDOWN, MK_LBUTTON, {400, 300});
    Send(WM_MOUSEMOVE, MK_LBUTTON, {350, 290});
    EXPECT_EQ(CPoint(350, 210), design->GetViewStartPt());
    Send(WM_MOUSEMOVE, MK_LBUTTON, {500, 500});
    Send(WM_LBUTTONUP, 0, {500, 500});
    EXPECT_EQ(CPoint(200, 0), design->GetViewStartPt()); // held at the top
    EXPECT_EQ(2, Notified(UPDATE_LAYOUT_CHANGE));
    Send(WM_MOUSEMOVE, 0, {100, 100}); // the drag is over
    EXPECT_EQ(CPoint(200, 0), design->GetViewStartPt());
    EXPECT_EQ(SPECIAL_OP_MOVE, g_pRuntimeData->GetSpecialOpType());
}
