#include "dialog_input.h"

#include <gtest/gtest.h>

void ClickAt(CMorvBaseDlg& dlg, const CPoint& pt)
{
    dlg.DeliverMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    dlg.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    dlg.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

void ClickControl(CMorvBaseDlg& dlg, int index)
{
    const SMorvControl* control = dlg.GetControl(index);
    ASSERT_NE(control, nullptr) << "no control " << index;
    ClickAt(dlg, control->rect.CenterPoint());
}

void PressKey(CWnd& wnd, UINT vk) { wnd.DeliverMessage(WM_KEYDOWN, vk, 1); }

void ClickBarItem(CMorvBaseDlg& dlg, const CMorvButtonBar& bar, int item)
{
    const SBarItem* record = bar.GetItem(item);
    ASSERT_NE(record, nullptr) << "no bar item " << item;
    ClickAt(dlg, record->rect.CenterPoint());
}

void WheelBarItem(CMorvBaseDlg& dlg, const CMorvButtonBar& bar, int item, short delta)
{
    const SBarItem* record = bar.GetItem(item);
    ASSERT_NE(record, nullptr) << "no bar item " << item;
    CPoint pt = record->rect.CenterPoint();
    dlg.ClientToScreen(pt);
    const WPARAM wheel = static_cast<WPARAM>(static_cast<uint16_t>(delta)) << 16;
    dlg.DeliverMessage(WM_MOUSEWHEEL, wheel, MAKELPARAM(pt.x, pt.y));
}
