#pragma once
// UTF-8 helpers shared by the formatter, the profile reader and the canvas.
#include "platform/utf8.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace plat::detail {

// Appends a code point (no checks: the caller passes a character).
void AppendUtf8(std::string& out, uint32_t codePoint);

// Number of characters (code points) of UTF-8 text.
std::size_t CountCharacters(std::string_view text);

} // namespace plat::detail
