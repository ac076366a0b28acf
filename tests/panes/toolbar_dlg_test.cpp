// The toolbar on the real page: its commands against the simulated host
// and hardware, with every modal window scripted.
#include "controls/modal.h"
#include "dialog_input.h"
#include "host/hwbridge_monitor.h"
#include "host/hwbridge_sender.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "panes/target_select_dlg.h"
#include "panes/toolbar_dlg.h"
#include "panes/toolbar_items.h"
#include "panes_test_support.h"
#include "platform/canvas.h"
#include "settings/main_setting_frame_dlg.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <QGuiApplication>

#include <algorithm>
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
    const CMorvButtonBar& Bar() const { return *toolbar->GetBars().front(); }
    const SBarItem& Item(int index) const { return *Bar().GetItem(index); }
    void Click(int item) { ClickBarItem(*toolbar, item); }
    // The hardware's senders found and the current sender chosen in the
    // tree, and the toolbar told.
    void Detect()
    {
        g_pSenderLogic->DetectSenders(nullptr, 0, 0, 0);
        g_pRuntimeData->SetTreeCurSelNodeType(TREE_NODE_SENDER);
        toolbar->RefreshStates();
    }
    static bool Waiting() { return QGuiApplication::overrideCursor() != nullptr; }

    CToolBarDlg* toolbar = nullptr;
};

} // namespace

TEST_F(ToolBarDlgTest, OneDetectedSenderLoadsFromTheCurrentSenderWithoutAMenu)
{
    std::string error;
    ASSERT_TRUE(sim::SetProject(sim::GenerateProject({}), error)) << error;
    Detect();
    Click(TB_LOAD_FROM_CARD);
    EXPECT_EQ(host.loadedFromCard, std::vector<int>{0});
    EXPECT_TRUE(modals.LogOf(EModalKind::Menu).empty());
    EXPECT_EQ(sim::GetCardTransferEndCount(), 1);
}

TEST_F(ToolBarDlgTest, CardMenuListsReadableCardsAndMapsEntriesToTheirSenders)
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
    EXPECT_EQ(host.loadedFromCard, std::vector<int>{5});
    EXPECT_EQ(g_pRuntimeData->GetSpecialOpType(), SPECIAL_OP_NORMAL);
    EXPECT_EQ(sim::GetCardTransferEndCount(), 1);
}

TEST_F(ToolBarDlgTest, ZoomWheelStepsTheCurrentSenderAndItsBackupPartner)
{
    int source = -1, backup = -1, second = 0, pairSender = -1;
    for (int i = 0; i < g_pProjectData->GetSenderCount() && pairSender < 0; ++i)
        if (g_pProjectData->MatchSrcBackup(i, 0, source, backup, second) && !second)
            pairSender = i;
    ASSERT_GE(pairSender, 0) << "the sample has a source/backup pair";
    g_pProjectData->SetCurrentSender(pairSender);
    // from, wheel delta, to
    for (const auto& [from, delta, to] : {std::tuple{10.0f, 120, 10.0f}, std::tuple{0.25f, -120, 0.25f},
                                          std::tuple{0.9f, 120, 1.0f}, std::tuple{0.9f, -120, 0.75f}}) {
        g_pModuleData->SetZoom(pairSender, from);
        g_pModuleData->SetZoom(backup, 1.0f);
        host.notifications.clear();
        WheelBarItem(*toolbar, Bar(), TB_ZOOM, static_cast<short>(delta));
        EXPECT_FLOAT_EQ(g_pModuleData->GetZoom(pairSender), to) << from << " by " << delta;
        EXPECT_FLOAT_EQ(g_pModuleData->GetZoom(backup), from != to ? to : 1.0f);
        EXPECT_EQ(Notified(0x1F4000), from != to ? 1 : 0);
    }
    EXPECT_EQ(Item(TB_ZOOM).strCaption, "75%");
}

TEST_F(ToolBarDlgTest, ZoomMenuOffersTheNineStepsAndCaptionShowsTheRoundedPercent)
{
    g_pModuleData->SetZoom(0, 1.2f);
    toolbar->RefreshStates();
    EXPECT_EQ(Item(TB_ZOOM).strCaption, "120%");
    modals.PickMenu(1204);
    Click(TB_ZOOM);
    const SModalRecord* menu = modals.Last(EModalKind::Menu);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->menuItems.size(), 9u);
    EXPECT_EQ(menu->menuItems.back().strText, "1000%");
    EXPECT_FLOAT_EQ(g_pModuleData->GetZoom(0), 1.5f);
    EXPECT_EQ(Item(TB_ZOOM).strCaption, "150%");
}

TEST_F(ToolBarDlgTest, CancelOnThePortWarningLeavesMonitoringStopped)
{
    Detect();
    ASSERT_TRUE(g_pSenderLogic->SetOutputPorts({0, 1, {0x02}}));
    modals.AnswerMessageBox(IDCANCEL);
    Click(TB_START);
    ASSERT_NE(modals.Last(EModalKind::MessageBox), nullptr);
    EXPECT_EQ(modals.Last(EModalKind::MessageBox)->strText, GetLanguageString("PortEnableWarning", "Monitoring"));
    EXPECT_FALSE(g_pMonitorThreadMgr->IsMonitoring());
    EXPECT_EQ(sim::CountCalls("IMonitorLogic::StartMonitor"), 0);
    EXPECT_FALSE(Waiting());
}

TEST_F(ToolBarDlgTest, StartWaitsForTheFirstDataThenRefreshesThePage)
{
    sim::SetMonitorStepMode(true);
    Click(TB_START);
    ASSERT_TRUE(g_pMonitorThreadMgr->IsMonitoring());
    EXPECT_TRUE(Waiting());
    EXPECT_EQ(Notified(0x4000), 1);
    EXPECT_FALSE(Item(TB_START).bEnabled);
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    EXPECT_TRUE(Eventually([&] { return Notified(-1) > 0; }));
    EXPECT_EQ(Notified(-1), 1);
    EXPECT_FALSE(Waiting());
}

TEST_F(ToolBarDlgTest, MonitoringStoppedElsewhereBeforeItsFirstDataEndsTheWait)
{
    sim::SetMonitorStepMode(true);
    Click(TB_START);
    ASSERT_TRUE(Waiting());
    g_pMonitorLogic->StopMonitor();
    EXPECT_TRUE(Eventually([] { return !Waiting(); }));
}

TEST_F(ToolBarDlgTest, StopDetectsAgainUnderAProgressWindowUnlessRefused)
{
    sim::SetMonitorStepMode(true);
    ASSERT_TRUE(g_pMonitorLogic->StartMonitor(nullptr));
    toolbar->RefreshStates();
    modals.RefuseProgress();
    Click(TB_STOP);
    EXPECT_TRUE(g_pMonitorThreadMgr->IsMonitoring());
    EXPECT_EQ(sim::CountCalls("ISenderLogic::DetectSenders"), 0);

    Click(TB_STOP);
    EXPECT_FALSE(g_pMonitorThreadMgr->IsMonitoring());
    EXPECT_EQ(modals.Last(EModalKind::Progress)->strText, GetLanguageString("Detecting", "Common"));
    auto argumentsOf = [](const char* operation) {
        const auto calls = sim::GetCallLog();
        const auto it
            = std::find_if(calls.begin(), calls.end(), [&](const auto& c) { return c.operation == operation; });
        return it == calls.end() ? std::string("(not called)") : it->arguments;
    };
    EXPECT_EQ(argumentsOf("ISenderLogic::DetectSenders"), "ptr, 0, 30, 1");
    EXPECT_EQ(argumentsOf("IReceiverLogic::DetectReceivers"), "-1, -1, ptr, 30, 100, 0");
    EXPECT_EQ(Notified(-1), 1);
    EXPECT_FALSE(Item(TB_STOP).bEnabled);

    // The same detection on request, with nothing to stop.
    sim::ClearCallLog();
    toolbar->SendMessage(WM_TOOLBAR_DETECT);
    EXPECT_EQ(argumentsOf("IReceiverLogic::DetectReceivers"), "-1, -1, ptr, 30, 100, 1");
    EXPECT_EQ(sim::CountCalls("IMonitorLogic::StopMonitor"), 0);
}

TEST_F(ToolBarDlgTest, LockedPageRefusesSaveAndWhileMonitoringOpen)
{
    sim::SetCurInterfaceDlg(INTERFACE_DLG_MONITOR);
    sim::ConfigSettings config = sim::GetConfig();
    config.lockedInterfaces = {INTERFACE_DLG_MONITOR};
    sim::SetConfig(config);
    Detect();
    EXPECT_EQ((std::vector<bool>{Item(TB_OPEN).bEnabled, Item(TB_SAVE).bEnabled, Item(TB_LOAD_FROM_CARD).bEnabled}),
              (std::vector<bool>{true, false, false}));
    // A new size alone keeps the states.
    page->MoveTo({0, 0, 1000, 700});
    page->Update(0, 0, 1);
    EXPECT_FALSE(Item(TB_SAVE).bEnabled);
    ASSERT_TRUE(g_pMonitorLogic->StartMonitor(nullptr));
    toolbar->RefreshStates();
    EXPECT_EQ((std::vector<bool>{Item(TB_OPEN).bEnabled, Item(TB_SAVE).bEnabled, Item(TB_START).bEnabled}),
              (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(Item(TB_SETTINGS).bEnabled);
}

TEST_F(ToolBarDlgTest, ModesNavigationSettingsLogAndBlink)
{
    Click(TB_MOVE);
    EXPECT_EQ(g_pRuntimeData->GetSpecialOpType(), SPECIAL_OP_MOVE);
    EXPECT_TRUE(Item(TB_MOVE).bChecked);
    Click(TB_OPEN);
    EXPECT_EQ(g_pRuntimeData->GetSpecialOpType(), SPECIAL_OP_NORMAL);
    EXPECT_EQ(host.opened, std::vector<std::string>{""});
    Click(TB_NAVIGATION);
    EXPECT_TRUE(Item(TB_NAVIGATION).bChecked);
    // The settings frame and the log query open modally.
    modals.RunOnDialog<CMainSettingFrameDlg>([](CMainSettingFrameDlg&) {}, 2);
    Click(TB_SETTINGS);
    modals.EndDialog(0);
    Click(TB_LOG);
    EXPECT_EQ(modals.LogOf(EModalKind::Dialog).size(), 2u);

    g_pLabelDlg->GetTargetSelect()->KillTimer(CTargetSelectDlg::kBlinkTimer);
    toolbar->SendMessage(WM_TOOLBAR_TARGET_BLINK);
    EXPECT_TRUE(g_pLabelDlg->GetTargetSelect()->HasTimer(CTargetSelectDlg::kBlinkTimer));
    EXPECT_EQ(Item(TB_OPEN).strTooltip, GetLanguageString("Project_Open", "Common") + "(Ctrl+O)");
}

TEST_F(ToolBarDlgTest, DeviceLabelCarriesTheDemoModeSuffix)
{
    sim::ProjectModel project = sim::GetProject();
    project.demoMode = true;
    std::string error;
    ASSERT_TRUE(sim::SetProject(project, error)) << error;
    Detect();
    RecordingCanvas canvas;
    toolbar->DrawTo(canvas);
    const std::string expected
        = g_pSenderLogic->GetSenderName(0) + " (" + GetLanguageString("DemoMode", "DemoMode") + ")";
    EXPECT_TRUE(std::any_of(canvas.Ops().begin(), canvas.Ops().end(), [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.text == expected;
    })) << expected;
}
