#pragma once
// Lines and characters of UTF-8 text.
#include <string_view>
#include <vector>

namespace plat::detail {

// The lines of a text, split at "\r\n", "\n" or "\r".
std::vector<std::string_view> SplitLines(std::string_view text);

// Number of characters (code points) of UTF-8 text.
std::size_t CountCharacters(std::string_view text);

} // namespace plat::detail
