#include "controls/skin.h"

#include "controls/density.h"
#include "controls/library_folder.h"
#include "platform/path.h"

CMorvSkin& CMorvSkin::Instance()
{
    static CMorvSkin skin;
    return skin;
}

void CMorvSkin::SetImageRoot(const std::string& root) { m_imageRoot = root; }

std::string CMorvSkin::GetImageRoot() const
{
    std::string root = m_imageRoot.empty() ? plat::JoinPath(morv::GetLibraryFolder(), GetImageFolder())
                                           : plat::NativePath(m_imageRoot);
    if (!root.empty() && root.back() != plat::kPathSeparator)
        root += plat::kPathSeparator;
    return root;
}

std::string CMorvSkin::ImagePath(const std::string& relativeName) const
{
    // Paths the panes formed from the module folder are already whole.
    if (!relativeName.empty() && relativeName.front() == '/')
        return relativeName;
    return morv::DensityImagePath(GetImageRoot(), relativeName);
}
