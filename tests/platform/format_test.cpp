// SafeFormat: the C library's text for valid formats, and nothing unsafe
// for hostile ones.
#include "platform/format.h"
#include "platform/number_text.h"

#include "comma_locale.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

using plat::Format;
using plat::SafeFormat;

namespace {

template <class... Args>
std::string C(const char* format, Args... args)
{
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

} // namespace

TEST(SafeFormat, IntegersMatchTheCLibrary)
{
    for (const char* f : {"%d", "%5d", "%-5d|", "%05d", "%+d", "% d", "%.3d", "%8.3d", "%-+8.3d|", "%i"}) {
        for (int v : {0, 7, -7, 42, -12345, 2147483647, -2147483647 - 1})
            EXPECT_EQ(Format(f, v), C(f, v)) << f << " " << v;
    }
    for (long long v : {0LL, -7LL, 5000000000LL, -9223372036854775807LL - 1}) {
        EXPECT_EQ(std::tuple(Format("%lld", v), Format("%+12lld", v), Format("%I64d", v)),
                  std::tuple(C("%lld", v), C("%+12lld", v), C("%lld", v)))
            << "the desktop's 64-bit modifier";
    }
    EXPECT_EQ(Format("%lld|%+12lld", -9223372036854775807LL - 1, 5000000000LL),
              C("%lld|%+12lld", -9223372036854775807LL - 1, 5000000000LL));
    EXPECT_EQ(Format("%hd", 123), C("%hd", 123)) << "length modifiers are accepted";
    for (const char* f : {"%u", "%x", "%X", "%o", "%#x", "%#o", "%08X", "%-6x|", "%.4x"}) {
        for (unsigned v : {0u, 1u, 255u, 4096u, 4294967295u})
            EXPECT_EQ(Format(f, v), C(f, v)) << f << " " << v;
    }
    EXPECT_EQ(Format("%x", -1), "ffffffff") << "an int shown unsigned stays 32 bits";
    EXPECT_EQ(Format("%llx", -1LL), "ffffffffffffffff");
    EXPECT_EQ(Format("%I64d", 5000000000LL), "5000000000");
    EXPECT_EQ(Format("%llu", 18446744073709551615ULL), "18446744073709551615");
    EXPECT_EQ(Format("%d", 18446744073709551615ULL), "18446744073709551615") << "the value, not a wrap";
}

TEST(SafeFormat, FloatingMatchesTheCLibrary)
{
    for (const char* f :
         {"%f", "%.2f", "%8.3f", "%-8.1f|", "%+.0f", "%e", "%.3E", "%g", "%G", "%10.4g", "%#g", "%F", "%010.2f"}) {
        for (double v : {0.0, 1.5, -2.25, 123456.789, 1e-7, 3.0e20})
            EXPECT_EQ(Format(f, v), C(f, v)) << f << " " << v;
    }
    EXPECT_EQ(Format("%.1f", 1.0f), "1.0");
}

TEST(SafeFormat, StringsCharsPercentAndStarWidthAndPrecision)
{
    EXPECT_EQ(Format("%s-%s", "ab", std::string("cd")), "ab-cd");
    EXPECT_EQ(Format("[%6s][%-6s][%.2s]", "abc", "abc", "abc"), C("[%6s][%-6s][%.2s]", "abc", "abc", "abc"));
    EXPECT_EQ(Format("%c%c", 'o', 'k'), "ok");
    EXPECT_EQ(Format("[%3c]", 'x'), "[  x]");
    EXPECT_EQ(Format("%c", 0xE9), "\xC3\xA9") << "characters are written as UTF-8";
    EXPECT_EQ(Format("100%%"), "100%");
    EXPECT_EQ(Format("%s\\%s\\", "C:/Docs", "Data"), "C:/Docs\\Data\\");
    EXPECT_EQ(Format("%.1s", "\xC3\xA9t\xC3\xA9"), "") << "never half a character";
    EXPECT_EQ(Format("%.3s", "\xC3\xA9t\xC3\xA9"), "\xC3\xA9t");
    EXPECT_EQ(Format("%s", nullptr), "") << "a null string is empty";
    EXPECT_EQ(Format("[%*d]", 5, 42), C("[%*d]", 5, 42));
    EXPECT_EQ(Format("[%*d]", -5, 42), C("[%*d]", -5, 42));
    EXPECT_EQ(Format("[%.*f]", 2, 3.14159), C("[%.*f]", 2, 3.14159));
    EXPECT_EQ(Format("[%*.*s]", 6, 2, "abc"), C("[%*.*s]", 6, 2, "abc"));
    EXPECT_EQ(Format("[%.*d]", -1, 7), C("[%.*d]", -1, 7)) << "a negative precision is none";
    EXPECT_EQ(Format("[%*d]", "wide", 42), "[%*d]") << "'*' needs an integer";
    EXPECT_EQ(Format("[%*d] %d", "wide", 42), "[%*d] 42") << "the mismatched width keeps its place";
}

TEST(SafeFormat, HostileFormatsAndHugeWidthsAreCopiedLiterallyExtraArgumentsIgnored)
{
    EXPECT_EQ(Format("%n"), "%n");
    EXPECT_EQ(Format("a%nb", 5), "a%nb");
    EXPECT_EQ(Format("%s"), "%s") << "no argument";
    EXPECT_EQ(Format("%d and %d", 1), "1 and %d");
    EXPECT_EQ(Format("%d", "text"), "%d");
    EXPECT_EQ(Format("%s", 42), "%s");
    EXPECT_EQ(Format("%f", 42), "%f") << "no silent conversion";
    EXPECT_EQ(Format("%d %s", "x", "y"), "%d y") << "a mismatch still takes its argument";
    EXPECT_EQ(Format("%p", 1), "%p");
    EXPECT_EQ(Format("%y%k", 1), "%y%k");
    EXPECT_EQ(Format("50%"), "50%");
    EXPECT_EQ(Format("%-"), "%-");
    EXPECT_EQ(Format("%c", -5), "%c");
    EXPECT_EQ(Format("%c", 0xD800), "%c") << "a lone surrogate is not a character";
    EXPECT_EQ(Format("%999999999d", 1), "%999999999d");
    EXPECT_EQ(Format("%.99999999f", 1.0), "%.99999999f");
    EXPECT_EQ(Format("%*d", 1 << 30, 1), "%*d");
    EXPECT_EQ(Format("%4096d", 1).size(), 4096u) << "the largest width allowed";
    EXPECT_EQ(Format("%.4096f", 1.0).size(), 4098u);
    EXPECT_EQ(Format("%99999999999999999999d", 1), "%99999999999999999999d") << "no overflow while reading";
    EXPECT_EQ(Format("no conversions", 1, "two"), "no conversions");
    EXPECT_EQ(Format("%s%d", "ab", 3, 4.0), "ab3");
    EXPECT_EQ(SafeFormat("%d", {}), "%d");
}

TEST(SafeFormat, NumbersKeepTheirDecimalPointUnderACommaLocale)
{
    const CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active()) << comma.Error();
    EXPECT_EQ(Format("%.2lf|%0.3f|%g|%.1e", 59.94, 60.0, 1.5, 2500.0), "59.94|60.000|1.5|2.5e+03");
    EXPECT_EQ(Format("%dx%d@%.2lfHz", 1920, 1080, 50.0), "1920x1080@50.00Hz");
    EXPECT_EQ(plat::ParseDecimal("1.5"), 1.5);
    EXPECT_EQ(plat::ParseDecimal("1,5"), std::nullopt) << "a comma is never a decimal point";
    EXPECT_EQ(plat::LeadingDecimal("59,94"), 59.0);
}

TEST(ReadNumbers, TheNumberATextStartsWith)
{
    struct Case {
        const char* text;
        bool fraction;
        std::optional<double> leading;
        std::optional<double> whole;
    };
    const std::optional<double> none;
    for (const Case& c :
         {Case{"60", true, 60.0, 60.0}, Case{" -0.5 ", true, -0.5, -0.5}, Case{"+.25", true, 0.25, 0.25},
          Case{"59.940Hz", true, 59.94, none}, Case{"12.5", false, 12.0, 12.5}, Case{"", true, 0.0, none},
          Case{"Hz", true, 0.0, none}, Case{"-", true, 0.0, none}, Case{"1e3", true, 1.0, none},
          Case{"inf", true, 0.0, none}, Case{"nan", true, 0.0, none}, Case{"0x1A", true, 0.0, none},
          Case{"1.5 2", true, 1.5, none}}) {
        EXPECT_EQ(plat::LeadingDecimal(c.text, c.fraction), c.leading) << c.text;
        EXPECT_EQ(plat::ParseDecimal(c.text), c.whole) << c.text;
    }
    const std::string huge(400, '9');
    EXPECT_EQ(plat::LeadingDecimal(huge), std::nullopt) << "beyond a double";
    EXPECT_EQ(plat::ParseDecimal(huge), std::nullopt);
}
