#include "module/app_message.h"

#include "platform/shell.h"

namespace {
// The control library's icon style of the module's boxes.
constexpr int kIconStyle = 5;
} // namespace

int AppMessageBox(CWnd* parent, const std::string& text, UINT type, const std::string& caption)
{
    return MsgBox(parent, text, caption.empty() ? plat::GetApplicationTitle() : caption, type, 0, kIconStyle);
}
