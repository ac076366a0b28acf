#include "module/module_folders.h"

#include "platform/path.h"
#include "platform/profile.h"
#include "platform/shell.h"

namespace {

// The language file that names the configuration folder.
constexpr const char* kLanguageFile = "Language\\Multi_English.ini";
constexpr const char* kSection = "Software";
constexpr const char* kKey = "SoftwareConfigurationPath";
constexpr const char* kDefaultFolderName = "Quarn";
constexpr std::size_t kFolderNameBuffer = 260;

} // namespace

std::string GetModuleFolder() { return plat::GetMainExecutableFolder(); }

std::string GetConfigFolder() { return GetConfigFolderFor(GetModuleFolder()); }

std::string GetConfigFolderFor(const std::string& moduleFolder)
{
    // The host may have pointed the whole process elsewhere; the module's
    // readers then look where the host's writers write.
    if (std::optional<std::string> folder = plat::GetConfigFolderOverride())
        return *folder;
    const std::optional<std::string> documents = plat::GetDocumentsFolder();
    if (!documents || documents->empty())
        return moduleFolder;
    const std::string name = plat::GetProfileString(plat::JoinPath(moduleFolder, kLanguageFile), kSection, kKey,
                                                    kDefaultFolderName, kFolderNameBuffer);
    // The name is data written with the desktop's separators; it is turned
    // into this platform's like every other relative name.
    return *documents + plat::kPathSeparator + plat::NativePath(name) + plat::kPathSeparator;
}
