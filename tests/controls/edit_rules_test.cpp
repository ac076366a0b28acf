#include "controls/edit_rules.h"

#include <gtest/gtest.h>

namespace {

SEditRules Rules(EEditMode mode, double lo, double hi, int decimals = 0, double step = 1, double base = 0)
{
    SEditRules rules;
    std::tie(rules.eMode, rules.dMin, rules.dMax, rules.nDecimals, rules.dStep, rules.dBase)
        = std::tuple(mode, lo, hi, decimals, step, base);
    return rules;
}
SEditRules Integer(double lo, double hi, double step = 1) { return Rules(EEditMode::Integer, lo, hi, 0, step); }
SEditRules Decimal(double lo, double hi, int decimals, double step = 1)
{
    return Rules(EEditMode::Decimal, lo, hi, decimals, step);
}

using S = ETextState;

// No sign unless the minimum is negative; a text below the minimum is on
// its way ("2" to 25, "-1" to -15, ".5" to 50.5) unless more digits can only
// make it larger ("101").
TEST(EditRules, TypingIsCheckedByModeSignDecimalsAndBounds)
{
    using Texts = std::vector<std::string>;
    const struct {
        SEditRules rules;
        Texts acceptable, intermediate, invalid;
    } cases[] = {{Integer(20, 100), {"55", "20", "100"}, {"", "2"}, {"5a", "5.5", "-5", " 5", "101", "1000"}},
                 {Integer(-50, -10), {"-20"}, {"-", "-1"}, {"-60", "5"}},
                 {Decimal(23, 240, 3), {"59.940"}, {"59.", ".5"}, {"59.9401", "5.9.4", "240.5", "1,5"}},
                 {Decimal(-1, 10000, -1), {"4.123456", "-0.5"}, {}, {"-1.5"}},
                 {Decimal(0, 10, 0), {}, {}, {"5."}},
                 {SEditRules{}, {"any text @ all"}, {}, {}}};
    for (const auto& c : cases)
        for (const auto& [texts, state] :
             {std::pair(c.acceptable, S::Acceptable), std::pair(c.intermediate, S::Intermediate),
              std::pair(c.invalid, S::Invalid)})
            for (const std::string& text : texts)
                EXPECT_EQ(morv::ValidateEditText(text, c.rules), state) << text;
}

TEST(EditRules, FixupStepAndFormat)
{
    const struct {
        const char* text;
        SEditRules rules;
        int step; // 0: fix up
        const char* result;
    } cases[] = {{"5", Integer(20, 100), 0, "20"},
                 {"55", Integer(20, 100), 0, "55"},
                 {"", Integer(20, 100), 0, ""},
                 {"-", Integer(-20, 100), 0, ""},
                 {"12.", Decimal(0, 100, 1), 0, "12.0"},
                 {"0.5", Decimal(23, 240, 3), 0, "23.000"},
                 {"60", Decimal(23, 240, 3), 0, "60"}, // acceptable text is kept as typed
                 {"keep me", SEditRules{}, 0, "keep me"},
                 {"1920", Integer(64, 32767), 1, "1921"},
                 {"1920", Integer(64, 32767), -3, "1917"},
                 {"32767", Integer(64, 32767), 1, "32767"},
                 {"64", Integer(64, 32767), -1, "64"},
                 {"59.940", Decimal(23, 240, 3), 1, "60.940"},
                 {"239.5", Decimal(23, 240, 3), 2, "240.000"},
                 {"", Rules(EEditMode::Decimal, -1, 10000, 1, 1, 12), 1, "13.0"}, // an empty text steps from the base
                 {"", Rules(EEditMode::Decimal, -1, 10000, 1, 1, 12), -1, "11.0"},
                 {"5", Integer(0, 10, 0), 1, "5"}, // no step, no change
                 {"abc", SEditRules{}, 1, "abc"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.step ? morv::StepEditText(c.text, c.step, c.rules) : morv::FixupEditText(c.text, c.rules), c.result)
            << c.text << " " << c.step;
    // Whatever the locale.
    EXPECT_EQ(std::tuple(morv::FormatEditNumber(3.25, Decimal(0, 10, 1)),
                         morv::FormatEditNumber(60, Decimal(0, 240, 3)), morv::FormatEditNumber(2.5, Integer(0, 10)),
                         morv::FormatEditNumber(0.125, Decimal(0, 10, -1))),
              std::tuple("3.2", "60.000", "3", "0.125"));
    EXPECT_EQ(std::tuple(morv::ParseEditNumber("59.94Hz"), morv::ParseEditNumber("abc"), morv::ParseEditNumber("  -7")),
              std::tuple(59.94, 0.0, -7.0));
}

} // namespace
