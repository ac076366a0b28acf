#pragma once
// The shell and the file system as the module sees them: the program's
// folder, the user's documents folder, opening a file with its default
// program, listing a folder, checking a path.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plat {

// The application's title, the caption of its message boxes: the display
// name the host program gave itself (its name when it gave none).
std::string GetApplicationTitle();

// Folder of the process's main executable with its trailing separator;
// empty when the executable's path cannot be read.
std::string GetMainExecutableFolder();

// The user's documents folder (XDG "DOCUMENTS", else ~/Documents), without
// a trailing separator; nullopt when there is none. A provider installed
// for tests replaces the lookup; passing an empty function restores it.
using DocumentsFolderProvider = std::function<std::optional<std::string>()>;
std::optional<std::string> GetDocumentsFolder();
void SetDocumentsFolderProvider(DocumentsFolderProvider provider);

// The per-user configuration folder that the whole process was pointed at
// (the host's --config-dir), with a trailing separator; nullopt while none
// was, and every component then derives it from the documents folder. One
// answer for the host, its libraries and the page it loads; safe to read
// from any thread.
std::optional<std::string> GetConfigFolderOverride();
// An empty folder clears it; a missing trailing separator is added.
void SetConfigFolderOverride(const std::string& folder);

// Opens a file with its default program. The opener is replaceable (tests,
// headless runs); SetFileOpener answers the previous one. An empty function
// restores the desktop's own opener. Answers whether the opener took it.
using FileOpener = std::function<bool(const std::string& path, const std::string& verb, int showCmd)>;
bool ShellOpen(const std::string& path, const std::string& verb = "open", int showCmd = 1);
FileOpener SetFileOpener(FileOpener opener);

bool FileExists(const std::string& path); // a regular file
bool DirectoryExists(const std::string& path);

struct DirEntry {
    std::string name; // bytes as stored; not necessarily UTF-8
    bool isDirectory = false;
};
// Entries of a folder, without "." and "..", in no particular order.
// Answers false (and no entries) when the folder cannot be read.
bool ListDirectory(const std::string& path, std::vector<DirEntry>& entries);

// Creates a folder and its parents; true when it exists afterwards.
bool CreateDirectories(const std::string& path);

} // namespace plat
