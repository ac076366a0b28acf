#include "controls/library_folder.h"

#include "platform/path.h"
#include "platform/shell.h"

#include <dlfcn.h>

namespace morv {

std::string GetLibraryFolder()
{
    // The folder of this shared library; the program's folder when the
    // loader cannot tell (the library is linked into the program).
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&GetLibraryFolder), &info) && info.dli_fname && *info.dli_fname) {
        std::string folder = plat::FolderOf(info.dli_fname);
        if (!folder.empty() && folder.front() == '/') {
            if (folder.back() != plat::kPathSeparator)
                folder += plat::kPathSeparator;
            return folder;
        }
    }
    return plat::GetMainExecutableFolder();
}

} // namespace morv
