// What monitoring leaves on disk: log lines and alert mail that names
// cannot forge, kept while their folder cannot be written, told once, and
// written once it can.
#include "hw_fixture.h"

#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "log_file.h"
#include "record_keeper.h"
#include "sim/monitor_feed.h"
#include "sim/world.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include <vector>

namespace hwtest {
namespace {

int LineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// A name with every way of starting a line or a header.
const std::string kHostile
    = std::string("Wall\nBcc: spy@evil.example\r\nSubject: forged\x85\xE2\x80\xA8x") + '\0' + "end";

class Records : public HwTest {
protected:
    void SetUp() override
    {
        HwTest::SetUp();
        sim::hw::RecordKeeper::Get().SetTroubleHandler([this](const std::string& m) { told.push_back(m); });
    }
    void TearDown() override
    {
        Unblock();
        sim::hw::RecordKeeper::Get().Log({}, 0); // nothing is left for the next test
        sim::hw::RecordKeeper::Get().SetTroubleHandler({});
        HwTest::TearDown();
    }
    // A plain file where the folder would go: it can be neither created nor written.
    void Block(const char* folder) { std::ofstream(Path(folder)) << "in the way"; }
    // Alert mail on the first warning, a sender gone black, and neither the
    // log nor the outbox folder writable; rounds run only when asked.
    void MailOnABlackScreenWithBothFoldersBlocked()
    {
        EnableMail(1);
        Block("Outbox");
        Block("MonitoringRecord");
        sim::InjectSenderFault(2, sim::SenderFault::Black);
        sim::SetMonitorStepMode(true);
    }
    void Unblock() // a blocking file goes; a folder stays for the fixture to remove
    {
        std::error_code ec;
        std::filesystem::remove(Path("Outbox"), ec);
        std::filesystem::remove(Path("MonitoringRecord"), ec);
    }
    std::vector<std::string> told;
};

} // namespace

TEST_F(Records, NamesCannotForgeLogLinesOrMailHeaders)
{
    const std::tm t{};
    EXPECT_EQ(sim::hw::LogLine(t, kHostile).find_first_of(std::string("\n\r\0", 3)), std::string::npos);
    EXPECT_NE(sim::hw::LogLine(t, kHostile).find("Wall\\nBcc: spy@evil.example\\r\\nSubject: forged"),
              std::string::npos);

    sim::ProjectModel p = sim::GetProject();
    p.senders[0].name = kHostile;
    CMonitorInterfaceData& m = p.monitor;
    m.emailSetting = {};
    m.emailSetting.bEnable = 1;
    m.emailSetting.nWarningNum = 1;
    m.emailSetting.strSender = "me@example.org\nBcc: a@evil.example";
    m.emailSetting.strSmtp = "smtp.example.org\r\nSubject: x";
    m.emailSetting.arrMail = {{"Ops\nBcc: b@evil.example", "ops@example.org\nCc: c@evil.example"}};
    Use(p);
    sim::InjectSenderFault(0, sim::SenderFault::Black);
    sim::SetMonitorStepMode(true);
    GetHwMonitorLogic()->StartMonitor(nullptr);
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    GetHwMonitorLogic()->StopMonitor();

    const std::string log = DayLog(std::time(nullptr));
    EXPECT_EQ(LineCount(log), 3) << "started, the black screen, stopped:\n" << log;
    EXPECT_EQ(log.find('\0'), std::string::npos);
    const std::string mail = Content(sim::GetOutboxFolder() + "mail-1.txt");
    const std::string headers = mail.substr(0, mail.find("\n\n") + 1);
    EXPECT_EQ(LineCount(headers), 4) << "account, server, to, subject:\n" << headers;
    EXPECT_EQ(mail.find("\nBcc:"), std::string::npos) << mail;
    EXPECT_EQ(mail.find("\nCc:"), std::string::npos) << mail;
    EXPECT_EQ(mail.find('\0'), std::string::npos);
    EXPECT_EQ(LineCount(mail.substr(headers.size())), 3) << "blank line, title, the one warning:\n" << mail;
}

TEST_F(Records, LinesThatCannotBeWrittenAreKeptToldOnceAndWrittenInOrderLater)
{
    auto& keeper = sim::hw::RecordKeeper::Get();
    const std::time_t when = std::time(nullptr);
    Block("MonitoringRecord");
    keeper.Log({"first"}, when);
    keeper.Log({"second", "third"}, when);
    EXPECT_EQ(keeper.PendingLines(), 3u);
    ASSERT_EQ(told.size(), 1u) << "told once, not per line";
    EXPECT_NE(told[0].find("monitoring log cannot be written"), std::string::npos) << told[0];

    std::filesystem::remove(Path("MonitoringRecord"));
    keeper.Log({}, when); // the next round
    EXPECT_EQ(keeper.PendingLines(), 0u);
    const std::string log = DayLog(when);
    EXPECT_EQ(LineCount(log), 3);
    EXPECT_LT(log.find("first"), log.find("second"));
    EXPECT_LT(log.find("second"), log.find("third"));

    std::filesystem::remove_all(Path("MonitoringRecord"));
    Block("MonitoringRecord");
    keeper.Log({"fourth"}, when);
    EXPECT_EQ(told.size(), 2u) << "told again: writing worked in between";
}

TEST_F(Records, MailAndLinesKeptWhileBlockedWaitAndSurviveAStopAndAStart)
{
    MailOnABlackScreenWithBothFoldersBlocked();
    auto* monitor = GetHwMonitorLogic();
    monitor->StartMonitor(nullptr);
    ASSERT_TRUE(sim::RunMonitorRounds(2));
    EXPECT_EQ(
        std::tuple(GetMonitorThreadMgr()->IsMonitoring(), told.size(), sim::hw::RecordKeeper::Get().PendingMails()),
        std::tuple(1, 2u, 1u))
        << "monitoring goes on; the log and the mail told once each";
    monitor->StopMonitor();
    monitor->StartMonitor(nullptr);
    const std::size_t pending = sim::hw::RecordKeeper::Get().PendingLines();

    Unblock();
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    monitor->StopMonitor();
    EXPECT_EQ(std::tuple(sim::hw::RecordKeeper::Get().PendingLines(), sim::hw::RecordKeeper::Get().PendingMails()),
              std::tuple(0u, 0u));
    EXPECT_NE(Content(sim::GetOutboxFolder() + "mail-1.txt").find("Black screen"), std::string::npos);
    // Each line once, in order; the round after the start tells the warning again.
    std::istringstream log(DayLog(std::time(nullptr)));
    std::vector<std::string> texts;
    for (std::string line; std::getline(log, line);)
        texts.push_back(line.substr(line.find("  ") + 2));
    const std::vector<std::string> expected{
        "Monitoring started", "Sender 3 (Sender 3): Black screen", "Monitoring stopped",
        "Monitoring started", "Sender 3 (Sender 3): Black screen", "Monitoring stopped"};
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(pending, 4u) << "kept while blocked: the first four";
}

} // namespace hwtest
