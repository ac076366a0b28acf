#include "dialog_test_support.h"

#include "controls/notify.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "host_world.h"
#include "module/module_globals.h"
#include "platform/format.h"
#include "platform/shell.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/project_gen.h"
#include "sim/world.h"
#include "video/signal_format_set_dlg.h"
#include "video/video_input_set_dlg.h"

#include <gtest/gtest.h>

namespace {

using Dlg = CVideoInputSetDlg;

// Senders 0-5 of models 35 (DVI, HDMI), 44 (DVI, HDMI, DP), 51 (HDMI,
// SDI), 59 (eight grouped inputs), 68 (eight slot inputs) and 99 (none).
class VideoInputSetDlgTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        sim::ResetHardware();
        sim::ProjectModel project = sim::GenerateProject({.senders = 6, .portsPerSender = 1, .receiversPerPort = 2});
        const int models[] = {35, 44, 51, 59, 68, 99};
        for (std::size_t i = 0; i < project.senders.size(); ++i)
            project.senders[i].deviceType = models[i];
        std::string error;
        ASSERT_TRUE(sim::SetProject(project, error)) << error;
        g_pProjectData = GetProjectData();
        g_pSenderLogic = GetHwSenderLogic();
        g_pVideoSourceLogic = GetHwVideoSourceLogic();
        g_pMonitorThreadMgr = GetMonitorThreadMgr();
        g_pHostLabel = &m_host;
    }
    void TearDown() override
    {
        g_pHostLabel = nullptr;
        sim::ResetHardware();
        DialogTest::TearDown();
    }

    static int Run(int sender, int endWith, const std::function<void(Dlg&)>& action)
    {
        Dlg dlg(sender);
        Script().RunOnDialog<Dlg>(action, endWith);
        return dlg.DoModal();
    }
    static void Store(std::vector<SInputSignalSetting> entries)
    {
        CMonitorInterfaceData data = HostSettings();
        data.senderSetting.arrInputSignal = std::move(entries);
        StoreSettings(data);
        sim::ClearCallLog();
    }

    CTestHost m_host{false};
};

// A sender never configured shows every input off.
TEST_F(VideoInputSetDlgTest, OkStoresTheEnabledRowsMarksOnceAndNotifiesCancelNothing)
{
    Run(0, IDOK, [](Dlg& dlg) {
        EXPECT_EQ(dlg.GetControlText(Dlg::kTitle),
                  plat::Format(GetLanguageString("VideoInput_Ttile", "Monitoring"),
                               GetProjectData()->GetSender(0)->GetSenderName()));
        ASSERT_EQ(dlg.GetRows().size(), 2u);
        EXPECT_EQ(dlg.GetTable(Dlg::kTable)->headers.size(), 4u);
        for (int row = 0; row < 2; ++row) {
            EXPECT_EQ(dlg.GetCheck(Dlg::kEnableCheck + row) + dlg.GetCheck(Dlg::kResolutionCheck + row), 0);
            EXPECT_EQ(dlg.GetControlText(Dlg::kFormatCell + row), "1920x1080@60.000Hz");
            EXPECT_FALSE(dlg.GetControl(Dlg::kFormatCell + row)->bEnabled);
        }
        ClickControl(dlg, Dlg::kEnableCheck);
        ClickControl(dlg, Dlg::kCancel);
    });
    EXPECT_EQ(std::tuple(HostSettings().senderSetting.arrInputSignal.size(),
                         HostCalls("CMonitorData::SetInterfaceData"), sim::GetModificationCount()),
              std::tuple(0u, 0, 0));
    EXPECT_EQ(IDOK, Run(1, IDCANCEL, [](Dlg& dlg) {
                  ClickControl(dlg, Dlg::kEnableCheck + 1);
                  ClickControl(dlg, Dlg::kResolutionCheck + 1);
                  EXPECT_TRUE(dlg.GetControl(Dlg::kFormatCell + 1)->bEnabled);
                  ClickControl(dlg, Dlg::kOk);
              }));
    ASSERT_EQ(HostSettings().senderSetting.arrInputSignal.size(), 1u);
    const SInputSignalSetting e = HostSettings().senderSetting.arrInputSignal[0];
    EXPECT_EQ(std::tie(e.dwSender, e.byValue1, e.byValue2, e.nValue3, e.nValue4, e.nValue5, e.dValue, e.strSignal),
              std::make_tuple(1u, uint8_t{44}, uint8_t{2}, 1, 1920, 1080, 60.0, std::string("HDMI")));
    ASSERT_EQ(std::tuple(sim::GetModificationCount(), m_host.notifications.size()), std::tuple(1, 1u));
    EXPECT_EQ(m_host.notifications[0].mask, -1);
}

TEST_F(VideoInputSetDlgTest, ApplyToAllSendersStoresOnlyMatchingInputs)
{
    Script().AnswerMessageBox(IDOK);
    Run(1, IDCANCEL, [](Dlg& dlg) {
        ClickControl(dlg, Dlg::kEnableCheck + 1); // HDMI
        ClickControl(dlg, Dlg::kEnableCheck + 2); // DP
        ClickControl(dlg, Dlg::kApplyAll);
    });
    std::vector<std::pair<uint32_t, int>> stored;
    for (const SInputSignalSetting& e : HostSettings().senderSetting.arrInputSignal)
        stored.push_back({e.dwSender, e.byValue2});
    EXPECT_EQ(stored, (std::vector<std::pair<uint32_t, int>>{{0, 2}, {1, 2}, {1, 3}, {2, 2}}));
    const SModalRecord* box = Script().Last(EModalKind::MessageBox);
    EXPECT_EQ(std::tuple(box->strText, box->strCaption, sim::GetModificationCount()),
              std::tuple(GetLanguageString("Succeed_Set", "Common"), plat::GetApplicationTitle(), 1));
}

// A live input offers its signal, a dead one opens the format dialog at once.
TEST_F(VideoInputSetDlgTest, TheFormatCellAndTheSenderSelector)
{
    std::string live;
    Run(0, IDCANCEL, [&](Dlg& dlg) {
        live = GetHwVideoSourceLogic()->GetSignalText(0, dlg.GetRows()[0].input);
        ClickControl(dlg, Dlg::kResolutionCheck);
        Script().PickMenu(Dlg::kMenuSetToSignal);
        ClickControl(dlg, Dlg::kFormatCell);
        EXPECT_EQ(dlg.GetRows()[0].strFormat, live);
        ClickControl(dlg, Dlg::kResolutionCheck + 1);
        Script().RunOnDialog<CSignalFormatSetDlg>(
            [](CSignalFormatSetDlg& format) {
                format.SetControlText(CSignalFormatSetDlg::kHeightEdit, "1200");
                ClickControl(format, CSignalFormatSetDlg::kOk);
            },
            IDCANCEL);
        ClickControl(dlg, Dlg::kFormatCell + 1);
        EXPECT_EQ(dlg.GetControlText(Dlg::kFormatCell + 1), "1920x1200@60.000Hz");

        Script().PickMenu(Dlg::kMenuFirstSender + 5);
        ClickControl(dlg, Dlg::kSenderSelector);
        EXPECT_EQ(dlg.GetSender(), 5);
        EXPECT_TRUE(dlg.GetRows().empty() && dlg.GetTable(Dlg::kTable)->rows.empty());
        EXPECT_EQ(dlg.GetControl(Dlg::kEnableCheck), nullptr);
        Script().PickMenu(Dlg::kMenuFirstSender + 3);
        ClickControl(dlg, Dlg::kSenderSelector);
        EXPECT_EQ(dlg.GetRows().size(), 8u);
    });
    ASSERT_FALSE(live.empty());
    const std::vector<SModalRecord> menus = Script().LogOf(EModalKind::Menu);
    ASSERT_EQ(menus.size(), 3u);
    ASSERT_EQ(menus[0].menuItems.size(), 2u);
    EXPECT_EQ(menus[0].menuItems[1].strText, GetLanguageString("SetTo", "Monitoring") + live);
    ASSERT_EQ(menus[1].menuItems.size(), 6u);
    EXPECT_TRUE(menus[1].menuItems[0].bChecked);
}

TEST_F(VideoInputSetDlgTest, StoredSettingsOfAnotherModelOrWithoutAFormatAreNeverStoredByAPlainOk)
{
    const SInputSignalSetting other{0, 200, 2, 0, 0, 1, 1920, 1080, 60.0, "HDMI"};
    Store({other});
    Run(0, IDCANCEL, [](Dlg& dlg) { EXPECT_EQ(dlg.GetRows()[1].bEnabled, 0); });
    EXPECT_EQ(HostSettings().senderSetting.arrInputSignal.size(), 1u);
    // A 0 Hz refresh stored before: OK says so and stores nothing.
    Store({{0, 35, 2, 0, 0, 1, 1920, 1080, 0.0, "HDMI"}});
    Script().AnswerMessageBox(IDOK);
    Run(0, IDCANCEL, [](Dlg& dlg) {
        EXPECT_EQ(dlg.GetControlText(Dlg::kFormatCell + 1), "1920x1080@0.00Hz");
        ClickControl(dlg, Dlg::kOk);
        EXPECT_TRUE(dlg.IsWindow());
    });
    EXPECT_NE(Script().Last(EModalKind::MessageBox)->strText.find("1920x1080@0.00Hz"), std::string::npos);
    EXPECT_EQ(HostCalls("CMonitorData::SetInterfaceData"), 0);
}

// A hardware with 40 inputs whose signals are interlaced, malformed or absent.
class ManyInputsLogic final : public IVideoSourceLogic {
public:
    int GetFixedInputs(int, int, std::vector<SVideoInputRecord>& inputs) override
    {
        for (uint32_t i = 0; i < 40; ++i)
            inputs.push_back({0, 0, 0, i + 1, 0});
        return 1;
    }
    int GetInputTypeCodes(int, std::vector<uint8_t>&) override { return 0; }
    int GetInputRecords(int, std::vector<SVideoInputRecord>&) override { return 0; }
    std::string GetInputName(int, int type) override { return "In " + std::to_string(type); }
    std::string GetInputName(int, uint32_t, int, int, int) override { return {}; }
    std::string GetSignalText(int, const SVideoInputRecord& input) override
    {
        const char* texts[] = {"1920x1080i@50.000Hz", "1920x1080", "unknow video", ""};
        return texts[std::min<uint32_t>(input.dwInputType - 1, 3)];
    }
    int SetOutputPorts(const SPortOutputRecord&) override { return 0; }
};

TEST_F(VideoInputSetDlgTest, ThirtyTwoInputsScrollAndOddSignalTextsGiveSaneRows)
{
    ManyInputsLogic logic;
    g_pVideoSourceLogic = &logic;
    Run(0, IDCANCEL, [](Dlg& dlg) {
        ASSERT_EQ(dlg.GetRows().size(), 32u);
        EXPECT_EQ(dlg.GetTable(Dlg::kTable)->rows.size(), static_cast<std::size_t>(Dlg::kVisibleRows));
        EXPECT_FALSE(dlg.GetControl(Dlg::kEnableCheck + 31)->bVisible);
        dlg.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-1200)), 0);
        EXPECT_EQ(dlg.GetFirstRow(), 32 - Dlg::kVisibleRows);
        EXPECT_TRUE(dlg.GetControl(Dlg::kEnableCheck + 31)->bVisible);
        dlg.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(1200)), 0);
        for (int row = 0; row < 4; ++row) {
            ClickControl(dlg, Dlg::kEnableCheck + row);
            ClickControl(dlg, Dlg::kResolutionCheck + row);
        }
        Script().PickMenu(Dlg::kMenuSetToSignal); // interlaced: taken
        ClickControl(dlg, Dlg::kFormatCell);
        Script().PickMenu(0); // malformed: shown, not offered
        ClickControl(dlg, Dlg::kFormatCell + 1);
        for (int row : {2, 3}) { // none: the format dialog at once
            Script().RunOnDialog<CSignalFormatSetDlg>([](CSignalFormatSetDlg&) {}, IDCANCEL);
            ClickControl(dlg, Dlg::kFormatCell + row);
        }
        ClickControl(dlg, Dlg::kOk);
    });
    EXPECT_FALSE(Script().LogOf(EModalKind::Menu).at(1).menuItems.at(1).bEnabled);
    EXPECT_EQ(Script().LogOf(EModalKind::Dialog).size(), 3u);
    const std::vector<SInputSignalSetting> stored = HostSettings().senderSetting.arrInputSignal;
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[0].dValue, 50.0);
    for (const SInputSignalSetting& e : stored)
        EXPECT_GE(e.dValue, 23.0) << e.strSignal;
}

} // namespace
