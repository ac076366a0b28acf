#pragma once
// Input for tests of dialogs built on the control library: clicks and keys
// as the system delivers them.
#include "controls/base_dlg.h"
#include "controls/button_bar.h"

#include <string>

// A press and release in the middle of a control, through the dialog's
// own message road.
void ClickControl(CMorvBaseDlg& dlg, int index);
// A press and release at a point of the dialog's client area.
void ClickAt(CMorvBaseDlg& dlg, const CPoint& pt);
void PressKey(CWnd& wnd, UINT vk);
// A press and release in the middle of a bar item; a wheel turn over it.
void ClickBarItem(CMorvBaseDlg& dlg, const CMorvButtonBar& bar, int item);
void WheelBarItem(CMorvBaseDlg& dlg, const CMorvButtonBar& bar, int item, short delta);
