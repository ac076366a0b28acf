#include "video/signal_format.h"

#include "platform/format.h"

#include <charconv>
#include <cmath>

namespace {

constexpr const char* kBlanks = " \t\n\v\f\r";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The sign and digits a text starts with, after blanks; empty when it
// starts with no digit. A leading "+" is left out (from_chars takes none).
std::string_view LeadingNumberText(std::string_view s, bool withFraction)
{
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    std::size_t start = first;
    std::size_t i = first;
    if (s[i] == '+')
        start = ++i;
    else if (s[i] == '-')
        ++i;
    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i)
        ++digits;
    if (withFraction && i < s.size() && s[i] == '.')
        for (++i; i < s.size() && IsDigit(s[i]); ++i)
            ++digits;
    return digits ? s.substr(start, i - start) : std::string_view{};
}

std::optional<int> LeadingInt(std::string_view s)
{
    const std::string_view number = LeadingNumberText(s, false);
    if (number.empty())
        return 0;
    int value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<double> LeadingDecimal(std::string_view s)
{
    const std::string_view number = LeadingNumberText(s, true);
    if (number.empty())
        return 0.0;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<SSignalFormat> ParseSignalFormat(std::string_view text)
{
    const std::size_t x = text.find('x');
    if (text.empty() || x == std::string_view::npos)
        return std::nullopt;
    std::size_t end = text.find('i', x + 1);
    if (end == std::string_view::npos)
        end = text.find('@', x + 1);
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::size_t hz = text.find("Hz", end + 1);
    if (hz == std::string_view::npos)
        return std::nullopt;

    const std::optional<int> width = LeadingInt(text.substr(0, x));
    const std::optional<int> height = LeadingInt(text.substr(x + 1, end - x - 1));
    const std::optional<double> refresh = LeadingDecimal(text.substr(end + 1, hz - end - 1));
    if (!width || !height || !refresh)
        return std::nullopt;
    return SSignalFormat{*width, *height, *refresh};
}

SSignalEditTexts SignalEditTextsOf(const SSignalFormat& format)
{
    // to_chars, unlike printf, writes a decimal point in every locale.
    char refresh[400];
    const auto [end, ec] = std::to_chars(refresh, refresh + sizeof refresh, format.dRefresh, std::chars_format::fixed, 3);
    return {std::to_string(format.nWidth), std::to_string(format.nHeight),
            ec == std::errc() ? std::string(refresh, end) : std::string()};
}

std::string FormSignalText(int width, int height, const std::string& refreshText)
{
    return plat::Format("%dx%d@%sHz", width, height, refreshText);
}
