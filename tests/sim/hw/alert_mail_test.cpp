// When alert mail goes out: after the configured number of rounds with a
// warning, once; the all-clear only after such a mail and when asked for.
#include "alert_mail.h"
#include "host/host_enums.h"

#include <gtest/gtest.h>

#include <string>

namespace sim::hw {
namespace {

SEmailSetting Mail(int warningNum, int returnToWork = 1)
{
    SEmailSetting m;
    m.bEnable = 1;
    m.nWarningNum = warningNum;
    m.bReturnToWork = returnToWork;
    return m;
}

// Rounds as letters, 'w' with a warning and '.' without; mail as letters,
// 'W' the warning, 'B' back to normal, '.' none.
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
    };
    for (const Case& c : cases) {
        AlertState s;
        std::string mails;
        for (const char round : c.rounds) {
            const AlertMail mail = NextAlertMail(s, round == 'w', Mail(c.warningNum, c.returnToWork));
            mails += mail == AlertMail::Warning ? 'W' : mail == AlertMail::BackToNormal ? 'B' : '.';
        }
        EXPECT_EQ(mails, c.mails) << c.rounds << " after " << c.warningNum;
    }
}

TEST(NextAlertMail, NothingWhileMailIsOffButItCountsOn)
{
    AlertState s;
    SEmailSetting m = Mail(2);
    m.bEnable = 0;
    EXPECT_EQ(NextAlertMail(s, true, m), AlertMail::None);
    EXPECT_EQ(NextAlertMail(s, true, m), AlertMail::None);
    m.bEnable = 1;
    EXPECT_EQ(NextAlertMail(s, true, m), AlertMail::Warning) << "switched on while the warning lasts";
}

TEST(HasAnyWarning, SenderPortReceiverOrLoop)
{
    RoundDigest d;
    d.senders.resize(1);
    d.senders[0].ports.resize(1);
    d.senders[0].ports[0].receivers = {0, 0};
    EXPECT_FALSE(HasAnyWarning(d));
    d.senders[0].ports[0].receivers[1] = WARNING_FAN;
    EXPECT_TRUE(HasAnyWarning(d));
    d.senders[0].ports[0].receivers[1] = 0;
    d.senders[0].ports[0].nLoopFirst = 0;
    EXPECT_TRUE(HasAnyWarning(d));
    d.senders[0].ports[0].nLoopFirst = -1;
    d.senders[0].dwWord = SENDER_WARNING_BLACK;
    EXPECT_TRUE(HasAnyWarning(d));
}

TEST(AlertMailText, ListsTheWarningsOrTheAllClear)
{
    EXPECT_EQ(AlertMailText(AlertMail::Warning, {"Sender 1: Offline", "Sender 2, port 1, receiver 3: Smoke"}),
              "The monitoring reports:\nSender 1: Offline\nSender 2, port 1, receiver 3: Smoke");
    EXPECT_EQ(AlertMailText(AlertMail::BackToNormal, {}), "The installation is back to normal.");
}

} // namespace
} // namespace sim::hw
