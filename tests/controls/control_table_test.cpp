#include "controls/base_dlg.h"
#include "controls/density.h"
#include "controls/edit.h"
#include "controls/skin.h"
#include "controls/time_edit.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlText, KeyStateSuffixAndArguments)
{
    // Keys look "Section/key" up; the Power keys are formats.
    const auto lookup = [](const std::string& key, const std::string& section) {
        if (key == "Power")
            return std::string("Power supply %d");
        if (key == "Power_Close")
            return std::string("Off %d %s");
        return section + "/" + key;
    };
    const struct {
        const char *text, *key, *suffix;
        int checkSource;
        bool checked;
        std::vector<plat::FormatArg> args;
        const char* expected;
    } cases[] = {
        {"x", "", "", -1, true, {}, "x"}, // plain text without a key
        {"", "Temp", "", 24, true, {}, "Monitoring/Temp"},
        {"", "Temp", "", 24, false, {}, "Monitoring/Temp_Close"}, // its box is off
        {"", "Temp", "", -1, false, {}, "Monitoring/Temp"},       // no box: the key alone
        {"", "Add", "...", -1, true, {}, "Monitoring/Add..."},
        {"", "Power", "", -1, true, {2}, "Power supply 2"},
        // A stray conversion in a language text is copied, never read past the arguments.
        {"", "Power", "", 3, false, {2}, "Off 2 %s"},
    };
    for (const auto& k : cases) {
        SMorvControl c;
        c.strText = k.text;
        c.strKey = k.key;
        c.strSection = "Monitoring";
        c.strSuffix = k.suffix;
        c.nCheckSource = k.checkSource;
        c.formatArgs = k.args;
        EXPECT_EQ(morv::ResolveControlText(c, k.checked, lookup), k.expected);
    }
}

TEST(TableGeometry, ColumnsShareTheWidthByWeight)
{
    SMorvControl c;
    c.eKind = EMorvControlKind::Table;
    c.rect = {10, 100, 320, 220};
    c.table.columnWeights = {50, 100};
    c.table.nRowHeight = 20;
    c.table.rows.resize(5);
    EXPECT_EQ(morv::TableRowCount(c.table), 6);
    EXPECT_EQ(morv::TableCellRect(c, 0, 0), CRect(10, 100, 113, 120));
    EXPECT_EQ(morv::TableCellRect(c, 0, 1), CRect(113, 100, 320, 120));
    EXPECT_EQ(morv::TableRowRect(c, 5), CRect(10, 200, 320, 220));
    EXPECT_TRUE(morv::TableRowRect(c, 6).IsRectNull());
    EXPECT_TRUE(morv::TableCellRect(c, 1, 2).IsRectNull());
}

TEST(TableGeometry, RowUnderAPoint)
{
    SMorvControl c;
    c.rect = {0, 0, 100, 500};
    c.table.nRowHeight = 20;
    c.table.rows.resize(2);
    EXPECT_EQ(morv::TableRowAt(c, {5, 5}), 0);
    EXPECT_EQ(morv::TableRowAt(c, {5, 20}), 1);
    EXPECT_EQ(morv::TableRowAt(c, {99, 59}), 2);
    EXPECT_EQ(morv::TableRowAt(c, {5, 60}), -1);  // below the last row
    EXPECT_EQ(morv::TableRowAt(c, {100, 5}), -1); // right edge is outside
    EXPECT_EQ(morv::TableRowAt(c, {5, -1}), -1);
}

// A settings-like page: a label that follows a box, a formatted box label,
// buttons, an edit and a recipient table.
class TablePage : public CMorvBaseDlg {
public:
    std::vector<std::string> clicks;

protected:
    int InitControls() override
    {
        SetLanguageLookup([](const std::string& key, const std::string& section) {
            if (key == "Receive_PowerSupply" || key == "Receive_PowerSupply_Close")
                return key + " %d";
            return section + "/" + key;
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

class ControlTableTest : public ScriptedTest {
protected:
    void SetUp() override
    {
        ScriptedTest::SetUp();
        morv::SetDensity(1.0);
        CMorvSkin::Instance().SetImageRoot(images.Root());
        ASSERT_TRUE(page.Create(2010, &host));
        page.MoveWindow({0, 0, 400, 300});
    }
    void TearDown() override
    {
        CMorvSkin::Instance().SetImageRoot({});
        morv::SetDensity(0);
        ScriptedTest::TearDown();
    }
    static CPoint Centre(const SMorvControl* c) { return c->rect.CenterPoint(); }

    TempImages images;
    HostWindow host;
    TablePage page;
};

TEST_F(ControlTableTest, EntriesKeepTheirRecords)
{
    const SMorvControl* title = page.GetControl(0);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->eKind, EMorvControlKind::Title);
    EXPECT_EQ(title->strText, "Monitoring/General_Setting");
    EXPECT_EQ(page.GetControlText(107), "Monitoring/Address_Add...");
    EXPECT_EQ(page.GetControlText(43), "Receive_PowerSupply_Close 1"); // its box is off
    EXPECT_EQ(page.GetControlIndices(), (std::vector<int>{0, 4, 23, 24, 26, 42, 43, 106, 107}));
    EXPECT_EQ(page.GetControl(5), nullptr);
    EXPECT_FALSE(page.SetControlText(5, "x"));
    EXPECT_EQ(page.FindControlByItemId(2016), 26);
    EXPECT_EQ(page.FindControlByItemId(4242), -1);
}

TEST_F(ControlTableTest, CheckBoxClickFlipsAndRelabelsItsLabel)
{
    EXPECT_EQ(page.GetControlText(23), "Monitoring/Receive_Temperature");
    Click(page, Centre(page.GetControl(24)));
    EXPECT_EQ(page.GetCheck(24), 0);
    EXPECT_EQ(page.GetControlText(23), "Monitoring/Receive_Temperature_Close");
    EXPECT_EQ(page.clicks, std::vector<std::string>{"check 24 0"});
    Click(page, Centre(page.GetControl(24)));
    EXPECT_EQ(page.GetControlText(23), "Monitoring/Receive_Temperature");
    EXPECT_EQ(page.clicks.back(), "check 24 1");
    // A formatted label follows its box too, set from code or clicked.
    page.SetCheck(42, 1);
    EXPECT_EQ(page.GetControlText(43), "Receive_PowerSupply 1");
    Click(page, Centre(page.GetControl(42)));
    EXPECT_EQ(page.GetControlText(43), "Receive_PowerSupply_Close 1");
}

TEST_F(ControlTableTest, SetLanguageReadsEveryKeyedTextAgain)
{
    page.SetLanguageLookup([](const std::string& key, const std::string&) { return "de:" + key; });
    page.SetControlText(23, "stale");
    EXPECT_EQ(page.SetLanguage(), 1);
    EXPECT_EQ(page.GetControlText(0), "de:General_Setting");
    EXPECT_EQ(page.GetControlText(23), "de:Receive_Temperature");
    EXPECT_EQ(page.GetControlText(107), "de:Address_Add...");
}

TEST_F(ControlTableTest, ButtonLabelAndRowClicksReachTheirHandlers)
{
    Click(page, Centre(page.GetControl(107)));
    Click(page, Centre(page.GetControl(23)));
    Click(page, {20, 185}); // row 1
    Click(page, {20, 205}); // row 2
    Click(page, {20, 160}); // header: not a row
    Click(page, {20, 240}); // below the rows
    EXPECT_EQ(page.clicks, (std::vector<std::string>{"button 107", "label 23", "row 106 1", "row 106 2"}));
    EXPECT_EQ(page.HitTestTableRow(106, {20, 185}), 1);
    EXPECT_EQ(page.HitTestTableRow(106, {20, 160}), 0);
    EXPECT_EQ(page.HitTestTableRow(107, {20, 160}), -1);
}

TEST_F(ControlTableTest, ReleasesElsewhereAndHiddenOrDisabledEntriesMakeNoClick)
{
    const CPoint inside = Centre(page.GetControl(107));
    page.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    page.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(390, 290));
    page.ShowControl(107, false);
    Click(page, Centre(page.GetControl(107)));
    page.ShowControl(107, true);
    page.EnableControl(107, false);
    Click(page, Centre(page.GetControl(107)));
    EXPECT_TRUE(page.clicks.empty());
    page.EnableControl(107, true);
    Click(page, Centre(page.GetControl(107)));
    EXPECT_EQ(page.clicks.size(), 1u);
}

TEST_F(ControlTableTest, EditEntriesHaveWindowsThatFollowTheEntry)
{
    CMorvEditEx* edit = page.GetEdit(26);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(page.GetDlgItem(2016), edit);
    EXPECT_EQ(edit->GetText(), "45");
    EXPECT_EQ(page.GetDlgItem(2015), page.GetTimeEdit(4));
    EXPECT_EQ(page.GetEdit(4), nullptr);

    page.SetControlRect(26, {10, 125, 80, 149});
    CRect placed = edit->GetWindowRect();
    page.ScreenToClient(placed);
    EXPECT_EQ(placed, CRect(10, 125, 80, 149));
    SMorvControl* entry = page.GetControl(26);
    entry->editRules.eMode = EEditMode::Decimal;
    entry->editRules.dMin = -1;
    page.UpdateControl(26);
    EXPECT_EQ(edit->GetRules().eMode, EEditMode::Decimal);
    EXPECT_DOUBLE_EQ(edit->GetRules().dMin, -1);
    page.ShowControl(26, false);
    EXPECT_FALSE(edit->IsWindowVisible());
    page.EnableControl(26, false);
    EXPECT_FALSE(edit->IsWindowEnabled());

    EXPECT_TRUE(page.RemoveControl(26));
    EXPECT_EQ(page.GetDlgItem(2016), nullptr);
    EXPECT_FALSE(page.RemoveControl(26));
}

TEST_F(ControlTableTest, CheckBoxDrawsTheImageOfItsState)
{
    images.Write("ImageButton\\CheckButton\\Checked\\Normal.png", 16, 16);
    images.Write("ImageButton\\CheckButton\\UnChecked\\Normal.png", 16, 16);
    images.Write("ImageButton\\CheckButton\\UnChecked\\Hover.png", 16, 16);
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    auto drawn = ImagesDrawn(canvas);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(EndsWithName(drawn[0], "ImageButton\\CheckButton\\Checked\\Normal.png"));   // box 24, on
    EXPECT_TRUE(EndsWithName(drawn[1], "ImageButton\\CheckButton\\UnChecked\\Normal.png")); // box 42, off

    MouseMove(page, Centre(page.GetControl(42)));
    canvas.Clear();
    page.DrawTo(canvas);
    drawn = ImagesDrawn(canvas);
    EXPECT_TRUE(EndsWithName(drawn[1], "ImageButton\\CheckButton\\UnChecked\\Hover.png"));
}

TEST_F(ControlTableTest, CheckBoxWithoutImagesStillShowsItsState)
{
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    EXPECT_TRUE(ImagesDrawn(canvas).empty());
    // The on box is filled with the selection colour and carries a check mark.
    bool selectionFill = false;
    for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::FillRect))
        if (op.color == CMorvSkin::Instance().GetColors().clrSelection
            && page.GetControl(24)->rect.PtInRect(op.rect.TopLeft()))
            selectionFill = true;
    EXPECT_TRUE(selectionFill);
    EXPECT_FALSE(OpsOf(canvas, DrawOp::Kind::Polyline).empty());
}

TEST_F(ControlTableTest, TextsAreDrawnInTheSkinsFontOrTheEntrysOwn)
{
    const auto drawn = [this](const std::string& text) {
        RecordingCanvas canvas;
        page.DrawTo(canvas);
        for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::Text))
            if (op.text == text)
                return op;
        ADD_FAILURE() << text << " is not drawn";
        return DrawOp{};
    };
    const DrawOp title = drawn("Monitoring/General_Setting");
    const DrawOp label = drawn("Monitoring/Receive_Temperature");
    EXPECT_TRUE(title.font.bold);
    EXPECT_FALSE(label.font.bold);
    EXPECT_EQ(label.color, CMorvSkin::Instance().GetColors().clrText);
    EXPECT_GT(title.font.pixelSize, label.font.pixelSize);
    page.SetControlTextColor(23, RGBColor(23, 91, 170));
    page.SetControlFontSize(23, 30);
    EXPECT_EQ(drawn("Monitoring/Receive_Temperature").color, RGBColor(23, 91, 170));
    EXPECT_EQ(drawn("Monitoring/Receive_Temperature").font.pixelSize, 30);
}

TEST_F(ControlTableTest, TableRowsTakeTheirColours)
{
    const Color selection = CMorvSkin::Instance().GetColors().clrSelection;
    const Color white{255, 255, 255, 255};
    EXPECT_TRUE(page.SetTableRowColors(106, 2, white, selection));
    EXPECT_FALSE(page.SetTableRowColors(106, 3, white, selection));
    EXPECT_FALSE(page.SetTableRowColors(106, 0, white, selection));
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    bool rowFilled = false;
    for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::FillRect))
        if (op.rect == CRect(0, 190, 310, 210) && op.color == selection)
            rowFilled = true;
    EXPECT_TRUE(rowFilled);
    for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::Text)) {
        if (op.text == "bo@example.com") {
            EXPECT_EQ(op.color, white);
        }
        if (op.text == "ann@example.com") {
            EXPECT_EQ(op.color, CMorvSkin::Instance().GetColors().clrText);
        }
    }
}

TEST_F(ControlTableTest, ButtonLooksFollowHoverAndPress)
{
    const SSkinColors& c = CMorvSkin::Instance().GetColors();
    const CRect button = page.GetControl(107)->rect;
    auto fillOf = [&] {
        RecordingCanvas canvas;
        page.DrawTo(canvas);
        for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::FillRect))
            if (op.rect == button)
                return op.color;
        return Color{};
    };
    EXPECT_EQ(fillOf(), c.clrButtonFill);
    MouseMove(page, button.CenterPoint());
    EXPECT_EQ(fillOf(), c.clrHover);
    page.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    EXPECT_EQ(fillOf(), c.clrButtonDown);
    page.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    page.EnableControl(107, false);
    EXPECT_EQ(fillOf(), c.clrDisabledFill);
}

TEST_F(ControlTableTest, ButtonWithAnImageFolderDrawsItsStateFiles)
{
    images.Write("ToolBar\\Setting\\Normal.png", 20, 20);
    images.Write("ToolBar\\Setting\\Disable.png", 20, 20);
    page.AddControl(67, EMorvControlKind::Button, {200, 90, 224, 114}).strImageFolder = "ToolBar\\Setting";
    page.EnableControl(67, false);
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    const auto drawn = OpsOf(canvas, DrawOp::Kind::Image);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_TRUE(EndsWithName(drawn[0].image, "ToolBar\\Setting\\Disable.png"));
    EXPECT_EQ(drawn[0].rect, CRect(202, 92, 222, 112));
    // An image alone: no face drawn under it.
    for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::FillRect))
        EXPECT_NE(op.rect, CRect(200, 90, 224, 114));
}

TEST_F(ControlTableTest, ButtonWithImageAndTextPutsTheImageAtItsRightEnd)
{
    images.Write("ToolBar\\Setting\\Normal.png", 16, 16);
    SMorvControl& cell = page.AddControl(67, EMorvControlKind::Button, {200, 90, 330, 114}, "1920x1080@60.000Hz");
    cell.strImageFolder = "ToolBar\\Setting";
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    const auto drawn = OpsOf(canvas, DrawOp::Kind::Image);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].rect, CRect(310, 94, 326, 110)); // in the square at the right end
    for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::Text))
        if (op.text == "1920x1080@60.000Hz") {
            EXPECT_EQ(op.rect, CRect(200, 90, 306, 114)); // the text keeps clear of the image
        }
}

} // namespace
