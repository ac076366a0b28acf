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

std::vector<std::string> Operations(const std::vector<std::string>& wanted)
{
    std::vector<std::string> seen;
    for (const sim::LoggedCall& call : sim::GetCallLog())
        if (std::find(wanted.begin(), wanted.end(), call.operation) != wanted.end())
            seen.push_back(call.operation);
    return seen;
}

const std::vector<std::string> kFetches = {
    "GetProjectData",
    "GetConstantData",
    "GetConfigData",
    "GetRuntimeData",
    "GetMonitorData",
    "GetMonitorThreadMgr",
    "GetHwSenderLogic",
    "GetHwReceiverLogic",
    "GetHwVideoSourceLogic",
    "GetHwCaliSoftEdgeLogic",
    "GetHwAdvancedSoftEdgeLogic",
    "GetHwColorBrightLogic",
    "GetHwMonitorLogic",
    "CMonitorThreadMgr::AddMonitorUpdateTarget",
};

} // namespace

TEST_F(EntryTest, FetchesTheServicesInOrderThenRegistersThePageState)
{
    morv::SetDensity(1.5);
    CTestHost host;
    IQuarnLabel* page = CreatePage(host);
    EXPECT_EQ(kFetches, Operations(kFetches));
    EXPECT_EQ(&host, g_pHostLabel);
    EXPECT_EQ(GetProjectData(), g_pProjectData);
    EXPECT_EQ(GetConstantData(), g_pConstantData);
    EXPECT_EQ(GetConfigData(), g_pConfigData);
    EXPECT_EQ(GetRuntimeData(), g_pRuntimeData);
    EXPECT_EQ(GetMonitorData(), g_pMonitorData);
    EXPECT_EQ(GetMonitorThreadMgr(), g_pMonitorThreadMgr);
    EXPECT_EQ(GetHwSenderLogic(), g_pSenderLogic);
    EXPECT_EQ(GetHwReceiverLogic(), g_pReceiverLogic);
    EXPECT_EQ(GetHwVideoSourceLogic(), g_pVideoSourceLogic);
    EXPECT_EQ(GetHwCaliSoftEdgeLogic(), g_pCaliSoftEdgeLogic);
    EXPECT_EQ(GetHwAdvancedSoftEdgeLogic(), g_pAdvancedSoftEdgeLogic);
    EXPECT_EQ(GetHwColorBrightLogic(), g_pColorBrightLogic);
    EXPECT_EQ(GetHwMonitorLogic(), g_pMonitorLogic);
    EXPECT_EQ(&CMorvSkin::Instance(), g_pSkin);
    EXPECT_NE(nullptr, g_pLibSet);
    EXPECT_DOUBLE_EQ(1.5, g_dDpiScale);
    EXPECT_EQ(GetModuleFolder(), g_strModuleFolder);
    EXPECT_EQ(GetStaticModuleData(), g_pModuleData);
    EXPECT_EQ(static_cast<IQuarnLabel*>(g_pLabelDlg), page);
    EXPECT_TRUE(g_pLabelDlg->IsWindow());
    EXPECT_EQ(&host.Area(), g_pLabelDlg->GetParent());
    EXPECT_EQ(kLabelMonitorTemplate, g_pLabelDlg->GetTemplateId());
    EXPECT_GE(sim::GetMonitorUpdateTargetCount(), 1);
}

TEST_F(EntryTest, SecondInitHandsBackTheSamePageWithoutFetchingAgain)
{
    CTestHost first;
    IQuarnLabel* page = CreatePage(first);
    sim::ClearCallLog();
    CTestHost second;
    IQuarnLabel* again = nullptr;
    EXPECT_EQ(1, Monitor_Init(&second, &again));
    EXPECT_EQ(page, again);
    EXPECT_EQ(&second, g_pHostLabel);
    EXPECT_TRUE(Operations(kFetches).empty());
}

TEST_F(EntryTest, NullArgumentsAnswer0AndChangeNothing)
{
    g_pHostLabel = nullptr;
    CTestHost host;
    IQuarnLabel* page = nullptr;
    EXPECT_EQ(0, Monitor_Init(nullptr, &page));
    EXPECT_EQ(0, Monitor_Init(&host, nullptr));
    EXPECT_EQ(0, Monitor_Init(nullptr, nullptr));
    EXPECT_EQ(nullptr, page);
    EXPECT_EQ(nullptr, g_pHostLabel);
    EXPECT_EQ(nullptr, g_pLabelDlg);
    EXPECT_TRUE(sim::GetCallLog().empty());
}

TEST_F(EntryTest, FailedWindowCreationLeavesNoPageBehind)
{
    CTestHost noArea(false);
    IQuarnLabel* page = nullptr;
    EXPECT_EQ(0, Monitor_Init(&noArea, &page));
    EXPECT_EQ(nullptr, page);
    EXPECT_EQ(nullptr, g_pLabelDlg);
    EXPECT_EQ(0, sim::CountCalls("CMonitorThreadMgr::AddMonitorUpdateTarget"));
    // The next call makes a page of its own instead of handing out one
    // without a window.
    CTestHost host;
    IQuarnLabel* made = CreatePage(host);
    ASSERT_NE(nullptr, g_pLabelDlg);
    EXPECT_TRUE(g_pLabelDlg->IsWindow());
    EXPECT_EQ(static_cast<IQuarnLabel*>(g_pLabelDlg), made);
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
    // Registering again keeps one entry.
    EXPECT_EQ(25, sim::CountCalls("CMonitorThreadMgr::AddMonitorUpdateTarget"));
    state->SetZoom(0, 1.0f);
}

TEST_F(EntryTest, FirstRefreshClearsThePerSenderWords)
{
    g_pModuleData->SetSenderWord(4, 0x55u);
    CTestHost host;
    CreatePage(host);
    EXPECT_EQ(0u, g_pModuleData->GetSenderWord(4));
}
