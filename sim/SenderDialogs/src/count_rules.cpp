#include "count_rules.h"

#include "host/vistrano_project.h"

#include <algorithm>
#include <charconv>

namespace senderdlg {

int MaxSendersToAdd(int presentCount) { return std::clamp(kMaxSenderCount - presentCount, 0, kMaxSendersPerAdd); }

std::optional<int> ParseCount(const std::string& text, int min, int max)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const auto last = text.find_last_not_of(' ') + 1;
    const char* begin = text.data() + first;
    const char* end = text.data() + last;
    int value = 0;
    // from_chars takes no '+' and no space inside, which is what we want.
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc{} || stop != end || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace senderdlg
