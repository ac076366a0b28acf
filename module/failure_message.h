#pragma once
// How the module tells the user of a failure they must know of: the
// control library's message box with one OK button, over the window the
// user was working in.
#include <string>

class CWnd;

void ShowFailureMessage(CWnd* parent, const std::string& text, const std::string& caption);
