#pragma once
// Lines of a text.
#include <string_view>
#include <vector>

namespace plat::detail {

// The lines of a text, split at "\r\n", "\n" or "\r".
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace plat::detail
