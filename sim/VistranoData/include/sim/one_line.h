#pragma once
// Text from projects and the user (sender names, mail fields) put into a
// line of a log file or a mail header: control characters would start new
// lines or headers there, so they are written as visible escapes ("\n",
// "\x00", "\u2028") instead. The project keeps the text as it is.
#include <string>
#include <string_view>

namespace sim {

std::string OneLine(std::string_view text);

} // namespace sim
