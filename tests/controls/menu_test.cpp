#include "controls/pop_menu.h"
#include "controls_test_support.h"
#include "menu_widget.h"
#include "widgets_test_support.h"

#include <QAction>
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// The view's context menu: a side sub-menu with check marks, an exchange
// item and a disabled demarcate item.
void BuildContextMenu(CCusPopMenu& menu)
{
    CCusPopMenu& side = menu.AppendSubMenu("Place position");
    side.AppendMenu(MF_STRING | MF_CHECKED, 3, "Left");
    side.AppendMenu(MF_STRING, 1, "Right");
    side.AppendMenu(MF_STRING, 4, "Top");
    side.AppendMenu(MF_STRING, 2, "Bottom");
    menu.AppendMenu(MF_STRING, 5, "Exchange with the backup device");
    menu.AppendSeparator();
    menu.AppendMenu(MF_STRING | MF_GRAYED, 6, "Demarcate");
}

using MenuTest = ScriptedTest;

TEST_F(MenuTest, DescribeAndTheWidgetCarryTheItemsAndChangesFindItemsInSubMenus)
{
    CCusPopMenu menu;
    BuildContextMenu(menu);
    menu.SetMenuWidth(200);
    auto widget = morv::detail::BuildMenu(menu, nullptr, true);
    const auto actions = widget->actions();
    ASSERT_EQ(actions.size(), 4);
    ASSERT_NE(actions[0]->menu(), nullptr);
    const auto side = actions[0]->menu()->actions();
    ASSERT_EQ(side.size(), 4);
    EXPECT_EQ(std::tuple(side[0]->data().toInt(), side[0]->isChecked(), side[1]->isChecked()),
              std::tuple(3, true, false));
    EXPECT_EQ(std::tuple(actions[1]->data().toInt(), actions[2]->isSeparator(), actions[3]->isEnabled()),
              std::tuple(5, true, false));
    widget->adjustSize();
    EXPECT_EQ(widget->width(), 200);
    auto items = menu.Describe();
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(std::tuple(items[0].bSubMenu, items[0].strText), std::tuple(true, std::string("Place position")));
    EXPECT_EQ(std::tuple(items[1].nDepth, items[1].nId, items[1].bChecked, items[2].bChecked),
              std::tuple(1, 3u, true, false));
    EXPECT_EQ(std::tuple(items[5].nDepth, items[5].nId, items[6].bSeparator, items[7].bEnabled),
              std::tuple(0, 5u, true, false));
    EXPECT_EQ(menu.GetItemCount(), 4);
    EXPECT_TRUE(menu.CheckMenuItem(3, false) && menu.CheckMenuItem(2, true) && menu.EnableMenuItem(6, true));
    EXPECT_FALSE(menu.CheckMenuItem(77, true));
    items = menu.Describe();
    EXPECT_EQ(std::tuple(items[1].bChecked, items[4].bChecked, items[7].bEnabled), std::tuple(false, true, true));
}

TEST_F(MenuTest, ScriptPicksAnIdAndSeesTheItems)
{
    CCusPopMenu flat;
    flat.SetItemHeight(26);
    flat.SetMenuWidth(200);
    flat.AppendMenu(MF_STRING, 1201, "Sender 1", "ToolBar\\LoadFromCardOne");
    flat.AppendMenu(MF_STRING | MF_CHECKED, 1202, "Sender 3", "ToolBar\\LoadFromCardOne");
    Script().PickMenu(1202);
    EXPECT_EQ(flat.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, 100, 40, nullptr), 1202u);
    const SModalRecord* shown = Script().Last(EModalKind::Menu);
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->menuItems.size(), 2u);
    EXPECT_EQ(std::tuple(shown->nType, shown->menuItems[1].strText, shown->menuItems[1].bChecked, shown->nResult),
              std::tuple(UINT{TPM_RETURNCMD | TPM_RIGHTBUTTON}, std::string("Sender 3"), true, 1202));

    // A pick in a sub-menu, a dismissal; an absent, a disabled or an unscripted pick answers 0 and is an error.
    CCusPopMenu menu;
    BuildContextMenu(menu);
    const std::pair<UINT, UINT> picks[] = {{4, 4}, {0, 0}, {1203, 0}, {6, 0}};
    for (const auto& [pick, answer] : picks) {
        Script().PickMenu(pick);
        EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), answer) << pick;
    }
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u);
    EXPECT_EQ(TakeErrors().size(), 3u);
    // Items under a disabled sub-menu cannot be picked; the header's flags live in the parent's item.
    CCusPopMenu outer;
    outer.AppendSubMenu("Port output").AppendMenu(MF_STRING, 1204, "Auto");
    const_cast<CCusPopMenu::Item&>(outer.Items()[0]).nFlags |= MF_GRAYED;
    Script().PickMenu(1204);
    EXPECT_EQ(outer.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u);
    EXPECT_EQ(TakeErrors().size(), 1u);
}

// Without TPM_RETURNCMD the choice is posted to the owner as WM_COMMAND.
TEST_F(MenuTest, WithoutReturnCommandTheChoiceIsPostedToTheOwner)
{
    widget_test::CRecorderWnd owner;
    owner.also = {WM_COMMAND};
    ASSERT_TRUE(owner.Create());
    CCusPopMenu menu;
    BuildContextMenu(menu);
    Script().PickMenu(5);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner), 1u);
    EXPECT_TRUE(owner.records.empty()); // posted, not sent
    QCoreApplication::processEvents();
    ASSERT_EQ(owner.Of(WM_COMMAND).size(), 1u);
    EXPECT_EQ(owner.Of(WM_COMMAND)[0].wParam, 5u);
    Script().PickMenu(0);
    EXPECT_EQ(menu.TrackPopupMenu(0, 0, 0, &owner), 0u);
}

} // namespace
