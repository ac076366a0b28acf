#include "controls/product_dir.h"

#include "controls/library_folder.h"
#include "platform/path.h"

std::string CProductDirectorySet::GetRootDir()
{
    std::string root = plat::JoinPath(morv::GetLibraryFolder(), "Product");
    root += plat::kPathSeparator;
    return root;
}
