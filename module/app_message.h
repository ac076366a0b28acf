#pragma once
// The module's message boxes: the control library's MsgBox with the
// application's title as caption and icon style 5.
#include "platform/wintypes.h"

#include <string>

class CWnd;

// Shows text with the buttons and icon of type; answers the button pressed.
int AppMessageBox(CWnd* parent, const std::string& text, UINT type);
