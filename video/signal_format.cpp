#include "video/signal_format.h"

#include "platform/format.h"
#include "platform/number_text.h"

#include <climits>

namespace {

std::optional<int> LeadingInt(std::string_view s)
{
    const std::optional<double> value = plat::LeadingDecimal(s, false);
    if (!value || *value < INT_MIN || *value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace

std::optional<SSignalFormat> ParseSignalFormat(std::string_view text)
{
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos)
        return std::nullopt;
    const std::size_t heightEnd = text.find_first_of("i@", x + 1);
    if (heightEnd == std::string_view::npos)
        return std::nullopt;
    // An interlaced text ("1080i@50Hz") still has its refresh after the "@".
    const std::size_t at = text.find('@', x + 1);
    const std::size_t refresh = (at == std::string_view::npos ? heightEnd : at) + 1;
    const std::size_t hz = text.find("Hz", refresh);
    if (hz == std::string_view::npos)
        return std::nullopt;

    const std::optional<int> width = LeadingInt(text.substr(0, x));
    const std::optional<int> height = LeadingInt(text.substr(x + 1, heightEnd - x - 1));
    const std::optional<double> rate = plat::LeadingDecimal(text.substr(refresh, hz - refresh));
    if (!width || !height || !rate)
        return std::nullopt;
    return SSignalFormat{*width, *height, *rate};
}

bool IsWithinBounds(double value, const SSignalBounds& bounds) { return value >= bounds.dMin && value <= bounds.dMax; }

bool IsWithinBounds(const SSignalFormat& format)
{
    return IsWithinBounds(format.nWidth, kWidthBounds) && IsWithinBounds(format.nHeight, kHeightBounds)
        && IsWithinBounds(format.dRefresh, kRefreshBounds);
}

std::optional<SSignalFormat> ParseUsableSignalFormat(std::string_view text)
{
    const std::optional<SSignalFormat> format = ParseSignalFormat(text);
    return format && IsWithinBounds(*format) ? format : std::nullopt;
}

SSignalEditTexts SignalEditTextsOf(const SSignalFormat& format)
{
    return {std::to_string(format.nWidth), std::to_string(format.nHeight), plat::Format("%0.3f", format.dRefresh)};
}

std::string FormSignalText(int width, int height, const std::string& refreshText)
{
    return plat::Format("%dx%d@%sHz", width, height, refreshText);
}

std::string StoredSignalText(int width, int height, double refresh)
{
    return plat::Format("%dx%d@%.2lfHz", width, height, refresh);
}
