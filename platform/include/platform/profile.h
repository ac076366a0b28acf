#pragma once
// Profile (INI) files read with the desktop semantics: sections and keys
// compared without case, spaces around names and values ignored, a missing
// file or key gives the default, values are cut to the caller's buffer.
#include <cstddef>
#include <string>

namespace plat {

// The value of key in section, or the default; at most bufferLength - 1
// characters are kept (a zero length gives an empty text). Surrounding
// quotes of a value are removed.
std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& defaultValue, std::size_t bufferLength);

// The leading decimal integer of the value (optional sign), 0 when it has
// none, the default when the key is missing.
int GetProfileInt(const std::string& path, const std::string& section, const std::string& key, int defaultValue);

// Writes (or replaces) one value, creating the file and section as needed.
bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);

} // namespace plat
