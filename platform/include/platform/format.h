#pragma once
// printf-style formatting for formats that come from data (language texts).
// Only the arguments passed are substituted; each conversion is checked
// against its argument, and anything that cannot be honoured (%n, too few
// arguments, a type mismatch, an unknown conversion) is copied as literal
// text. Never undefined behaviour, whatever the format says.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace plat {

struct FormatArg {
    std::variant<int64_t, uint64_t, double, std::string> value;
    FormatArg(int v) : value(static_cast<int64_t>(v)) {}
    FormatArg(long v) : value(static_cast<int64_t>(v)) {}
    FormatArg(long long v) : value(static_cast<int64_t>(v)) {}
    FormatArg(unsigned v) : value(static_cast<uint64_t>(v)) {}
    FormatArg(unsigned long v) : value(static_cast<uint64_t>(v)) {}
    FormatArg(unsigned long long v) : value(static_cast<uint64_t>(v)) {}
    FormatArg(double v) : value(v) {}
    FormatArg(float v) : value(static_cast<double>(v)) {}
    FormatArg(const char* v) : value(std::string(v ? v : "")) {}
    FormatArg(std::string v) : value(std::move(v)) {}
    FormatArg(std::string_view v) : value(std::string(v)) {}
};

std::string SafeFormat(std::string_view format, std::initializer_list<FormatArg> args);

template <class... Args>
std::string Format(std::string_view format, const Args&... args)
{
    return SafeFormat(format, {FormatArg(args)...});
}

} // namespace plat
