// Control characters as visible escapes.
#include "sim/one_line.h"

#include <cstdio>

namespace sim {

std::string OneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // Line breaks of Unicode in UTF-8: NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR.
        const std::string_view rest = text.substr(i);
        const bool nel = rest.starts_with("\xC2\x85");
        if (nel || rest.starts_with("\xE2\x80\xA8") || rest.starts_with("\xE2\x80\xA9")) {
            out += nel ? "\\u0085" : rest[2] == '\xA8' ? "\\u2028" : "\\u2029";
            i += nel ? 1 : 2;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace sim
