// The sender panel and its tree through the real page: the tree built from
// the project, selections, the commands with their refusals, drag and
// drop, the menus, port output and detection; what they change survives a
// save and reopen of the project.
#include "controls/button_bar.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "host/vistrano_language.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "panes/sender_info_tree.h"
#include "panes/sender_panel_rules.h"
#include "panes/sender_select_dlg.h"
#include "panes/sender_tree_rules.h"
#include "panes_test_support.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_feed.h"
#include "sim/world.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <tuple>

namespace {

using Labels = std::vector<std::string>;

class SenderPanelTest : public PanesTest {
protected:
    // Selects items by the start of their labels, the first as focus.
    void Select(std::initializer_list<std::string> texts)
    {
        Tree().SelectItem(Item(*texts.begin()));
        for (const std::string& t : texts)
            Tree().SetItemSelected(Item(t), true);
    }
    std::vector<std::string> SenderNames() const
    {
        std::vector<std::string> names;
        for (const sim::SenderModel& s : sim::GetProject().senders)
            names.push_back(s.name);
        return names;
    }
    const SModalRecord* LastBox() const { return modals.Last(EModalKind::MessageBox); }
    // Drags the selected senders onto an item, as the tree's drop target sees it.
    void DropOn(HTREEITEM target)
    {
        CRect rect;
        Tree().EnsureVisible(target);
        ASSERT_TRUE(Tree().GetItemRect(target, &rect, true));
        const CPoint at = rect.CenterPoint();
        COleDataSource data;
        data.CacheData(CF_TEXT, {});
        Tree().OnDragEnter(&Tree(), &data, 0, at);
        if (Tree().OnDragOver(&Tree(), &data, 0, at) == DROPEFFECT_NONE)
            Tree().OnDragLeave(&Tree());
        else
            Tree().OnDropEx(&Tree(), &data, DROPEFFECT_MOVE, DROPEFFECT_MOVE, at);
    }
    // Saves and reopens the project: the tree must come back the same.
    void ExpectSameAfterReopen()
    {
        const Labels before = TreeLabels();
        const std::string file = (m_folder / "reopen.json").string();
        std::string error;
        ASSERT_TRUE(sim::SaveProjectFile(file, error)) << error;
        ASSERT_TRUE(sim::SetProject(MakeProject(1), error)) << error;
        ASSERT_TRUE(sim::LoadProjectFile(file, error)) << error;
        page->Update(-1, 0, 1);
        EXPECT_EQ(before, TreeLabels());
    }
};

// n three-byte characters: names at the byte limits.
std::string Wide(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "屏";
    return text;
}

std::vector<UINT> MenuIds(const SModalRecord* menu)
{
    std::vector<UINT> ids;
    if (menu)
        for (const SMenuItemRecord& item : menu->menuItems)
            ids.push_back(item.nId);
    return ids;
}

} // namespace

TEST_F(SenderPanelTest, WithoutGroupsOnlyTheAllSendersItemHoldsEverySender)
{
    Open(MakeProject(3));
    EXPECT_EQ((Labels{"All senders (3)", "  Sender 1", "  Sender 2", "  Sender 3"}), TreeLabels());
    std::vector<int> shown;
    EXPECT_EQ(1, g_pModuleData->GetShowSenders(shown));
    EXPECT_EQ((std::vector<int>{0, 1, 2}), shown);
}

TEST_F(SenderPanelTest, GroupLabelCountsItsSendersAndItsEditShowsTheBareName)
{
    Open(MakeProject(4, 4, {{"Hall", {0, 2, 3}}}));
    EXPECT_EQ((Labels{"All senders (4)", "  Sender 2", "Hall (3)", "  Sender 1", "  Sender 3", "  Sender 4"}),
              TreeLabels());
    Select({"Hall"});
    std::vector<int> shown;
    g_pModuleData->GetShowSenders(shown);
    EXPECT_EQ((std::vector<int>{0, 2, 3}), shown);
    EXPECT_EQ(1, g_pModuleData->GetCurrentObject().nScope);

    Command(TREE_CMD_RENAME);
    CTreeLabelEdit* edit = Tree().GetEditControl();
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ("Hall", edit->GetWindowText());
    EXPECT_EQ(kGroupNameLimit, edit->GetLimitText());
    edit->SetWindowText("  Stage ");
    Tree().EndEditLabelNow(false);
    EXPECT_EQ("Stage (3)", Tree().GetItemText(Item("Stage")));
}

TEST_F(SenderPanelTest, RenameActsOnTheFocusItemOnlyAndLimitsBytes)
{
    Open(MakeProject(3));
    ASSERT_EQ(0u, GetHwSenderLogic()->DetectSenders(nullptr, 0, 0, 1));
    page->Update(-1, 0, 1);
    Select({"Sender 2", "Sender 3"});
    Command(TREE_CMD_RENAME);
    CTreeLabelEdit* edit = Tree().GetEditControl();
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(kSenderNameLimit, edit->GetLimitText());
    // 22 three-byte characters are 66 bytes: the key that made them is undone.
    const std::string before = Wide(21);
    Tree().SetNameBeforeKey(before);
    edit->SetWindowText(before + "屏");
    Command(TREE_CMD_CHECK_NAME);
    EXPECT_EQ(before, edit->GetWindowText());
    Tree().EndEditLabelNow(false);
    EXPECT_EQ((std::vector<std::string>{"Sender 1", before, "Sender 3"}), SenderNames());
}

TEST_F(SenderPanelTest, DeletingEverySenderOrALonelyBackupIsRefused)
{
    sim::ProjectModel p = MakeProject(3);
    p.backups.push_back({p.senders[0].id, 1, p.senders[2].id, 3});
    Open(p);
    Select({"Sender 1", "Sender 2", "Sender 3"});
    modals.AnswerMessageBox(IDOK);
    Command(TREE_CMD_DELETE);
    ASSERT_NE(nullptr, LastBox());
    EXPECT_EQ(GetLanguageString("DeleteAllSenderTips", "Control"), LastBox()->strText);

    Select({"Sender 1", "Sender 2"});
    modals.AnswerMessageBox(IDOK);
    Command(TREE_CMD_DELETE);
    EXPECT_EQ(GetLanguageString("Sender", "Common") + "1 " + GetLanguageString("BackupExist", "Control"),
              LastBox()->strText);
    EXPECT_EQ(3u, SenderNames().size()) << "nothing deleted";
    EXPECT_TRUE(modals.Errors().empty());

    Select({"Sender 1", "Sender 3"});
    Command(TREE_CMD_DELETE);
    EXPECT_EQ((std::vector<std::string>{"Sender 2"}), SenderNames()) << "a pair goes together";
}

TEST_F(SenderPanelTest, DeletingSeveralSendersRenumbersTheirBackgroundImages)
{
    Open(MakeProject(4));
    const std::filesystem::path folder = g_pConstantData->GetBKImagePath();
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 4; ++i)
        std::ofstream(folder / g_pConstantData->GetSenderBKImgName(i)) << "image of " << i;
    Select({"Sender 1", "Sender 3"});
    Command(TREE_CMD_DELETE);
    EXPECT_EQ((std::vector<std::string>{"Sender 2", "Sender 4"}), SenderNames());
    const auto read = [&](int i) {
        std::ifstream in(folder / g_pConstantData->GetSenderBKImgName(i));
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ("image of 1", read(0));
    EXPECT_EQ("image of 3", read(1));
    EXPECT_FALSE(std::filesystem::exists(folder / g_pConstantData->GetSenderBKImgName(2)));
    EXPECT_EQ(1, sim::CountCalls("ISenderLogic::NotifySenderListChanged"));
}

TEST_F(SenderPanelTest, GroupsAddDeleteAndDrag)
{
    Open(MakeProject(3, 4, {{"Hall", {0}}}));
    Select({"Sender 2", "Sender 3"});
    Command(TREE_CMD_ADD_GROUP, 1);
    EXPECT_EQ((Labels{"All senders (3)", "Hall (1)", "  Sender 1", "New group 2 (2)", "  Sender 2", "  Sender 3"}),
              TreeLabels());
    EXPECT_EQ(Item("New group 2"), Tree().GetSelectedItem());

    // Dropping on a sender moves nothing; on a group it moves.
    for (const char* target : {"Sender 1", "Sender 3"}) {
        Select({"Sender 2"});
        DropOn(Item(target));
    }
    EXPECT_EQ("New group 2 (2)", Tree().GetItemText(Item("New group 2")));
    Select({"Sender 2"});
    DropOn(Item("Hall"));
    EXPECT_EQ("Hall (2)", Tree().GetItemText(Item("Hall")));

    Select({"Hall"});
    modals.AnswerMessageBox(IDYES);
    Command(TREE_CMD_DELETE);
    EXPECT_EQ((Labels{"All senders (3)", "  Sender 1", "  Sender 2", "New group 2 (1)", "  Sender 3"}), TreeLabels());

    Select({"New group 2"});
    modals.AnswerMessageBox(IDNO);
    Command(TREE_CMD_DELETE);
    EXPECT_EQ("New group 2 (1)", Tree().GetItemText(Item("New group 2"))) << "No keeps the group";
}

TEST_F(SenderPanelTest, ASenderDroppedOnAFibrePortStaysWhereItWas)
{
    Open(MakeProject(2, 4, {{"Hall", {1}}}, 1));
    ASSERT_EQ(0u, GetHwSenderLogic()->DetectSenders(nullptr, 0, 0, 1));
    page->Update(-1, 0, 1);
    const Labels before = TreeLabels();
    ASSERT_EQ("    光口（主1|备1）", before[2]) << "the fibre sender shows its output pairs";
    Select({"Sender 2"});
    DropOn(AllItems()[2].first);
    EXPECT_EQ(before, TreeLabels());
    EXPECT_EQ("Hall (1)", Tree().GetItemText(Item("Hall")));
}

TEST_F(SenderPanelTest, AddedSendersJoinTheSelectedGroupAndKeepTheOthersPorts)
{
    Open(MakeProject(2, 4, {{"Hall", {1}}}));
    Select({"Hall"});
    Command(TREE_CMD_ADD_SENDERS, 2);
    EXPECT_EQ("Hall (3)", Tree().GetItemText(Item("Hall")));

    modals.RunOnDialog([](CWnd*) {}, 2);
    Command(TREE_CMD_ADD_SENDERS, -1);
    EXPECT_EQ(4u, SenderNames().size()) << "cancelled";

    // The add dialog's count and port edits (its controls 2 and 5), then Enter.
    modals.RunOnDialog(
        [](CWnd* wnd) {
            auto* form = dynamic_cast<CMorvBaseDlg*>(wnd);
            ASSERT_NE(nullptr, form);
            form->SetControlText(2, "2");
            form->SetControlText(5, "2");
            form->DeliverMessage(WM_KEYDOWN, VK_RETURN, 0);
        },
        2);
    Command(TREE_CMD_ADD_SENDERS, -1);
    const sim::ProjectModel p = sim::GetProject();
    ASSERT_EQ(6u, p.senders.size());
    const std::vector<std::size_t> ports{4, 4, 4, 4, 2, 2};
    for (std::size_t i = 0; i < ports.size(); ++i)
        EXPECT_EQ(ports[i], p.senders[i].ports.size()) << "sender " << i;
    EXPECT_EQ("Hall (5)", Tree().GetItemText(Item("Hall")));
}

TEST_F(SenderPanelTest, AddMenuFollowsTheSenderLimit)
{
    sim::AddressSettings single = sim::GetAddressSettings();
    single.nProductKind = 1; // a product that drives one sender
    sim::SetAddressSettings(single);
    Open(MakeProject(1));
    Select({"All senders"});
    modals.PickMenu(0);
    ClickBarItem(Panel(), CSenderSelectDlg::ItemAdd);
    EXPECT_EQ((std::vector<UINT>{kCmdAddGroup}), MenuIds(modals.Last(EModalKind::Menu))) << "limit 0";

    single.nProductKind = 0;
    sim::SetAddressSettings(single);
    modals.PickMenu(kCmdAddOne);
    ClickBarItem(Panel(), CSenderSelectDlg::ItemAdd);
    EXPECT_EQ((std::vector<UINT>{kCmdAddGroup, 0, kCmdAddOne, kCmdAddTwo, kCmdAddCustom}),
              MenuIds(modals.Last(EModalKind::Menu)));
    EXPECT_EQ(2u, SenderNames().size());
    EXPECT_EQ(0x4000, host.notifications.back().mask);
}

TEST_F(SenderPanelTest, PortOutputSwitchesOffThePortsOfTheOtherKind)
{
    sim::ProjectModel p = MakeProject(2, 4);
    for (sim::SenderModel& s : p.senders)
        s.deviceType = 59; // can switch its outputs
    p.backups.push_back({p.senders[0].id, 0, p.senders[1].id, 2});
    p.backups.push_back({p.senders[0].id, 1, p.senders[1].id, 3});
    Open(p);
    ASSERT_EQ(0u, GetHwSenderLogic()->DetectSenders(nullptr, 0, 0, 1));
    Select({"All senders"});
    for (const auto& [command, first, second] :
         {std::tuple{kCmdPortPrimary, 0x00, 0x0C}, std::tuple{kCmdPortAuto, 0x00, 0x00},
          std::tuple{kCmdPortBackup, 0x0F, 0x03}}) {
        modals.PickMenu(command);
        Tree().DeliverMessage(WM_RBUTTONDOWN, MK_RBUTTON, [&] {
            CRect rect;
            Tree().GetItemRect(Item("All senders"), &rect, true);
            return MAKELPARAM(rect.left + 2, (rect.top + rect.bottom) / 2);
        }());
        const std::vector<uint8_t> none;
        EXPECT_EQ(first ? std::vector<uint8_t>{static_cast<uint8_t>(first)} : none, sim::GetSwitchedOffPorts(0))
            << command;
        EXPECT_EQ(second ? std::vector<uint8_t>{static_cast<uint8_t>(second)} : none, sim::GetSwitchedOffPorts(1))
            << command;
    }
}

TEST_F(SenderPanelTest, DetectionOfSeveralSendersOnOneCardOnlyTellsTheUser)
{
    Open(MakeProject(2));
    const Labels before = TreeLabels();
    sim::SetMultiSenderCard(true);
    modals.AnswerMessageBox(IDOK);
    host.notifications.clear();
    ClickBarItem(Panel(), CSenderSelectDlg::ItemRefresh);
    ASSERT_NE(nullptr, LastBox());
    EXPECT_EQ(GetLanguageString("MutiSenderCard", "Common"), LastBox()->strText);
    EXPECT_TRUE(host.notifications.empty());
    EXPECT_EQ(before, TreeLabels());
    EXPECT_TRUE(Panel().GetBars().front()->GetItem(CSenderSelectDlg::ItemRefresh)->bEnabled);

    sim::SetMultiSenderCard(false);
    ClickBarItem(Panel(), CSenderSelectDlg::ItemRefresh);
    ASSERT_FALSE(host.notifications.empty());
    EXPECT_EQ(0x2000, host.notifications.back().mask);
}

TEST_F(SenderPanelTest, SelectingASenderSetsTheRecordAndNotifiesOnlyOnChange)
{
    Open(MakeProject(3));
    Select({"All senders"});
    host.notifications.clear();
    Select({"Sender 2"});
    EXPECT_EQ((SCurrentObject{2, 1, 3, 1, 0}), g_pModuleData->GetCurrentObject());
    EXPECT_EQ(1, g_pProjectData->GetCurSenderIndex());
    // The current sender changed (the panel's states), and so did the record.
    ASSERT_EQ(2u, host.notifications.size());
    EXPECT_EQ(0x1F6000, host.notifications[0].mask);
    EXPECT_EQ(0x19E000, host.notifications[1].mask);
    g_pModuleData->SelectSenderNode(2, 1);
    EXPECT_EQ(2u, host.notifications.size()) << "the same sender again changes nothing";
    // Another pane's selection is followed without touching the record.
    g_pModuleData->SelectSenderNode(2, 2);
    EXPECT_EQ(Item("Sender 3"), Tree().GetSelectedItem());
    EXPECT_EQ(1, g_pModuleData->GetCurrentObject().nSender);
    EXPECT_EQ(2u, host.notifications.size());
    page->Update(-1, 0, 0);
    EXPECT_EQ(Item("Sender 3"), Tree().GetSelectedItem()) << "a rebuild keeps it";
}

TEST_F(SenderPanelTest, FixedAddressLabelsKeepTheirAddressThroughARename)
{
    sim::AddressSettings fixed = sim::GetAddressSettings();
    fixed.nFixedAddress = 1;
    sim::SetAddressSettings(fixed);
    Open(MakeProject(2));
    ASSERT_EQ(0u, GetHwSenderLogic()->DetectSenders(nullptr, 0, 0, 1));
    page->Update(-1, 0, 1);
    Select({"Sender 1("});
    const std::string address = sim::GetProject().senders[0].address;
    EXPECT_EQ("Sender 1(" + address + ")", Tree().GetItemText(Tree().GetSelectedItem()));
    Command(TREE_CMD_RENAME);
    ASSERT_NE(nullptr, Tree().GetEditControl());
    EXPECT_EQ("Sender 1", Tree().GetEditControl()->GetWindowText());
    Tree().EndEditLabelNow(false);
    EXPECT_EQ("Sender 1", SenderNames()[0]) << "unchanged";
    Command(TREE_CMD_RENAME);
    Tree().GetEditControl()->SetWindowText("Hall");
    Tree().EndEditLabelNow(false);
    EXPECT_EQ("Hall", SenderNames()[0]);
    EXPECT_EQ("Hall(" + address + ")", Tree().GetItemText(Item("Hall")));
}

TEST_F(SenderPanelTest, NothingIsLostThroughAnySequenceOfCommands)
{
    // Names at the limits: 21 three-byte characters and one letter are 64 bytes.
    const std::vector<std::string> names{Wide(21) + "x", "厅厅厅厅厅", "Ü", ""};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        Open(MakeProject(4, 2, {{"Hall", {0, 1}}}));
        for (int step = 0; step < 12; ++step) {
            std::vector<HTREEITEM> items;
            for (const auto& [item, depth] : AllItems())
                items.push_back(item);
            HTREEITEM pick = items[random() % items.size()];
            const int type = Tree().NodeOf(pick)->nType;
            Tree().SelectItem(pick);
            switch (random() % 5) {
            case 0: Command(TREE_CMD_ADD_SENDERS, 1 + static_cast<long>(random() % 2)); break;
            case 1:
                Command(TREE_CMD_RENAME);
                if (CTreeLabelEdit* edit = Tree().GetEditControl()) {
                    edit->SetWindowText(names[random() % names.size()]);
                    Tree().EndEditLabelNow(false);
                }
                break;
            case 2:
                if (type == TREE_NODE_GROUP)
                    modals.AnswerMessageBox(IDYES);
                if (type == TREE_NODE_GROUP || (type == TREE_NODE_SENDER && SenderNames().size() > 1))
                    Command(TREE_CMD_DELETE);
                break;
            case 3:
                Tree().SetItemSelected(items[random() % items.size()], true);
                Command(TREE_CMD_ADD_GROUP, 1);
                break;
            default: DropOn(items[random() % items.size()]); break;
            }
            ASSERT_TRUE(modals.Errors().empty()) << modals.Errors().front();
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
            ExpectSameAfterReopen();
        }
        for (const std::string& name : SenderNames())
            EXPECT_LE(name.size(), kSenderNameBytes) << name;
    }
}

TEST_F(SenderPanelTest, RefreshWhileMonitoringWaitsForThePause)
{
    Open(MakeProject(2));
    PublishWarnings({}, true);
    ClickBarItem(Panel(), CSenderSelectDlg::ItemRefresh);
    EXPECT_EQ(1, sim::CountCalls("IMonitorLogic::PauseForDetection"));
    const auto refresh = [&] { return Panel().GetBars().front()->GetItem(CSenderSelectDlg::ItemRefresh)->bEnabled; };
    // Still pausing: the button waits; the pause over: it comes back.
    for (const bool pausing : {true, false}) {
        sim::SetMonitorThreadState(true, pausing);
        Panel().SendMessage(WM_TIMER, CSenderSelectDlg::kRefreshTimer, 0);
        EXPECT_EQ(!pausing, refresh());
        EXPECT_EQ(pausing, Panel().HasTimer(CSenderSelectDlg::kRefreshTimer));
    }
}
