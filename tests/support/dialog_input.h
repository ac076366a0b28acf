#pragma once
// Input and pictures for tests of dialogs built on the control library:
// clicks and keys as the system delivers them, and screenshots on request.
#include "controls/base_dlg.h"
#include "controls/button_bar.h"

#include <string>

// A press and release in the middle of a control, through the dialog's
// own message road.
void ClickControl(CMorvBaseDlg& dlg, int index);
void PressKey(CWnd& wnd, UINT vk);
// A press and release in the middle of a bar item; a wheel turn over it.
void ClickBarItem(CMorvBaseDlg& dlg, const CMorvButtonBar& bar, int item);
void WheelBarItem(CMorvBaseDlg& dlg, const CMorvButtonBar& bar, int item, short delta);

// Writes the dialog's window, with its edits and child windows, to
// <runtime>/out/dialogs/<name>.png when MONITOR_DIALOG_SHOTS is set.
void SaveDialogShot(CWnd& dlg, const std::string& name);
