// The warning rules as functions (each check follows its switch and its
// threshold, sensors a card lacks never warn, senders' signal checks) and
// the tooltip texts from the host's language file.
#include "comma_locale.h"
#include "host/host_enums.h"
#include "hw_fixture.h"
#include "sim/language.h"
#include "warning_rules.h"
#include "warning_texts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sim::hw {
namespace {

void AllOn(SRecevierSetting& s)
{
    s.bTemperature = s.bHumidity = s.bSmoke = s.bFan = s.bTileDoor = 1;
    s.bPowerSupply1 = s.bPowerSupply2 = s.bVoltage1 = s.bVoltage2 = s.bCableDetection = 1;
}

// From the default settings (temperature on at 60 °C, humidity off) and a
// healthy card with two supplies: a silent card is no data alone, missing
// sensors never warn, thresholds and ranges are inside.
TEST(ReceiverWarningWord, EachCheckFollowsItsSwitchAndItsThreshold)
{
    using Case = std::tuple<const char*, void (*)(SRecevierSetting&), void (*)(ReceiverValues&), uint32_t>;
    const auto none = [](SRecevierSetting&) {};
    const auto same = [](ReceiverValues&) {};
    const auto volts = [](SRecevierSetting& s) {
        s.bTemperature = 0, s.bVoltage1 = s.bVoltage2 = 1;
        s.fVoltage1Min = 4.5f, s.fVoltage1Max = 5.5f, s.fVoltage2Min = 11.0f, s.fVoltage2Max = 13.0f;
    };
    const Case cases[] = {
        {"all on", AllOn, same, 0},
        {"three faults", AllOn, [](ReceiverValues& v) { v.nTemperature10 = 850, v.nDoor = 1, v.nPower2 = 0; },
         WARNING_TEMPERATURE | WARNING_TILE_DOOR | WARNING_POWER2},
        {"silent", AllOn, [](ReceiverValues& v) { v.nTemperature10 = 850, v.bAnswers = false; }, WARNING_NO_DATA},
        {"no sensors", AllOn, [](ReceiverValues& v) { v = {}, v.bAnswers = true; }, 0},
        {"at the threshold", none, [](ReceiverValues& v) { v.nTemperature10 = 600; }, 0},
        {"above it", none, [](ReceiverValues& v) { v.nTemperature10 = 601; }, WARNING_TEMPERATURE},
        {"threshold raised", [](SRecevierSetting& s) { s.nTemperature = 70; },
         [](ReceiverValues& v) { v.nTemperature10 = 601; }, 0},
        {"temperature off", [](SRecevierSetting& s) { s.bTemperature = 0; },
         [](ReceiverValues& v) { v.nTemperature10 = 601; }, 0},
        {"humidity off", none, [](ReceiverValues& v) { v.nHumidity = 90; }, 0},
        {"humidity on", [](SRecevierSetting& s) { s.bHumidity = 1; }, [](ReceiverValues& v) { v.nHumidity = 90; },
         WARNING_HUMIDITY},
        {"humidity limit", [](SRecevierSetting& s) { s.bHumidity = 1, s.nHumidity = 90; },
         [](ReceiverValues& v) { v.nHumidity = 90; }, 0},
        {"fan at the failure speed", [](SRecevierSetting& s) { s.bFan = 1; },
         [](ReceiverValues& v) { v.nFanRpm = kFanFailureRpm; }, 0},
        {"voltages at their bounds", volts, [](ReceiverValues& v) { v.nVoltage1_100 = 450, v.nVoltage2_100 = 1300; },
         0},
        {"voltage 1 low", volts, [](ReceiverValues& v) { v.nVoltage1_100 = 449, v.nVoltage2_100 = 1300; },
         WARNING_VOLTAGE1},
        {"both out", volts, [](ReceiverValues& v) { v.nVoltage1_100 = 551, v.nVoltage2_100 = 1099; },
         WARNING_VOLTAGE1 | WARNING_VOLTAGE2},
        {"voltage 1 off", [](SRecevierSetting& s) { s.bTemperature = 0, s.bVoltage2 = 1, s.fVoltage2Min = 11.0f; },
         [](ReceiverValues& v) { v.nVoltage1_100 = 551, v.nVoltage2_100 = 1099; }, WARNING_VOLTAGE2},
    };
    for (const auto& [what, set, read, word] : cases) {
        SRecevierSetting s;
        set(s);
        ReceiverValues v = hwtest::HealthyCard(true);
        read(v);
        EXPECT_EQ(ReceiverWarningWord(v, s), word) << what;
    }
}

// Off: no warning; on: its bit (on with a healthy reading is the row "all on" above).
TEST(ReceiverWarningWord, SmokeFanDoorSuppliesAndCableFollowTheirSwitches)
{
    const std::tuple<int32_t SRecevierSetting::*, int32_t ReceiverValues::*, int32_t, uint32_t> cases[] = {
        {&SRecevierSetting::bSmoke, &ReceiverValues::nSmoke, 1, WARNING_SMOKE},
        {&SRecevierSetting::bFan, &ReceiverValues::nFanRpm, kFanFailureRpm - 1, WARNING_FAN},
        {&SRecevierSetting::bTileDoor, &ReceiverValues::nDoor, 1, WARNING_TILE_DOOR},
        {&SRecevierSetting::bCableDetection, &ReceiverValues::nCable, 1, WARNING_CABLE},
        {&SRecevierSetting::bPowerSupply1, &ReceiverValues::nPower1, 0, WARNING_POWER1},
        {&SRecevierSetting::bPowerSupply2, &ReceiverValues::nPower2, 0, WARNING_POWER2},
    };
    for (const auto& [check, value, bad, bit] : cases) {
        SCOPED_TRACE(bit);
        SRecevierSetting s;
        s.bTemperature = 0;
        ReceiverValues v = hwtest::HealthyCard(true);
        v.*value = bad;
        EXPECT_EQ(ReceiverWarningWord(v, s), 0u);
        s.*check = 1;
        EXPECT_EQ(ReceiverWarningWord(v, s), bit);
    }
}

// Sender 3 has a live 1920x1080@60 on HDMI (type 2) and nothing on DVI (type 1).
SenderReading LiveSender()
{
    SenderReading s;
    s.nIndex = 3, s.bOnline = true;
    s.inputs.resize(2);
    s.inputs[0].byType = 2, s.inputs[1].byType = 1;
    s.inputs[0].signal = {1920, 1080, 60.0};
    return s;
}

SInputSignalSetting Expect(uint32_t sender, uint8_t type, int check, int w, int h, double rate)
{
    return {sender, 0, type, 0, 0, check, w, h, rate, ""};
}

// Without configured inputs any live signal is enough; offline hides every
// other warning.
TEST(SenderWarningWord, LockBlackBrightnessAndSignalFollowTheirSwitches)
{
    SenderReading s = LiveSender();
    SSenderSetting set;
    EXPECT_EQ(SenderWarningWord(s, set), 0u);
    s.bLockLost = s.bBlack = true, s.nBrightness = 0;
    s.inputs[0].signal = {};
    EXPECT_EQ(SenderWarningWord(s, set),
              SENDER_WARNING_LOCK | SENDER_WARNING_BLACK | SENDER_WARNING_BRIGHTNESS_ZERO | SENDER_WARNING_VIDEO_INPUT);
    set.bLock = set.bBlack = 0;
    EXPECT_EQ(SenderWarningWord(s, set), SENDER_WARNING_BRIGHTNESS_ZERO | SENDER_WARNING_VIDEO_INPUT);
    set.bBrightnessZero = set.bVideoInputError = 0;
    EXPECT_EQ(SenderWarningWord(s, set), 0u);
    s.bOnline = false;
    EXPECT_EQ(SenderWarningWord(s, SSenderSetting{}), SENDER_WARNING_OFFLINE);
}

// Another sender's entry does not count; with the format check off any
// signal will do.
TEST(SenderWarningWord, ConfiguredInputsMustCarryTheirSignalAndFormat)
{
    const std::pair<SInputSignalSetting, bool> cases[] = {
        {Expect(3, 1, 0, 0, 0, 0), true},           {Expect(3, 2, 0, 0, 0, 0), false},
        {Expect(4, 1, 0, 0, 0, 0), false},          {Expect(3, 2, 1, 1920, 1080, 60.0), false},
        {Expect(3, 2, 1, 3840, 2160, 60.0), true},  {Expect(3, 2, 1, 1920, 1080, 50.0), true},
        {Expect(3, 2, 0, 3840, 2160, 50.0), false},
    };
    for (const auto& [entry, fault] : cases) {
        SSenderSetting set;
        set.arrInputSignal = {entry};
        EXPECT_EQ(HasVideoInputFault(LiveSender(), set), fault)
            << "sender " << entry.dwSender << " type " << int(entry.byValue2) << " check " << entry.nValue3 << " "
            << entry.nValue4 << "x" << entry.nValue5 << "@" << entry.dValue;
    }
}

std::vector<std::string> Texts(const std::vector<STipLine>& lines)
{
    std::vector<std::string> texts;
    for (const STipLine& line : lines)
        texts.push_back(line.strText);
    return texts;
}

// Every text is in the language file; readings and limits go into the
// receiver's lines, a sender's lines follow its bits in order.
TEST(TipLines, ReceiverAndSenderLinesFromTheLanguageFile)
{
    ClearMissingLanguageKeys();
    LanguageTexts();
    EXPECT_TRUE(GetMissingLanguageKeys().empty());
    ReceiverValues v = hwtest::HealthyCard(true);
    v.nTemperature10 = 853, v.nHumidity = 95, v.nVoltage2_100 = 380, v.nFanRpm = 120;
    SRecevierSetting s;
    s.nHumidity = 80;
    const uint32_t word = WARNING_TEMPERATURE | WARNING_HUMIDITY | WARNING_VOLTAGE2 | WARNING_FAN;
    const std::vector<STipLine> lines = ReceiverTipLines(v, word, s, false, LanguageTexts());
    ASSERT_EQ(Texts(lines),
              (std::vector<std::string>{"Temperature 85.3\u2103 (> 60\u2103)", "Humidity 95% (> 80%)",
                                        "Fan stopped (120 rpm)", "Voltage 3.80 V out of range (5.00-12.00 V)"}));
    EXPECT_EQ(std::tuple(lines[0].dwMask, lines[3].dwMask), std::tuple(WARNING_TEMPERATURE, WARNING_VOLTAGE2));
    EXPECT_EQ(Texts(ReceiverTipLines(v, WARNING_TEMPERATURE, s, true, LanguageTexts())),
              std::vector<std::string>{"Temperature 185.5\u2109 (> 140\u2109)"});
    EXPECT_EQ(Texts(SenderTipLines(SENDER_WARNING_BRIGHTNESS_ZERO | SENDER_WARNING_LOCK, LanguageTexts())),
              (std::vector<std::string>{"Output not locked", "Brightness is zero"}));
}

// A port without receivers reports nothing.
TEST(PortTipLines, CountsPerBitTheBrokenLoopAndAnUnpluggedPort)
{
    const WarningTexts t = LanguageTexts();
    const std::vector<uint32_t> words = {0, WARNING_TEMPERATURE | WARNING_SMOKE, WARNING_TEMPERATURE, WARNING_NO_DATA};
    const std::vector<STipLine> lines = PortTipLines(true, words, 3, 7, t);
    ASSERT_EQ(Texts(lines),
              (std::vector<std::string>{"Loop broken between receivers 4 and 8", "No data: 1 receiver",
                                        "Over temperature: 2 receivers", "Smoke: 1 receiver"}));
    EXPECT_EQ(lines[0].dwMask, WARNING_NO_DATA | WARNING_CABLE);
    EXPECT_EQ(Texts(PortTipLines(false, {WARNING_NO_DATA, WARNING_NO_DATA}, -1, -1, t)),
              std::vector<std::string>{"Not connected"});
    EXPECT_TRUE(PortTipLines(false, {}, -1, -1, t).empty());
}

// Under a comma locale too, numbers keep their point.
TEST(WarningTexts, TemperaturesAndVoltagesWhateverTheLocale)
{
    EXPECT_EQ(std::tuple(TemperatureText(455, false), TemperatureText(600, true), TemperatureText(-50, false)),
              std::tuple("45.5\u2103", "140.0\u2109", "-5.0\u2103"));
    const CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << comma.Error();
    ReceiverValues v = hwtest::HealthyCard(true);
    v.nVoltage1_100 = 1275;
    EXPECT_EQ(Texts(ReceiverTipLines(v, WARNING_VOLTAGE1, SRecevierSetting{}, false, LanguageTexts())),
              std::vector<std::string>{"Voltage 12.75 V out of range (5.00-12.00 V)"});
    EXPECT_EQ(TemperatureText(455, true), "113.9\u2109");
}

} // namespace
} // namespace sim::hw
