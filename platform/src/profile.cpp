// Profile files on disk; the rules live in profile_text.cpp.
#include "platform/profile.h"

#include "profile_text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace plat {

namespace {

std::optional<std::string> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return bytes.str();
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
    return detail::CutToBuffer(ReadValue(path, section, key).value_or(defaultValue), bufferLength);
}

int GetProfileInt(const std::string& path, const std::string& section, const std::string& key, int defaultValue)
{
    const auto value = ReadValue(path, section, key);
    return value ? detail::LeadingInteger(*value) : defaultValue;
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
    // Written beside and renamed over, so a failure never leaves half a file.
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(updated.data(), static_cast<std::streamsize>(updated.size())) || !out.flush()) {
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace plat
