// The view's mouse work in a real page on the sample installation: wheel
// scrolling and zoom, the context menu's commands, move mode, Escape, and
// the rectangles the hit test tries for each scope.
#include "controls/modal.h"
#include "controls/notify.h"
#include "controls/pop_menu.h"
#include "host/host_enums.h"
#include "host/vistrano_language.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "platform/format.h"
#include "sim/call_log.h"
#include "sim/project_gen.h"
#include "view/main_view_dlg.h"
#include "view/sender_pair.h"
#include "view/view_hit_items.h"
#include "view/view_menu.h"
#include "view/view_tips.h"
#include "view_fixture.h"

#include <algorithm>

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
        for (int s = 0; s < g_pProjectData->GetSenderCount() && paired < 0; ++s)
            if (PairPartnerOf(*g_pProjectData, s) >= 0)
                paired = s;
        ASSERT_GE(paired, 0);
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
    int Notified(int32_t mask) const
    {
        return static_cast<int>(std::count_if(host.notifications.begin(), host.notifications.end(),
                                              [&](const CTestHost::SNotify& n) { return n.mask == mask; }));
    }
    int Position(int sender) const { return g_pProjectData->GetSender(sender)->GetMonitorRenderRelativePos(); }

    CMainViewDlg* view = nullptr;
    CRect client;
    CDesignBackground* design = nullptr;
    int paired = -1;
};

} // namespace

TEST_F(ViewMouseTest, ControlWheelWalksTheZoomTableForTheSenderAndItsPartner)
{
    const int partner = PairPartnerOf(*g_pProjectData, paired);
    Show(RENDER_TEMPERATURE, paired);
    g_pModuleData->SetZoom(paired, 9.0f);
    EXPECT_EQ(1, Wheel(MK_CONTROL, 240));  // the table ends at 10 before the second step
    EXPECT_FLOAT_EQ(9.0f, g_pModuleData->GetZoom(paired));
    EXPECT_EQ(0, Notified(UPDATE_LAYOUT_CHANGE));
    EXPECT_EQ(1, Wheel(MK_CONTROL, 120));
    EXPECT_FLOAT_EQ(10.0f, g_pModuleData->GetZoom(paired));
    EXPECT_FLOAT_EQ(10.0f, g_pModuleData->GetZoom(partner));
    EXPECT_EQ(1, Notified(UPDATE_LAYOUT_CHANGE));

    g_pModuleData->SetZoom(paired, 0.16f);
    for (int i = 0; i < 3; ++i)
        Wheel(MK_CONTROL, -120);
    EXPECT_FLOAT_EQ(0.12f, g_pModuleData->GetZoom(paired));  // never down to 0.1
    EXPECT_EQ(0, Wheel(MK_CONTROL, 1));                      // less than a notch: no step, not used
    EXPECT_FLOAT_EQ(0.12f, g_pModuleData->GetZoom(paired));
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
        {MK_CONTROL, 120, {client.Width() / 10, client.Height() / 10}},  // no receiver target: scrolls
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

TEST_F(ViewMouseTest, ChoosingTheSideABlockHasChangesNothing)
{
    int sender = 0;
    while (PairPartnerOf(*g_pProjectData, sender) >= 0)
        ++sender;
    g_pProjectData->GetSender(sender)->SetMonitorRenderRelativePos(3);
    const SViewMenu target{{VIEW_HIT_SENDER, sender, -1, -1, -1}, sender};
    sim::ClearCallLog();
    EXPECT_FALSE(RunViewCommand(VIEW_CMD_TOP, target));
    EXPECT_EQ(3, Position(sender));
    EXPECT_EQ(0, sim::CountCalls("CProjectUndoRedo::PrjModify"));
    EXPECT_EQ(0, sim::CountCalls("CSender::ResetMonitorRenderParam"));

    EXPECT_TRUE(RunViewCommand(VIEW_CMD_RIGHT, target));
    EXPECT_EQ(6, Position(sender));
    EXPECT_EQ(1, sim::CountCalls("CProjectUndoRedo::PrjModify"));
    EXPECT_EQ(1, sim::CountCalls("CSender::ResetMonitorRenderParam"));
}

TEST_F(ViewMouseTest, ExchangeSwapsExactlyThePairsTwoPositions)
{
    const int partner = PairPartnerOf(*g_pProjectData, paired);
    g_pProjectData->GetSender(paired)->SetMonitorRenderRelativePos(0);
    g_pProjectData->GetSender(partner)->SetMonitorRenderRelativePos(5);
    std::vector<int> others;
    for (int s = 0; s < g_pProjectData->GetSenderCount(); ++s)
        others.push_back(Position(s));
    sim::ClearCallLog();
    EXPECT_TRUE(RunViewCommand(VIEW_CMD_EXCHANGE, {{VIEW_HIT_SENDER, paired, -1, -1, -1}, paired}));
    std::swap(others[paired], others[partner]);
    for (int s = 0; s < g_pProjectData->GetSenderCount(); ++s)
        EXPECT_EQ(others[s], Position(s)) << s;
    EXPECT_EQ(1, sim::CountCalls("CProjectUndoRedo::PrjModify"));
    EXPECT_EQ(2, sim::CountCalls("CSender::ResetMonitorRenderParam"));
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
    Show(RENDER_SINGLE_SENDER, paired);  // no receiver target: no menu
    CCusPopMenu menu;
    SViewMenu target;
    EXPECT_FALSE(BuildViewMenu({VIEW_HIT_SENDER, paired, -1, -1, -1}, menu, target));
}

TEST_F(ViewMouseTest, DemarcationDoesNothingWhileMonitoringIsOff)
{
    Show(RENDER_RECEIVER, 0);
    const SViewHit receiver{VIEW_HIT_RECEIVER, 0, -1, 0, 1};
    CCusPopMenu menu;
    SViewMenu target;
    EXPECT_FALSE(BuildViewMenu(receiver, menu, target));
    EXPECT_FALSE(RunViewCommand(VIEW_CMD_DEMARCATE, {receiver, 0}));
    EXPECT_EQ(0, g_pModuleData->GetDemarcationOn());
    EXPECT_EQ(0, sim::CountCalls("IReceiverLogic::MarkReceiver"));
    EXPECT_EQ(0, sim::CountCalls("IMonitorLogic::PauseMonitor"));
    EXPECT_FALSE(BuildViewMenu({}, menu, target));  // nothing hit: no menu
}

TEST_F(ViewMouseTest, AHitOnASenderThatIsGoneChangesNothing)
{
    Show(RENDER_RECEIVER, 0);
    const int gone = g_pProjectData->GetSenderCount();
    sim::ClearCallLog();
    for (int32_t kind : {VIEW_HIT_SENDER, VIEW_HIT_PORT, VIEW_HIT_RECEIVER}) {
        const SViewHit hit{kind, gone, -1, 0, 0};
        CCusPopMenu menu;
        SViewMenu target;
        EXPECT_FALSE(BuildViewMenu(hit, menu, target)) << kind;
        for (int command = VIEW_CMD_RIGHT; command <= VIEW_CMD_DEMARCATE; ++command)
            EXPECT_FALSE(RunViewCommand(command, {hit, gone})) << kind << " " << command;
        STipSource source{&g_pModuleData->GetTipsData(), nullptr, true, RENDER_RECEIVER};
        EXPECT_EQ("", ViewTipText(hit, source, *g_pProjectData, *g_pModuleData)) << kind;
    }
    EXPECT_EQ(0, sim::CountCalls("CProjectUndoRedo::PrjModify"));
}

TEST_F(ViewMouseTest, EscapeNeverClosesThePage)
{
    view->DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    g_pLabelDlg->DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_NE(nullptr, g_pLabelDlg);
    EXPECT_TRUE(g_pLabelDlg->IsWindow());
    EXPECT_TRUE(view->IsWindow());
}

TEST_F(ViewMouseTest, RightClickInMoveModeLeavesItWithoutAMenu)
{
    Show(RENDER_RECEIVER, 0);
    g_pRuntimeData->SetSpecialOpType(SPECIAL_OP_MOVE);
    view->DeliverMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 200));
    view->DeliverMessage(WM_RBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_EQ(SPECIAL_OP_NORMAL, g_pRuntimeData->GetSpecialOpType());
    ASSERT_EQ(1u, host.notifications.size());
    EXPECT_EQ(UPDATE_TOOLBAR, static_cast<uint32_t>(host.notifications[0].mask));
    EXPECT_EQ(1, host.notifications[0].word2);
    EXPECT_TRUE(CModalScript::Instance().Log().empty());
    EXPECT_TRUE(CModalScript::Instance().Errors().empty());
}

TEST_F(ViewMouseTest, MoveModeDragMovesTheStartAgainstThePointer)
{
    g_pRuntimeData->SetSpecialOpType(SPECIAL_OP_MOVE);
    design->SetViewStartPt({300, 200}, 0, {4000, 3000});
    view->DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 300));
    view->DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(350, 290));
    EXPECT_EQ(CPoint(350, 210), design->GetViewStartPt());
    view->DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(500, 500));
    view->DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
    EXPECT_EQ(CPoint(200, 0), design->GetViewStartPt());  // held at the top
    EXPECT_EQ(2, Notified(UPDATE_LAYOUT_CHANGE));
    view->DeliverMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));  // the drag is over
    EXPECT_EQ(CPoint(200, 0), design->GetViewStartPt());
    EXPECT_EQ(SPECIAL_OP_MOVE, g_pRuntimeData->GetSpecialOpType());
}

TEST_F(ViewMouseTest, HitTestTriesTheRecordedRectanglesOfTheScope)
{
    // Render types the page has not drawn, so only these rectangles exist.
    const int partner = PairPartnerOf(*g_pProjectData, paired);
    SHitScope scope;
    scope.obj = {2, 1, RENDER_VOLTAGE, paired, 0};
    scope.shownSenders = {paired};
    g_pModuleData->SetLevelRectA(RENDER_VOLTAGE, paired, {10, 10, 200, 60});
    g_pModuleData->SetLevelRectC(RENDER_VOLTAGE, paired, 1, {40, 40, 60, 60});
    g_pModuleData->SetLevelRectA(RENDER_VOLTAGE, partner, {210, 10, 400, 60});
    g_pModuleData->SetItemRect(scope.obj, paired, 1, 0, 3, {10, 100, 60, 150});
    CViewHitIndex index;
    index.Build(CollectHitItems(scope, *g_pModuleData, *g_pProjectData));
    EXPECT_EQ((SViewHit{VIEW_HIT_PORT, paired, -1, 1, -1}), index.Hit({45, 45}));  // the port inside its block
    EXPECT_EQ((SViewHit{VIEW_HIT_SENDER, paired, -1, -1, -1}), index.Hit({15, 15}));
    EXPECT_EQ((SViewHit{VIEW_HIT_SENDER, partner, -1, -1, -1}), index.Hit({300, 30}));
    EXPECT_EQ((SViewHit{VIEW_HIT_RECEIVER, paired, -1, 1, 3}), index.Hit({20, 120}));

    scope.obj.nRenderType = RENDER_SINGLE_SENDER;  // nothing is hit in the single-sender view
    EXPECT_TRUE(CollectHitItems(scope, *g_pModuleData, *g_pProjectData).empty());
}
