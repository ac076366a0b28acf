// The monitoring settings records: the mail defaults, resets, copies, comparisons
// and the temperature unit conversions.
#include "host/vistrano_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

template <class T>
using Mutation = std::function<void(T&)>;

// Every mutation alone must make a copy compare different, in both
// directions; SetToDefault undoes them all at once.
template <class T>
void ExpectEachFieldComparedAndReset(const std::vector<std::pair<std::string, Mutation<T>>>& mutations)
{
    const T base;
    T all;
    for (const auto& [name, mutate] : mutations) {
        T changed = base;
        mutate(changed);
        EXPECT_TRUE(changed != base) << name;
        EXPECT_TRUE(base != changed) << name;
        mutate(all);
    }
    if constexpr (requires { all.SetToDefault(); }) {
        all.SetToDefault();
        EXPECT_FALSE(all != base);
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

TEST(SenderSetting, EveryFieldIsComparedAndReset)
{
    ExpectEachFieldComparedAndReset<SSenderSetting>({
        {"bVideoInputError", [](SSenderSetting& s) { s.bVideoInputError = 0; }},
        {"bLock", [](SSenderSetting& s) { s.bLock = 0; }},
        {"bBlack", [](SSenderSetting& s) { s.bBlack = 0; }},
        {"bBrightnessZero", [](SSenderSetting& s) { s.bBrightnessZero = 0; }},
        {"list length", [](SSenderSetting& s) { s.arrInputSignal.push_back({}); }},
    });
}

TEST(InputSignalSetting, EveryFieldTakesPartInTheComparison)
{
    ExpectEachFieldComparedAndReset<SInputSignalSetting>({
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

TEST(ReceiverSetting, EveryFieldIsComparedAndReset)
{
    ExpectEachFieldComparedAndReset<SRecevierSetting>({
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
    // Inside the tolerance, well outside, and just outside on either side.
    const std::pair<float, bool> cases[]
        = {{5.000005f, false}, {4.999995f, false}, {5.1f, true}, {5.00002f, true}, {4.99998f, true}};
    for (const auto& [bound, differs] : cases) {
        SRecevierSetting changed;
        changed.fVoltage1Min = bound;
        EXPECT_EQ(changed != SRecevierSetting(), differs) << bound;
    }
    // Differences that are exactly representable: 0.5 + 2^-17 lies inside
    // the tolerance (the edge is inclusive), 0.5 + 2^-16 outside it.
    EXPECT_FALSE(SRecevierSetting::VoltageDiffers(0.5f + 1.0f / 131072, 0.5f));
    EXPECT_TRUE(SRecevierSetting::VoltageDiffers(0.5f + 1.0f / 65536, 0.5f));
    EXPECT_FALSE(SRecevierSetting::VoltageDiffers(0.5f, 0.5f + 1.0f / 131072));
}

TEST(EmailSetting, EveryFieldIsComparedAndReset)
{
    ExpectEachFieldComparedAndReset<SEmailSetting>({
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

// Input signals and recipients compare element by element, in order; a
// recipient by name and address.
TEST(SettingLists, CompareElementByElementInOrder)
{
    SSenderSetting a, b;
    a.arrInputSignal = b.arrInputSignal = {Signal(0, "DVI"), Signal(1, "HDMI")};
    EXPECT_FALSE(a != b);
    for (const auto& other :
         {std::vector{Signal(1, "HDMI"), Signal(0, "DVI")}, {Signal(0, "DVI"), Signal(1, "HDMI 2")}}) {
        b.arrInputSignal = other;
        EXPECT_TRUE(a != b) << other[1].strSignal;
    }
    SEmailSetting e, f;
    e.arrMail = f.arrMail = {{"Ann", "ann@x.com"}, {"Bob", "bob@x.com"}};
    EXPECT_FALSE(e != f);
    for (const auto& other : {std::vector<SMailInfo>{{"Bob", "bob@x.com"}, {"Ann", "ann@x.com"}},
                              {{"Anne", "ann@x.com"}, {"Bob", "bob@x.com"}},
                              {{"Ann", "Ann@x.com"}, {"Bob", "bob@x.com"}}}) {
        f.arrMail = other;
        EXPECT_TRUE(e != f) << other[0].strName << " " << other[0].strAddress;
    }
}

TEST(InterfaceData, EachPartIsComparedAndReset)
{
    ExpectEachFieldComparedAndReset<CMonitorInterfaceData>({
        {"nRefreshInterval", [](CMonitorInterfaceData& d) { d.nRefreshInterval += 1; }},
        {"senderSetting", [](CMonitorInterfaceData& d) { d.senderSetting.bBlack = 0; }},
        {"receiverSetting", [](CMonitorInterfaceData& d) { d.receiverSetting.fVoltage2Max = 12.5f; }},
        {"emailSetting",
         [](CMonitorInterfaceData& d) {
             d.emailSetting.arrMail.push_back({"A", "a@b.cd"});
         }},
    });
}

TEST(Temperature, ConversionsRoundHalfAwayFromZero)
{
    // Degrees in, degrees out; the exact value in the comment where it is a fraction.
    const std::pair<int, int> toFahrenheit[] = {{60, 140}, {20, 68}, {100, 212}, {-41, -42 /* -41.8 */}};
    for (const auto& [celsius, fahrenheit] : toFahrenheit)
        EXPECT_EQ(CelsiusToFahrenheit(celsius), fahrenheit) << celsius;
    const std::pair<int, int> toCelsius[]
        = {{100, 38 /* 37.78 */}, {212, 100}, {68, 20}, {0, -18 /* -17.78 */}, {31, -1 /* -0.56 */}};
    for (const auto& [fahrenheit, celsius] : toCelsius)
        EXPECT_EQ(FahrenheitToCelsius(fahrenheit), celsius) << fahrenheit;
    EXPECT_EQ(RoundHalfAwayFromZero(2.5), 3);
    EXPECT_EQ(RoundHalfAwayFromZero(-2.5), -3);
    EXPECT_EQ(RoundHalfAwayFromZero(-2.4), -2);
    EXPECT_EQ(RoundHalfAwayFromZero(0.49999999999999994), 0);
}

// Thresholds come from files and edits: no value may overflow the conversion.
TEST(Temperature, ValuesBeyondTheRangeAreClamped)
{
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(CelsiusToFahrenheit(kMax), kMax);
    EXPECT_EQ(CelsiusToFahrenheit(kMin), kMin);
    EXPECT_EQ(FahrenheitToCelsius(kMin), -1193046489); // (kMin - 32) / 1.8
    EXPECT_EQ(FahrenheitToCelsius(kMax), 1193046453);
    EXPECT_EQ(RoundHalfAwayFromZero(1e300), kMax);
    EXPECT_EQ(RoundHalfAwayFromZero(-std::numeric_limits<double>::infinity()), kMin);
    EXPECT_EQ(RoundHalfAwayFromZero(std::numeric_limits<double>::quiet_NaN()), 0);
}
