#include "module/app_message.h"

#include "controls/msg_box.h"
#include "platform/shell.h"

namespace {
// The control library's icon style of the module's boxes.
constexpr int kIconStyle = 5;
} // namespace

int AppMessageBox(CWnd* parent, const std::string& text, UINT type)
{
    return MsgBox(parent, text, plat::GetApplicationTitle(), type, 0, kIconStyle);
}
