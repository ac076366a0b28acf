#include "controls/edit_rules.h"

#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace morv {
namespace {

// The longest number the edits take; beyond it doubles lose whole digits.
constexpr std::size_t kMaxDigits = 15;

struct SShape {
    bool wellFormed = false; // sign, digits, point in their places
    bool complete = false;   // holds at least one digit and does not end in a point
};

SShape ShapeOf(const std::string& text, const SEditRules& rules)
{
    SShape shape;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        if (rules.dMin >= 0)
            return shape;
        ++i;
    }
    std::size_t digits = 0, decimals = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            if (point)
                ++decimals;
        } else if (c == '.' && rules.eMode == EEditMode::Decimal && !point && rules.nDecimals != 0) {
            point = true;
        } else {
            return shape;
        }
    }
    if (digits > kMaxDigits)
        return shape;
    if (rules.nDecimals >= 0 && decimals > static_cast<std::size_t>(rules.nDecimals))
        return shape;
    shape.wellFormed = true;
    shape.complete = digits > 0 && text.back() != '.';
    return shape;
}

double Clamp(double value, const SEditRules& rules) { return std::clamp(value, rules.dMin, rules.dMax); }

} // namespace

double ParseEditNumber(const std::string& text) { return plat::LeadingDecimal(text).value_or(0.0); }

ETextState ValidateEditText(const std::string& text, const SEditRules& rules)
{
    if (rules.eMode == EEditMode::Text)
        return ETextState::Acceptable;
    const SShape shape = ShapeOf(text, rules);
    if (!shape.wellFormed)
        return ETextState::Invalid;
    if (!shape.complete)
        return ETextState::Intermediate;
    const double value = ParseEditNumber(text);
    if (value >= rules.dMin && value <= rules.dMax)
        return ETextState::Acceptable;
    // More digits move a value away from zero: a positive value above the
    // maximum, or a negative one below the minimum, cannot come back.
    if (value > rules.dMax && value >= 0)
        return ETextState::Invalid;
    if (value < rules.dMin && value < 0)
        return ETextState::Invalid;
    return ETextState::Intermediate;
}

std::string FormatEditNumber(double value, const SEditRules& rules)
{
    if (rules.eMode == EEditMode::Integer)
        return std::to_string(std::llround(value));
    // to_chars, unlike printf, ignores the process locale (the toolkit sets
    // the user's, which may write a decimal comma).
    char buffer[400];
    const auto [end, ec] = rules.nDecimals >= 0
        ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, std::min(rules.nDecimals, 15))
        : std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string FixupEditText(const std::string& text, const SEditRules& rules)
{
    if (rules.eMode == EEditMode::Text || text.empty())
        return text;
    const ETextState state = ValidateEditText(text, rules);
    if (state == ETextState::Acceptable)
        return text;
    const SShape shape = ShapeOf(text, rules);
    if (!shape.wellFormed || text.find_first_of("0123456789") == std::string::npos)
        return {};
    return FormatEditNumber(Clamp(ParseEditNumber(text), rules), rules);
}

std::string StepEditText(const std::string& text, int steps, const SEditRules& rules)
{
    if (rules.eMode == EEditMode::Text || rules.dStep <= 0 || steps == 0)
        return text;
    const bool hasNumber = ShapeOf(text, rules).complete;
    const double from = hasNumber ? ParseEditNumber(text) : rules.dBase;
    return FormatEditNumber(Clamp(from + steps * rules.dStep, rules), rules);
}

} // namespace morv
