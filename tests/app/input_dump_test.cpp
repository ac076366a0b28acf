// Synthetic input and the window dump against real windows: a page area
// with a recording window and a skinned dialog in it.
#include "dump.h"
#include "input_driver.h"
#include "key_names.h"
#include "page_area.h"

#include "controls/base_dlg.h"
#include "controls/skin.h"
#include "platform/format.h"
#include "platform/native_qt.h"

#include <QApplication>
#include <QJsonArray>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Writes down the messages that reach it, with the key state seen then.
class CRecorder final : public CWnd {
public:
    std::vector<std::string> log;

protected:
    void Write(const std::string& what)
    {
        log.push_back(what + (plat::GetKeyState(VK_CONTROL) < 0 ? " ctrl-down" : ""));
    }
    void Write(const char* what, UINT flags, CPoint pt) { Write(plat::Format("%s %d,%d %u", what, pt.x, pt.y, flags)); }
    void OnLButtonDown(UINT flags, CPoint pt) override { Write("ldown", flags, pt); }
    void OnLButtonDblClk(UINT flags, CPoint pt) override { Write("ldbl", flags, pt); }
    void OnRButtonUp(UINT flags, CPoint pt) override { Write("rup", flags, pt); }
    void OnMouseMove(UINT flags, CPoint pt) override { Write("move", flags, pt); }
    void OnMouseHover(UINT flags, CPoint pt) override { Write("hover", flags, pt); }
    bool OnMouseWheel(UINT flags, short delta, CPoint) override
    {
        return Write(plat::Format("wheel %d %u", delta, flags)), true;
    }
    void OnKeyDown(UINT vk, UINT, UINT) override { Write(plat::Format("key %u", vk)); }
};

class CPanel final : public CMorvBaseDlg {
public:
    CPanel() : CMorvBaseDlg(77) {}
    std::vector<int> clicked;

protected:
    int InitControls() override
    {
        AddControl(3, EMorvControlKind::Button, CRect(10, 10, 70, 40), "Start");
        AddControl(5, EMorvControlKind::Label, CRect(10, 50, 150, 70), "Ready");
        return 1;
    }
    void OnClickButton(int index) override { clicked.push_back(index); }
    // One area in the skin's warning fill, as the view fills a device.
    void OnPaint(ICanvas& dc, const CRect& dirty) override
    {
        CMorvBaseDlg::OnPaint(dc, dirty);
        dc.FillRect(CRect(20, 80, 60, 100), CMorvSkin::Instance().GetColors().clrWarningFill);
    }
};

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        container.resize(400, 300);
        container.move(40, 60);
        auto* layout = new QVBoxLayout(&container);
        layout->setContentsMargins(0, 0, 0, 0);
        ASSERT_TRUE(plat::CreateChildInWidget(area, &container, CRect(0, 0, 400, 300), app::kPageAreaId));
        layout->addWidget(plat::NativeWidget(&area));
        area.ShowWindow(SW_SHOW);
        ASSERT_TRUE(recorder.CreateEx(&area, CRect(0, 0, 200, 300), 11));
        recorder.ShowWindow(SW_SHOW);
        ASSERT_TRUE(panel.Create(77, &area));
        panel.MoveWindow(CRect(200, 0, 400, 150));
        panel.ShowWindow(SW_SHOW);
        container.show();
        QApplication::processEvents();
    }
    bool Has(const std::string& line) const { return std::count(recorder.log.begin(), recorder.log.end(), line) > 0; }

    QWidget container;
    app::CPageArea area;
    CRecorder recorder;
    CPanel panel;
    app::CInputDriver input{area};
    std::string error;
};

TEST_F(InputTest, InputReachesTheWindowUnderThePointWithItsModifiers)
{
    using B = app::CInputDriver::EButton;
    ASSERT_TRUE(input.Click(CPoint(30, 40), B::Left, app::ModCtrl, error)) << error;
    ASSERT_TRUE(input.Click(CPoint(5, 6), B::Right, 0, error)) << error;
    ASSERT_TRUE(input.DoubleClick(CPoint(7, 8), app::ModShift, error)) << error;
    ASSERT_TRUE(input.Wheel(CPoint(9, 9), -240, app::ModCtrl, error)) << error;
    for (const char* line : {"ldown 30,40 9 ctrl-down", "rup 5,6 0", "ldbl 7,8 5", "wheel -240 8 ctrl-down"})
        EXPECT_TRUE(Has(line)) << line;
    ASSERT_TRUE(input.Click(CPoint(250, 20), B::Left, 0, error)) << error;
    EXPECT_EQ(panel.clicked, std::vector<int>{3}) << "the panel's button at its own (50, 20)";
    recorder.log.clear();
    ASSERT_TRUE(input.Hover(CPoint(12, 13), 0, error)) << error;
    EXPECT_TRUE(Has("hover 12,13 0"));
    EXPECT_EQ(recorder.log.back(), "move 12,13 0") << "the rest ends with a second move at the same point";
    recorder.SetFocus();
    ASSERT_TRUE(input.Key(app::QtKeyFromName("tab"), app::ModCtrl, error)) << error;
    EXPECT_TRUE(Has("key 9 ctrl-down")) << "keys go to the focus with their modifiers held";
}

TEST_F(InputTest, TargetsResolveToTheCentreOfWindowsControlsAndRefuseWhatIsNotThere)
{
    CPoint pt;
    ASSERT_TRUE(input.Resolve({app::SWhere::EKind::Window, {}, "CPanel", 0, {}}, pt, error)) << error;
    EXPECT_EQ(pt, CPoint(300, 75));
    ASSERT_TRUE(input.Resolve({app::SWhere::EKind::Control, {}, "CPanel", 5, {}}, pt, error)) << error;
    EXPECT_EQ(pt, CPoint(280, 60));
    ASSERT_TRUE(input.Resolve({app::SWhere::EKind::Fill, {}, "CPanel", 0, "warning"}, pt, error)) << error;
    EXPECT_EQ(pt, CPoint(240, 90));
    EXPECT_FALSE(input.Resolve({app::SWhere::EKind::Control, {}, "CPanel", 4, {}}, pt, error));
    EXPECT_EQ(error, "CPanel has no control 4");
    EXPECT_FALSE(input.Resolve({app::SWhere::EKind::Fill, {}, "CPanel", 0, "offline"}, pt, error));
    EXPECT_EQ(error, "CPanel fills no 1 areas offline");
    EXPECT_FALSE(input.Resolve({app::SWhere::EKind::Window, {}, "CToolBarDlg", 0, {}}, pt, error));
    EXPECT_EQ(error, "no window of class CToolBarDlg in the page");
    EXPECT_FALSE(input.Resolve({app::SWhere::EKind::Control, {}, "CRecorder", 0, {}}, pt, error));
    EXPECT_EQ(error, "CRecorder is not a skinned dialog, so it has no controls or bars");
    EXPECT_FALSE(input.Click(CPoint(900, 900), app::CInputDriver::EButton::Left, 0, error));
    EXPECT_EQ(error, "no window at 900,900");
}

TEST_F(InputTest, DumpOfASkinnedDialogHasItsControlsAndDrawingAndDrawOpsKeepWhatTestsCompare)
{
    const QJsonObject o = app::WindowJson(panel, area);
    EXPECT_EQ(std::tuple(o["class"].toString(), o["id"].toInt(), o["rect"].toArray()),
              std::tuple("CPanel", 77, QJsonArray{200, 0, 400, 150}));
    const QJsonArray controls = o["controls"].toArray();
    ASSERT_EQ(controls.size(), 2);
    EXPECT_EQ(std::tuple(controls[0]["index"].toInt(), controls[0]["kind"].toString(), controls[1]["text"].toString()),
              std::tuple(3, "button", "Ready"));
    const QJsonArray drawing = o["drawing"].toArray();
    EXPECT_TRUE(std::any_of(drawing.begin(), drawing.end(), [](const QJsonValue& op) { return op["text"] == "Ready"; }))
        << "the recorded drawing holds the label's text";
    EXPECT_TRUE(o["bars"].isArray());
    const QJsonObject plain = app::WindowJson(recorder, area);
    EXPECT_FALSE(plain.contains("controls") || !plain["children"].toArray().isEmpty());
    RecordingCanvas canvas;
    canvas.FillRect(CRect(1, 2, 3, 4), RGBColor(10, 20, 30));
    canvas.DrawLine(CPoint(0, 0), CPoint(5, 5), Pen{RGBColor(1, 2, 3), 2, {4, 2}});
    const QJsonArray ops = app::DrawingJson(canvas.Ops());
    ASSERT_EQ(ops.size(), 2);
    EXPECT_EQ(std::tuple(ops[0]["op"].toString(), ops[0]["rect"].toArray(), ops[0]["color"]["g"].toInt()),
              std::tuple("fill", QJsonArray{1, 2, 3, 4}, 20));
    EXPECT_EQ(std::tuple(ops[1]["op"].toString(), ops[1]["pen"]["dash"].toArray()),
              std::tuple("line", QJsonArray{4, 2}));
    SBarItem item;
    item.strTooltip = "Open(Ctrl+O)";
    item.bVisible = true;
    item.bChecked = true;
    const QJsonObject bar = app::BarItemJson(2, item);
    EXPECT_EQ(std::tuple(bar["index"].toInt(), bar["tooltip"].toString(), bar["checked"].toBool()),
              std::tuple(2, "Open(Ctrl+O)", true));
}

} // namespace
