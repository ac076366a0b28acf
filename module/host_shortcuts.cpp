// The host's Ctrl shortcuts, read from a key press and the modifier keys
// held with it.
#include "module/host_shortcuts.h"

#include "host/vistrano_label.h"
#include "module/module_globals.h"

namespace {

bool IsDown(UINT vk) { return plat::GetKeyState(vk) < 0; }

} // namespace

std::optional<int> PassHostShortcut(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !g_pHostLabel)
        return std::nullopt;
    if (!IsDown(VK_CONTROL) || IsDown(VK_MENU) || IsDown(VK_LWIN) || IsDown(VK_RWIN))
        return std::nullopt;
    switch (msg.wParam) {
    case VK_TAB: return g_pHostLabel->SwitchLabel();
    case 'O': return g_pHostLabel->OpenProject(std::string());
    case 'S': return IsDown(VK_SHIFT) ? g_pHostLabel->SaveProjectAs() : g_pHostLabel->SaveProject();
    default: return std::nullopt;
    }
}
