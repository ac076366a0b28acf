#pragma once
// The skinned message box.
#include "platform/wintypes.h"

#include <string>
#include <vector>

class CWnd;

// Button sets (low nibble of the type) and icons of the type word.
constexpr UINT MB_OK = 0x00;
constexpr UINT MB_OKCANCEL = 0x01;
constexpr UINT MB_YESNOCANCEL = 0x03;
constexpr UINT MB_YESNO = 0x04;
constexpr UINT MB_RETRYCANCEL = 0x05;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;

constexpr int IDRETRY = 4;

// Shows text with a caption and the buttons of the type, modally over the
// parent (or the active window), and answers the button pressed: IDOK 1,
// IDCANCEL 2, IDRETRY 4, IDYES 6, IDNO 7. Closing the box answers the
// Cancel, No or (for one button) OK answer. The help argument is unused;
// the icon style is recorded for scripts and otherwise unused (the icon
// comes from the type).
int MsgBox(CWnd* parent, const std::string& text, const std::string& caption, UINT type = MB_OK, UINT help = 0,
           int iconStyle = 0);

namespace morv {

// The answers of a type's buttons, in the order they are shown.
std::vector<int> MsgBoxAnswers(UINT type);
// The answer of closing the box without a button.
int MsgBoxDismissAnswer(UINT type);

} // namespace morv
