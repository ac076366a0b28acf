// Monitor data handed out by the host, the thread manager's targets, and
// alert mail to the outbox folder as text files.
#include "host/monitor_records.h"
#include "host/monitor_update.h"
#include "host/vistrano_data.h"
#include "sim/monitor_feed.h"
#include "sim_fixture.h"

#include <algorithm>
#include <tuple>

namespace {

// Counts its calls and the senders it saw; may remove itself when called.
class Counter final : public IMonitorDataUpdate {
public:
    void OnMonitorDataUpdate() override
    {
        ++calls;
        CMonitorDetectData d;
        GetMonitorData()->GetDetectData(d);
        seen = d.GetSenderDataCount();
        if (removeSelf)
            GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(this);
    }
    int calls = 0, seen = -1;
    bool removeSelf = false;
};

CMonitorDetectData DetectWith(uint32_t id, const std::string& name)
{
    CMonitorDetectData d;
    SDetectSenderData s;
    s.strName = name;
    d.SetSenderData(id, s);
    return d;
}

} // namespace

using MonitorData = SimTest;

TEST_F(MonitorData, RecordsOfTheLastRoundAreCopiedWhole)
{
    CMonitorWarningData w;
    w.SetSenderWarning(3, SENDER_WARNING_BLACK);
    CMonitorRcvShowData show;
    show.SetMonitorShow({SENDER_WARNING_SIGNAL, WARNING_ALL, 0});
    CMonitorTipsData tips;
    tips.AddLine(CMonitorTipsData::kSender, 3, 0, 0, 0, {SENDER_WARNING_BLACK, "Black screen"});
    sim::PublishMonitorRound(DetectWith(7, "A"), w, show, tips);

    CMonitorDetectData d;
    GetMonitorData()->GetDetectData(d);
    GetMonitorData()->GetWarningData(w = {});
    GetMonitorData()->GetRcvShowData(show = {});
    GetMonitorData()->GetTipData(tips = {});
    ASSERT_NE(d.GetSenderData(7), nullptr);
    SMonitorShow read;
    ASSERT_TRUE(show.GetMonitorShow(read));
    EXPECT_EQ(std::tuple(d.GetSenderData(7)->strName, w.HasSenderSignalWarning(3), tips.GetSenderWarningStr(read, 3)),
              std::tuple("A", 1, "Black screen"));
    // A later round replaces the records; the copies already taken stay.
    sim::PublishMonitorRound({}, {}, {}, {});
    EXPECT_NE(d.GetSenderData(7), nullptr);
    GetMonitorData()->GetDetectData(d);
    EXPECT_EQ(d.GetSenderDataCount(), 0);
}

// The project's settings; what a project file could not hold is refused.
TEST_F(MonitorData, InterfaceDataIsTheProjectsSettings)
{
    CMonitorInterfaceData d;
    d.receiverSetting.nHumidity = 5;
    GetMonitorData()->SetInterfaceData(d);
    EXPECT_EQ(std::tuple(sim::GetMonitorSettings().receiverSetting.nHumidity, sim::IsProjectModified()),
              std::tuple(85, false));
    UseSample();
    GetMonitorData()->GetInterfaceData(d);
    EXPECT_FALSE(d != sim::GetProject().monitor);
    d.receiverSetting.nTemperature = 70;
    d.emailSetting.arrMail.push_back({"Ops", "ops@example.com"});
    GetMonitorData()->SetInterfaceData(d);
    EXPECT_FALSE(sim::GetMonitorSettings() != d);
    EXPECT_TRUE(sim::IsProjectModified());
    EXPECT_EQ(sim::GetModificationCount(), 0) << "only PrjModify counts as a recorded modification";
}

// Each target once however often added; one may remove itself during its call.
TEST_F(MonitorData, TargetsAreCalledOnceEachAndCanBeRemoved)
{
    Counter a, b, self;
    self.removeSelf = true;
    for (Counter* t : {&a, &a, &b, &self})
        GetMonitorThreadMgr()->AddMonitorUpdateTarget(t);
    GetMonitorThreadMgr()->AddMonitorUpdateTarget(nullptr);
    const int before = sim::GetMonitorUpdateTargetCount();
    sim::PublishMonitorRound(DetectWith(1, "x"), {}, {}, {});
    sim::NotifyMonitorUpdateTargets();
    sim::NotifyMonitorUpdateTargets();
    EXPECT_EQ(std::tuple(a.calls, b.calls, self.calls, a.seen), std::tuple(2, 2, 1, 1));
    GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(&a);
    GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(&b);
    EXPECT_EQ(sim::GetMonitorUpdateTargetCount(), before - 3);
    sim::NotifyMonitorUpdateTargets();
    EXPECT_EQ(a.calls, 2);
}

using Outbox = SimTest;

TEST_F(Outbox, EachMessageIsAFileWithAccountRecipientsSubjectAndBody)
{
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("x"), 0) << "no recipients";
    EXPECT_FALSE(std::filesystem::exists(sim::GetOutboxFolder()));
    CMonitorInterfaceData d;
    d.emailSetting.arrMail = {{"Ops", "ops@example.com"}, {"", "night@example.com"}};
    GetMonitorData()->SetInterfaceData(d);
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("Receiver 3 of port 2 is too hot"), 1);
    EXPECT_EQ(sim::SendAlertMail("Second"), 1);
    EXPECT_EQ(GetMonitorData()->SendMailToEmail("0"), 1) << "the test text";
    EXPECT_EQ(sim::GetOutboxFolder(), (m_folder / "Outbox/").string());
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(sim::GetOutboxFolder()))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    ASSERT_EQ(files.size(), 3u);
    const std::string mail = Content(files[0]);
    for (const std::string& line :
         {"Account: " + std::string(kDefaultMailSender), "Server: " + std::string(kDefaultMailSmtp) + ":465 (SSL)",
          std::string("To: Ops <ops@example.com>, night@example.com"), std::string("Subject: Monitoring alert"),
          std::string("\n\nReceiver 3 of port 2 is too hot\n")})
        EXPECT_NE(mail.find(line), std::string::npos) << line << " in\n" << mail;
    EXPECT_EQ(mail.find(kDefaultMailPassword), std::string::npos) << "the password never reaches a file";
    EXPECT_NE(Content(files[1]).find("Second"), std::string::npos);
    EXPECT_NE(Content(files[2]).find("Subject: Monitoring test message"), std::string::npos);
    EXPECT_EQ(Content(files[2]).find("\n\n0\n"), std::string::npos);
}
