// The tooltip texts from the host's language file, with the readings and
// limits put into them, and the port summaries.
#include "comma_locale.h"
#include "host/host_enums.h"
#include "hw_fixture.h"
#include "sim/language.h"
#include "warning_texts.h"

#include <gtest/gtest.h>

namespace sim::hw {
namespace {

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
    const WarningTexts t = LanguageTexts();
    ReceiverValues v = hwtest::HealthyCard(true);
    v.nTemperature10 = 853;
    v.nHumidity = 95;
    v.nVoltage2_100 = 380;
    v.nFanRpm = 120;
    SRecevierSetting s;
    s.nHumidity = 80;
    const uint32_t word = WARNING_TEMPERATURE | WARNING_HUMIDITY | WARNING_VOLTAGE2 | WARNING_FAN;
    const std::vector<STipLine> lines = ReceiverTipLines(v, word, s, false, t);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].dwMask, WARNING_TEMPERATURE);
    EXPECT_EQ(lines[0].strText, "Temperature 85.3\u2103 (> 60\u2103)");
    EXPECT_EQ(lines[1].strText, "Humidity 95% (> 80%)");
    EXPECT_EQ(lines[2].strText, "Fan stopped (120 rpm)");
    EXPECT_EQ(lines[3].dwMask, WARNING_VOLTAGE2);
    EXPECT_EQ(lines[3].strText, "Voltage 3.80 V out of range (5.00-12.00 V)");
    EXPECT_EQ(ReceiverTipLines(v, WARNING_TEMPERATURE, s, true, t)[0].strText, "Temperature 185.5\u2109 (> 140\u2109)");
}

TEST(SenderTipLines, OneLinePerBitInOrder)
{
    const WarningTexts t = LanguageTexts();
    const std::vector<STipLine> lines = SenderTipLines(SENDER_WARNING_BRIGHTNESS_ZERO | SENDER_WARNING_LOCK, t);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].strText, "Output not locked");
    EXPECT_EQ(lines[1].strText, "Brightness is zero");
}

TEST(PortTipLines, CountsPerBitTheBrokenLoopAndAnUnpluggedPort)
{
    const WarningTexts t = LanguageTexts();
    const std::vector<uint32_t> words = {0, WARNING_TEMPERATURE | WARNING_SMOKE, WARNING_TEMPERATURE, WARNING_NO_DATA};
    const std::vector<STipLine> lines = PortTipLines(true, words, 3, 7, t);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].strText, "Loop broken between receivers 4 and 8");
    EXPECT_EQ(lines[0].dwMask, WARNING_NO_DATA | WARNING_CABLE);
    EXPECT_EQ(lines[1].strText, "No data: 1 receiver");
    EXPECT_EQ(lines[2].strText, "Over temperature: 2 receivers");
    EXPECT_EQ(lines[3].strText, "Smoke: 1 receiver");
    const std::vector<STipLine> unplugged = PortTipLines(false, {WARNING_NO_DATA, WARNING_NO_DATA}, -1, -1, t);
    ASSERT_EQ(unplugged.size(), 1u);
    EXPECT_EQ(unplugged[0].strText, "Not connected");
    EXPECT_TRUE(PortTipLines(false, {}, -1, -1, t).empty()) << "a port without receivers reports nothing";
}

TEST(TemperatureText, CelsiusAndFahrenheit)
{
    EXPECT_EQ(TemperatureText(455, false), "45.5\u2103");
    EXPECT_EQ(TemperatureText(600, true), "140.0\u2109");
    EXPECT_EQ(TemperatureText(-50, false), "-5.0\u2103");
}

TEST(WarningTexts, NumbersKeepTheirPointUnderACommaLocale)
{
    const CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << comma.Error();
    ReceiverValues v = hwtest::HealthyCard(true);
    v.nVoltage1_100 = 1275;
    const std::vector<STipLine> lines
        = ReceiverTipLines(v, WARNING_VOLTAGE1, SRecevierSetting{}, false, LanguageTexts());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].strText, "Voltage 12.75 V out of range (5.00-12.00 V)");
    EXPECT_EQ(TemperatureText(455, true), "113.9\u2109");
}

} // namespace
} // namespace sim::hw
