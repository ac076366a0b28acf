#include "controls/button_bar.h"
#include "controls/density.h"
#include "controls/skin.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

// A toolbar-like pane: items 1..4 are buttons, 5 a separator, 6 a
// drop-down (zoom), 7 a check item, 8 and 9 radio items, 10 a warning mark.
class BarPage : public CMorvBaseDlg {
public:
    CMorvButtonBar bar{this, 11};
    std::vector<std::string> events;

protected:
    int InitControls() override
    {
        for (int i = 1; i <= 10; ++i) {
            bar.SetItemRect(i, {(i - 1) * 40, 0, (i - 1) * 40 + 38, 31});
            bar.SetItemVisible(i, true);
        }
        bar.SetItemImage(1, "ToolBar\\Open");
        bar.SetItemTooltip(1, "Open(Ctrl+O)");
        bar.SetItemImage(2, "ToolBar\\Save");
        bar.SetItemKind(5, BarSeparator);
        bar.SetItemStyle(5, 5);
        bar.SetItemImage(5, "ToolBar\\splitline.png");
        bar.SetItemKind(6, BarDropDown);
        bar.SetItemCaption(6, "100%");
        bar.SetItemKind(7, BarCheck);
        bar.SetItemKind(8, BarRadio);
        bar.SetItemKind(9, BarRadio);
        bar.SetItemDrawType(10, BarDrawWarningMark);
        return 1;
    }
    void OnBarItemClick(CMorvButtonBar&, int item) override { events.push_back("click " + std::to_string(item)); }
    void OnBarItemSelect(CMorvButtonBar&, int item) override { events.push_back("select " + std::to_string(item)); }
    bool OnBarItemWheel(CMorvButtonBar&, int item, short delta) override
    {
        events.push_back("wheel " + std::to_string(item) + " " + std::to_string(delta));
        return item == 6;
    }
};

class ButtonBarTest : public ScriptedTest {
protected:
    void SetUp() override
    {
        ScriptedTest::SetUp();
        morv::SetDensity(1.0);
        CMorvSkin::Instance().SetImageRoot(images.Root());
        for (const char* state : {"Normal", "Hover", "Down", "Disable", "Checked"})
            images.Write(std::string("ToolBar\\Open\\") + state + ".png", 38, 31);
        images.Write("ToolBar\\Save\\Normal.png", 38, 31);
        images.Write("ToolBar\\splitline.png", 2, 24);
        ASSERT_TRUE(page.Create(2008, &host));
        page.MoveWindow({0, 0, 500, 32});
    }
    void TearDown() override
    {
        CMorvSkin::Instance().SetImageRoot({});
        morv::SetDensity(0);
        ScriptedTest::TearDown();
    }
    // The image drawn for an item, by the item's rectangle.
    std::string DrawnFor(int item)
    {
        RecordingCanvas canvas;
        page.DrawTo(canvas);
        const CRect rect = page.bar.GetItem(item)->rect;
        for (const DrawOp& op : canvas.Ops())
            if (op.kind == DrawOp::Kind::Image && rect.PtInRect(op.rect.TopLeft()))
                return op.image;
        return {};
    }
    static CPoint At(int item) { return {(item - 1) * 40 + 19, 15}; }

    TempImages images;
    HostWindow host;
    BarPage page;
};

TEST_F(ButtonBarTest, BarsRegisterWithTheirDialog)
{
    ASSERT_EQ(page.GetBars().size(), 1u);
    EXPECT_EQ(page.GetBars()[0], &page.bar);
    {
        CMorvButtonBar second(&page, 2);
        EXPECT_EQ(page.GetBars().size(), 2u);
        EXPECT_EQ(second.GetOwner(), &page);
    }
    EXPECT_EQ(page.GetBars().size(), 1u);
}

TEST_F(ButtonBarTest, ItemsAreIndexedRecords)
{
    EXPECT_EQ(page.bar.GetItemCount(), 11);
    EXPECT_EQ(page.bar.GetItem(11), nullptr);
    EXPECT_EQ(page.bar.GetItem(-1), nullptr);
    EXPECT_FALSE(page.bar.SetItemVisible(11, true));
    EXPECT_EQ(page.bar.GetItem(5)->nKind, BarSeparator);
    EXPECT_EQ(page.bar.GetItem(5)->nStyle, 5);
    EXPECT_EQ(page.bar.GetItem(1)->strTooltip, "Open(Ctrl+O)");
    EXPECT_FALSE(page.bar.GetItem(0)->bVisible);
}

TEST_F(ButtonBarTest, StateFilesByState)
{
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Normal.png"));
    MouseMove(page, At(1));
    EXPECT_EQ(page.bar.GetHoverItem(), 1);
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Hover.png"));
    page.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At(1).x, At(1).y));
    EXPECT_EQ(page.bar.GetPressedItem(), 1);
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Down.png"));
    page.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(At(1).x, At(1).y));
    page.bar.SetItemChecked(1, true);
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Checked.png"));
    page.bar.SetItemEnabled(1, false);
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Disable.png"));
}

TEST_F(ButtonBarTest, MissingStateFileDrawsNormalFromTheDensityFolder)
{
    MouseMove(page, At(2));
    EXPECT_TRUE(EndsWithName(DrawnFor(2), "ToolBar\\Save\\Normal.png"));
    page.bar.SetItemEnabled(2, false);
    EXPECT_TRUE(EndsWithName(DrawnFor(2), "ToolBar\\Save\\Normal.png"));
    images.Write("DPI150\\ToolBar\\Save\\Normal.png", 57, 46);
    morv::SetDensity(1.5);
    EXPECT_TRUE(EndsWithName(DrawnFor(2), "DPI150\\ToolBar\\Save\\Normal.png"));
}

TEST_F(ButtonBarTest, SeparatorDrawsItsFileAndIsNoTarget)
{
    EXPECT_TRUE(EndsWithName(DrawnFor(5), "ToolBar\\splitline.png"));
    EXPECT_EQ(page.bar.HitTest(At(5)), -1);
}

TEST_F(ButtonBarTest, ClickReportsTheItemUnlessDisabledHiddenOrASeparator)
{
    Click(page, At(3));
    Click(page, At(1));
    page.bar.SetItemEnabled(3, false);
    page.bar.SetItemVisible(4, false);
    for (int item : {3, 4, 5})
        Click(page, At(item));
    EXPECT_EQ(page.events, (std::vector<std::string>{"click 3", "click 1"}));
}

TEST_F(ButtonBarTest, ReleaseOnAnotherItemIsNoClick)
{
    page.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At(1).x, At(1).y));
    page.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(At(2).x, At(2).y));
    EXPECT_TRUE(page.events.empty());
    EXPECT_EQ(page.bar.GetPressedItem(), -1);
}

TEST_F(ButtonBarTest, DropDownReportsSelectOnThePress)
{
    page.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At(6).x, At(6).y));
    EXPECT_EQ(page.events, std::vector<std::string>{"select 6"});
    page.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(At(6).x, At(6).y));
    EXPECT_EQ(page.events.size(), 1u);
}

TEST_F(ButtonBarTest, CheckItemFlipsAndReportsClickThenSelect)
{
    Click(page, At(7));
    EXPECT_TRUE(page.bar.GetItem(7)->bChecked);
    Click(page, At(7));
    EXPECT_FALSE(page.bar.GetItem(7)->bChecked);
    EXPECT_EQ(page.events, (std::vector<std::string>{"click 7", "select 7", "click 7", "select 7"}));
}

TEST_F(ButtonBarTest, RadioItemsOfAGroupCheckOneAtATime)
{
    Click(page, At(8));
    EXPECT_TRUE(page.bar.GetItem(8)->bChecked);
    Click(page, At(9));
    EXPECT_FALSE(page.bar.GetItem(8)->bChecked);
    EXPECT_TRUE(page.bar.GetItem(9)->bChecked);
    EXPECT_FALSE(page.bar.GetItem(7)->bChecked);
}

TEST_F(ButtonBarTest, WheelOverAnItemReportsItsIndexAndDelta)
{
    Wheel(page, At(6), -120);
    Wheel(page, At(2), 240);
    Wheel(page, {480, 15}, 120); // over no item
    EXPECT_EQ(page.events, (std::vector<std::string>{"wheel 6 -120", "wheel 2 240"}));
}

TEST_F(ButtonBarTest, WarningMarkShowsOnlyWithItsFlag)
{
    auto dotsIn = [&](const CRect& rect) {
        RecordingCanvas canvas;
        page.DrawTo(canvas);
        int n = 0;
        for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::FillEllipse))
            if (rect.PtInRect(op.rect.TopLeft())) {
                EXPECT_EQ(op.color, CMorvSkin::Instance().GetColors().clrWarningFill);
                ++n;
            }
        return n;
    };
    const CRect mark = page.bar.GetItem(10)->rect;
    EXPECT_EQ(dotsIn(mark), 0);
    page.bar.SetItemWarning(10, true);
    EXPECT_EQ(dotsIn(mark), 1);
    EXPECT_EQ(page.bar.HitTest(At(10)), -1); // a mark takes no input
    page.bar.SetItemWarning(10, false);
    EXPECT_EQ(dotsIn(mark), 0);
    // A button with its warning flag carries the mark in its corner.
    page.bar.SetItemWarning(3, true);
    EXPECT_EQ(dotsIn(page.bar.GetItem(3)->rect), 1);
}

TEST_F(ButtonBarTest, WarningMarkUsesItsImageWhenItHasOne)
{
    images.Write("Monitor\\Warning\\Normal.png", 8, 8);
    page.bar.SetItemImage(10, "Monitor\\Warning");
    page.bar.SetItemWarning(10, true);
    EXPECT_TRUE(EndsWithName(DrawnFor(10), "Monitor\\Warning\\Normal.png"));
}

TEST_F(ButtonBarTest, IconIsDrawnInItsImageRectangle)
{
    images.Write("Monitor\\Temperature\\Normal.png", 30, 24);
    page.bar.SetItemIcon(3, "Monitor\\Temperature\\Normal.png", {83, 3, 114, 27});
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    bool found = false;
    for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::Image))
        if (EndsWithName(op.image, "Monitor\\Temperature\\Normal.png")) {
            found = true;
            EXPECT_EQ(op.rect, CRect(83, 3, 113, 27)); // natural size, centred in the image rectangle
        }
    EXPECT_TRUE(found);
}

TEST_F(ButtonBarTest, CaptionOfADropDownIsDrawn)
{
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    const auto texts = OpsOf(canvas, DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "100%");
    EXPECT_TRUE(page.bar.GetItem(6)->rect.PtInRect(texts[0].rect.TopLeft()));
}

TEST_F(ButtonBarTest, TooltipShowsAfterHoverAndGoesOnLeave)
{
    MouseMove(page, At(1));
    EXPECT_EQ(page.bar.GetShownTooltip(), "");
    page.DeliverMessage(WM_MOUSEHOVER, 0, MAKELPARAM(At(1).x, At(1).y));
    EXPECT_EQ(page.bar.GetShownTooltip(), "Open(Ctrl+O)");
    MouseMove(page, At(2));
    EXPECT_EQ(page.bar.GetShownTooltip(), "");
    page.DeliverMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(page.bar.GetHoverItem(), -1);
}

TEST_F(ButtonBarTest, HandlerDestroyingTheBarIsSafe)
{
    struct DyingPage : CMorvBaseDlg {
        std::unique_ptr<CMorvButtonBar> bar = std::make_unique<CMorvButtonBar>(this, 2);
        int clicks = 0;
        void OnBarItemClick(CMorvButtonBar&, int) override
        {
            ++clicks;
            bar.reset();
        }
    } dying;
    ASSERT_TRUE(dying.Create(9, &host));
    dying.MoveWindow({0, 0, 100, 40});
    dying.bar->SetItemKind(1, BarCheck);
    dying.bar->SetItemRect(1, {0, 0, 30, 30});
    dying.bar->SetItemVisible(1, true);
    Click(dying, {5, 5});
    EXPECT_EQ(dying.clicks, 1);
    EXPECT_EQ(dying.bar, nullptr);
}

} // namespace
