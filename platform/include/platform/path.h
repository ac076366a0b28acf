#pragma once
// Paths: names in the module are written with backslashes
// ("Monitor\PortFrame\Normal.png", "DPI150\"); they are kept as data and
// turned into the platform's separators when a path is formed.
#include <string>
#include <string_view>

namespace plat {

constexpr char kPathSeparator = '/';

// Every backslash becomes the platform's separator.
std::string NativePath(std::string_view name);
// base + name, with exactly one separator between them when both are
// non-empty, and the name's backslashes turned.
std::string JoinPath(std::string_view base, std::string_view name);
// The name after the last separator, and the part before it.
std::string FileNameOf(std::string_view path);
std::string FolderOf(std::string_view path);

} // namespace plat
