// The tooltip texts from the host's language file, with the readings and
// limits put into them, and the port summaries.
#include "comma_locale.h"
#include "host/host_enums.h"
#include "hw_fixture.h"
#include "sim/language.h"
#include "warning_texts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sim::hw {
namespace {

std::vector<std::string> Texts(const std::vector<STipLine>& lines)
{
    std::vector<std::string> texts;
    for (const STipLine& line : lines)
        texts.push_back(line.strText);
    return texts;
}

TEST(LanguageTexts, EveryTextIsInTheLanguageFile)
{
    ClearMissingLanguageKeys();
    const WarningTexts t = LanguageTexts();
    EXPECT_TRUE(GetMissingLanguageKeys().empty());
    EXPECT_EQ(t.words.strNormal, "OK");
    EXPECT_FALSE(t.strLock.empty());
}

TEST(ReceiverTipLines, ReadingsAndLimitsGoIntoTheTexts)
{
    ReceiverValues v = hwtest::HealthyCard(true);
    v.nTemperature10 = 853;
    v.nHumidity = 95;
    v.nVoltage2_100 = 380;
    v.nFanRpm = 120;
    SRecevierSetting s;
    s.nHumidity = 80;
    const uint32_t word = WARNING_TEMPERATURE | WARNING_HUMIDITY | WARNING_VOLTAGE2 | WARNING_FAN;
    const std::vector<STipLine> lines = ReceiverTipLines(v, word, s, false, LanguageTexts());
    EXPECT_EQ(Texts(lines),
              (std::vector<std::string>{"Temperature 85.3\u2103 (> 60\u2103)", "Humidity 95% (> 80%)",
                                        "Fan stopped (120 rpm)", "Voltage 3.80 V out of range (5.00-12.00 V)"}));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(std::tuple(lines[0].dwMask, lines[3].dwMask), std::tuple(WARNING_TEMPERATURE, WARNING_VOLTAGE2));
    EXPECT_EQ(Texts(ReceiverTipLines(v, WARNING_TEMPERATURE, s, true, LanguageTexts())),
              std::vector<std::string>{"Temperature 185.5\u2109 (> 140\u2109)"});
}

TEST(SenderTipLines, OneLinePerBitInOrder)
{
    EXPECT_EQ(Texts(SenderTipLines(SENDER_WARNING_BRIGHTNESS_ZERO | SENDER_WARNING_LOCK, LanguageTexts())),
              (std::vector<std::string>{"Output not locked", "Brightness is zero"}));
}

// A port without receivers reports nothing.
TEST(PortTipLines, CountsPerBitTheBrokenLoopAndAnUnpluggedPort)
{
    const WarningTexts t = LanguageTexts();
    const std::vector<uint32_t> words = {0, WARNING_TEMPERATURE | WARNING_SMOKE, WARNING_TEMPERATURE, WARNING_NO_DATA};
    const std::vector<STipLine> lines = PortTipLines(true, words, 3, 7, t);
    EXPECT_EQ(Texts(lines),
              (std::vector<std::string>{"Loop broken between receivers 4 and 8", "No data: 1 receiver",
                                        "Over temperature: 2 receivers", "Smoke: 1 receiver"}));
    ASSERT_FALSE(lines.empty());
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
