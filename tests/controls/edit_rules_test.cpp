#include "controls/edit_rules.h"

#include <gtest/gtest.h>

namespace {

SEditRules Integer(double lo, double hi, double step = 1)
{
    SEditRules rules;
    rules.eMode = EEditMode::Integer;
    rules.dMin = lo;
    rules.dMax = hi;
    rules.dStep = step;
    return rules;
}

SEditRules Decimal(double lo, double hi, int decimals, double step = 1)
{
    SEditRules rules = Integer(lo, hi, step);
    rules.eMode = EEditMode::Decimal;
    rules.nDecimals = decimals;
    return rules;
}

using S = ETextState;

TEST(EditRules, IntegerTakesDigitsOnly)
{
    const SEditRules r = Integer(20, 100);
    EXPECT_EQ(morv::ValidateEditText("55", r), S::Acceptable);
    EXPECT_EQ(morv::ValidateEditText("5a", r), S::Invalid);
    EXPECT_EQ(morv::ValidateEditText("5.5", r), S::Invalid);
    EXPECT_EQ(morv::ValidateEditText("-5", r), S::Invalid); // no sign when the minimum is not negative
    EXPECT_EQ(morv::ValidateEditText(" 5", r), S::Invalid);
    EXPECT_EQ(morv::ValidateEditText("", r), S::Intermediate);
}

TEST(EditRules, IntegerBoundsWhileTyping)
{
    const SEditRules r = Integer(20, 100);
    EXPECT_EQ(morv::ValidateEditText("2", r), S::Intermediate); // on the way to 25
    EXPECT_EQ(morv::ValidateEditText("20", r), S::Acceptable);
    EXPECT_EQ(morv::ValidateEditText("100", r), S::Acceptable);
    EXPECT_EQ(morv::ValidateEditText("101", r), S::Invalid); // more digits only make it larger
    EXPECT_EQ(morv::ValidateEditText("1000", r), S::Invalid);
}

TEST(EditRules, NegativeRangesTakeASign)
{
    const SEditRules r = Integer(-50, -10);
    EXPECT_EQ(morv::ValidateEditText("-", r), S::Intermediate);
    EXPECT_EQ(morv::ValidateEditText("-1", r), S::Intermediate); // -1x is coming
    EXPECT_EQ(morv::ValidateEditText("-20", r), S::Acceptable);
    EXPECT_EQ(morv::ValidateEditText("-60", r), S::Invalid);
    EXPECT_EQ(morv::ValidateEditText("5", r), S::Invalid);
}

TEST(EditRules, DecimalTakesOnePointAndItsDigits)
{
    const SEditRules r = Decimal(23, 240, 3);
    EXPECT_EQ(morv::ValidateEditText("59.940", r), S::Acceptable);
    EXPECT_EQ(morv::ValidateEditText("59.9401", r), S::Invalid); // a fourth decimal
    EXPECT_EQ(morv::ValidateEditText("59.", r), S::Intermediate);
    EXPECT_EQ(morv::ValidateEditText(".5", r), S::Intermediate); // below the minimum, more may come
    EXPECT_EQ(morv::ValidateEditText("5.9.4", r), S::Invalid);
    EXPECT_EQ(morv::ValidateEditText("240.5", r), S::Invalid);
    EXPECT_EQ(morv::ValidateEditText("1,5", r), S::Invalid);
}

TEST(EditRules, DecimalsMinusOneAllowAnyNumberOfDigits)
{
    const SEditRules r = Decimal(-1, 10000, -1);
    EXPECT_EQ(morv::ValidateEditText("4.123456", r), S::Acceptable);
    EXPECT_EQ(morv::ValidateEditText("-0.5", r), S::Acceptable);
    EXPECT_EQ(morv::ValidateEditText("-1.5", r), S::Invalid);
}

TEST(EditRules, NoDecimalsMeansNoPoint) { EXPECT_EQ(morv::ValidateEditText("5.", Decimal(0, 10, 0)), S::Invalid); }

TEST(EditRules, TextModeTakesEverything)
{
    SEditRules r;
    EXPECT_EQ(morv::ValidateEditText("any text @ all", r), S::Acceptable);
    EXPECT_EQ(morv::FixupEditText("keep me", r), "keep me");
}

TEST(EditRules, FixupBringsValuesIntoBounds)
{
    EXPECT_EQ(morv::FixupEditText("5", Integer(20, 100)), "20");
    EXPECT_EQ(morv::FixupEditText("55", Integer(20, 100)), "55");
    EXPECT_EQ(morv::FixupEditText("", Integer(20, 100)), "");
    EXPECT_EQ(morv::FixupEditText("-", Integer(-20, 100)), "");
    EXPECT_EQ(morv::FixupEditText("12.", Decimal(0, 100, 1)), "12.0");
    EXPECT_EQ(morv::FixupEditText("0.5", Decimal(23, 240, 3)), "23.000");
    EXPECT_EQ(morv::FixupEditText("60", Decimal(23, 240, 3)), "60"); // acceptable text is kept as typed
}

TEST(EditRules, StepsMoveByTheStepWithinBounds)
{
    const SEditRules r = Integer(64, 32767, 1);
    EXPECT_EQ(morv::StepEditText("1920", 1, r), "1921");
    EXPECT_EQ(morv::StepEditText("1920", -3, r), "1917");
    EXPECT_EQ(morv::StepEditText("32767", 1, r), "32767");
    EXPECT_EQ(morv::StepEditText("64", -1, r), "64");
    const SEditRules hz = Decimal(23, 240, 3, 1.0);
    EXPECT_EQ(morv::StepEditText("59.940", 1, hz), "60.940");
    EXPECT_EQ(morv::StepEditText("239.5", 2, hz), "240.000");
}

TEST(EditRules, StepFromAnEmptyTextStartsAtTheBase)
{
    SEditRules r = Decimal(-1, 10000, 1, 1);
    r.dBase = 12;
    EXPECT_EQ(morv::StepEditText("", 1, r), "13.0");
    EXPECT_EQ(morv::StepEditText("", -1, r), "11.0");
}

TEST(EditRules, NoStepNoChange)
{
    SEditRules r = Integer(0, 10, 0);
    EXPECT_EQ(morv::StepEditText("5", 1, r), "5");
    SEditRules text;
    EXPECT_EQ(morv::StepEditText("abc", 1, text), "abc");
}

TEST(EditRules, FormattingIgnoresTheLocale)
{
    EXPECT_EQ(morv::FormatEditNumber(3.25, Decimal(0, 10, 1)), "3.2");
    EXPECT_EQ(morv::FormatEditNumber(60, Decimal(0, 240, 3)), "60.000");
    EXPECT_EQ(morv::FormatEditNumber(2.5, Integer(0, 10)), "3");
    EXPECT_EQ(morv::FormatEditNumber(0.125, Decimal(0, 10, -1)), "0.125");
    EXPECT_DOUBLE_EQ(morv::ParseEditNumber("59.94Hz"), 59.94);
    EXPECT_DOUBLE_EQ(morv::ParseEditNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(morv::ParseEditNumber("  -7"), -7.0);
}

} // namespace
