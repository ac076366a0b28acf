#include "controls/base_dlg.h"
#include "controls/density.h"
#include "controls/edit.h"
#include "controls/skin.h"
#include "controls/time_edit.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(ControlRules, TextByKeyStateSuffixAndArgumentsAndTableGeometry)
{
    // Keys look "Section/key" up; the Power keys are formats.
    const auto lookup = [](const std::string& key, const std::string& section) {
        return key == "Power" ? "Power supply %d" : key == "Power_Close" ? "Off %d %s" : section + "/" + key;
    };
    const struct {
        const char *text, *key, *suffix;
        int checkSource;
        bool checked;
        std::vector<plat::FormatArg> args;
        const char* expected;
    } cases[] = {{"x", "", "", -1, true, {}, "x"}, // plain text without a key
                 {"", "Temp", "", 24, true, {}, "Monitoring/Temp"},
                 {"", "Temp", "", 24, false, {}, "Monitoring/Temp_Close"}, // its box is off
                 {"", "Temp", "", -1, false, {}, "Monitoring/Temp"},       // no box: the key alone
                 {"", "Add", "...", -1, true, {}, "Monitoring/Add..."},
                 {"", "Power", "", -1, true, {2}, "Power supply 2"},
                 // A stray conversion in a language text is copied, never read past the arguments.
                 {"", "Power", "", 3, false, {2}, "Off 2 %s"}};
    for (const auto& k : cases) {
        SMorvControl c;
        std::tie(c.strText, c.strKey, c.strSection, c.strSuffix) = std::tuple(k.text, k.key, "Monitoring", k.suffix);
        c.nCheckSource = k.checkSource;
        c.formatArgs = k.args;
        EXPECT_EQ(morv::ResolveControlText(c, k.checked, lookup), k.expected);
    }
    // Table columns by weight and the row under a point.
    SMorvControl c;
    c.eKind = EMorvControlKind::Table;
    c.rect = {10, 100, 320, 220};
    c.table.columnWeights = {50, 100};
    c.table.nRowHeight = 20;
    c.table.rows.resize(5);
    EXPECT_EQ(
        std::tuple(morv::TableRowCount(c.table), morv::TableCellRect(c, 0, 0), morv::TableCellRect(c, 0, 1),
                   morv::TableRowRect(c, 5), morv::TableRowRect(c, 6), morv::TableCellRect(c, 1, 2)),
        std::tuple(6, CRect(10, 100, 113, 120), CRect(113, 100, 320, 120), CRect(10, 200, 320, 220), CRect(), CRect()));
    c.rect = {0, 0, 100, 500};
    c.table.rows.resize(2);
    // Right edge and below the last row are outside.
    const std::pair<CPoint, int> rows[]
        = {{{5, 5}, 0}, {{5, 20}, 1}, {{99, 59}, 2}, {{5, 60}, -1}, {{100, 5}, -1}, {{5, -1}, -1}};
    for (const auto& [point, row] : rows)
        EXPECT_EQ(morv::TableRowAt(c, point), row) << point.x << "," << point.y;
}

// A settings-like page: a label that follows a box, a formatted box label,
// buttons, an edit and a recipient table.
class TablePage : public CMorvBaseDlg {
public:
    Strings clicks;

protected:
    int InitControls() override
    {
        SetLanguageLookup([](const std::string& key, const std::string& section) {
            return key.rfind("Receive_PowerSupply", 0) == 0 ? key + " %d" : section + "/" + key;
        });
        AddKeyedControl(0, EMorvControlKind::Title, "General_Setting", "Monitoring", {0, 0, 300, 24});
        AddKeyedControl(23, EMorvControlKind::Label, "Receive_Temperature", "Monitoring", {0, 30, 150, 52});
        AddControl(24, EMorvControlKind::CheckBox, {160, 30, 200, 52});
        SetCheck(24, 1);
        LinkCheckLabel(23, 24);
        AddControl(42, EMorvControlKind::CheckBox, {0, 60, 20, 82});
        AddKeyedControl(43, EMorvControlKind::Label, "Receive_PowerSupply", "Monitoring", {30, 60, 200, 82});
        SetControlKey(43, "Receive_PowerSupply", "Monitoring", {}, {1});
        LinkCheckLabel(43, 42);
        AddKeyedControl(107, EMorvControlKind::Button, "Address_Add", "Monitoring", {0, 90, 100, 114});
        SetControlKey(107, "Address_Add", "Monitoring", "...");
        AddControl(26, EMorvControlKind::NumericEdit, {0, 120, 60, 144}, "45", 2016);
        AddControl(4, EMorvControlKind::TimeEdit, {100, 120, 200, 144}, {}, 2015);
        AddControl(106, EMorvControlKind::Table, {0, 150, 310, 270});
        SMorvTable table;
        table.columnWeights = {50, 100};
        table.headers = {"Name", "Address"};
        table.rows = {{{"Ann", "ann@example.com"}}, {{"Bo", "bo@example.com"}}};
        table.nRowHeight = 20;
        SetTable(106, table);
        return 1;
    }
    void OnClickButton(int index) override { clicks.push_back("button " + std::to_string(index)); }
    void OnClickCheck(int index) override
    {
        clicks.push_back("check " + std::to_string(index) + " " + std::to_string(GetCheck(index)));
    }
    void OnClickLabel(int index) override { clicks.push_back("label " + std::to_string(index)); }
    void OnClickTableRow(int index, int row) override
    {
        clicks.push_back("row " + std::to_string(index) + " " + std::to_string(row));
    }
};

class ControlTableTest : public SkinnedTest {
protected:
    void SetUp() override
    {
        SkinnedTest::SetUp();
        ASSERT_TRUE(page.Create(2010, &host));
        page.MoveWindow({0, 0, 400, 300});
    }
    CPoint Centre(int index) { return page.GetControl(index)->rect.CenterPoint(); }
    std::vector<DrawOp> Drawn(DrawOp::Kind kind) { return ::Drawn(page, kind); }
    Strings Images() { return DrawnImages(page); }
    DrawOp Text(const std::string& text)
    {
        for (const DrawOp& op : Drawn(DrawOp::Kind::Text))
            if (op.text == text)
                return op;
        ADD_FAILURE() << text << " is not drawn";
        return {};
    }
    Color FillOf(const CRect& rect)
    {
        for (const DrawOp& op : Drawn(DrawOp::Kind::FillRect))
            if (op.rect == rect)
                return op.color;
        return {};
    }

    const SSkinColors& colors = CMorvSkin::Instance().GetColors();
    TablePage page;
};

TEST_F(ControlTableTest, EntriesTextsLanguageAndEditWindowsThatFollowTheEntry)
{
    const SMorvControl* title = page.GetControl(0);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(std::tuple(title->eKind, title->strText),
              std::tuple(EMorvControlKind::Title, std::string("Monitoring/General_Setting")));
    EXPECT_EQ(page.GetControlText(107), "Monitoring/Address_Add...");
    EXPECT_EQ(page.GetControlText(43), "Receive_PowerSupply_Close 1"); // its box is off
    EXPECT_EQ(page.GetControlIndices(), (std::vector<int>{0, 4, 23, 24, 26, 42, 43, 106, 107}));
    EXPECT_FALSE(page.GetControl(5) || page.SetControlText(5, "x"));
    EXPECT_EQ(std::tuple(page.FindControlByItemId(2016), page.FindControlByItemId(4242)), std::tuple(26, -1));

    page.SetLanguageLookup([](const std::string& key, const std::string&) { return "de:" + key; });
    page.SetControlText(23, "stale");
    EXPECT_EQ(page.SetLanguage(), 1);
    EXPECT_EQ(Strings({page.GetControlText(0), page.GetControlText(23), page.GetControlText(107)}),
              Strings({"de:General_Setting", "de:Receive_Temperature", "de:Address_Add..."}));
}

TEST_F(ControlTableTest, ClicksReachTheirHandlersAndFlipBoxes)
{
    EXPECT_EQ(page.GetControlText(23), "Monitoring/Receive_Temperature");
    Click(page, Centre(24));
    EXPECT_EQ(std::tuple(page.GetCheck(24), page.GetControlText(23)),
              std::tuple(0, std::string("Monitoring/Receive_Temperature_Close")));
    Click(page, Centre(24));
    EXPECT_EQ(page.GetControlText(23), "Monitoring/Receive_Temperature");
    // A formatted label follows its box too, set from code or clicked.
    page.SetCheck(42, 1);
    EXPECT_EQ(page.GetControlText(43), "Receive_PowerSupply 1");
    Click(page, Centre(42));
    EXPECT_EQ(page.GetControlText(43), "Receive_PowerSupply_Close 1");

    Click(page, Centre(107));
    Click(page, Centre(23));
    for (const int y : {185, 205, 160, 240}) // rows 1 and 2, the header, below the rows
        Click(page, {20, y});
    EXPECT_EQ(page.clicks,
              Strings({"check 24 0", "check 24 1", "check 42 0", "button 107", "label 23", "row 106 1", "row 106 2"}));
    EXPECT_EQ(std::tuple(page.HitTestTableRow(106, {20, 185}), page.HitTestTableRow(106, {20, 160}),
                         page.HitTestTableRow(107, {20, 160})),
              std::tuple(1, 0, -1));

    // A release elsewhere, a hidden or a disabled entry: no click.
    page.clicks.clear();
    page.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Centre(107).x, Centre(107).y));
    page.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(390, 290));
    page.ShowControl(107, false);
    Click(page, Centre(107));
    page.ShowControl(107, true);
    page.EnableControl(107, false);
    Click(page, Centre(107));
    EXPECT_TRUE(page.clicks.empty());
    page.EnableControl(107, true);
    Click(page, Centre(107));
    EXPECT_EQ(page.clicks.size(), 1u);

    // Edit entries have windows that follow the entry.
    CMorvEditEx* edit = page.GetEdit(26);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(std::tuple(page.GetDlgItem(2016), edit->GetText()),
              std::tuple(static_cast<CWnd*>(edit), std::string("45")));
    EXPECT_EQ(std::tuple(page.GetDlgItem(2015), page.GetEdit(4)),
              std::tuple(static_cast<CWnd*>(page.GetTimeEdit(4)), static_cast<CMorvEditEx*>(nullptr)));
    page.SetControlRect(26, {10, 125, 80, 149});
    CRect placed = edit->GetWindowRect();
    page.ScreenToClient(placed);
    EXPECT_EQ(placed, CRect(10, 125, 80, 149));
    SMorvControl* entry = page.GetControl(26);
    entry->editRules.eMode = EEditMode::Decimal;
    entry->editRules.dMin = -1;
    page.UpdateControl(26);
    EXPECT_EQ(std::tuple(edit->GetRules().eMode, edit->GetRules().dMin), std::tuple(EEditMode::Decimal, -1.0));
    page.ShowControl(26, false);
    page.EnableControl(26, false);
    EXPECT_EQ(std::tuple(edit->IsWindowVisible(), edit->IsWindowEnabled()), std::tuple(false, false));
    EXPECT_TRUE(page.RemoveControl(26));
    EXPECT_FALSE(page.GetDlgItem(2016) || page.RemoveControl(26));
}

TEST_F(ControlTableTest, ColoursFontsAndStatesWithoutImages)
{
    EXPECT_TRUE(Images().empty());
    // The on box is filled with the selection colour and carries a check mark.
    bool boxFilled = false;
    for (const DrawOp& op : Drawn(DrawOp::Kind::FillRect))
        boxFilled |= op.color == colors.clrSelection && page.GetControl(24)->rect.PtInRect(op.rect.TopLeft());
    EXPECT_TRUE(boxFilled);
    EXPECT_FALSE(Drawn(DrawOp::Kind::Polyline).empty());

    const DrawOp title = Text("Monitoring/General_Setting"), label = Text("Monitoring/Receive_Temperature");
    EXPECT_EQ(std::tuple(title.font.bold, label.font.bold, label.color), std::tuple(true, false, colors.clrText));
    EXPECT_GT(title.font.pixelSize, label.font.pixelSize);
    page.SetControlTextColor(23, RGBColor(23, 91, 170));
    page.SetControlFontSize(23, 30);
    EXPECT_EQ(std::tuple(Text(label.text).color, Text(label.text).font.pixelSize),
              std::tuple(RGBColor(23, 91, 170), 30));

    const Color white{255, 255, 255, 255};
    EXPECT_TRUE(page.SetTableRowColors(106, 2, white, colors.clrSelection));
    EXPECT_FALSE(page.SetTableRowColors(106, 3, white, colors.clrSelection)
                 || page.SetTableRowColors(106, 0, white, colors.clrSelection)); // no such row, the header
    EXPECT_EQ(FillOf(CRect(0, 190, 310, 210)), colors.clrSelection);
    EXPECT_EQ(std::tuple(Text("bo@example.com").color, Text("ann@example.com").color),
              std::tuple(white, colors.clrText));

    const CRect button = page.GetControl(107)->rect;
    EXPECT_EQ(FillOf(button), colors.clrButtonFill);
    MouseMove(page, button.CenterPoint());
    EXPECT_EQ(FillOf(button), colors.clrHover);
    page.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    EXPECT_EQ(FillOf(button), colors.clrButtonDown);
    page.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    page.EnableControl(107, false);
    EXPECT_EQ(FillOf(button), colors.clrDisabledFill);
}

TEST_F(ControlTableTest, CheckBoxesDrawTheImageOfTheirStateAndButtonsTheirImageFolder)
{
    for (const char* name : {"Checked\\Normal", "UnChecked\\Normal", "UnChecked\\Hover"})
        images.Write(std::string("ImageButton\\CheckButton\\") + name + ".png", 16, 16);
    const Strings drawn = Images();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(EndsWithName(drawn[0], "ImageButton\\CheckButton\\Checked\\Normal.png"));   // box 24, on
    EXPECT_TRUE(EndsWithName(drawn[1], "ImageButton\\CheckButton\\UnChecked\\Normal.png")); // box 42, off
    MouseMove(page, Centre(42));
    EXPECT_TRUE(EndsWithName(Images()[1], "ImageButton\\CheckButton\\UnChecked\\Hover.png"));

    images.Write("ToolBar\\Setting\\Normal.png", 20, 20);
    images.Write("ToolBar\\Setting\\Disable.png", 20, 20);
    images.Write("ToolBar\\Save\\Normal.png", 16, 16);
    page.AddControl(67, EMorvControlKind::Button, {200, 90, 224, 114}).strImageFolder = "ToolBar\\Setting";
    page.EnableControl(67, false);
    page.AddControl(68, EMorvControlKind::Button, {200, 120, 330, 144}, "1920x1080@60.000Hz").strImageFolder
        = "ToolBar\\Save";
    const auto ops = Drawn(DrawOp::Kind::Image);
    ASSERT_EQ(ops.size(), 4u); // after the two boxes
    // An image alone, disabled: its Disable file and no face drawn under it.
    EXPECT_TRUE(EndsWithName(ops[2].image, "ToolBar\\Setting\\Disable.png"));
    EXPECT_EQ(ops[2].rect, CRect(202, 92, 222, 112));
    EXPECT_EQ(FillOf(CRect(200, 90, 224, 114)), Color{});
    // With a text, the image sits in the square at the right end and the text keeps clear of it.
    EXPECT_EQ(ops[3].rect, CRect(310, 124, 326, 140));
    EXPECT_EQ(Text("1920x1080@60.000Hz").rect, CRect(200, 120, 306, 144));
}

} // namespace
