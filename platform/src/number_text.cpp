// Reading numbers out of texts with a decimal point, never the locale's.
#include "platform/number_text.h"

#include <charconv>
#include <cmath>

namespace plat {

namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the number a text starts with lies: [start, end) is what
// from_chars reads (a leading '+' left out, which it does not take).
struct NumberSpan {
    std::size_t start = 0;
    std::size_t end = 0;
    bool digits = false;
};

NumberSpan ScanNumber(std::string_view s, bool allowFraction)
{
    NumberSpan span;
    std::size_t i = s.find_first_not_of(kBlanks);
    if (i == std::string_view::npos)
        return span;
    span.start = i;
    if (s[i] == '+')
        span.start = ++i;
    else if (s[i] == '-')
        ++i;
    for (; i < s.size() && IsDigit(s[i]); ++i)
        span.digits = true;
    if (allowFraction && i < s.size() && s[i] == '.')
        for (++i; i < s.size() && IsDigit(s[i]); ++i)
            span.digits = true;
    span.end = i;
    return span;
}

std::optional<double> Convert(std::string_view s, const NumberSpan& span)
{
    double value = 0.0;
    const auto [end, ec] = std::from_chars(s.data() + span.start, s.data() + span.end, value, std::chars_format::fixed);
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> LeadingDecimal(std::string_view text, bool allowFraction)
{
    const NumberSpan span = ScanNumber(text, allowFraction);
    return span.digits ? Convert(text, span) : 0.0;
}

std::optional<double> ParseDecimal(std::string_view text)
{
    const NumberSpan span = ScanNumber(text, true);
    if (!span.digits || text.find_first_not_of(kBlanks, span.end) != std::string_view::npos)
        return std::nullopt;
    return Convert(text, span);
}

} // namespace plat
