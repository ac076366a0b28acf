// Monitor data handed out by the host, the thread manager's targets, and
// the monitoring thread's side of them.
#include "host/monitor_records.h"
#include "host/monitor_update.h"
#include "host/vistrano_data.h"
#include "sim/monitor_feed.h"
#include "sim_fixture.h"

#include <thread>

namespace {

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
    int calls = 0;
    int seen = -1;
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
    CMonitorWarningData w2;
    CMonitorRcvShowData s2;
    CMonitorTipsData t2;
    GetMonitorData()->GetDetectData(d);
    GetMonitorData()->GetWarningData(w2);
    GetMonitorData()->GetRcvShowData(s2);
    GetMonitorData()->GetTipData(t2);
    ASSERT_NE(d.GetSenderData(7), nullptr);
    EXPECT_EQ(d.GetSenderData(7)->strName, "A");
    EXPECT_EQ(w2.HasSenderSignalWarning(3), 1);
    SMonitorShow read;
    ASSERT_TRUE(s2.GetMonitorShow(read));
    EXPECT_EQ(t2.GetSenderWarningStr(read, 3), "Black screen");

    // A later round replaces the records; the copies already taken stay.
    sim::PublishMonitorRound({}, {}, {}, {});
    EXPECT_NE(d.GetSenderData(7), nullptr);
    GetMonitorData()->GetDetectData(d);
    EXPECT_EQ(d.GetSenderDataCount(), 0);
}

TEST_F(MonitorData, InterfaceDataIsTheProjectsSettings)
{
    UseSample();
    CMonitorInterfaceData d;
    GetMonitorData()->GetInterfaceData(d);
    EXPECT_FALSE(d != sim::GetProject().monitor);
    d.receiverSetting.nTemperature = 70;
    d.emailSetting.arrMail.push_back({"Ops", "ops@example.com"});
    GetMonitorData()->SetInterfaceData(d);
    EXPECT_FALSE(sim::GetMonitorSettings() != d);
    EXPECT_TRUE(sim::IsProjectModified());
    EXPECT_EQ(sim::GetModificationCount(), 0) << "only PrjModify counts as a recorded modification";
}

TEST_F(MonitorData, SettingsAProjectFileCouldNotHoldAreRefused)
{
    CMonitorInterfaceData d;
    d.receiverSetting.nHumidity = 5;
    GetMonitorData()->SetInterfaceData(d);
    EXPECT_EQ(sim::GetMonitorSettings().receiverSetting.nHumidity, 85);
    EXPECT_FALSE(sim::IsProjectModified());
}

TEST_F(MonitorData, TargetsAreCalledOnceEachAndCanBeRemoved)
{
    Counter a, b;
    GetMonitorThreadMgr()->AddMonitorUpdateTarget(&a);
    GetMonitorThreadMgr()->AddMonitorUpdateTarget(&a);
    GetMonitorThreadMgr()->AddMonitorUpdateTarget(&b);
    GetMonitorThreadMgr()->AddMonitorUpdateTarget(nullptr);
    const int before = sim::GetMonitorUpdateTargetCount();
    sim::PublishMonitorRound(DetectWith(1, "x"), {}, {}, {});
    sim::NotifyMonitorUpdateTargets();
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(b.calls, 1);
    EXPECT_EQ(a.seen, 1);
    GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(&a);
    GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(&b);
    EXPECT_EQ(sim::GetMonitorUpdateTargetCount(), before - 2);
    sim::NotifyMonitorUpdateTargets();
    EXPECT_EQ(a.calls, 1);
}

TEST_F(MonitorData, ATargetMayRemoveItselfDuringItsCall)
{
    Counter a, b;
    a.removeSelf = true;
    GetMonitorThreadMgr()->AddMonitorUpdateTarget(&a);
    GetMonitorThreadMgr()->AddMonitorUpdateTarget(&b);
    sim::NotifyMonitorUpdateTargets();
    sim::NotifyMonitorUpdateTargets();
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(b.calls, 2);
    GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(&b);
}

TEST_F(MonitorData, TargetsRunOnTheCallingThread)
{
    Counter a;
    GetMonitorThreadMgr()->AddMonitorUpdateTarget(&a);
    std::thread monitoring([] {
        for (int i = 0; i < 50; ++i) {
            sim::PublishMonitorRound(DetectWith(static_cast<uint32_t>(i), "x"), {}, {}, {});
            sim::NotifyMonitorUpdateTargets();
        }
    });
    // The page's thread reads meanwhile.
    for (int i = 0; i < 50; ++i) {
        CMonitorWarningData w;
        GetMonitorData()->GetWarningData(w);
    }
    monitoring.join();
    GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(&a);
    EXPECT_EQ(a.calls, 50);
    EXPECT_EQ(a.seen, 1);
}
