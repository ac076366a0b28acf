#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace plat::detail {

// The folder that a line of XDG's user-dirs.dirs gives for the name
// ("XDG_DOCUMENTS_DIR"), with $HOME expanded; nothing for other lines,
// relative paths, or the home folder itself (the folder turned off).
std::optional<std::string> ParseUserDirsLine(std::string_view line, std::string_view name, const std::string& home);

} // namespace plat::detail
