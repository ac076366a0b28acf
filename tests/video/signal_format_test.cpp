#include "video/signal_format.h"

#include "comma_locale.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ParseCase {
    std::string text;
    std::optional<SSignalFormat> expected;
};

// Reads a text and says what it gave, for the failure message.
std::string Read(const std::string& text)
{
    const std::optional<SSignalFormat> f = ParseSignalFormat(text);
    return f ? std::to_string(f->nWidth) + "x" + std::to_string(f->nHeight) + "@" + std::to_string(f->dRefresh)
             : "nothing";
}

TEST(SignalFormat, ATextGivesItsThreeNumbersOrNothing)
{
    const ParseCase cases[] = {
        {"1920x1080@60.000Hz", SSignalFormat{1920, 1080, 60.0}},
        // Interlaced texts as the hardware writes them: never a 0 Hz refresh.
        {"1920x1080i@50.000Hz", SSignalFormat{1920, 1080, 50.0}},
        {"1920x1080i60Hz", SSignalFormat{1920, 1080, 60.0}},
        {"720x576@25iHz", SSignalFormat{720, 576, 25.0}},
        {"1920x1080@59.94Hz (interlaced)", SSignalFormat{1920, 1080, 59.94}},
        // Each number is the one its text starts with.
        {" 1920x 1080@ 60.5Hz", SSignalFormat{1920, 1080, 60.5}},
        {"1920px1080p@60fpsHz", SSignalFormat{1920, 1080, 60.0}},
        {"+1920x-1080@-.5Hz", SSignalFormat{1920, -1080, -0.5}},
        {"widex1080@Hz", SSignalFormat{0, 1080, 0.0}},
        // Exponents, infinities and hexadecimal are not decimals here.
        {"1920x1080@1e3Hz", SSignalFormat{1920, 1080, 1.0}},
        {"1920x1080@infHz", SSignalFormat{1920, 1080, 0.0}},
        {"1920x1080@0x3CHz", SSignalFormat{1920, 1080, 0.0}},
        {"2147483647x1080@60Hz", SSignalFormat{2147483647, 1080, 60.0}},
        // A mark missing, or a number beyond its type.
        {"", std::nullopt},
        {"1920X1080@60Hz", std::nullopt},
        {"1920x1080", std::nullopt},
        {"1920x1080@60", std::nullopt},
        {"1920x1080@60hz", std::nullopt},
        {"Hz1920x1080@60", std::nullopt},
        {"2147483648x1080@60Hz", std::nullopt},
        {"-2147483649x1080@60Hz", std::nullopt},
        {"1920x1080@" + std::string(400, '9') + "Hz", std::nullopt},
    };
    for (const ParseCase& c : cases) {
        const std::optional<SSignalFormat> f = ParseSignalFormat(c.text);
        ASSERT_EQ(f.has_value(), c.expected.has_value()) << c.text.substr(0, 40) << " gave " << Read(c.text);
        if (f) {
            EXPECT_TRUE(f->nWidth == c.expected->nWidth && f->nHeight == c.expected->nHeight
                        && f->dRefresh == c.expected->dRefresh)
                << c.text << " gave " << Read(c.text);
        }
    }
}

TEST(SignalFormat, AUsableFormatKeepsTheEditsBounds)
{
    for (const auto& [text, usable] : {std::pair{"64x64@23Hz", true},
                                       {"32767x16384@240.000Hz", true},
                                       {"1920x1080i@50Hz", true},
                                       {"1920x1080@0.00Hz", false},
                                       {"63x1080@60Hz", false},
                                       {"1920x16385@60Hz", false},
                                       {"1920x1080@240.001Hz", false},
                                       {"unknow video", false}})
        EXPECT_EQ(ParseUsableSignalFormat(text).has_value(), usable) << text;
}

TEST(SignalFormat, TextsAreFormedWithAPointUnderACommaLocale)
{
    const CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << comma.Error();
    const SSignalEditTexts t = SignalEditTextsOf(*ParseSignalFormat("3840x2160@59.940Hz"));
    EXPECT_EQ(t.strWidth + " " + t.strHeight + " " + t.strRefresh, "3840 2160 59.940");
    EXPECT_EQ(SignalEditTextsOf({1280, 720, 23.9765}).strRefresh, "23.977");
    EXPECT_EQ(StoredSignalText(1920, 1080, 59.94), "1920x1080@59.94Hz");
    // The refresh as typed, whatever it holds.
    EXPECT_EQ(FormSignalText(1280, 720, "%s%n"), "1280x720@%s%nHz");
}

} // namespace
