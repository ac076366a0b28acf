// The toolbar's commands against the simulated host and hardware.
#include "host/hwbridge_monitor.h"
#include "host/hwbridge_sender.h"
#include "host/vistrano_runtime.h"
#include "panes/toolbar_dlg.h"
#include "panes/toolbar_items.h"
#include "panes_test_support.h"
#include "platform/canvas.h"
#include "sim/monitor_control.h"
#include "view/sender_pair.h"

#include <QGuiApplication>

#include <tuple>

namespace {

class ToolBarDlgTest : public PanesTest {
protected:
    void SetUp() override
    {
        PanesTest::SetUp();
        UseSample();
        ShowPage();
        toolbar = g_pLabelDlg->GetToolBar();
    }
    void TearDown() override
    {
        EXPECT_TRUE(modals.Errors().empty()) << modals.Errors().front();
        PanesTest::TearDown();
    }
    const SBarItem& Item(int index) const { return *toolbar->GetBars().front()->GetItem(index); }
    void Click(int item) { ClickBarItem(*toolbar, item); }
    // The hardware's senders found, the tree's sender chosen, the toolbar told.
    void Detect()
    {
        g_pSenderLogic->DetectSenders(nullptr, 0, 0, 0);
        g_pRuntimeData->SetTreeCurSelNodeType(TREE_NODE_SENDER);
        toolbar->RefreshStates();
    }
    static bool Waiting() { return QGuiApplication::overrideCursor() != nullptr; }
    std::vector<bool> Enabled(std::initializer_list<int> items) const
    {
        std::vector<bool> states;
        for (int item : items)
            states.push_back(Item(item).bEnabled);
        return states;
    }

    CToolBarDlg* toolbar = nullptr;
};

} // namespace

TEST_F(ToolBarDlgTest, LoadFromCardOffersReadableCardsOrLoadsTheOneDetectedSenderAndTheLabelTellsDemoMode)
{
    ASSERT_TRUE(sim::InjectSenderFault(3, sim::SenderFault::Offline));
    for (int sender : {0, 2, 3, 5})
        sim::WriteSenderCard(sender, "wall", "{}");
    Detect();
    g_pRuntimeData->SetSpecialOpType(SPECIAL_OP_MOVE);
    modals.PickMenu(1203);
    Click(TB_LOAD_FROM_CARD);
    // Sender 3 is not connected and senders 1 and 4 have no card.
    const SModalRecord* menu = modals.Last(EModalKind::Menu);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->menuItems.size(), 3u);
    EXPECT_EQ(menu->menuItems[1].strText, g_pProjectData->GetShowSenderName(2, 1));
    EXPECT_EQ(std::tuple(host.loadedFromCard, g_pRuntimeData->GetSpecialOpType(), sim::GetCardTransferEndCount()),
              std::tuple(std::vector<int>{5}, SPECIAL_OP_NORMAL, 1));

    sim::ProjectModel one = sim::GenerateProject({});
    Open(one);
    Detect();
    Click(TB_LOAD_FROM_CARD);
    EXPECT_EQ(std::tuple(host.loadedFromCard, modals.LogOf(EModalKind::Menu).size(), sim::GetCardTransferEndCount()),
              std::tuple(std::vector<int>{5, 0}, 1u, 2)); // no second menu
    one.demoMode = true;
    Open(one);
    Detect();
    RecordingCanvas canvas;
    toolbar->DrawTo(canvas);
    const std::string label = g_pSenderLogic->GetSenderName(0) + " (" + GetLanguageString("DemoMode", "DemoMode") + ")";
    EXPECT_EQ(1,
              std::ranges::count_if(
                  canvas.Ops(), [&](const DrawOp& op) { return op.kind == DrawOp::Kind::Text && op.text == label; }))
        << label;
}

TEST_F(ToolBarDlgTest, TheWheelOnTheZoomStepsTheSenderAndItsPartnerWithinTheTable)
{
    const int pairSender = 0, backup = PairPartnerOf(*g_pProjectData, pairSender);
    ASSERT_GE(backup, 0) << "the sample's main wall has a backup";
    g_pProjectData->SetCurrentSender(pairSender);
    for (const auto& [from, delta, to] : {std::tuple{10.0f, 120, 10.0f}, std::tuple{0.25f, -120, 0.25f},
                                          std::tuple{0.9f, 120, 1.0f}, std::tuple{0.9f, -120, 0.75f}}) {
        g_pModuleData->SetZoom(pairSender, from);
        g_pModuleData->SetZoom(backup, 1.0f);
        host.notifications.clear();
        WheelBarItem(*toolbar, *toolbar->GetBars().front(), TB_ZOOM, static_cast<short>(delta));
        EXPECT_EQ(std::tuple(to, from != to ? to : 1.0f, from != to ? 1 : 0),
                  std::tuple(g_pModuleData->GetZoom(pairSender), g_pModuleData->GetZoom(backup), Notified(0x1F4000)))
            << from << " by " << delta;
    }
    EXPECT_EQ(Item(TB_ZOOM).strCaption, "75%");
}

TEST_F(ToolBarDlgTest, StartWaitsForTheFirstDataOrAStopElsewhereAndStopDetectsAgainUnlessRefused)
{
    sim::SetMonitorStepMode(true);
    Click(TB_START);
    ASSERT_TRUE(g_pMonitorThreadMgr->IsMonitoring());
    EXPECT_EQ(std::tuple(true, 1, false), std::tuple(Waiting(), Notified(0x4000), Item(TB_START).bEnabled));
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    EXPECT_TRUE(RunUntil([&] { return Notified(-1) > 0; }));
    EXPECT_EQ(std::tuple(1, false), std::tuple(Notified(-1), Waiting()));

    // Monitoring stopped elsewhere before its first data ends the wait.
    g_pMonitorLogic->StopMonitor();
    toolbar->RefreshStates();
    Click(TB_START);
    ASSERT_TRUE(Waiting());
    g_pMonitorLogic->StopMonitor();
    EXPECT_TRUE(RunUntil([] { return !Waiting(); }));

    ASSERT_TRUE(g_pMonitorLogic->StartMonitor(nullptr));
    toolbar->RefreshStates();
    host.notifications.clear();
    sim::ClearCallLog();
    modals.RefuseProgress();
    Click(TB_STOP);
    EXPECT_TRUE(g_pMonitorThreadMgr->IsMonitoring());
    EXPECT_EQ(sim::CountCalls("ISenderLogic::DetectSenders"), 0);
    Click(TB_STOP);
    EXPECT_FALSE(g_pMonitorThreadMgr->IsMonitoring());
    EXPECT_EQ(modals.Last(EModalKind::Progress)->strText, GetLanguageString("Detecting", "Common"));
    const auto argumentsOf = [](const char* operation) {
        const auto calls = sim::GetCallLog();
        const auto it = std::ranges::find_if(calls, [&](const auto& c) { return c.operation == operation; });
        return it == calls.end() ? std::string("(not called)") : it->arguments;
    };
    EXPECT_EQ(argumentsOf("ISenderLogic::DetectSenders"), "ptr, 0, 30, 1");
    EXPECT_EQ(argumentsOf("IReceiverLogic::DetectReceivers"), "-1, -1, ptr, 30, 100, 0");
    EXPECT_EQ(std::tuple(1, false), std::tuple(Notified(-1), Item(TB_STOP).bEnabled));
    // The same detection on request, with nothing to stop.
    sim::ClearCallLog();
    toolbar->SendMessage(WM_TOOLBAR_DETECT);
    EXPECT_EQ(argumentsOf("IReceiverLogic::DetectReceivers"), "-1, -1, ptr, 30, 100, 1");
    EXPECT_EQ(sim::CountCalls("IMonitorLogic::StopMonitor"), 0);

    // Cancel on the port warning leaves monitoring stopped.
    Detect();
    ASSERT_TRUE(g_pSenderLogic->SetOutputPorts({0, 1, {0x02}}));
    sim::ClearCallLog();
    modals.AnswerMessageBox(IDCANCEL);
    Click(TB_START);
    ASSERT_NE(modals.Last(EModalKind::MessageBox), nullptr);
    EXPECT_EQ(modals.Last(EModalKind::MessageBox)->strText, GetLanguageString("PortEnableWarning", "Monitoring"));
    EXPECT_EQ(
        std::tuple(false, 0, false),
        std::tuple(g_pMonitorThreadMgr->IsMonitoring(), sim::CountCalls("IMonitorLogic::StartMonitor"), Waiting()));
}

TEST_F(ToolBarDlgTest, ModesNavigationSettingsLogBlinkAndALockedPage)
{
    Click(TB_MOVE);
    EXPECT_EQ(SPECIAL_OP_MOVE, g_pRuntimeData->GetSpecialOpType());
    Click(TB_OPEN);
    EXPECT_EQ(std::tuple(SPECIAL_OP_NORMAL, std::vector<std::string>{""}),
              std::tuple(g_pRuntimeData->GetSpecialOpType(), host.opened)); // opening ends the move mode
    Click(TB_NAVIGATION);
    EXPECT_TRUE(Item(TB_NAVIGATION).bChecked);
    modals.EndDialog(0);
    Click(TB_LOG); // the tour opens the settings from their item
    EXPECT_EQ(modals.LogOf(EModalKind::Dialog).size(), 1u);
    g_pLabelDlg->GetTargetSelect()->KillTimer(CTargetSelectDlg::kBlinkTimer);
    toolbar->SendMessage(WM_TOOLBAR_TARGET_BLINK);
    EXPECT_TRUE(g_pLabelDlg->GetTargetSelect()->HasTimer(CTargetSelectDlg::kBlinkTimer));

    // A locked page refuses save, and while monitoring open; a new size alone keeps the states.
    sim::SetCurInterfaceDlg(INTERFACE_DLG_MONITOR);
    sim::ConfigSettings config = sim::GetConfig();
    config.lockedInterfaces = {INTERFACE_DLG_MONITOR};
    sim::SetConfig(config);
    Detect();
    EXPECT_EQ(Enabled({TB_OPEN, TB_SAVE, TB_LOAD_FROM_CARD}), (std::vector<bool>{true, false, false}));
    page->MoveTo({0, 0, 1000, 700});
    page->Update(0, 0, 1);
    EXPECT_FALSE(Item(TB_SAVE).bEnabled);
    ASSERT_TRUE(g_pMonitorLogic->StartMonitor(nullptr));
    toolbar->RefreshStates();
    EXPECT_EQ(Enabled({TB_OPEN, TB_SAVE, TB_START, TB_SETTINGS}), (std::vector<bool>{false, false, false, true}));
}
