// The program's folder, opening files, and the file system.
#include "platform/shell.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include <filesystem>
#include <mutex>

namespace plat {

namespace {

namespace fs = std::filesystem;

FileOpener g_opener;

std::mutex g_configMutex;
std::string g_configFolder; // empty: none set

bool DesktopOpen(const std::string& path, const std::string& verb, int /*showCmd*/)
{
    // The desktop opens; other verbs (print, edit ...) have no meaning here.
    if (!verb.empty() && verb != "open")
        return false;
    std::error_code ec;
    if (!qApp || !fs::exists(path, ec))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace

std::string GetApplicationTitle() { return QGuiApplication::applicationDisplayName().toStdString(); }

std::string GetMainExecutableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty() || !exe.has_parent_path())
        return {};
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::optional<std::string> GetConfigFolderOverride()
{
    std::lock_guard lock(g_configMutex);
    if (g_configFolder.empty())
        return std::nullopt;
    return g_configFolder;
}

void SetConfigFolderOverride(const std::string& folder)
{
    std::string value = folder;
    if (!value.empty() && value.back() != '/')
        value += '/';
    std::lock_guard lock(g_configMutex);
    g_configFolder = std::move(value);
}

bool ShellOpen(const std::string& path, const std::string& verb, int showCmd)
{
    return g_opener ? g_opener(path, verb, showCmd) : DesktopOpen(path, verb, showCmd);
}

FileOpener SetFileOpener(FileOpener opener)
{
    FileOpener previous = std::move(g_opener);
    g_opener = std::move(opener);
    return previous;
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

bool DirectoryExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool ListDirectory(const std::string& path, std::vector<DirEntry>& entries)
{
    entries.clear();
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    if (ec)
        return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code kindError;
        entries.push_back({it->path().filename().native(), it->is_directory(kindError)});
    }
    if (ec) {
        entries.clear();
        return false;
    }
    return true;
}

bool CreateDirectories(const std::string& path)
{
    if (path.empty())
        return false;
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

} // namespace plat
