#pragma once
// Profile (INI) text as data: looking a value up and setting one, with the
// desktop's rules (names compared without case, spaces around names and
// values ignored, ';' and '#' comment lines, the first of duplicate keys
// wins, quotes around a value removed, lines ending in CR LF, LF or CR).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace plat::detail {

// A file's bytes as UTF-8 text: a UTF-8 byte-order mark is dropped and
// UTF-16 text (with its mark) converted.
std::string DecodeProfileText(std::string_view bytes);

// Every key line in the order of the text.
std::vector<ProfileEntry> ProfileEntries(std::string_view text);

// A default as the desktop gives it back: without trailing blanks.
std::string TrimTrailingBlanks(std::string value);

// The value of key in section, when the text has it.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

// At most bufferLength - 1 bytes of value, never half a UTF-8 sequence.
std::string CutToBuffer(const std::string& value, std::size_t bufferLength);

// The leading decimal integer (optional sign), 0 when there is none;
// clamped to the range of int.
int LeadingInteger(std::string_view value);

// The text with key in section set to value: the first such key replaced,
// or a new line at the end of the section, or a new section at the end.
// The line ending of the text is kept.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

} // namespace plat::detail
