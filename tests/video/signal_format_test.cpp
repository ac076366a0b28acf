#include "video/signal_format.h"

#include "comma_locale.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void ExpectFormat(const char* text, int width, int height, double refresh)
{
    const std::optional<SSignalFormat> f = ParseSignalFormat(text);
    ASSERT_TRUE(f.has_value()) << text;
    EXPECT_EQ(f->nWidth, width) << text;
    EXPECT_EQ(f->nHeight, height) << text;
    EXPECT_DOUBLE_EQ(f->dRefresh, refresh) << text;
}

TEST(SignalFormat, TheDefaultTextFillsItsThreeNumbers)
{
    ExpectFormat("1920x1080@60.000Hz", 1920, 1080, 60.0);
    const SSignalEditTexts t = SignalEditTextsOf(*ParseSignalFormat("1920x1080@60.000Hz"));
    EXPECT_EQ(t.strWidth, "1920");
    EXPECT_EQ(t.strHeight, "1080");
    EXPECT_EQ(t.strRefresh, "60.000");
}

TEST(SignalFormat, ATextReadAndFormedAgainIsUnchanged)
{
    const char* text = "3840x2160@59.940Hz";
    const SSignalEditTexts t = SignalEditTextsOf(*ParseSignalFormat(text));
    EXPECT_EQ(FormSignalText(std::stoi(t.strWidth), std::stoi(t.strHeight), t.strRefresh), text);
}

TEST(SignalFormat, TheRefreshIsShownWithThreeDecimals)
{
    EXPECT_EQ(SignalEditTextsOf({1280, 720, 50.0}).strRefresh, "50.000");
    EXPECT_EQ(SignalEditTextsOf({1280, 720, 59.94}).strRefresh, "59.940");
    EXPECT_EQ(SignalEditTextsOf({1280, 720, 23.9765}).strRefresh, "23.977");
}

TEST(SignalFormat, TheHeightEndsAtAnIOrAnAtAndTheRefreshFollowsTheAt)
{
    ExpectFormat("1920x1080i60Hz", 1920, 1080, 60.0);
    ExpectFormat("1920x1080@50Hz", 1920, 1080, 50.0);
    // Interlaced texts as the hardware writes them: never a 0 Hz refresh.
    ExpectFormat("1920x1080i@50.000Hz", 1920, 1080, 50.0);
    ExpectFormat("720x576i@25Hz", 720, 576, 25.0);
    ExpectFormat("720x576@25iHz", 720, 576, 25.0);
    ExpectFormat("1920x1080@59.94Hz (interlaced)", 1920, 1080, 59.94);
}

TEST(SignalFormat, AUsableFormatKeepsTheEditsBounds)
{
    struct Case {
        const char* text;
        bool usable;
    };
    for (const Case& c : {Case{"64x64@23Hz", true}, Case{"32767x16384@240.000Hz", true}, Case{"1920x1080i@50Hz", true},
                          Case{"1920x1080@0.00Hz", false}, Case{"63x1080@60Hz", false}, Case{"1920x16385@60Hz", false},
                          Case{"1920x1080@240.001Hz", false}, Case{"unknow video", false}, Case{"", false}})
        EXPECT_EQ(ParseUsableSignalFormat(c.text).has_value(), c.usable) << c.text;
}

TEST(SignalFormat, NumbersAreWrittenAndReadWithAPointUnderACommaLocale)
{
    const CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << comma.Error();
    EXPECT_EQ(SignalEditTextsOf({1280, 720, 59.94}).strRefresh, "59.940");
    EXPECT_EQ(StoredSignalText(1920, 1080, 59.94), "1920x1080@59.94Hz");
    ExpectFormat("3840x2160@59.940Hz", 3840, 2160, 59.94);
}

TEST(SignalFormat, AMissingMarkFillsNothing)
{
    for (const char* text : {"", "1920", "1920X1080@60Hz", "19201080@60Hz", "1920x1080", "1920x1080 60Hz",
                             "1920x1080@60", "1920x1080@60hz", "1920x1080Hz@60", "Hz1920x1080@60"})
        EXPECT_FALSE(ParseSignalFormat(text).has_value()) << text;
}

TEST(SignalFormat, EachNumberIsTheOneItsTextStartsWith)
{
    ExpectFormat(" 1920x 1080@ 60.5Hz", 1920, 1080, 60.5);
    ExpectFormat("1920px1080p@60fpsHz", 1920, 1080, 60.0);
    ExpectFormat("+1920x-1080@-.5Hz", 1920, -1080, -0.5);
    ExpectFormat("widex1080@Hz", 0, 1080, 0.0);
    // Exponents, infinities and hexadecimal are not decimals here.
    ExpectFormat("1920x1080@1e3Hz", 1920, 1080, 1.0);
    ExpectFormat("1920x1080@infHz", 1920, 1080, 0.0);
    ExpectFormat("1920x1080@0x3CHz", 1920, 1080, 0.0);
}

TEST(SignalFormat, NumbersBeyondTheirTypeFillNothing)
{
    for (const std::string& text :
         {std::string("2147483648x1080@60Hz"), std::string("1920x99999999999999999999@60Hz"),
          std::string("-2147483649x1080@60Hz"), "1920x1080@" + std::string(400, '9') + "Hz"})
        EXPECT_FALSE(ParseSignalFormat(text).has_value()) << text.substr(0, 40);
    ExpectFormat("2147483647x1080@60Hz", 2147483647, 1080, 60.0);
}

TEST(SignalFormat, TheFormedTextKeepsTheRefreshAsTyped)
{
    EXPECT_EQ(FormSignalText(1920, 1080, "60.000"), "1920x1080@60.000Hz");
    EXPECT_EQ(FormSignalText(1280, 720, "50"), "1280x720@50Hz");
    EXPECT_EQ(FormSignalText(1280, 720, "%s%n"), "1280x720@%s%nHz");
}

} // namespace
