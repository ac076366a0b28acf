#include "module/failure_message.h"

#include "controls/msg_box.h"

namespace {

// The icon style every message of the module is shown with.
constexpr int kMessageIconStyle = 5;

} // namespace

void ShowFailureMessage(CWnd* parent, const std::string& text, const std::string& caption)
{
    MsgBox(parent, text, caption, MB_OK, 0, kMessageIconStyle);
}
