#pragma once
// Numbers read out of the texts the program writes itself (formats, files,
// the command line, the environment): always with a decimal point, whatever
// locale the toolkit set for the process. plat::Format writes them the same
// way ("C" locale), so what one writes the other reads.
#include <optional>
#include <string_view>

namespace plat {

// The decimal number a text starts with, after blanks: an optional sign,
// digits and, when fractions are allowed, a point and more digits. Never an
// exponent, "inf", "nan" or hexadecimal, and never a decimal comma. 0 when
// the text starts with no digit; nothing when the number is beyond a double.
std::optional<double> LeadingDecimal(std::string_view text, bool allowFraction = true);

// The whole text, blanks around it allowed, as one such number; nothing
// when anything else is in it.
std::optional<double> ParseDecimal(std::string_view text);

} // namespace plat
