#include "gallery_scenes.h"

#include "controls/base_dlg.h"
#include "controls/button_bar.h"
#include "controls/density.h"
#include "controls/edit.h"
#include "controls/msg_box.h"
#include "controls/pop_menu.h"
#include "controls/scroll_bar.h"
#include "controls/skin.h"
#include "controls/time_edit.h"
#include "menu_widget.h"
#include "msg_box_widget.h"
#include "platform/native_qt.h"
#include "progress_window.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

namespace gallery {
namespace {

using morv::Scale;

CRect S(int l, int t, int r, int b) { return {Scale(l), Scale(t), Scale(r), Scale(b)}; }

void Settle() { QCoreApplication::processEvents(); }

bool Save(QWidget* widget, const std::string& path)
{
    Settle();
    return widget && widget->grab().save(QString::fromStdString(path), "PNG");
}

// A top-level window holding a scene page.
class Frame : public CWnd {
public:
    explicit Frame(const CRect& rect)
    {
        CreateEx(nullptr, rect, 1, EWindowKind::Dialog, "gallery");
        ShowWindow(SW_SHOW);
    }
};

// Every kind of the control table, as a settings page would use them.
class SampleDialog : public CMorvBaseDlg {
protected:
    int InitControls() override
    {
        AddKeyedControl(0, EMorvControlKind::Title, "General_Setting", "Monitoring", S(20, 14, 440, 38));
        AddKeyedControl(3, EMorvControlKind::Label, "Refresh_interval", "Monitoring", S(20, 46, 140, 68));
        SMorvControl& time = AddControl(4, EMorvControlKind::TimeEdit, S(145, 46, 245, 68), {}, 2015);
        time.nMinSeconds = 10;
        time.nMaxSeconds = 7200;
        UpdateControl(4);
        GetTimeEdit(4)->SetTotalSeconds(60);
        AddKeyedControl(5, EMorvControlKind::Label, "Refresh_interval_Time", "Monitoring", S(252, 46, 440, 68));

        AddKeyedControl(18, EMorvControlKind::Title, "Receive_Title", "Monitoring", S(20, 84, 440, 108));
        Box(23, 24, "Receive_Temperature", 116, true);
        AddKeyedControl(25, EMorvControlKind::Label, "Receive_Temp_Min", "Monitoring", S(50, 144, 140, 166));
        AddControl(26, EMorvControlKind::NumericEdit, S(145, 144, 205, 166), "60", 2016);
        AddControl(27, EMorvControlKind::Label, S(210, 144, 250, 166), "°C");
        Box(29, 30, "Receive_Humidity", 174, false);
        Box(47, 48, "Receive_Voltage", 202, true);
        SetControlKey(47, "Receive_Voltage", "Monitoring", {}, {1});

        AddKeyedControl(106, EMorvControlKind::Label, "Address_Table", "Monitoring", S(20, 236, 440, 258));
        AddControl(108, EMorvControlKind::Table, S(20, 262, 330, 382));
        SMorvTable table;
        table.columnWeights = {50, 100};
        table.headers = {"Name", "Address"};
        table.rows = {{{"Operations", "ops@example.com"}}, {{"Night shift", "night@example.com"}}, {}, {}, {}};
        table.nRowHeight = Scale(20);
        SetTable(108, table);
        SetTableRowColors(108, 2, CMorvSkin::Instance().GetColors().clrTextOnSelection,
                          CMorvSkin::Instance().GetColors().clrSelection);

        AddKeyedControl(107, EMorvControlKind::Button, "Address_Add", "Monitoring", S(340, 262, 440, 286));
        SetControlKey(107, "Address_Add", "Monitoring", "...");
        AddKeyedControl(110, EMorvControlKind::Button, "Modify", "Common", S(340, 294, 440, 318));
        SetControlKey(110, "Modify", "Common", "...");
        AddKeyedControl(109, EMorvControlKind::Button, "Delete", "Common", S(340, 326, 440, 350));
        EnableControl(109, false);
        AddKeyedControl(111, EMorvControlKind::Button, "OK", "Common", S(340, 358, 440, 382)).nStyle = ButtonPrimary;

        m_scroll.SetScrollRange(0, 100);
        m_scroll.SetPageStep(40);
        m_scroll.SetScrollPos(30);
        m_scroll.Create(this, S(446, 4, 456, 396), 10, true);
        m_scroll.ShowWindow(SW_SHOW);
        return 1;
    }

private:
    CMorvScrollBar m_scroll;

    void Box(int label, int box, const char* key, int top, bool on)
    {
        AddKeyedControl(label, EMorvControlKind::Label, key, "Monitoring", S(50, top, 330, top + 22));
        AddControl(box, EMorvControlKind::CheckBox, S(20, top, 44, top + 22));
        SetCheck(box, on ? 1 : 0);
        LinkCheckLabel(label, box);
    }
};

// A toolbar strip in every item state, a target column and a navigation list.
class SampleBars : public CMorvBaseDlg {
public:
    CMorvButtonBar toolbar{this, 16};
    CMorvButtonBar targets{this, 8};
    CMorvButtonBar navigation{this, 5};

protected:
    int InitControls() override
    {
        const char* folders[] = {"",
                                 "ToolBar\\Open",
                                 "ToolBar\\Save",
                                 "ToolBar\\LoadFromCard",
                                 "ToolBar\\SaveToCard",
                                 "",
                                 "ToolBar\\Setting",
                                 "",
                                 "ToolBar\\MonitorStart",
                                 "ToolBar\\MonitorStop",
                                 "",
                                 "ToolBar\\Normal",
                                 "ToolBar\\Hand",
                                 "",
                                 "ToolBar\\MonitorLog"};
        int x = Scale(20);
        const int height = Scale(31), width = Scale(38);
        for (int i = 1; i <= 14; ++i) {
            toolbar.SetItemVisible(i, true);
            if (folders[i][0] == '\0') {
                const int slot = Scale(6);
                toolbar.SetItemKind(i, BarSeparator);
                toolbar.SetItemStyle(i, 5);
                toolbar.SetItemImage(i, "ToolBar\\splitline.png");
                toolbar.SetItemRect(
                    i,
                    {x + (slot - 2) / 2, Scale(32) / 10, x + (slot - 2) / 2 + 2, Scale(32) / 10 + Scale(32) * 4 / 5});
                x += slot;
                continue;
            }
            toolbar.SetItemImage(i, folders[i]);
            toolbar.SetItemRect(i, {x, (Scale(32) - height) / 2, x + width, (Scale(32) - height) / 2 + height});
            x += width;
        }
        toolbar.SetItemEnabled(9, false);
        toolbar.SetItemChecked(11, true);
        toolbar.SetItemWarning(6, true);
        toolbar.SetItemKind(15, BarDropDown);
        toolbar.SetItemCaption(15, "100%");
        toolbar.SetItemVisible(15, true);
        toolbar.SetItemRect(15, {x + Scale(6), Scale(32) / 10, x + Scale(81), Scale(32) / 10 + Scale(32) * 4 / 5});

        const char* icons[] = {"Monitor\\Sender\\Normal.png", "Monitor\\Receiver\\Normal.png",
                               "Monitor\\Temperature\\Normal.png", "Monitor\\Humidity\\Normal.png"};
        int y = Scale(48);
        for (int i = 0; i < 4; ++i) {
            const int side = i < 2 ? Scale(54) - Scale(8) : Scale(34);
            const int left = Scale(30);
            const CRect rect{left, y, left + side, y + side};
            targets.SetItemVisible(i, true);
            targets.SetItemImage(i, "Monitor\\BackGround\\");
            targets.SetItemIcon(i, icons[i], {rect.left + 3, rect.top + 3, rect.right - 4, rect.bottom - 4});
            targets.SetItemRect(i, rect);
            const int mark = Scale(8);
            const int markLeft = left - Scale(1) - Scale(8);
            targets.SetItemDrawType(4 + i, BarDrawWarningMark);
            targets.SetItemImage(4 + i, "Monitor\\Warning\\");
            targets.SetItemRect(4 + i,
                                {markLeft, y + (side - mark) / 2, markLeft + mark, y + (side - mark) / 2 + mark});
            targets.SetItemVisible(4 + i, true);
            targets.SetItemWarning(4 + i, i == 1 || i == 2);
            y += side + Scale(5);
        }
        targets.SetItemChecked(1, true);

        const char* sections[] = {"General", "Sender", "Receiver", "E-mail"};
        for (int i = 1; i <= 4; ++i) {
            const CRect rect{Scale(120), Scale(48) + (i - 1) * Scale(55), Scale(120) + Scale(165),
                             Scale(48) + i * Scale(55)};
            navigation.SetItemKind(i, BarRadio);
            navigation.SetItemCaption(i, sections[i - 1]);
            navigation.SetItemRect(i, rect);
            navigation.SetItemVisible(i, true);
        }
        navigation.SetItemChecked(2, true);
        return 1;
    }
    void OnPaint(ICanvas& dc, const CRect& dirty) override
    {
        CMorvBaseDlg::OnPaint(dc, dirty);
        const SSkinColors& c = CMorvSkin::Instance().GetColors();
        const int bottom = Scale(32);
        dc.DrawLine({0, bottom - 2}, {GetClientRect().right, bottom - 2}, Pen{c.clrToolbarLine1, 1, {}});
        dc.DrawLine({0, bottom - 1}, {GetClientRect().right, bottom - 1}, Pen{c.clrToolbarLine2, 1, {}});
    }
};

void Hover(CWnd& wnd, const CPoint& pt) { wnd.DeliverMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y)); }

} // namespace

bool RenderDialog(const std::string& path)
{
    Frame frame(S(0, 0, 460, 400));
    SampleDialog dialog;
    if (!dialog.Create(300, &frame))
        return false;
    dialog.MoveWindow(frame.GetClientRect());
    Hover(dialog, dialog.GetControl(110)->rect.CenterPoint());
    return Save(plat::NativeWidget(&frame), path);
}

bool RenderToolbar(const std::string& path)
{
    Frame frame(S(0, 0, 720, 300));
    SampleBars bars;
    if (!bars.Create(2008, &frame))
        return false;
    bars.MoveWindow(frame.GetClientRect());
    bars.SetBackgroundColor(CMorvSkin::Instance().GetColors().clrBackground);
    // Hover one button, press another, hover a navigation item.
    Hover(bars, bars.toolbar.GetItem(2)->rect.CenterPoint());
    const CPoint down = bars.toolbar.GetItem(8)->rect.CenterPoint();
    bars.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    Hover(bars, bars.navigation.GetItem(3)->rect.CenterPoint());
    const bool saved = Save(plat::NativeWidget(&frame), path);
    bars.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    return saved;
}

bool RenderMessageBox(const std::string& path)
{
    auto box
        = morv::detail::BuildMessageBox(nullptr, "Delete the group \"Hall\" and move its 3 senders to all senders?",
                                        "Quarn", MB_YESNO | MB_ICONQUESTION);
    box->show();
    return Save(box.get(), path);
}

bool RenderMenu(const std::string& path)
{
    CCusPopMenu menu;
    menu.SetItemHeight(Scale(26));
    menu.SetMenuWidth(Scale(200));
    CCusPopMenu& side = menu.AppendSubMenu("Place position");
    side.AppendMenu(MF_STRING | MF_CHECKED, 3, "Left");
    side.AppendMenu(MF_STRING, 1, "Right");
    menu.AppendMenu(MF_STRING, 1201, "Sender 1 (192.168.0.10)", "ToolBar\\LoadFromCardOne");
    menu.AppendMenu(MF_STRING | MF_CHECKED, 1202, "Sender 2 (192.168.0.11)", "ToolBar\\LoadFromCardOne");
    menu.AppendSeparator();
    menu.AppendMenu(MF_STRING | MF_CHECKED, 6, "Demarcate");
    menu.AppendMenu(MF_STRING | MF_GRAYED, 7, "Exchange position");
    auto widget = morv::detail::BuildMenu(menu, nullptr, true);
    widget->popup(QPoint(0, 0));
    Settle();
    // Hover the second command, as the mouse would.
    if (widget->actions().size() > 2)
        widget->setActiveAction(widget->actions()[2]);
    const bool saved = Save(widget.get(), path);
    widget->close();
    return saved;
}

bool RenderProgress(const std::string& path)
{
    SProgressInfo info;
    info.strTitle = "Detecting";
    info.strText = "Reading the receivers of sender 2";
    morv::detail::CProgressWindow window(nullptr, info);
    window.SetRange(0, 100);
    window.SetPos(42);
    return Save(window.Widget(), path);
}

} // namespace gallery
