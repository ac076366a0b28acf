#pragma once
// Profile (INI) files read with the desktop semantics: sections and keys
// compared without case, spaces around names and values ignored, a missing
// file or key gives the default, values are cut to the caller's buffer,
// lines end in CR LF, LF or CR, the first of duplicate keys wins.
#include <cstddef>
#include <string>
#include <vector>

namespace plat {

// A file's key lines in file order, read by the same rules; false when
// the file cannot be read (see platform/file_io.h for what is refused).
struct ProfileEntry {
    std::string section, key, value;
};
bool ReadProfileEntries(const std::string& path, std::vector<ProfileEntry>& entries);

// The value of key in section, or the default (without its trailing
// blanks); at most bufferLength - 1
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
