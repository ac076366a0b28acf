// What OK of the sending-account dialog takes into the stored account,
// the port rule and the default account, as functions.
#include "dialog_test_support.h"
#include "settings/mail_account.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Change = std::function<void(SEmailSetting&)>;
using Typing = std::function<void(SMailAccountFields&)>;

TEST(MailAccount, TakesTheFieldsTheUserChangedAndRefusesWhatIsNotValidOrNotAPort)
{
    const auto none = [](auto&) {};
    // The stored account before OK, what the user typed over what was
    // shown, and the stored account after OK (from before).
    const std::tuple<const char*, Change, Typing, EMailAccountResult, Change> cases[] = {
        {"untouched", none, none, EMailAccountResult::Unchanged, none},
        {"password, port and SSL", none,
         [](SMailAccountFields& f) { f.strPassword = "new", f.strPort = "587", f.bSSL = 1; }, EMailAccountResult::Taken,
         [](SEmailSetting& s) { s.strPassword = "new", s.nPort = 587, s.bSSL = 1; }},
        {"a recipient's address is not an account's", none,
         [](SMailAccountFields& f) { f.strPassword = "new", f.strAddress = "alerts@my-plant.net"; },
         EMailAccountResult::InvalidAddress, none},
        {"a valid address", none, [](SMailAccountFields& f) { f.strAddress = "alerts@plant.org"; },
         EMailAccountResult::Taken, [](SEmailSetting& s) { s.strSender = "alerts@plant.org"; }},
        {"the same port written otherwise", none, [](SMailAccountFields& f) { f.strPort = "0025"; },
         EMailAccountResult::Unchanged, none},
        {"the largest port", none, [](SMailAccountFields& f) { f.strPort = "65535"; }, EMailAccountResult::Taken,
         [](SEmailSetting& s) { s.nPort = 65535; }},
        {"an unchanged stored address is not checked again", [](SEmailSetting& s) { s.strSender = "Alerts@Plant.NET"; },
         [](SMailAccountFields& f) { f.strSmtp = "mail.plant.net"; }, EMailAccountResult::Taken,
         [](SEmailSetting& s) { s.strSmtp = "mail.plant.net"; }},
        {"an unchanged stored port is not checked again", [](SEmailSetting& s) { s.nPort = 0; },
         [](SMailAccountFields& f) { f.strPassword = "new"; }, EMailAccountResult::Taken,
         [](SEmailSetting& s) { s.strPassword = "new"; }},
        {"any nonzero stored flag is SSL on", [](SEmailSetting& s) { s.bSSL = 2; }, none, EMailAccountResult::Unchanged,
         none},
        {"SSL turned off", [](SEmailSetting& s) { s.bSSL = 2; }, [](SMailAccountFields& f) { f.bSSL = 0; },
         EMailAccountResult::Taken, [](SEmailSetting& s) { s.bSSL = 0; }},
    };
    for (const auto& [name, store, type, result, expect] : cases) {
        SEmailSetting stored = SampleMailAccount();
        store(stored);
        const SMailAccountFields shown = MailAccountFieldsOf(stored);
        SMailAccountFields typed = shown;
        type(typed);
        SEmailSetting expected = stored;
        expect(expected);
        EXPECT_EQ(TakeMailAccount(shown, typed, stored), result) << name;
        EXPECT_FALSE(stored != expected) << name;
    }
    // An edit may hold less than it was given: what it shows then differs
    // from what is stored, and a plain OK must not cut the stored text down.
    SEmailSetting stored = SampleMailAccount();
    SMailAccountFields shown = MailAccountFieldsOf(stored);
    shown.strPassword = "sec";
    SMailAccountFields typed = shown;
    EXPECT_EQ(TakeMailAccount(shown, typed, stored), EMailAccountResult::Unchanged);
    typed.strSmtp = "mail.plant.net";
    EXPECT_EQ(TakeMailAccount(shown, typed, stored), EMailAccountResult::Taken);
    EXPECT_EQ(stored.strPassword + " " + stored.strSmtp, "secret mail.plant.net");

    // A port that is not a port is refused and nothing taken.
    for (const char* port :
         {"", "0", "65536", "-1", "+25", " 25", "25 ", "2a5", "465.0", "0x1d1", "99999999999999999999", "4294967321"}) {
        EXPECT_FALSE(ParseMailPort(port).has_value()) << '"' << port << '"';
        SEmailSetting stored = SampleMailAccount();
        SMailAccountFields typed = MailAccountFieldsOf(stored);
        typed.strPassword = "new";
        typed.strPort = port;
        EXPECT_EQ(TakeMailAccount(MailAccountFieldsOf(stored), typed, stored), EMailAccountResult::InvalidPort) << port;
        EXPECT_FALSE(stored != SampleMailAccount()) << port;
    }
    EXPECT_EQ(ParseMailPort("1"), 1);
    SEmailSetting negative; // shown as a signed decimal
    negative.nPort = -5;
    EXPECT_EQ(MailAccountFieldsOf(negative).strPort, "-5");
}

} // namespace
