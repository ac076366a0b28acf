#include "dialog_test_support.h"

#include "host/vistrano_language.h"
#include "log/log_dates.h"
#include "log/query_log_dlg.h"
#include "module/module_folders.h"
#include "platform/format.h"
#include "platform/shell.h"
#include "sim/call_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

namespace {

using Dlg = CQueryLogDlg;

class QueryLogDlgTest : public DialogTest {
protected:
    std::string LogFolder() const { return GetConfigFolder() + "MonitoringRecord//"; }

    void MakeLogs(std::initializer_list<std::string> names) const
    {
        ASSERT_TRUE(plat::CreateDirectories(LogFolder()));
        for (const std::string& name : names)
            std::ofstream(LogFolder() + name) << "log\n";
    }

    // Runs the dialog; answers DoModal's result.
    static int Run(const std::function<void(Dlg&)>& action, int endWith = 0, CWnd* parent = nullptr)
    {
        Dlg dlg(parent);
        Script().RunOnDialog<Dlg>(action, endWith);
        return dlg.DoModal();
    }

    // Chooses a day as the user would: the calendar tells the dialog.
    static void Choose(Dlg& dlg, int year, int month, int day)
    {
        dlg.GetCalendar().SetDate(year, month, day);
        dlg.SendMessage(WM_CALENDAR_DATECHANGED, static_cast<WPARAM>(PackLogDate(year, month, day)),
                        reinterpret_cast<LPARAM>(&dlg.GetCalendar()));
    }

    static bool OpenEnabled(const Dlg& dlg) { return dlg.GetControl(Dlg::kOpen)->bEnabled; }
};

TEST_F(QueryLogDlgTest, TheDaysOfTheLogFilesAreMarkedAndOnlyTheyOpen)
{
    MakeLogs({"2021-11-25.txt", "2021-11-26.log", "2021_11_27", "2021-13-01.txt", "2021-11-5.txt", "readme.txt"});
    Run([](Dlg& dlg) {
        EXPECT_EQ(dlg.GetCalendar().GetNeedShowDate(),
                  (std::vector<SShowDate>{{2021, 11, 25}, {2021, 11, 26}, {2021, 11, 27}}));
        EXPECT_EQ(dlg.GetCalendar().GetShowPartialDate(), 1);
        for (const auto& [m, d, marked] : {std::tuple{11, 25, true}, {11, 24, false}, {11, 26, true}, {11, 5, false}}) {
            Choose(dlg, 2021, m, d);
            EXPECT_EQ(std::tuple(dlg.GetCalendar().IsDateMarked(2021, m, d), OpenEnabled(dlg)),
                      std::tuple(marked, marked))
                << m << "/" << d;
            if (!marked)
                ClickControl(dlg, Dlg::kOpen); // a disabled Open opens nothing
        }
        Choose(dlg, 2020, 11, 25);
        EXPECT_FALSE(OpenEnabled(dlg));
    });
    EXPECT_TRUE(ShellOpens().empty());
}

// The desktop opens the file, then it cannot: the user is told why.
TEST_F(QueryLogDlgTest, OpenHandsTheDaysTxtPathToTheShellAndStaysOpen)
{
    MakeLogs({"2021-11-26.log"});
    for (bool opened : {true, false}) {
        SetShellAnswer(opened);
        if (!opened)
            Script().AnswerMessageBox(IDOK);
        Run([&](Dlg& dlg) {
            Choose(dlg, 2021, 11, 26);
            ClickControl(dlg, Dlg::kOpen);
            EXPECT_TRUE(dlg.IsWindow());
        });
    }
    const std::string path = LogFolder() + "2021-11-26.txt";
    ASSERT_EQ(ShellOpens().size(), 2u);
    EXPECT_EQ(std::tuple(ShellOpens()[0].strPath, ShellOpens()[0].strVerb, ShellOpens()[0].nShowCmd),
              std::tuple(path, "open", 5));
    ASSERT_EQ(Script().LogOf(EModalKind::MessageBox).size(), 1u);
    const SModalRecord* box = Script().Last(EModalKind::MessageBox);
    EXPECT_EQ(std::tuple(box->strText, box->strCaption),
              std::tuple(plat::Format(GetLanguageString("MonitorLog_OpenFailed", "Monitoring"), path),
                         GetLanguageString("MonitorLogQuery", "Monitoring")));
}

// No folder, an empty one, a file where the folder should be.
TEST_F(QueryLogDlgTest, NoLogsMarkNothingAndOpenStaysDisabled)
{
    for (int kind : {0, 1, 2}) {
        std::filesystem::remove_all(LogFolder());
        ASSERT_TRUE(plat::CreateDirectories(GetConfigFolder()));
        if (kind == 1)
            MakeLogs({});
        if (kind == 2)
            std::ofstream(GetConfigFolder() + "MonitoringRecord") << "not a folder\n";
        Run([kind](Dlg& dlg) {
            EXPECT_TRUE(dlg.GetLogDates().empty()) << kind;
            EXPECT_FALSE(OpenEnabled(dlg)) << kind; // today
            Choose(dlg, 2021, 12, 31);
            EXPECT_FALSE(OpenEnabled(dlg)) << kind;
        });
    }
}

// Cancel and Escape close with 0; Enter leaves the dialog to the script's end (7).
TEST_F(QueryLogDlgTest, CancelAndEscapeCloseWithZeroEnterDoesNothingAndWhereItStands)
{
    EXPECT_EQ((std::vector{0, 0, 7}),
              (std::vector{Run([](Dlg& dlg) { ClickControl(dlg, Dlg::kCancel); }, 7),
                           Run([](Dlg& dlg) { PressKey(dlg, VK_ESCAPE); }, 7),
                           Run([](Dlg& dlg) { PressKey(dlg, VK_RETURN); }, 7)}));
    std::string days;
    for (const sim::LoggedCall& call : sim::GetCallLog())
        if (call.operation == "GetLanguageString" && call.arguments.find("day\"") != std::string::npos)
            days += call.arguments.substr(1, 3);
    EXPECT_EQ(days.substr(0, 21), "SunMonTueWedThuFriSat") << "the calendar's day names start on Sunday";

    // The dialog stands over its parent or else in the middle of the work area.
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(nullptr, {40, 60, 640, 560}, 1, EWindowKind::Dialog, "page"));
    parent.ShowWindow(SW_SHOW);
    for (CWnd* owner : {static_cast<CWnd*>(nullptr), &parent}) {
        const CPoint over = (owner ? owner->GetWindowRect() : plat::GetScreenWorkArea()).CenterPoint();
        Run(
            [&](Dlg& dlg) {
                EXPECT_NEAR(dlg.GetWindowRect().CenterPoint().x, over.x, 1);
                EXPECT_NEAR(dlg.GetWindowRect().CenterPoint().y, over.y, 1);
            },
            0, owner);
    }
}

} // namespace
