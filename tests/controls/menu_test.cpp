#include "controls/pop_menu.h"
#include "controls_test_support.h"
#include "menu_widget.h"

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

class MenuTest : public ScriptedTest {};

TEST_F(MenuTest, DescribeFlattensSubMenusWithTheirDepth)
{
    CCusPopMenu menu;
    BuildContextMenu(menu);
    const auto items = menu.Describe();
    ASSERT_EQ(items.size(), 8u);
    EXPECT_TRUE(items[0].bSubMenu);
    EXPECT_EQ(items[0].strText, "Place position");
    EXPECT_EQ(items[1].nDepth, 1);
    EXPECT_EQ(items[1].nId, 3u);
    EXPECT_TRUE(items[1].bChecked);
    EXPECT_FALSE(items[2].bChecked);
    EXPECT_EQ(items[5].nDepth, 0);
    EXPECT_EQ(items[5].nId, 5u);
    EXPECT_TRUE(items[6].bSeparator);
    EXPECT_FALSE(items[7].bEnabled);
    EXPECT_EQ(menu.GetItemCount(), 4);
}

TEST_F(MenuTest, CheckAndEnableFindItemsInSubMenus)
{
    CCusPopMenu menu;
    BuildContextMenu(menu);
    EXPECT_TRUE(menu.CheckMenuItem(3, false));
    EXPECT_TRUE(menu.CheckMenuItem(2, true));
    EXPECT_TRUE(menu.EnableMenuItem(6, true));
    EXPECT_FALSE(menu.CheckMenuItem(77, true));
    const auto items = menu.Describe();
    EXPECT_FALSE(items[1].bChecked);
    EXPECT_TRUE(items[4].bChecked);
    EXPECT_TRUE(items[7].bEnabled);
}

TEST_F(MenuTest, ScriptPicksAnIdAndSeesTheItems)
{
    CCusPopMenu menu;
    menu.SetItemHeight(26);
    menu.SetMenuWidth(200);
    menu.AppendMenu(MF_STRING, 1201, "Sender 1", "ToolBar\\LoadFromCardOne");
    menu.AppendMenu(MF_STRING | MF_CHECKED, 1202, "Sender 3", "ToolBar\\LoadFromCardOne");
    Script().PickMenu(1202);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, 100, 40, nullptr), 1202u);
    const SModalRecord* shown = Script().Last(EModalKind::Menu);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->nType, TPM_RETURNCMD | TPM_RIGHTBUTTON);
    ASSERT_EQ(shown->menuItems.size(), 2u);
    EXPECT_EQ(shown->menuItems[1].strText, "Sender 3");
    EXPECT_TRUE(shown->menuItems[1].bChecked);
    EXPECT_EQ(shown->nResult, 1202);
}

TEST_F(MenuTest, PickInASubMenu)
{
    CCusPopMenu menu;
    BuildContextMenu(menu);
    Script().PickMenu(4);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 4u);
}

TEST_F(MenuTest, DismissAnswersZero)
{
    CCusPopMenu menu;
    BuildContextMenu(menu);
    Script().PickMenu(0);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u);
}

TEST_F(MenuTest, PickOfAnAbsentOrDisabledItemIsRefused)
{
    CCusPopMenu menu;
    BuildContextMenu(menu);
    Script().PickMenu(1203);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u);
    Script().PickMenu(6);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u);
    EXPECT_EQ(TakeErrors().size(), 2u);
}

TEST_F(MenuTest, ItemsUnderADisabledSubMenuCannotBePicked)
{
    CCusPopMenu menu;
    CCusPopMenu& sub = menu.AppendSubMenu("Port output");
    sub.AppendMenu(MF_STRING, 1204, "Auto");
    // Disabling the header: its flags live in the parent's item.
    const_cast<CCusPopMenu::Item&>(menu.Items()[0]).nFlags |= MF_GRAYED;
    Script().PickMenu(1204);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u);
    EXPECT_EQ(TakeErrors().size(), 1u);
}

// Without TPM_RETURNCMD the choice is posted to the owner as WM_COMMAND.
class CommandOwner : public CWnd {
public:
    std::vector<WPARAM> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            commands.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(MenuTest, WithoutReturnCommandTheChoiceIsPostedToTheOwner)
{
    CommandOwner owner;
    ASSERT_TRUE(owner.CreateEx(nullptr, {0, 0, 100, 100}, 1, EWindowKind::Dialog));
    CCusPopMenu menu;
    BuildContextMenu(menu);
    Script().PickMenu(5);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner), 1u);
    EXPECT_TRUE(owner.commands.empty()); // posted, not sent
    QCoreApplication::processEvents();
    EXPECT_EQ(owner.commands, std::vector<WPARAM>{5});
    Script().PickMenu(0);
    EXPECT_EQ(menu.TrackPopupMenu(0, 0, 0, &owner), 0u);
}

TEST_F(MenuTest, UnscriptedMenuInScriptedModeIsDismissed)
{
    CCusPopMenu menu;
    BuildContextMenu(menu);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0u);
    EXPECT_EQ(TakeErrors().size(), 1u);
}

TEST_F(MenuTest, WidgetCarriesIdsChecksAndSize)
{
    CCusPopMenu menu;
    BuildContextMenu(menu);
    menu.SetMenuWidth(200);
    auto widget = morv::detail::BuildMenu(menu, nullptr, true);
    const auto actions = widget->actions();
    ASSERT_EQ(actions.size(), 4);
    ASSERT_NE(actions[0]->menu(), nullptr);
    const auto sideActions = actions[0]->menu()->actions();
    ASSERT_EQ(sideActions.size(), 4);
    EXPECT_EQ(sideActions[0]->data().toInt(), 3);
    EXPECT_TRUE(sideActions[0]->isChecked());
    EXPECT_FALSE(sideActions[1]->isChecked());
    EXPECT_EQ(actions[1]->data().toInt(), 5);
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_FALSE(actions[3]->isEnabled());
    widget->adjustSize();
    EXPECT_EQ(widget->width(), 200);
}

} // namespace
