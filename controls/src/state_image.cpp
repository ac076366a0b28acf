#include "controls/state_image.h"

#include "controls/image_cache.h"
#include "controls/skin.h"
#include "platform/path.h"

#include <cctype>
#include <string_view>

namespace morv {
namespace {

bool IsSingleFile(const std::string& name)
{
    constexpr std::string_view ext = ".png";
    if (name.size() < ext.size())
        return false;
    for (std::size_t i = 0; i < ext.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - ext.size() + i])) != ext[i])
            return false;
    return true;
}

} // namespace

const char* StateFileName(EImageState state)
{
    switch (state) {
    case EImageState::Hover: return "Hover.png";
    case EImageState::Down: return "Down.png";
    case EImageState::Disable: return "Disable.png";
    case EImageState::Checked: return "Checked.png";
    case EImageState::Normal: break;
    }
    return "Normal.png";
}

EImageState PickImageState(bool enabled, bool pressed, bool checked, bool hovered)
{
    if (!enabled)
        return EImageState::Disable;
    if (pressed)
        return EImageState::Down;
    if (checked)
        return EImageState::Checked;
    if (hovered)
        return EImageState::Hover;
    return EImageState::Normal;
}

const Image* StateImage(const std::string& folderOrFile, EImageState state)
{
    if (folderOrFile.empty())
        return nullptr;
    CImageData* cache = CImageLogic::GetImageData();
    const std::string base = CMorvSkin::Instance().ImagePath(folderOrFile);
    if (IsSingleFile(folderOrFile))
        return cache->GetImageFromPath(base);
    if (const Image* image = cache->GetImageFromPath(plat::JoinPath(base, StateFileName(state))))
        return image;
    return state == EImageState::Normal
        ? nullptr
        : cache->GetImageFromPath(plat::JoinPath(base, StateFileName(EImageState::Normal)));
}

} // namespace morv
