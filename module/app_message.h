#pragma once
// The module's message boxes: the control library's MsgBox with icon style
// 5, captioned with the application's title unless the caller names the
// window the message is about.
#include "controls/msg_box.h"

#include <string>

class CWnd;

// Shows text with the buttons and icon of type; answers the button pressed.
// An empty caption stands for the application's title.
int AppMessageBox(CWnd* parent, const std::string& text, UINT type, const std::string& caption = {});
