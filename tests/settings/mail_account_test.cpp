#include "dialog_test_support.h"
#include "settings/mail_account.h"

#include <gtest/gtest.h>

namespace {

bool Same(const SEmailSetting& a, const SEmailSetting& b) { return !(a != b); }

// OK of a dialog that showed the stored account.
EMailAccountResult Take(const SMailAccountFields& typed, SEmailSetting& stored)
{
    return TakeMailAccount(MailAccountFieldsOf(stored), typed, stored);
}

TEST(MailAccount, FieldsShowTheAccountWithThePortAsASignedDecimal)
{
    SEmailSetting s = SampleMailAccount();
    s.nPort = -5;
    const SMailAccountFields f = MailAccountFieldsOf(s);
    EXPECT_EQ(f.strAddress, "alerts@plant.net");
    EXPECT_EQ(f.strPassword, "secret");
    EXPECT_EQ(f.strSmtp, "smtp.plant.net");
    EXPECT_EQ(f.strPort, "-5");
    EXPECT_EQ(f.bSSL, 0);
}

TEST(MailAccount, UntouchedFieldsTakeNothing)
{
    SEmailSetting stored = SampleMailAccount();
    EXPECT_EQ(Take(MailAccountFieldsOf(stored), stored), EMailAccountResult::Unchanged);
    EXPECT_TRUE(Same(stored, SampleMailAccount()));
}

TEST(MailAccount, OnlyTheFieldsThatDifferAreTaken)
{
    SEmailSetting stored = SampleMailAccount();
    SMailAccountFields f = MailAccountFieldsOf(stored);
    f.strPassword = "new";
    f.strPort = "587";
    f.bSSL = 1;
    ASSERT_EQ(Take(f, stored), EMailAccountResult::Taken);
    SEmailSetting expected = SampleMailAccount();
    expected.strPassword = "new";
    expected.nPort = 587;
    expected.bSSL = 1;
    EXPECT_TRUE(Same(stored, expected));
}

TEST(MailAccount, AChangedAddressMustPassTheSendingPattern)
{
    SEmailSetting stored = SampleMailAccount();
    SMailAccountFields f = MailAccountFieldsOf(stored);
    f.strPassword = "new";
    f.strAddress = "alerts@my-plant.net";   // fine for a recipient, not for the account
    EXPECT_EQ(Take(f, stored), EMailAccountResult::InvalidAddress);
    EXPECT_TRUE(Same(stored, SampleMailAccount()));   // the password was not taken either

    f.strAddress = "alerts@plant.org";
    EXPECT_EQ(Take(f, stored), EMailAccountResult::Taken);
    EXPECT_EQ(stored.strSender, "alerts@plant.org");
}

TEST(MailAccount, AnUnchangedStoredAddressIsNotCheckedAgain)
{
    SEmailSetting stored = SampleMailAccount();
    stored.strSender = "Alerts@Plant.NET";   // would fail the pattern
    SMailAccountFields f = MailAccountFieldsOf(stored);
    f.strSmtp = "mail.plant.net";
    EXPECT_EQ(Take(f, stored), EMailAccountResult::Taken);
    EXPECT_EQ(stored.strSender, "Alerts@Plant.NET");
    EXPECT_EQ(stored.strSmtp, "mail.plant.net");
}

TEST(MailAccount, APortThatIsNotAPortIsRefusedAndNothingTaken)
{
    for (const char* port : {"", "0", "65536", "-1", "+25", " 25", "25 ", "2a5", "99999999999999999999", "4294967321"}) {
        SEmailSetting stored = SampleMailAccount();
        SMailAccountFields f = MailAccountFieldsOf(stored);
        f.strPassword = "new";
        f.strPort = port;
        EXPECT_EQ(Take(f, stored), EMailAccountResult::InvalidPort) << '"' << port << '"';
        EXPECT_TRUE(Same(stored, SampleMailAccount())) << port;
    }
}

TEST(MailAccount, APortIsReadAsADecimalNumber)
{
    SEmailSetting stored = SampleMailAccount();
    SMailAccountFields f = MailAccountFieldsOf(stored);
    f.strPort = "0025";   // the same port written otherwise
    EXPECT_EQ(Take(f, stored), EMailAccountResult::Unchanged);
    f.strPort = "65535";
    EXPECT_EQ(Take(f, stored), EMailAccountResult::Taken);
    EXPECT_EQ(stored.nPort, 65535);
}

TEST(MailAccount, AnUnchangedStoredPortIsNotCheckedAgain)
{
    SEmailSetting stored = SampleMailAccount();
    stored.nPort = 0;
    SMailAccountFields f = MailAccountFieldsOf(stored);
    f.strPassword = "new";
    EXPECT_EQ(Take(f, stored), EMailAccountResult::Taken);
    EXPECT_EQ(stored.nPort, 0);
}

TEST(MailAccount, AnyNonzeroStoredFlagCountsAsSslOn)
{
    SEmailSetting stored = SampleMailAccount();
    stored.bSSL = 2;
    SMailAccountFields f = MailAccountFieldsOf(stored);
    EXPECT_EQ(f.bSSL, 1);
    EXPECT_EQ(Take(f, stored), EMailAccountResult::Unchanged);
    f.bSSL = 0;
    EXPECT_EQ(Take(f, stored), EMailAccountResult::Taken);
    EXPECT_EQ(stored.bSSL, 0);
}

TEST(MailAccount, FieldsLeftAsShownKeepTheStoredValues)
{
    // The dialog showed an older copy; the host has moved on since.
    const SMailAccountFields shown = MailAccountFieldsOf(SampleMailAccount());
    SEmailSetting stored = SampleMailAccount();
    stored.strSender = "newer@plant.net";
    stored.nPort = 587;
    stored.bSSL = 1;
    const SEmailSetting newer = stored;
    EXPECT_EQ(TakeMailAccount(shown, shown, stored), EMailAccountResult::Unchanged);
    EXPECT_TRUE(Same(stored, newer));

    SMailAccountFields typed = shown;
    typed.strPassword = "n3w";
    EXPECT_EQ(TakeMailAccount(shown, typed, stored), EMailAccountResult::Taken);
    SEmailSetting expected = newer;
    expected.strPassword = "n3w";
    EXPECT_TRUE(Same(stored, expected));
}

TEST(MailAccount, TypingWhatIsStoredAlreadyIsNoChange)
{
    SEmailSetting stored = SampleMailAccount();
    stored.strSender = "Alerts@Plant.NET";   // would fail the pattern
    SMailAccountFields shown = MailAccountFieldsOf(SampleMailAccount());
    SMailAccountFields typed = shown;
    typed.strAddress = stored.strSender;
    EXPECT_EQ(TakeMailAccount(shown, typed, stored), EMailAccountResult::Unchanged);
    EXPECT_EQ(stored.strSender, "Alerts@Plant.NET");
}

TEST(MailAccount, ParsePortTakesDigitsFromOneTo65535)
{
    EXPECT_EQ(ParseMailPort("1"), 1);
    EXPECT_EQ(ParseMailPort("465"), 465);
    EXPECT_EQ(ParseMailPort("65535"), 65535);
    for (const char* text : {"", "0", "65536", "-465", "465.0", "0x1d1", "2147483648"})
        EXPECT_FALSE(ParseMailPort(text).has_value()) << text;
}

TEST(MailAccount, TheDefaultAccountLeavesTheOtherSettingsAndRecipientsAlone)
{
    SEmailSetting s = SampleMailAccount();
    SetDefaultMailAccount(s);
    EXPECT_EQ(s.strSender, kDefaultMailSender);
    EXPECT_EQ(s.strPassword, "Pxvrkd7");
    EXPECT_EQ(s.strSmtp, kDefaultMailSmtp);
    EXPECT_EQ(s.bSSL, 1);
    EXPECT_EQ(s.nPort, 465);
    const SEmailSetting custom = SampleMailAccount();
    EXPECT_EQ(s.bEnable, custom.bEnable);
    EXPECT_EQ(s.bReturnToWork, custom.bReturnToWork);
    EXPECT_EQ(s.nWarningNum, custom.nWarningNum);
    ASSERT_EQ(s.arrMail.size(), 2u);
    EXPECT_FALSE(s.arrMail[0] != custom.arrMail[0]);
    EXPECT_FALSE(s.arrMail[1] != custom.arrMail[1]);
}

} // namespace
