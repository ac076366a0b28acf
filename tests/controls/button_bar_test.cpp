#include "controls/button_bar.h"
#include "controls/density.h"
#include "controls/skin.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// A toolbar-like pane: items 1..4 are buttons, 5 a separator, 6 a
// drop-down (zoom), 7 a check item, 8 and 9 radio items, 10 a warning mark.
class BarPage : public CMorvBaseDlg {
public:
    CMorvButtonBar bar{this, 11};
    Strings events;

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
        for (const auto& [item, kind] : {std::pair(5, BarSeparator), std::pair(6, BarDropDown), std::pair(7, BarCheck),
                                         std::pair(8, BarRadio), std::pair(9, BarRadio)})
            bar.SetItemKind(item, kind);
        bar.SetItemStyle(5, 5);
        bar.SetItemImage(5, "ToolBar\\splitline.png");
        bar.SetItemCaption(6, "100%");
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

class ButtonBarTest : public SkinnedTest {
protected:
    void SetUp() override
    {
        SkinnedTest::SetUp();
        for (const char* state : {"Normal", "Hover", "Down", "Disable", "Checked"})
            images.Write(std::string("ToolBar\\Open\\") + state + ".png", 38, 31);
        images.Write("ToolBar\\Save\\Normal.png", 38, 31);
        images.Write("ToolBar\\splitline.png", 2, 24);
        ASSERT_TRUE(page.Create(2008, &host));
        page.MoveWindow({0, 0, 500, 32});
    }
    std::vector<DrawOp> Drawn(DrawOp::Kind kind) { return ::Drawn(page, kind); }
    // The image drawn for an item, by the item's rectangle.
    DrawOp DrawnOp(int item)
    {
        for (const DrawOp& op : Drawn(DrawOp::Kind::Image))
            if (page.bar.GetItem(item)->rect.PtInRect(op.rect.TopLeft()))
                return op;
        return {};
    }
    std::string DrawnFor(int item) { return DrawnOp(item).image; }
    void Press(int item) { page.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At(item).x, At(item).y)); }
    void Release(int item) { page.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(At(item).x, At(item).y)); }
    static CPoint At(int item) { return {(item - 1) * 40 + 19, 15}; }

    BarPage page;
};

TEST_F(ButtonBarTest, RegistrationImagesOfEachStateMarksIconsCaptionsAndAHandlerDestroyingItsBar)
{
    EXPECT_EQ(page.GetBars(), std::vector<CMorvButtonBar*>{&page.bar});
    {
        CMorvButtonBar second(&page, 2);
        EXPECT_EQ(std::tuple(page.GetBars().size(), second.GetOwner()), std::tuple(2u, static_cast<CWnd*>(&page)));
    }
    EXPECT_EQ(page.GetBars().size(), 1u);
    EXPECT_EQ(std::tuple(page.bar.GetItemCount(), page.bar.GetItem(11), page.bar.GetItem(-1)),
              std::tuple(11, static_cast<SBarItem*>(nullptr), static_cast<SBarItem*>(nullptr)));
    EXPECT_FALSE(page.bar.SetItemVisible(11, true));

    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Normal.png"));
    MouseMove(page, At(1));
    EXPECT_EQ(page.bar.GetHoverItem(), 1);
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Hover.png"));
    Press(1);
    EXPECT_EQ(page.bar.GetPressedItem(), 1);
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Down.png"));
    Release(1);
    page.bar.SetItemChecked(1, true);
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Checked.png"));
    page.bar.SetItemEnabled(1, false);
    EXPECT_TRUE(EndsWithName(DrawnFor(1), "ToolBar\\Open\\Disable.png"));
    // A missing state file draws Normal, from the density folder.
    MouseMove(page, At(2));
    EXPECT_TRUE(EndsWithName(DrawnFor(2), "ToolBar\\Save\\Normal.png"));
    page.bar.SetItemEnabled(2, false);
    EXPECT_TRUE(EndsWithName(DrawnFor(2), "ToolBar\\Save\\Normal.png"));
    // A separator draws its file and is no target.
    EXPECT_TRUE(EndsWithName(DrawnFor(5), "ToolBar\\splitline.png"));
    EXPECT_EQ(page.bar.HitTest(At(5)), -1);

    // The warning mark shows only with its flag and takes no input; a button carries it in its corner.
    auto dotsIn = [&](int item) {
        int n = 0;
        for (const DrawOp& op : Drawn(DrawOp::Kind::FillEllipse))
            if (page.bar.GetItem(item)->rect.PtInRect(op.rect.TopLeft())) {
                EXPECT_EQ(op.color, CMorvSkin::Instance().GetColors().clrWarningFill);
                ++n;
            }
        return n;
    };
    EXPECT_EQ(dotsIn(10), 0);
    page.bar.SetItemWarning(10, true);
    EXPECT_EQ(std::tuple(dotsIn(10), page.bar.HitTest(At(10))), std::tuple(1, -1));
    page.bar.SetItemWarning(10, false);
    page.bar.SetItemWarning(3, true);
    EXPECT_EQ(std::tuple(dotsIn(10), dotsIn(3)), std::tuple(0, 1));
    images.Write("Monitor\\Warning\\Normal.png", 8, 8);
    page.bar.SetItemImage(10, "Monitor\\Warning");
    page.bar.SetItemWarning(10, true);
    EXPECT_TRUE(EndsWithName(DrawnFor(10), "Monitor\\Warning\\Normal.png"));

    // An icon at its natural size, centred in its image rectangle; the drop-down's caption.
    images.Write("Monitor\\Temperature\\Normal.png", 30, 24);
    page.bar.SetItemIcon(4, "Monitor\\Temperature\\Normal.png", {123, 3, 154, 27});
    EXPECT_TRUE(EndsWithName(DrawnFor(4), "Monitor\\Temperature\\Normal.png"));
    EXPECT_EQ(DrawnOp(4).rect, CRect(123, 3, 153, 27));
    const auto texts = Drawn(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "100%");
    EXPECT_TRUE(page.bar.GetItem(6)->rect.PtInRect(texts[0].rect.TopLeft()));

    images.Write("DPI150\\ToolBar\\Save\\Normal.png", 57, 46);
    morv::SetDensity(1.5);
    EXPECT_TRUE(EndsWithName(DrawnFor(2), "DPI150\\ToolBar\\Save\\Normal.png"));

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

TEST_F(ButtonBarTest, ATextButtonKeepsItsFrameClicksSelectsWheelsAndTooltips)
{
    // A text button without images keeps its frame in every state.
    page.bar.SetItemCaption(3, "Set...");
    const auto frames = [&] {
        const auto ops = Drawn(DrawOp::Kind::DrawRect);
        return std::count_if(ops.begin(), ops.end(),
                             [&](const DrawOp& op) { return op.rect == page.bar.GetItem(3)->rect; });
    };
    EXPECT_EQ(std::tuple(page.bar.GetHoverItem(), frames()), std::tuple(-1, 1));
    MouseMove(page, At(3));
    EXPECT_EQ(std::tuple(page.bar.GetHoverItem(), frames()), std::tuple(3, 1));
    Click(page, At(3));
    Click(page, At(1));
    page.bar.SetItemEnabled(3, false);
    page.bar.SetItemVisible(4, false);
    for (int item : {3, 4, 5}) // disabled, hidden, a separator
        Click(page, At(item));
    Press(1); // released on another item: no click
    Release(2);
    EXPECT_EQ(page.bar.GetPressedItem(), -1);
    EXPECT_EQ(page.events, Strings({"click 3", "click 1"}));

    page.events.clear();
    Press(6); // a drop-down reports select on the press
    EXPECT_EQ(page.events, Strings{"select 6"});
    Release(6);
    Click(page, At(7)); // a check item flips and reports click then select
    EXPECT_TRUE(page.bar.GetItem(7)->bChecked);
    Click(page, At(7));
    EXPECT_FALSE(page.bar.GetItem(7)->bChecked);
    EXPECT_EQ(page.events, Strings({"select 6", "click 7", "select 7", "click 7", "select 7"}));
    Click(page, At(8)); // radio items of a group check one at a time
    EXPECT_TRUE(page.bar.GetItem(8)->bChecked);
    Click(page, At(9));
    EXPECT_EQ(std::tuple(page.bar.GetItem(7)->bChecked, page.bar.GetItem(8)->bChecked, page.bar.GetItem(9)->bChecked),
              std::tuple(false, false, true));

    page.events.clear();
    Wheel(page, At(6), -120);
    Wheel(page, At(2), 240);
    Wheel(page, {480, 15}, 120); // over no item
    EXPECT_EQ(page.events, Strings({"wheel 6 -120", "wheel 2 240"}));

    MouseMove(page, At(1));
    EXPECT_EQ(page.bar.GetShownTooltip(), "");
    page.DeliverMessage(WM_MOUSEHOVER, 0, MAKELPARAM(At(1).x, At(1).y));
    EXPECT_EQ(page.bar.GetShownTooltip(), "Open(Ctrl+O)");
    MouseMove(page, At(2));
    EXPECT_EQ(page.bar.GetShownTooltip(), "");
    page.DeliverMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(page.bar.GetHoverItem(), -1);
}

} // namespace
