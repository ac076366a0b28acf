// The user's documents folder: the XDG user directory, else the toolkit's
// idea of it, else ~/Documents; each only when the folder exists.
#include "platform/shell.h"

#include "documents_folder.h"
#include "platform/file_io.h"

#include <QStandardPaths>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace plat {

namespace {

DocumentsFolderProvider g_provider;

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::optional<std::string> Lookup()
{
    const std::string home = Env("HOME");
    std::string config = Env("XDG_CONFIG_HOME");
    if (config.empty() && !home.empty())
        config = home + "/.config";
    // Read like every other file: a FIFO or device there must not hang the start.
    const std::string userDirs = config.empty() ? std::string() : config + "/user-dirs.dirs";
    std::string text, error;
    if (!userDirs.empty() && ReadFileBytes(userDirs, kMaxTextFileBytes, text, error)) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            if (auto dir = detail::ParseUserDirsLine(line, "XDG_DOCUMENTS_DIR", home); dir && IsFolder(*dir))
                return dir;
        }
    }
    // The toolkit reads the same file with a blocking open: asked only when that file is harmless.
    std::error_code ec;
    const auto kind = std::filesystem::status(userDirs, ec).type();
    if (kind == std::filesystem::file_type::not_found || kind == std::filesystem::file_type::regular) {
        const std::string standard = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
        if (IsFolder(standard) && standard != home)
            return standard;
    }
    if (!home.empty() && IsFolder(home + "/Documents"))
        return home + "/Documents";
    return std::nullopt;
}

} // namespace

namespace detail {

std::optional<std::string> ParseUserDirsLine(std::string_view line, std::string_view name, const std::string& home)
{
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line[start] == '#')
        return std::nullopt;
    line.remove_prefix(start);
    if (line.substr(0, name.size()) != name || line.substr(name.size(), 1) != "=")
        return std::nullopt;
    std::string_view value = line.substr(name.size() + 1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
        value.remove_suffix(1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    std::string dir;
    if (value.substr(0, 5) == "$HOME") {
        if (home.empty())
            return std::nullopt;
        dir = home + std::string(value.substr(5));
    } else if (!value.empty() && value.front() == '/') {
        dir = std::string(value);
    } else {
        return std::nullopt; // only "$HOME/..." or absolute paths are meaningful
    }
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    // The home folder itself means the user turned the folder off.
    if (dir == home)
        return std::nullopt;
    return dir;
}

} // namespace detail

std::optional<std::string> GetDocumentsFolder() { return g_provider ? g_provider() : Lookup(); }

void SetDocumentsFolderProvider(DocumentsFolderProvider provider) { g_provider = std::move(provider); }

} // namespace plat
