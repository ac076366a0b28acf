// Profile files on disk; the rules live in profile_text.cpp.
#include "platform/profile.h"

#include "profile_text.h"

#include "platform/file_io.h"

#include <filesystem>
#include <optional>

namespace plat {

namespace {

std::optional<std::string> ReadBytes(const std::string& path)
{
    std::string bytes, error;
    if (!ReadFileBytes(path, kMaxTextFileBytes, bytes, error))
        return std::nullopt;
    return bytes;
}

std::optional<std::string> ReadValue(const std::string& path, const std::string& section, const std::string& key)
{
    const auto bytes = ReadBytes(path);
    if (!bytes)
        return std::nullopt;
    return detail::FindProfileValue(detail::DecodeProfileText(*bytes), section, key);
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

} // namespace

std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& defaultValue, std::size_t bufferLength)
{
    const auto value = ReadValue(path, section, key);
    return detail::CutToBuffer(value ? *value : detail::TrimTrailingBlanks(defaultValue), bufferLength);
}

int GetProfileInt(const std::string& path, const std::string& section, const std::string& key, int defaultValue)
{
    const auto value = ReadValue(path, section, key);
    return value ? detail::LeadingInteger(*value) : defaultValue;
}

bool ReadProfileEntries(const std::string& path, std::vector<ProfileEntry>& entries)
{
    const auto bytes = ReadBytes(path);
    if (!bytes)
        return false;
    entries = detail::ProfileEntries(detail::DecodeProfileText(*bytes));
    return true;
}

bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value)
{
    // Anything that would break the file's structure is refused.
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)
        || section.find(']') != std::string::npos || key.find('=') != std::string::npos)
        return false;
    std::error_code ec;
    std::string text;
    bool bom = false;
    if (std::filesystem::exists(path, ec)) {
        const auto bytes = ReadBytes(path);
        if (!bytes)
            return false;
        bom = bytes->compare(0, 3, "\xEF\xBB\xBF") == 0;
        text = detail::DecodeProfileText(*bytes);
    }
    const std::string updated = (bom ? "\xEF\xBB\xBF" : "") + detail::SetProfileValue(text, section, key, value);
    std::string error;
    return ReplaceFile(path, updated, error);
}

} // namespace plat
