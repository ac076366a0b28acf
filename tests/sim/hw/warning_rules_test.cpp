// The warning rules as functions: each check follows its switch and its
// threshold, sensors a card lacks never warn, senders' signal checks.
#include "host/host_enums.h"
#include "hw_fixture.h"
#include "warning_rules.h"

#include <gtest/gtest.h>

namespace sim::hw {
namespace {

ReceiverValues Healthy() { return hwtest::HealthyCard(true); }

SRecevierSetting AllOn()
{
    SRecevierSetting s;
    s.bTemperature = s.bHumidity = s.bSmoke = s.bFan = s.bTileDoor = 1;
    s.bPowerSupply1 = s.bPowerSupply2 = s.bVoltage1 = s.bVoltage2 = s.bCableDetection = 1;
    return s;
}

TEST(ReceiverWarningWord, EveryCheckOnWarnsOnlyOfWhatIsWrong)
{
    ReceiverValues v = Healthy();
    EXPECT_EQ(ReceiverWarningWord(v, AllOn()), 0u);
    v.nTemperature10 = 850;
    v.nDoor = 1;
    v.nPower2 = 0;
    EXPECT_EQ(ReceiverWarningWord(v, AllOn()), WARNING_TEMPERATURE | WARNING_TILE_DOOR | WARNING_POWER2);
    v.bAnswers = false;
    EXPECT_EQ(ReceiverWarningWord(v, AllOn()), WARNING_NO_DATA) << "a silent card is no data alone";
    ReceiverValues absent;
    absent.bAnswers = true; // every sensor absent
    EXPECT_EQ(ReceiverWarningWord(absent, AllOn()), 0u) << "missing sensors never warn";
}

TEST(ReceiverWarningWord, TemperatureWarnsOnlyAboveTheThresholdAndWhenOn)
{
    SRecevierSetting s; // defaults: temperature on at 60 °C
    ReceiverValues v = Healthy();
    v.nTemperature10 = 600;
    EXPECT_EQ(ReceiverWarningWord(v, s), 0u) << "at the threshold";
    v.nTemperature10 = 601;
    EXPECT_EQ(ReceiverWarningWord(v, s), WARNING_TEMPERATURE);
    s.nTemperature = 70;
    EXPECT_EQ(ReceiverWarningWord(v, s), 0u) << "threshold raised";
    s.nTemperature = 60;
    s.bTemperature = 0;
    EXPECT_EQ(ReceiverWarningWord(v, s), 0u) << "check off";
}

TEST(ReceiverWarningWord, HumidityFollowsItsThreshold)
{
    SRecevierSetting s;
    ReceiverValues v = Healthy();
    v.nHumidity = 90;
    EXPECT_EQ(ReceiverWarningWord(v, s), 0u) << "off by default";
    s.bHumidity = 1;
    EXPECT_EQ(ReceiverWarningWord(v, s), WARNING_HUMIDITY);
    s.nHumidity = 90;
    EXPECT_EQ(ReceiverWarningWord(v, s), 0u);
}

TEST(ReceiverWarningWord, SmokeFanDoorAndCableFollowTheirSwitches)
{
    struct Case {
        int32_t SRecevierSetting::*check;
        int32_t ReceiverValues::*value;
        int32_t bad;
        uint32_t bit;
    };
    const Case cases[] = {
        {&SRecevierSetting::bSmoke, &ReceiverValues::nSmoke, 1, WARNING_SMOKE},
        {&SRecevierSetting::bFan, &ReceiverValues::nFanRpm, kFanFailureRpm - 1, WARNING_FAN},
        {&SRecevierSetting::bTileDoor, &ReceiverValues::nDoor, 1, WARNING_TILE_DOOR},
        {&SRecevierSetting::bCableDetection, &ReceiverValues::nCable, 1, WARNING_CABLE},
        {&SRecevierSetting::bPowerSupply1, &ReceiverValues::nPower1, 0, WARNING_POWER1},
        {&SRecevierSetting::bPowerSupply2, &ReceiverValues::nPower2, 0, WARNING_POWER2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bit);
        SRecevierSetting s;
        s.bTemperature = 0;
        ReceiverValues v = Healthy();
        v.*c.value = c.bad;
        EXPECT_EQ(ReceiverWarningWord(v, s), 0u);
        s.*c.check = 1;
        EXPECT_EQ(ReceiverWarningWord(v, s), c.bit);
        v = Healthy();
        EXPECT_EQ(ReceiverWarningWord(v, s), 0u);
    }
    SRecevierSetting fan;
    fan.bFan = 1;
    ReceiverValues v = Healthy();
    v.nFanRpm = kFanFailureRpm;
    EXPECT_EQ(ReceiverWarningWord(v, fan), 0u) << "a fan at the failure speed is fine";
}

TEST(ReceiverWarningWord, VoltagesWarnOutsideTheirOwnRanges)
{
    SRecevierSetting s;
    s.bTemperature = 0;
    s.bVoltage1 = 1;
    s.fVoltage1Min = 4.5f;
    s.fVoltage1Max = 5.5f;
    s.bVoltage2 = 1;
    s.fVoltage2Min = 11.0f;
    s.fVoltage2Max = 13.0f;
    ReceiverValues v = Healthy();
    v.nVoltage1_100 = 450;
    v.nVoltage2_100 = 1300;
    EXPECT_EQ(ReceiverWarningWord(v, s), 0u) << "bounds are inside";
    v.nVoltage1_100 = 449;
    EXPECT_EQ(ReceiverWarningWord(v, s), WARNING_VOLTAGE1);
    v.nVoltage1_100 = 551;
    v.nVoltage2_100 = 1099;
    EXPECT_EQ(ReceiverWarningWord(v, s), WARNING_VOLTAGE1 | WARNING_VOLTAGE2);
    s.bVoltage1 = 0;
    EXPECT_EQ(ReceiverWarningWord(v, s), WARNING_VOLTAGE2);
}

SenderReading LiveSender()
{
    SenderReading s;
    s.nIndex = 3;
    s.bOnline = true;
    InputReading hdmi;
    hdmi.byType = 2;
    hdmi.signal = {1920, 1080, 60.0};
    InputReading dvi;
    dvi.byType = 1;
    s.inputs = {hdmi, dvi};
    return s;
}

SInputSignalSetting Expect(uint32_t sender, uint8_t type, int check, int w, int h, double rate)
{
    SInputSignalSetting e;
    e.dwSender = sender;
    e.byValue2 = type;
    e.nValue3 = check;
    e.nValue4 = w;
    e.nValue5 = h;
    e.dValue = rate;
    return e;
}

TEST(SenderWarningWord, LockBlackAndBrightnessFollowTheirSwitches)
{
    SenderReading s = LiveSender();
    s.bLockLost = true;
    s.bBlack = true;
    s.nBrightness = 0;
    SSenderSetting set;
    EXPECT_EQ(SenderWarningWord(s, set), SENDER_WARNING_LOCK | SENDER_WARNING_BLACK | SENDER_WARNING_BRIGHTNESS_ZERO);
    set.bLock = 0;
    set.bBlack = 0;
    EXPECT_EQ(SenderWarningWord(s, set), SENDER_WARNING_BRIGHTNESS_ZERO);
    set.bBrightnessZero = 0;
    EXPECT_EQ(SenderWarningWord(s, set), 0u);
    s.bOnline = false;
    EXPECT_EQ(SenderWarningWord(s, SSenderSetting{}), SENDER_WARNING_OFFLINE) << "offline hides every other warning";
}

TEST(SenderWarningWord, WithoutConfiguredInputsAnyLiveSignalIsEnough)
{
    SenderReading s = LiveSender();
    SSenderSetting set;
    EXPECT_EQ(SenderWarningWord(s, set), 0u);
    s.inputs[0].signal = {};
    EXPECT_EQ(SenderWarningWord(s, set), SENDER_WARNING_VIDEO_INPUT);
    set.bVideoInputError = 0;
    EXPECT_EQ(SenderWarningWord(s, set), 0u);
}

// Sender 3 has a live 1920x1080@60 on HDMI (type 2) and nothing on DVI (type 1).
TEST(SenderWarningWord, ConfiguredInputsMustCarryTheirSignalAndFormat)
{
    struct Case {
        SInputSignalSetting entry;
        bool fault;
    };
    const Case cases[] = {
        {Expect(3, 1, 0, 0, 0, 0), true},
        {Expect(3, 2, 0, 0, 0, 0), false},
        {Expect(4, 1, 0, 0, 0, 0), false}, // another sender's entry
        {Expect(3, 2, 1, 1920, 1080, 60.0), false},
        {Expect(3, 2, 1, 3840, 2160, 60.0), true},
        {Expect(3, 2, 1, 1920, 1080, 50.0), true},
        {Expect(3, 2, 0, 3840, 2160, 50.0), false}, // format check off: any signal will do
    };
    for (const Case& c : cases) {
        SSenderSetting set;
        set.arrInputSignal = {c.entry};
        EXPECT_EQ(HasVideoInputFault(LiveSender(), set), c.fault)
            << "sender " << c.entry.dwSender << " type " << int(c.entry.byValue2) << " check " << c.entry.nValue3 << " "
            << c.entry.nValue4 << "x" << c.entry.nValue5 << "@" << c.entry.dValue;
    }
}

TEST(EnabledBits, FollowTheSwitchesWithNoDataAndOfflineAlwaysOn)
{
    SRecevierSetting r;
    r.bTemperature = 0;
    EXPECT_EQ(EnabledReceiverBits(r), WARNING_NO_DATA);
    EXPECT_EQ(EnabledReceiverBits(AllOn()),
              WARNING_NO_DATA | WARNING_TEMPERATURE | WARNING_HUMIDITY | WARNING_SMOKE | WARNING_FAN | WARNING_TILE_DOOR
                  | WARNING_POWER1 | WARNING_POWER2 | WARNING_VOLTAGE1 | WARNING_VOLTAGE2 | WARNING_CABLE);
    SSenderSetting s;
    EXPECT_EQ(EnabledSenderBits(s), SENDER_WARNING_SIGNAL | SENDER_WARNING_OFFLINE);
    s.bLock = 0;
    EXPECT_EQ(EnabledSenderBits(s), (SENDER_WARNING_SIGNAL & ~SENDER_WARNING_LOCK) | SENDER_WARNING_OFFLINE);
}

TEST(ShowValue, CopiesReadingsAndMarksSilentCards)
{
    ReceiverValues v = Healthy();
    const SRcvShowValue s = ShowValue(v);
    EXPECT_EQ(s.bHasData, 1);
    EXPECT_EQ(s.nTemperature10, 400);
    EXPECT_EQ(s.nVoltage100, 530);
    EXPECT_EQ(s.nVoltage2_100, 530);
    v.bAnswers = false;
    EXPECT_EQ(ShowValue(v).bHasData, 0);
}

} // namespace
} // namespace sim::hw
