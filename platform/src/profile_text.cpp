#include "profile_text.h"

#include "utf8.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace plat::detail {

namespace {

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// Lines end with CR LF, LF or CR alone, as on the desktop.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

// A section header's name, when the line is one.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    return Trim(line.substr(0, close));
}

bool IsComment(std::string_view line)
{
    line = Trim(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// A key line's key and value, when the line is one.
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view line)
{
    if (IsComment(line) || SectionName(line))
        return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return std::make_pair(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
}

std::string_view Unquote(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<uint32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = 0xFFFD; // a lone surrogate
        AppendUtf8(out, cp);
    }
    return out;
}

} // namespace

std::string DecodeProfileText(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return std::string(bytes.substr(3));
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return FromUtf16(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return FromUtf16(bytes.substr(2), true);
    return std::string(bytes);
}

std::vector<ProfileEntry> ProfileEntries(std::string_view text)
{
    std::vector<ProfileEntry> entries;
    std::optional<std::string_view> section; // keys before the first section belong to none
    for (const std::string_view line : Lines(text)) {
        if (const auto name = SectionName(line))
            section = *name;
        else if (const auto kv = KeyValue(line); section && kv && !kv->first.empty())
            entries.push_back({std::string(*section), std::string(kv->first), std::string(Unquote(kv->second))});
    }
    return entries;
}

std::string TrimTrailingBlanks(std::string value)
{
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.pop_back();
    return value;
}

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key)
{
    section = Trim(section);
    key = Trim(key);
    for (ProfileEntry& e : ProfileEntries(text))
        if (SameName(e.section, section) && SameName(e.key, key))
            return std::move(e.value);
    return std::nullopt;
}

std::string CutToBuffer(const std::string& value, std::size_t bufferLength)
{
    return bufferLength == 0 ? std::string() : plat::CutUtf8(value, bufferLength - 1);
}

int LeadingInteger(std::string_view value)
{
    value = Trim(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    long long v = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            break;
        v = std::min<long long>(v * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    if (negative)
        v = -v;
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    const std::size_t firstEnd = text.find_first_of("\r\n");
    const std::string eol = firstEnd == std::string_view::npos || text[firstEnd] == '\n' ? "\n"
        : text.substr(firstEnd, 2) == "\r\n"                                             ? "\r\n"
                                                                                         : "\r";
    std::vector<std::string> lines;
    for (const std::string_view line : Lines(text))
        lines.emplace_back(line);
    const std::string entry = std::string(key) + "=" + std::string(value);

    std::optional<std::size_t> sectionLine, lastInSection;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (sectionLine)
                break; // past the end of our section
            if (SameName(*name, section)) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (!sectionLine)
            continue;
        if (const auto kv = KeyValue(lines[i]); kv && SameName(kv->first, key)) {
            lines[i] = entry;
            lastInSection.reset();
            break;
        }
        if (!Trim(lines[i]).empty())
            lastInSection = i;
    }
    if (!sectionLine) {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else if (lastInSection) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastInSection) + 1, entry);
    }
    std::string out;
    for (const std::string& line : lines)
        out += line + eol;
    return out;
}

} // namespace plat::detail
