#include "dialog_input.h"

#include "platform/native_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>

void ClickControl(CMorvBaseDlg& dlg, int index)
{
    const SMorvControl* control = dlg.GetControl(index);
    ASSERT_NE(control, nullptr) << "no control " << index;
    const CPoint pt = control->rect.CenterPoint();
    dlg.DeliverMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    dlg.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    dlg.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

void PressKey(CWnd& wnd, UINT vk) { wnd.DeliverMessage(WM_KEYDOWN, vk, 1); }

void SaveDialogShot(CWnd& dlg, const std::string& name)
{
    if (!std::getenv("MONITOR_DIALOG_SHOTS"))
        return;
    QWidget* widget = plat::NativeWidget(&dlg);
    ASSERT_NE(widget, nullptr);
    QCoreApplication::processEvents();
    const QString folder = QCoreApplication::applicationDirPath() + "/out/dialogs";
    QDir().mkpath(folder);
    EXPECT_TRUE(widget->grab().save(folder + "/" + QString::fromStdString(name) + ".png", "PNG")) << name;
}
