#include "video/signal_format.h"

#include "comma_locale.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

namespace {

// What a text reads as, "-" where it gives nothing.
std::string Read(const std::string& text)
{
    const std::optional<SSignalFormat> f = ParseSignalFormat(text);
    std::ostringstream out;
    if (f)
        out << std::setprecision(10) << f->nWidth << "x" << f->nHeight << "@" << f->dRefresh;
    return f ? out.str() : "-";
}

// Interlaced texts as the hardware writes them never give a 0 Hz refresh;
// each number is the one its text starts with; exponents, infinities and
// hexadecimal are not decimals here; a mark missing, or a number beyond
// its type, gives nothing.
TEST(SignalFormat, ATextGivesItsThreeNumbersOrNothing)
{
    for (const auto& [text, read] : {std::pair{"1920x1080@60.000Hz", "1920x1080@60"},
                                     {"1920x1080i@50.000Hz", "1920x1080@50"},
                                     {"1920x1080i60Hz", "1920x1080@60"},
                                     {"720x576@25iHz", "720x576@25"},
                                     {"1920x1080@59.94Hz (interlaced)", "1920x1080@59.94"},
                                     {" 1920x 1080@ 60.5Hz", "1920x1080@60.5"},
                                     {"1920px1080p@60fpsHz", "1920x1080@60"},
                                     {"+1920x-1080@-.5Hz", "1920x-1080@-0.5"},
                                     {"widex1080@Hz", "0x1080@0"},
                                     {"1920x1080@1e3Hz", "1920x1080@1"},
                                     {"1920x1080@infHz", "1920x1080@0"},
                                     {"1920x1080@0x3CHz", "1920x1080@0"},
                                     {"2147483647x1080@60Hz", "2147483647x1080@60"},
                                     {"", "-"},
                                     {"1920X1080@60Hz", "-"},
                                     {"1920x1080", "-"},
                                     {"1920x1080@60", "-"},
                                     {"1920x1080@60hz", "-"},
                                     {"Hz1920x1080@60", "-"},
                                     {"2147483648x1080@60Hz", "-"},
                                     {"-2147483649x1080@60Hz", "-"}})
        EXPECT_EQ(Read(text), read) << text;
    EXPECT_EQ(Read("1920x1080@" + std::string(400, '9') + "Hz"), "-");
    // A usable format keeps the edits' bounds.
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
