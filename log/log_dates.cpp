#include "log/log_dates.h"

#include "platform/format.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t kTitleLength = 10;

// Bytes of the character that starts at s[i]: a whole UTF-8 sequence, or
// one byte when none starts there (names need not be UTF-8).
std::size_t CharacterBytes(std::string_view s, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t n = lead < 0x80 ? 1
        : (lead >> 5) == 0x6          ? 2
        : (lead >> 4) == 0xE          ? 3
        : (lead >> 3) == 0x1E         ? 4
                                      : 1;
    if (n == 1 || i + n > s.size())
        return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 1;
    return n;
}

// The value of the leading digits of characters [first, first + count).
int LeadingNumber(const std::array<std::string_view, kTitleLength>& chars, std::size_t first, std::size_t count)
{
    int value = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        const std::string_view c = chars[i];
        if (c.size() != 1 || c[0] < '0' || c[0] > '9')
            break;
        value = value * 10 + (c[0] - '0');
    }
    return value;
}

} // namespace

int32_t PackLogDate(int year, int month, int day) { return year * 65536 + month * 256 + day; }

void UnpackLogDate(int32_t packed, int& year, int& month, int& day)
{
    year = packed / 65536;
    month = (packed / 256) % 256;
    day = packed % 256;
}

std::optional<int32_t> LogDateOfName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    const std::string_view title = (dot == std::string_view::npos || dot == 0) ? name : name.substr(0, dot);

    std::array<std::string_view, kTitleLength> chars;
    std::size_t count = 0;
    for (std::size_t i = 0; i < title.size(); ++count) {
        if (count == kTitleLength)
            return std::nullopt; // longer than a title can be
        const std::size_t bytes = CharacterBytes(title, i);
        chars[count] = title.substr(i, bytes);
        i += bytes;
    }
    if (count != kTitleLength)
        return std::nullopt;

    const int year = LeadingNumber(chars, 0, 4);
    const int month = LeadingNumber(chars, 5, 2);
    const int day = LeadingNumber(chars, 8, 2);
    if (year == 0 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return PackLogDate(year, month, day);
}

std::vector<int32_t> LogDatesOf(const std::vector<plat::DirEntry>& entries)
{
    std::vector<int32_t> dates;
    for (const plat::DirEntry& entry : entries)
        if (const std::optional<int32_t> date = LogDateOfName(entry.name))
            dates.push_back(*date);
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    return dates;
}

bool HasLogDate(const std::vector<int32_t>& dates, int32_t packed)
{
    return std::binary_search(dates.begin(), dates.end(), packed);
}

std::string LogFileName(int year, int month, int day) { return plat::Format("%04d-%02d-%02d.txt", year, month, day); }
