// When alert mail goes out: after the configured number of rounds with a
// warning, once; the all-clear only after such a mail and when asked for.
#include "alert_mail.h"
#include "host/host_enums.h"

#include <gtest/gtest.h>

#include <string>

namespace sim::hw {
namespace {

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
    RoundDigest quiet;
    quiet.senders.resize(1);
    quiet.senders[0].ports.resize(1);
    quiet.senders[0].ports[0].receivers = {0, 0};
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

TEST(AlertMailText, ListsTheWarningsOrTheAllClear)
{
    EXPECT_EQ(AlertMailText(AlertMail::Warning, {"Sender 1: Offline", "Sender 2, port 1, receiver 3: Smoke"}),
              "The monitoring reports:\nSender 1: Offline\nSender 2, port 1, receiver 3: Smoke");
    EXPECT_EQ(AlertMailText(AlertMail::BackToNormal, {}), "The installation is back to normal.");
}

} // namespace
} // namespace sim::hw
