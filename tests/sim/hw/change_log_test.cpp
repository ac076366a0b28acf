// The monitoring log's texts: changes only, receivers in ranges, offline
// senders and unplugged ports without their receivers; the file name and
// line form.
#include "change_log.h"
#include "host/host_enums.h"
#include "log_file.h"
#include "test_texts.h"

#include <gtest/gtest.h>

namespace sim::hw {
namespace {

SenderDigest Digest(int index, int receivers)
{
    SenderDigest s;
    s.strId = "id" + std::to_string(index);
    s.nIndex = index;
    s.strLabel = "Wall";
    s.bOnline = true;
    PortDigest p;
    p.bConnected = true;
    p.receivers.assign(static_cast<std::size_t>(receivers), 0);
    s.ports = {p, p};
    return s;
}

std::vector<std::string> Changes(const std::vector<SenderDigest>& before, const std::vector<SenderDigest>& after)
{
    return DescribeChanges({before}, {after}, HardwareRound{}, CMonitorInterfaceData{}, false, hwtest::TestTexts());
}

TEST(NumberRanges, ShowsRunsOneBased)
{
    EXPECT_EQ(NumberRanges({4}), "5");
    EXPECT_EQ(NumberRanges({0, 1, 2, 3, 6, 8, 9, 10, 11}), "1-4, 7, 9-12");
    EXPECT_EQ(NumberRanges({}), "");
}

TEST(DescribeChanges, NothingChangedSaysNothing)
{
    SenderDigest s = Digest(0, 4);
    s.ports[0].receivers[1] = WARNING_TEMPERATURE;
    EXPECT_TRUE(Changes({s}, {s}).empty());
}

// Each change and its reverse: one line raised, one line cleared.
TEST(DescribeChanges, RaisedAndClearedInOneLineEach)
{
    struct Case {
        void (*change)(SenderDigest&);
        const char* raised;
        const char* cleared;
    };
    const Case cases[] = {
        {[](SenderDigest& s) {
             for (int k : {0, 1, 2, 3, 6})
                 s.ports[1].receivers[static_cast<std::size_t>(k)] = WARNING_TEMPERATURE;
         },
         "Sender 1 (Wall), port 2, receivers 1-4, 7: Over temperature",
         "Sender 1 (Wall), port 2, receivers 1-4, 7: Over temperature cleared"},
        // An unplugged port is told without its receivers.
        {[](SenderDigest& s) {
             s.ports[0].bConnected = false;
             s.ports[0].dwWord = WARNING_NO_DATA;
             s.ports[0].receivers.assign(12, WARNING_NO_DATA);
         },
         "Sender 1 (Wall), port 1: Not connected", "Sender 1 (Wall), port 1: Connected again"},
        {[](SenderDigest& s) {
             s.ports[1].nLoopFirst = 2;
             s.ports[1].nLoopLast = 5;
         },
         "Sender 1 (Wall), port 2: Loop broken, receivers 3-6 reached from the loop's end",
         "Sender 1 (Wall), port 2: Loop whole again"},
    };
    for (const Case& c : cases) {
        const SenderDigest before = Digest(0, 12);
        SenderDigest after = before;
        c.change(after);
        EXPECT_EQ(Changes({before}, {after}), std::vector<std::string>{c.raised});
        EXPECT_EQ(Changes({after}, {before}), std::vector<std::string>{c.cleared});
    }
}

TEST(DescribeChanges, ASingleReceiverComesWithItsReading)
{
    HardwareRound now;
    SenderReading s;
    PortReading port;
    port.receivers.resize(3);
    port.receivers[2].bAnswers = true;
    port.receivers[2].nTemperature10 = 853;
    s.ports = {port};
    now.senders = {s};
    SenderDigest before = Digest(0, 3);
    before.ports.resize(1);
    SenderDigest after = before;
    after.ports[0].receivers[2] = WARNING_TEMPERATURE;
    EXPECT_EQ(DescribeChanges({{before}}, {{after}}, now, CMonitorInterfaceData{}, true, hwtest::TestTexts()),
              (std::vector<std::string>{"Sender 1 (Wall), port 1, receiver 3: T 185.5\u2109 (> 140\u2109)"}));
}

TEST(DescribeChanges, FirstRoundReportsEveryCurrentWarning)
{
    SenderDigest s = Digest(0, 2);
    s.dwWord = SENDER_WARNING_BLACK;
    s.ports[0].receivers[1] = WARNING_TILE_DOOR;
    EXPECT_EQ(Changes({}, {s}),
              (std::vector<std::string>{"Sender 1 (Wall): Black screen",
                                        "Sender 1 (Wall), port 1, receiver 2: Cabinet door open"}));
}

TEST(DescribeChanges, OfflineSenderIsOneLineAndComesBackWithItsWarnings)
{
    const SenderDigest online = Digest(0, 2);
    SenderDigest offline = online;
    offline.bOnline = false;
    offline.dwWord = SENDER_WARNING_OFFLINE;
    for (PortDigest& p : offline.ports) {
        p.bConnected = false;
        p.receivers.assign(2, WARNING_NO_DATA);
    }
    EXPECT_EQ(Changes({online}, {offline}), (std::vector<std::string>{"Sender 1 (Wall): Offline"}));
    EXPECT_TRUE(Changes({offline}, {offline}).empty());
    SenderDigest back = online;
    back.ports[1].receivers[0] = WARNING_SMOKE;
    EXPECT_EQ(
        Changes({offline}, {back}),
        (std::vector<std::string>{"Sender 1 (Wall): Online again", "Sender 1 (Wall), port 2, receiver 1: Smoke"}));
}

TEST(DescribeChanges, FibreOutputsAndUnnamedSenders)
{
    SenderDigest before = Digest(4, 1);
    before.bFiber = true;
    before.strLabel.clear();
    SenderDigest after = before;
    after.ports[1].receivers[0] = WARNING_FAN;
    EXPECT_EQ(Changes({before}, {after}), (std::vector<std::string>{"Sender 5, output 2, receiver 1: Fan failure"}));
}

TEST(DescribeChanges, SendersAreMatchedByIdentifier)
{
    SenderDigest a = Digest(0, 1);
    SenderDigest b = Digest(1, 1);
    b.ports[0].receivers[0] = WARNING_CABLE;
    // Reordered: b is now first, a second; nothing changed for either.
    SenderDigest b2 = b;
    b2.nIndex = 0;
    SenderDigest a2 = a;
    a2.nIndex = 1;
    EXPECT_TRUE(Changes({a, b}, {b2, a2}).empty());
}

TEST(LogFile, NameAndLineForm)
{
    std::tm t{};
    t.tm_year = 124;
    t.tm_mon = 4;
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 3;
    EXPECT_EQ(LogFileName(t), "2024-05-07.txt");
    EXPECT_EQ(LogLine(t, "Monitoring started"), "2024-05-07 09:05:03  Monitoring started");
}

} // namespace
} // namespace sim::hw
