// Monitor_Init through the reference host: the handles, the page, the
// registration of the page state, and the page's end and re-creation.
#include "controls/density.h"
#include "controls/skin.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_entry.h"
#include "module/module_folders.h"
#include "module/module_globals.h"
#include "module/module_lifetime.h"
#include "module_test_support.h"
#include "panes/sender_select_dlg.h"
#include "sim/call_log.h"
#include "sim/monitor_feed.h"

namespace {

using EntryTest = ModuleTest;

const std::string kFetches = "GetProjectData GetConstantData GetConfigData GetRuntimeData GetMonitorData "
                             "GetMonitorThreadMgr GetHwSenderLogic GetHwReceiverLogic GetHwVideoSourceLogic "
                             "GetHwCaliSoftEdgeLogic GetHwAdvancedSoftEdgeLogic GetHwColorBrightLogic "
                             "GetHwMonitorLogic CMonitorThreadMgr::AddMonitorUpdateTarget";

// The fetches of the call log, in order.
std::string Fetches()
{
    std::string seen;
    for (const sim::LoggedCall& call : sim::GetCallLog())
        if ((" " + kFetches + " ").find(" " + call.operation + " ") != std::string::npos)
            seen += (seen.empty() ? "" : " ") + call.operation;
    return seen;
}

TEST_F(EntryTest, RefusesBadArgumentsAndAFailedWindowThenFetchesOnceAndHandsBackThePage)
{
    g_pHostLabel = nullptr;
    CTestHost noArea(false), host, second;
    IQuarnLabel* page = nullptr;
    EXPECT_EQ(
        (std::vector{0, 0, 0}),
        (std::vector{Monitor_Init(nullptr, &page), Monitor_Init(&host, nullptr), Monitor_Init(nullptr, nullptr)}));
    EXPECT_EQ((std::vector<const void*>{nullptr, nullptr, nullptr}),
              (std::vector<const void*>{page, g_pHostLabel, g_pLabelDlg}));
    EXPECT_TRUE(sim::GetCallLog().empty());
    // A page area without a window: no page is left behind and none is
    // registered; the next call makes a page of its own.
    EXPECT_EQ(0, Monitor_Init(&noArea, &page));
    EXPECT_EQ((std::vector<const void*>{nullptr, nullptr}), (std::vector<const void*>{page, g_pLabelDlg}));
    EXPECT_EQ(0, sim::CountCalls("CMonitorThreadMgr::AddMonitorUpdateTarget"));

    sim::ClearCallLog();
    morv::SetDensity(1.5);
    g_pModuleData->SetSenderWord(4, 0x55u);
    page = CreatePage(host);
    EXPECT_EQ(kFetches, Fetches());
    EXPECT_EQ((std::vector<const void*>{&host, GetProjectData(), GetConstantData(), GetConfigData(), GetRuntimeData(),
                                        GetMonitorData(), GetMonitorThreadMgr(), GetHwSenderLogic(),
                                        GetHwReceiverLogic(), GetHwVideoSourceLogic(), GetHwCaliSoftEdgeLogic(),
                                        GetHwAdvancedSoftEdgeLogic(), GetHwColorBrightLogic(), GetHwMonitorLogic(),
                                        &CMorvSkin::Instance(), GetStaticModuleData(), page, &host.Area()}),
              (std::vector<const void*>{g_pHostLabel, g_pProjectData, g_pConstantData, g_pConfigData, g_pRuntimeData,
                                        g_pMonitorData, g_pMonitorThreadMgr, g_pSenderLogic, g_pReceiverLogic,
                                        g_pVideoSourceLogic, g_pCaliSoftEdgeLogic, g_pAdvancedSoftEdgeLogic,
                                        g_pColorBrightLogic, g_pMonitorLogic, g_pSkin, g_pModuleData,
                                        static_cast<IQuarnLabel*>(g_pLabelDlg), g_pLabelDlg->GetParent()}));
    EXPECT_NE(nullptr, g_pLibSet);
    EXPECT_DOUBLE_EQ(1.5, g_dDpiScale);
    EXPECT_EQ(GetModuleFolder(), g_strModuleFolder);
    EXPECT_TRUE(g_pLabelDlg->IsWindow());
    EXPECT_EQ(kLabelMonitorTemplate, g_pLabelDlg->GetTemplateId());
    EXPECT_GE(sim::GetMonitorUpdateTargetCount(), 1);
    EXPECT_EQ(0u, g_pModuleData->GetSenderWord(4)) << "the first refresh clears the per-sender words";

    sim::ClearCallLog();
    IQuarnLabel* again = nullptr;
    EXPECT_EQ(1, Monitor_Init(&second, &again));
    EXPECT_EQ(page, again);
    EXPECT_EQ(&second, g_pHostLabel);
    EXPECT_TRUE(Fetches().empty());
}

TEST_F(EntryTest, ReleaseAndRecreateManyTimesWithTheSamePageState)
{
    CModuleData* state = g_pModuleData;
    ASSERT_NE(nullptr, state);
    state->SetZoom(0, 2.0f);
    CTestHost host;
    for (int i = 0; i < 25; ++i) {
        IQuarnLabel* page = CreatePage(host);
        ASSERT_NE(nullptr, page);
        EXPECT_EQ(state, g_pModuleData);
        EXPECT_EQ(g_pLabelDlg->GetSenderSelect(), state->GetSenderPanel());
        page->MoveTo({0, 0, 1000 + i, 700});
        EXPECT_EQ(1, page->Update(-1, 0, 1));
        page->Release();
        EXPECT_EQ(nullptr, g_pLabelDlg);
        EXPECT_EQ(nullptr, state->GetSenderPanel());
    }
    EXPECT_FLOAT_EQ(2.0f, state->GetZoom(0));
    EXPECT_EQ(25, sim::CountCalls("CMonitorThreadMgr::AddMonitorUpdateTarget"));
    state->SetZoom(0, 1.0f);
}

} // namespace
