// The monitoring settings records: defaults, resets, copies, comparisons
// and the temperature unit conversions.
#include "host/vistrano_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

template <class T>
using Mutation = std::function<void(T&)>;

// Every mutation alone must make a copy compare different, in both directions.
template <class T>
void ExpectEachFieldCompared(const std::vector<std::pair<std::string, Mutation<T>>>& mutations)
{
    const T base;
    for (const auto& [name, mutate] : mutations) {
        T changed = base;
        mutate(changed);
        EXPECT_TRUE(changed != base) << name;
        EXPECT_TRUE(base != changed) << name;
    }
}

SInputSignalSetting Signal(uint32_t sender, const std::string& name)
{
    SInputSignalSetting s;
    s.dwSender = sender;
    s.strSignal = name;
    return s;
}

} // namespace

TEST(SenderSetting, DefaultsWatchEverythingWithNoInputs)
{
    SSenderSetting s;
    EXPECT_EQ(s.bVideoInputError, 1);
    EXPECT_EQ(s.bLock, 1);
    EXPECT_EQ(s.bBlack, 1);
    EXPECT_EQ(s.bBrightnessZero, 1);
    EXPECT_TRUE(s.arrInputSignal.empty());
}

TEST(SenderSetting, SetToDefaultRestoresFlagsAndEmptiesTheList)
{
    SSenderSetting s;
    s.bVideoInputError = s.bLock = s.bBlack = s.bBrightnessZero = 0;
    s.arrInputSignal.push_back(Signal(1, "HDMI"));
    s.SetToDefault();
    EXPECT_FALSE(s != SSenderSetting());
}

TEST(SenderSetting, EveryFieldTakesPartInTheComparison)
{
    ExpectEachFieldCompared<SSenderSetting>({
        {"bVideoInputError", [](SSenderSetting& s) { s.bVideoInputError = 0; }},
        {"bLock", [](SSenderSetting& s) { s.bLock = 0; }},
        {"bBlack", [](SSenderSetting& s) { s.bBlack = 0; }},
        {"bBrightnessZero", [](SSenderSetting& s) { s.bBrightnessZero = 0; }},
        {"list length", [](SSenderSetting& s) { s.arrInputSignal.push_back({}); }},
    });
}

TEST(SenderSetting, InputListsCompareElementByElementInOrder)
{
    SSenderSetting a, b;
    a.arrInputSignal = {Signal(0, "DVI"), Signal(1, "HDMI")};
    b.arrInputSignal = {Signal(0, "DVI"), Signal(1, "HDMI")};
    EXPECT_FALSE(a != b);
    b.arrInputSignal = {Signal(1, "HDMI"), Signal(0, "DVI")};
    EXPECT_TRUE(a != b);
    b.arrInputSignal = {Signal(0, "DVI"), Signal(1, "HDMI 2")};
    EXPECT_TRUE(a != b);
}

TEST(SenderSetting, CopyAndAssignmentCopyTheListByValue)
{
    SSenderSetting a;
    a.bLock = 0;
    a.arrInputSignal = {Signal(3, "SDI")};
    SSenderSetting copy(a);
    SSenderSetting assigned;
    assigned = a;
    a.arrInputSignal[0].strSignal = "changed";
    EXPECT_EQ(copy.arrInputSignal[0].strSignal, "SDI");
    EXPECT_EQ(assigned.arrInputSignal[0].strSignal, "SDI");
    EXPECT_EQ(copy.bLock, 0);
    EXPECT_EQ(assigned.bLock, 0);
}

TEST(InputSignalSetting, DefaultsAreZeroAndEmpty)
{
    SInputSignalSetting s;
    EXPECT_EQ(s.dwSender, 0u);
    EXPECT_EQ(s.byValue1, 0);
    EXPECT_EQ(s.byValue2, 0);
    EXPECT_EQ(s.nValue1 | s.nValue2 | s.nValue3 | s.nValue4 | s.nValue5, 0);
    EXPECT_EQ(s.dValue, 0.0);
    EXPECT_TRUE(s.strSignal.empty());
}

TEST(InputSignalSetting, EveryFieldTakesPartInTheComparison)
{
    ExpectEachFieldCompared<SInputSignalSetting>({
        {"dwSender", [](SInputSignalSetting& s) { s.dwSender = 2; }},
        {"byValue1", [](SInputSignalSetting& s) { s.byValue1 = 2; }},
        {"byValue2", [](SInputSignalSetting& s) { s.byValue2 = 2; }},
        {"nValue1", [](SInputSignalSetting& s) { s.nValue1 = 2; }},
        {"nValue2", [](SInputSignalSetting& s) { s.nValue2 = 2; }},
        {"nValue3", [](SInputSignalSetting& s) { s.nValue3 = 2; }},
        {"nValue4", [](SInputSignalSetting& s) { s.nValue4 = 2; }},
        {"nValue5", [](SInputSignalSetting& s) { s.nValue5 = 2; }},
        // The refresh rate is compared exactly, without a tolerance.
        {"dValue", [](SInputSignalSetting& s) { s.dValue = 1e-9; }},
        {"strSignal", [](SInputSignalSetting& s) { s.strSignal = "x"; }},
    });
}

TEST(ReceiverSetting, Defaults)
{
    SRecevierSetting r;
    EXPECT_EQ(r.bTemperature, 1);
    EXPECT_EQ(r.nTemperature, 60);
    EXPECT_EQ(r.bHumidity, 0);
    EXPECT_EQ(r.nHumidity, 85);
    EXPECT_EQ(r.bSmoke, 0);
    EXPECT_EQ(r.bFan, 0);
    EXPECT_EQ(r.bTileDoor, 0);
    EXPECT_EQ(r.bPowerSupply1, 0);
    EXPECT_EQ(r.bPowerSupply2, 0);
    EXPECT_EQ(r.bVoltage1, 0);
    EXPECT_FLOAT_EQ(r.fVoltage1Min, 5.0f);
    EXPECT_FLOAT_EQ(r.fVoltage1Max, 12.0f);
    EXPECT_EQ(r.bVoltage2, 0);
    EXPECT_FLOAT_EQ(r.fVoltage2Min, 5.0f);
    EXPECT_FLOAT_EQ(r.fVoltage2Max, 12.0f);
    EXPECT_EQ(r.bCableDetection, 0);
}

TEST(ReceiverSetting, SetToDefaultRewritesEveryField)
{
    SRecevierSetting r;
    r.bTemperature = 0;
    r.nTemperature = 99;
    r.bHumidity = r.bSmoke = r.bFan = r.bTileDoor = r.bPowerSupply1 = r.bPowerSupply2 = 1;
    r.nHumidity = 20;
    r.bVoltage1 = r.bVoltage2 = r.bCableDetection = 1;
    r.fVoltage1Min = r.fVoltage1Max = r.fVoltage2Min = r.fVoltage2Max = 1.0f;
    r.SetToDefault();
    EXPECT_FALSE(r != SRecevierSetting());
}

TEST(ReceiverSetting, EveryFieldTakesPartInTheComparison)
{
    ExpectEachFieldCompared<SRecevierSetting>({
        {"bTemperature", [](SRecevierSetting& r) { r.bTemperature = 0; }},
        {"nTemperature", [](SRecevierSetting& r) { r.nTemperature = 61; }},
        {"bHumidity", [](SRecevierSetting& r) { r.bHumidity = 1; }},
        {"nHumidity", [](SRecevierSetting& r) { r.nHumidity = 84; }},
        {"bSmoke", [](SRecevierSetting& r) { r.bSmoke = 1; }},
        {"bFan", [](SRecevierSetting& r) { r.bFan = 1; }},
        {"bTileDoor", [](SRecevierSetting& r) { r.bTileDoor = 1; }},
        {"bPowerSupply1", [](SRecevierSetting& r) { r.bPowerSupply1 = 1; }},
        {"bPowerSupply2", [](SRecevierSetting& r) { r.bPowerSupply2 = 1; }},
        {"bVoltage1", [](SRecevierSetting& r) { r.bVoltage1 = 1; }},
        {"fVoltage1Min", [](SRecevierSetting& r) { r.fVoltage1Min += 0.1f; }},
        {"fVoltage1Max", [](SRecevierSetting& r) { r.fVoltage1Max += 0.1f; }},
        {"bVoltage2", [](SRecevierSetting& r) { r.bVoltage2 = 1; }},
        {"fVoltage2Min", [](SRecevierSetting& r) { r.fVoltage2Min -= 0.1f; }},
        {"fVoltage2Max", [](SRecevierSetting& r) { r.fVoltage2Max -= 0.1f; }},
        {"bCableDetection", [](SRecevierSetting& r) { r.bCableDetection = 1; }},
    });
}

TEST(ReceiverSetting, VoltageBoundsCompareWithAHundredThousandthOfAVolt)
{
    SRecevierSetting a, b;
    b.fVoltage1Min = 5.000005f;
    EXPECT_FALSE(a != b);
    b.fVoltage1Min = 4.999995f;
    EXPECT_FALSE(a != b);
    b.fVoltage1Min = 5.1f;
    EXPECT_TRUE(a != b);
    // Just outside the tolerance on either side.
    b.fVoltage1Min = 5.00002f;
    EXPECT_TRUE(a != b);
    b.fVoltage1Min = 4.99998f;
    EXPECT_TRUE(a != b);
}

TEST(ReceiverSetting, ToleranceEdgeIsInclusive)
{
    // Values whose difference is exactly representable: 0.5 + 2^-17 lies
    // inside the tolerance, 0.5 + 2^-16 outside it.
    EXPECT_FALSE(SRecevierSetting::VoltageDiffers(0.5f + 1.0f / 131072, 0.5f));
    EXPECT_TRUE(SRecevierSetting::VoltageDiffers(0.5f + 1.0f / 65536, 0.5f));
    EXPECT_FALSE(SRecevierSetting::VoltageDiffers(0.5f, 0.5f + 1.0f / 131072));
}

TEST(EmailSetting, Defaults)
{
    SEmailSetting e;
    EXPECT_EQ(e.bEnable, 0);
    EXPECT_EQ(e.bReturnToWork, 1);
    EXPECT_EQ(e.bSSL, 1);
    EXPECT_EQ(e.nWarningNum, 3);
    EXPECT_EQ(e.nPort, 465);
    EXPECT_EQ(e.strSender, kDefaultMailSender);
    EXPECT_EQ(e.strPassword, "Pxvrkd7");
    EXPECT_EQ(e.strSmtp, kDefaultMailSmtp);
    EXPECT_TRUE(e.arrMail.empty());
}

TEST(EmailSetting, SetToDefaultRestoresTheAccountAndEmptiesRecipients)
{
    SEmailSetting e;
    e.bEnable = 1;
    e.bReturnToWork = e.bSSL = 0;
    e.nWarningNum = 7;
    e.nPort = 25;
    e.strSender = "a@b.cd";
    e.strPassword = "p";
    e.strSmtp = "mail.b.cd";
    e.arrMail.push_back({"A", "a@b.cd"});
    e.SetToDefault();
    EXPECT_FALSE(e != SEmailSetting());
}

TEST(EmailSetting, EveryFieldTakesPartInTheComparison)
{
    ExpectEachFieldCompared<SEmailSetting>({
        {"bEnable", [](SEmailSetting& e) { e.bEnable = 1; }},
        {"bReturnToWork", [](SEmailSetting& e) { e.bReturnToWork = 0; }},
        {"bSSL", [](SEmailSetting& e) { e.bSSL = 0; }},
        {"nWarningNum", [](SEmailSetting& e) { e.nWarningNum = 4; }},
        {"nPort", [](SEmailSetting& e) { e.nPort = 25; }},
        {"strSender", [](SEmailSetting& e) { e.strSender = "x@y.zz"; }},
        {"strPassword", [](SEmailSetting& e) { e.strPassword = "pxvrkd7"; }},
        {"strSmtp", [](SEmailSetting& e) { e.strSmtp = "SMTP.quarnmail.com"; }},
        {"recipient count", [](SEmailSetting& e) { e.arrMail.push_back({}); }},
    });
}

TEST(EmailSetting, RecipientOrderMatters)
{
    SEmailSetting a, b;
    a.arrMail = {{"Ann", "ann@x.com"}, {"Bob", "bob@x.com"}};
    b.arrMail = {{"Ann", "ann@x.com"}, {"Bob", "bob@x.com"}};
    EXPECT_FALSE(a != b);
    b.arrMail = {{"Bob", "bob@x.com"}, {"Ann", "ann@x.com"}};
    EXPECT_TRUE(a != b);
}

TEST(MailInfo, NameAndAddressBothCount)
{
    EXPECT_TRUE((SMailInfo{"Ann", "a@x.com"} != SMailInfo{"Anne", "a@x.com"}));
    EXPECT_TRUE((SMailInfo{"Ann", "a@x.com"} != SMailInfo{"Ann", "A@x.com"}));
    EXPECT_FALSE((SMailInfo{"Ann", "a@x.com"} != SMailInfo{"Ann", "a@x.com"}));
    SMailInfo empty;
    EXPECT_TRUE(empty.strName.empty());
    EXPECT_TRUE(empty.strAddress.empty());
}

TEST(InterfaceData, EachPartTakesPartInTheComparison)
{
    ExpectEachFieldCompared<CMonitorInterfaceData>({
        {"nRefreshInterval", [](CMonitorInterfaceData& d) { d.nRefreshInterval += 1; }},
        {"senderSetting", [](CMonitorInterfaceData& d) { d.senderSetting.bBlack = 0; }},
        {"receiverSetting", [](CMonitorInterfaceData& d) { d.receiverSetting.fVoltage2Max = 12.5f; }},
        {"emailSetting", [](CMonitorInterfaceData& d) { d.emailSetting.arrMail.push_back({"A", "a@b.cd"}); }},
    });
}

TEST(InterfaceData, DefaultsAreThoseOfItsRecordsAndSetToDefaultRestoresThem)
{
    CMonitorInterfaceData d;
    EXPECT_EQ(d.nRefreshInterval, kDefaultRefreshInterval);
    EXPECT_FALSE(d.senderSetting != SSenderSetting());
    EXPECT_FALSE(d.receiverSetting != SRecevierSetting());
    EXPECT_FALSE(d.emailSetting != SEmailSetting());
    d.nRefreshInterval = 600;
    d.receiverSetting.nTemperature = 70;
    d.senderSetting.arrInputSignal.push_back({});
    d.emailSetting.strSmtp.clear();
    d.SetToDefault();
    EXPECT_FALSE(d != CMonitorInterfaceData());
}

TEST(Temperature, ConversionsRoundHalfAwayFromZero)
{
    EXPECT_EQ(CelsiusToFahrenheit(60), 140);
    EXPECT_EQ(FahrenheitToCelsius(100), 38);     // 37.78
    EXPECT_EQ(CelsiusToFahrenheit(20), 68);
    EXPECT_EQ(CelsiusToFahrenheit(100), 212);
    EXPECT_EQ(FahrenheitToCelsius(212), 100);
    EXPECT_EQ(FahrenheitToCelsius(68), 20);
    EXPECT_EQ(CelsiusToFahrenheit(-41), -42);    // -41.8
    EXPECT_EQ(FahrenheitToCelsius(0), -18);      // -17.78
    EXPECT_EQ(FahrenheitToCelsius(31), -1);      // -0.56
    EXPECT_EQ(RoundHalfAwayFromZero(2.5), 3);
    EXPECT_EQ(RoundHalfAwayFromZero(-2.5), -3);
    EXPECT_EQ(RoundHalfAwayFromZero(-2.4), -2);
}
