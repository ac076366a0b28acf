// What monitoring writes: the log's texts (changes only, receivers in ranges,
// offline senders and unplugged ports without their receivers, the file
// name and line form) and when alert mail goes out with which text.
#include "alert_mail.h"
#include "change_log.h"
#include "host/host_enums.h"
#include "log_file.h"
#include "warning_texts.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <tuple>

namespace sim::hw {
namespace {

using Lines = std::vector<std::string>;

// Sender `index`, "Wall", online, two connected ports of quiet receivers.
SenderDigest Digest(int index, int receivers)
{
    PortDigest p{true, 0, -1, -1, std::vector<uint32_t>(static_cast<std::size_t>(receivers), 0)};
    return {"id" + std::to_string(index), index, "Wall", true, false, 0, {p, p}};
}

Lines Changes(const std::vector<SenderDigest>& before, const std::vector<SenderDigest>& after)
{
    return DescribeChanges({before}, {after}, HardwareRound{}, CMonitorInterfaceData{}, false, LanguageTexts());
}

TEST(NumberRanges, ShowsRunsOneBased)
{
    EXPECT_EQ(std::tuple(NumberRanges({4}), NumberRanges({0, 1, 2, 3, 6, 8, 9, 10, 11}), NumberRanges({})),
              std::tuple("5", "1-4, 7, 9-12", ""));
}

// Each change and its reverse: one line raised, one line cleared, nothing
// when nothing changed.
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
             s.ports[0] = {false, WARNING_NO_DATA, -1, -1, std::vector<uint32_t>(12, WARNING_NO_DATA)};
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
        EXPECT_EQ(Changes({before}, {after}), Lines{c.raised});
        EXPECT_EQ(Changes({after}, {before}), Lines{c.cleared});
        EXPECT_EQ(Changes({after}, {after}), Lines{});
    }
}

// The first round reports every current warning; an offline sender is one
// line and comes back with its warnings; senders are matched by identifier,
// whatever their order; fibre senders have outputs; an unnamed sender has
// no label.
TEST(DescribeChanges, FirstRoundOfflineSendersOrderAndNames)
{
    SenderDigest s = Digest(0, 2);
    s.dwWord = SENDER_WARNING_BLACK;
    s.ports[0].receivers[1] = WARNING_TILE_DOOR;
    EXPECT_EQ(Changes({}, {s}),
              (Lines{"Sender 1 (Wall): Black screen", "Sender 1 (Wall), port 1, receiver 2: Cabinet door open"}));

    const SenderDigest online = Digest(0, 2);
    SenderDigest offline = online;
    offline.bOnline = false;
    offline.dwWord = SENDER_WARNING_OFFLINE;
    for (PortDigest& p : offline.ports)
        p = {false, 0, -1, -1, {WARNING_NO_DATA, WARNING_NO_DATA}};
    EXPECT_EQ(Changes({online}, {offline}), Lines{"Sender 1 (Wall): Offline"});
    EXPECT_TRUE(Changes({offline}, {offline}).empty());
    SenderDigest back = online;
    back.ports[1].receivers[0] = WARNING_SMOKE;
    EXPECT_EQ(Changes({offline}, {back}),
              (Lines{"Sender 1 (Wall): Online again", "Sender 1 (Wall), port 2, receiver 1: Smoke"}));

    SenderDigest a = Digest(0, 1), b = Digest(1, 1);
    b.ports[0].receivers[0] = WARNING_CABLE;
    SenderDigest a2 = a, b2 = b;
    std::swap(a2.nIndex, b2.nIndex);
    EXPECT_TRUE(Changes({a, b}, {b2, a2}).empty());

    SenderDigest fibre = Digest(4, 1);
    fibre.bFiber = true;
    fibre.strLabel.clear();
    SenderDigest fan = fibre;
    fan.ports[1].receivers[0] = WARNING_FAN;
    EXPECT_EQ(Changes({fibre}, {fan}), Lines{"Sender 5, output 2, receiver 1: Fan failure"});
}

TEST(DescribeChanges, ASingleReceiverComesWithItsReading)
{
    HardwareRound now;
    now.senders.resize(1);
    now.senders[0].ports.resize(1);
    now.senders[0].ports[0].receivers.resize(3);
    now.senders[0].ports[0].receivers[2].bAnswers = true;
    now.senders[0].ports[0].receivers[2].nTemperature10 = 853;
    SenderDigest before = Digest(0, 3);
    before.ports.resize(1);
    SenderDigest after = before;
    after.ports[0].receivers[2] = WARNING_TEMPERATURE;
    EXPECT_EQ(DescribeChanges({{before}}, {{after}}, now, CMonitorInterfaceData{}, true, LanguageTexts()),
              Lines{"Sender 1 (Wall), port 1, receiver 3: Temperature 185.5\u2109 (> 140\u2109)"});
}

TEST(LogFile, NameAndLineForm)
{
    std::tm t{};
    ASSERT_NE(strptime("2024-05-07 09:05:03", "%Y-%m-%d %H:%M:%S", &t), nullptr);
    EXPECT_EQ(std::tuple(LogFileName(t), LogLine(t, "Monitoring started")),
              std::tuple("2024-05-07.txt", "2024-05-07 09:05:03  Monitoring started"));
}

// Rounds as letters: 'w' with a warning, '.' without, 'x' with a warning
// while mail is off; mail as letters: 'W' the warning, 'B' back to normal,
// '.' none.
TEST(NextAlertMail, SendsOnceAfterTheConfiguredRoundsAndTheAllClearWhenAsked)
{
    struct Case {
        int warningNum, returnToWork;
        std::string rounds, mails;
    };
    const Case cases[] = {
        {3, 1, "wwwww..", "..W..B."},
        {2, 1, "w.ww", "...W"}, // a quiet round starts the count again; no mail, no all-clear
        {1, 0, "w.", "W."},
        {2, 1, "xxw", "..W"}, // mail off counts on; switched on while the warning lasts
    };
    for (const Case& c : cases) {
        AlertState s;
        std::string mails;
        for (const char round : c.rounds) {
            SEmailSetting m;
            m.bEnable = round != 'x';
            m.nWarningNum = c.warningNum;
            m.bReturnToWork = c.returnToWork;
            const AlertMail mail = NextAlertMail(s, round != '.', m);
            mails += mail == AlertMail::Warning ? 'W' : mail == AlertMail::BackToNormal ? 'B' : '.';
        }
        EXPECT_EQ(mails, c.mails) << c.rounds << " after " << c.warningNum;
    }
}

TEST(HasAnyWarning, SenderPortReceiverOrLoop)
{
    const RoundDigest quiet{{Digest(0, 2)}};
    EXPECT_FALSE(HasAnyWarning(quiet));
    void (*const warnings[])(SenderDigest&) = {[](SenderDigest& s) { s.ports[0].receivers[1] = WARNING_FAN; },
                                               [](SenderDigest& s) { s.ports[0].nLoopFirst = 0; },
                                               [](SenderDigest& s) { s.dwWord = SENDER_WARNING_BLACK; }};
    for (const auto warn : warnings) {
        RoundDigest d = quiet;
        warn(d.senders[0]);
        EXPECT_TRUE(HasAnyWarning(d));
    }
}

} // namespace
} // namespace sim::hw
