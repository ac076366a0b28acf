#pragma once
// Cutting UTF-8 text to a byte limit without splitting a character.
#include <cstddef>
#include <string>

namespace plat {

// The longest prefix of at most maxBytes bytes that ends on a character
// boundary.
std::string CutUtf8(const std::string& text, std::size_t maxBytes);

} // namespace plat
