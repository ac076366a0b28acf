// The sender panel and its tree through the real page; what they change survives a save and reopen.
#include "host/hwbridge.h"
#include "panes/sender_panel_rules.h"
#include "panes/sender_tree_rules.h"
#include "panes_test_support.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <tuple>

namespace {

using Labels = std::vector<std::string>;

class SenderPanelTest : public PanesTest {
protected:
    // Selects items by the start of their labels, the first as focus.
    static void Select(std::initializer_list<std::string> texts)
    {
        Tree().SelectItem(Item(*texts.begin()));
        for (const std::string& t : texts)
            Tree().SetItemSelected(Item(t), true);
    }
    static Labels SenderNames()
    {
        Labels names;
        for (const sim::SenderModel& s : sim::GetProject().senders)
            names.push_back(s.name);
        return names;
    }
    std::string LastBox() const
    {
        return modals.Last(EModalKind::MessageBox) ? modals.Last(EModalKind::MessageBox)->strText : "";
    }
    static void Detect()
    {
        ASSERT_EQ(0u, GetHwSenderLogic()->DetectSenders(nullptr, 0, 0, 1));
        g_pLabelDlg->Update(-1, 0, 1);
    }
    // Drags the selected senders onto an item, as the tree's drop target sees it.
    static void DropOn(HTREEITEM target)
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
    // The last menu's length; its entries by the limit are the rules test's.
    std::size_t LastMenu() const
    {
        return modals.Last(EModalKind::Menu) ? modals.Last(EModalKind::Menu)->menuItems.size() : 0;
    }
    static std::string Label(const std::string& start) { return Tree().GetItemText(Item(start)); }
    // Starts a rename of the focus item: its edit, null when none opened.
    static CTreeLabelEdit* Rename()
    {
        Command(TREE_CMD_RENAME);
        EXPECT_NE(nullptr, Tree().GetEditControl());
        return Tree().GetEditControl();
    }
    static void Rename(CTreeLabelEdit& edit, const std::string& text)
    {
        edit.SetWindowText(text);
        Tree().EndEditLabelNow(false);
    }
};

// 21 three-byte characters: 63 bytes, a name at the byte limit with one letter more.
const std::string kWide = "屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏";

} // namespace

TEST_F(SenderPanelTest, SelectionsSetTheRecordOnChangeAndRenameActsOnTheFocusItemWithinItsBytes)
{
    Open(MakeProject(3));
    EXPECT_EQ((Labels{"All senders (3)", "  Sender 1", "  Sender 2", "  Sender 3"}), TreeLabels());
    std::vector<int> shown;
    EXPECT_EQ(1, g_pModuleData->GetShowSenders(shown));
    EXPECT_EQ((std::vector<int>{0, 1, 2}), shown);

    Select({"All senders"});
    host.notifications.clear();
    Select({"Sender 2"});
    EXPECT_EQ(std::tuple(SCurrentObject{2, 1, 3, 1, 0}, 1),
              std::tuple(g_pModuleData->GetCurrentObject(), g_pProjectData->GetCurSenderIndex()));
    // The current sender changed (the panel's states), and so did the record.
    ASSERT_EQ(2u, host.notifications.size());
    EXPECT_EQ(std::pair(0x1F6000, 0x19E000), std::pair(host.notifications[0].mask, host.notifications[1].mask));
    g_pModuleData->SelectSenderNode(2, 1);
    EXPECT_EQ(2u, host.notifications.size()) << "the same sender again changes nothing";
    // Another pane's selection is followed without touching the record.
    g_pModuleData->SelectSenderNode(2, 2);
    EXPECT_EQ(
        std::tuple(Item("Sender 3"), 1, 2u),
        std::tuple(Tree().GetSelectedItem(), g_pModuleData->GetCurrentObject().nSender, host.notifications.size()));
    page->Update(-1, 0, 0);
    EXPECT_EQ(Item("Sender 3"), Tree().GetSelectedItem()) << "a rebuild keeps it";

    Detect();
    Select({"Sender 2", "Sender 3"});
    CTreeLabelEdit* edit = Rename();
    ASSERT_TRUE(edit);
    EXPECT_EQ(kSenderNameLimit, edit->GetLimitText());
    // 22 three-byte characters are 66 bytes: the key that made them is undone.
    Tree().SetNameBeforeKey(kWide);
    edit->SetWindowText(kWide + "屏");
    Command(TREE_CMD_CHECK_NAME);
    EXPECT_EQ(kWide, edit->GetWindowText());
    Tree().EndEditLabelNow(false);
    EXPECT_EQ((Labels{"Sender 1", kWide, "Sender 3"}), SenderNames());

    // Fixed-address labels keep their address through a rename.
    sim::AddressSettings fixed = sim::GetAddressSettings();
    fixed.nFixedAddress = 1;
    sim::SetAddressSettings(fixed);
    Open(MakeProject(2));
    Detect();
    Select({"Sender 1("});
    const std::string address = sim::GetProject().senders[0].address;
    EXPECT_EQ("Sender 1(" + address + ")", Tree().GetItemText(Tree().GetSelectedItem()));
    ASSERT_TRUE((edit = Rename()));
    EXPECT_EQ("Sender 1", edit->GetWindowText());
    Tree().EndEditLabelNow(false);
    EXPECT_EQ("Sender 1", SenderNames()[0]) << "unchanged";
    ASSERT_TRUE((edit = Rename()));
    Rename(*edit, "Hall");
    EXPECT_EQ("Hall", SenderNames()[0]);
    EXPECT_EQ("Hall(" + address + ")", Label("Hall"));
}

TEST_F(SenderPanelTest, GroupsCountRenameAddDeleteAndTakeDrops)
{
    Open(MakeProject(4, 4, {{"Hall", {0, 2, 3}}}));
    EXPECT_EQ((Labels{"All senders (4)", "  Sender 2", "Hall (3)", "  Sender 1", "  Sender 3", "  Sender 4"}),
              TreeLabels());
    Select({"Hall"});
    std::vector<int> shown;
    g_pModuleData->GetShowSenders(shown);
    EXPECT_EQ((std::vector<int>{0, 2, 3}), shown);
    EXPECT_EQ(1, g_pModuleData->GetCurrentObject().nScope);
    // Its edit shows the bare name.
    CTreeLabelEdit* edit = Rename();
    ASSERT_TRUE(edit);
    EXPECT_EQ(std::tuple("Hall", kGroupNameLimit), std::tuple(edit->GetWindowText(), edit->GetLimitText()));
    Rename(*edit, "  Stage ");
    EXPECT_EQ("Stage (3)", Label("Stage"));

    Open(MakeProject(3, 4, {{"Hall", {0}}}));
    Select({"Sender 2", "Sender 3"});
    Command(TREE_CMD_ADD_GROUP, 1);
    EXPECT_EQ((Labels{"All senders (3)", "Hall (1)", "  Sender 1", "New group 2 (2)", "  Sender 2", "  Sender 3"}),
              TreeLabels());
    EXPECT_EQ(Item("New group 2"), Tree().GetSelectedItem());
    // Dropping on a sender moves nothing (the tour drops one on a group).
    for (const char* target : {"Sender 1", "Sender 3"}) {
        Select({"Sender 2"});
        DropOn(Item(target));
    }
    Select({"Hall"});
    modals.AnswerMessageBox(IDYES);
    Command(TREE_CMD_DELETE);
    EXPECT_EQ((Labels{"All senders (3)", "  Sender 1", "New group 2 (2)", "  Sender 2", "  Sender 3"}), TreeLabels());
    Select({"New group 2"});
    modals.AnswerMessageBox(IDNO);
    Command(TREE_CMD_DELETE);
    EXPECT_EQ("New group 2 (2)", Label("New group 2")) << "No keeps the group";

    // A sender dropped on a fibre output pair stays where it was.
    Open(MakeProject(2, 4, {{"Hall", {1}}}, 1));
    Detect();
    const Labels before = TreeLabels();
    ASSERT_EQ("    光口（主1|备1）", before[2]) << "the fibre sender shows its output pairs";
    Select({"Sender 2"});
    DropOn(AllItems()[2].first);
    EXPECT_EQ(before, TreeLabels());
    EXPECT_EQ("Hall (1)", Label("Hall"));
}

TEST_F(SenderPanelTest, DeletingEverySenderOrALonelyBackupIsRefusedAndDeletedSendersImagesAreRenumbered)
{
    sim::ProjectModel p = MakeProject(3);
    p.backups.push_back({p.senders[0].id, 1, p.senders[2].id, 3});
    Open(p);
    Select({"Sender 1", "Sender 2", "Sender 3"});
    modals.AnswerMessageBox(IDOK);
    Command(TREE_CMD_DELETE);
    EXPECT_EQ(GetLanguageString("DeleteAllSenderTips", "Control"), LastBox());
    Select({"Sender 1", "Sender 2"});
    modals.AnswerMessageBox(IDOK);
    Command(TREE_CMD_DELETE);
    EXPECT_EQ(GetLanguageString("Sender", "Common") + "1 " + GetLanguageString("BackupExist", "Control"), LastBox());
    EXPECT_EQ(std::tuple(3u, true), std::tuple(SenderNames().size(), modals.Errors().empty())) << "nothing deleted";
    Select({"Sender 1", "Sender 3"});
    Command(TREE_CMD_DELETE);
    EXPECT_EQ((Labels{"Sender 2"}), SenderNames()) << "a pair goes together";

    Open(MakeProject(4));
    const std::filesystem::path folder = g_pConstantData->GetBKImagePath();
    const auto image = [&](int i) { return folder / g_pConstantData->GetSenderBKImgName(i); };
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 4; ++i)
        std::ofstream(image(i)) << "image of " << i;
    sim::ClearCallLog();
    Select({"Sender 1", "Sender 3"});
    Command(TREE_CMD_DELETE);
    EXPECT_EQ((Labels{"Sender 2", "Sender 4"}), SenderNames());
    const auto read = [&](int i) {
        std::ifstream in(image(i));
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(std::tuple("image of 1", "image of 3", false),
              std::tuple(read(0), read(1), std::filesystem::exists(image(2))));
    EXPECT_EQ(1, sim::CountCalls("ISenderLogic::NotifySenderListChanged"));
}

TEST_F(SenderPanelTest, AddedSendersJoinTheSelectedGroupKeepTheOthersPortsAndFollowTheSenderLimit)
{
    Open(MakeProject(2, 4, {{"Hall", {1}}}));
    Select({"Hall"});
    Command(TREE_CMD_ADD_SENDERS, 2);
    EXPECT_EQ("Hall (3)", Label("Hall"));
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
    std::vector<std::size_t> ports;
    for (const sim::SenderModel& s : sim::GetProject().senders)
        ports.push_back(s.ports.size());
    EXPECT_EQ(std::tuple(std::vector<std::size_t>{4, 4, 4, 4, 2, 2}, std::string("Hall (5)")),
              std::tuple(ports, Label("Hall")));

    sim::AddressSettings single = sim::GetAddressSettings();
    single.nProductKind = 1; // a product that drives one sender
    sim::SetAddressSettings(single);
    Open(MakeProject(1));
    Select({"All senders"});
    modals.PickMenu(0);
    ClickBarItem(Panel(), CSenderSelectDlg::ItemAdd);
    EXPECT_EQ(1u, LastMenu()) << "limit 0: the group alone";
    single.nProductKind = 0;
    sim::SetAddressSettings(single);
    modals.PickMenu(kCmdAddOne);
    ClickBarItem(Panel(), CSenderSelectDlg::ItemAdd);
    EXPECT_EQ(std::tuple(5u, 2u, 0x4000), std::tuple(LastMenu(), SenderNames().size(), host.notifications.back().mask));
}

TEST_F(SenderPanelTest, PortOutputAndDetectionReachTheHardwareAndDetectionWaitsForMonitoringsPause)
{
    // Port output switches off the ports of the other kind.
    sim::ProjectModel p = MakeProject(2, 4);
    for (sim::SenderModel& s : p.senders)
        s.deviceType = 59; // can switch its outputs
    p.backups.push_back({p.senders[0].id, 0, p.senders[1].id, 2});
    p.backups.push_back({p.senders[0].id, 1, p.senders[1].id, 3});
    Open(p);
    Detect();
    Select({"All senders"});
    CRect all;
    Tree().GetItemRect(Item("All senders"), &all, true);
    using Mask = std::vector<uint8_t>;
    for (const auto& [command, first, second] :
         {std::tuple{kCmdPortPrimary, Mask{}, Mask{0x0C}}, std::tuple{kCmdPortAuto, Mask{}, Mask{}},
          std::tuple{kCmdPortBackup, Mask{0x0F}, Mask{0x03}}}) {
        modals.PickMenu(command);
        Tree().DeliverMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(all.left + 2, all.CenterPoint().y));
        EXPECT_EQ(std::tuple(first, second), std::tuple(sim::GetSwitchedOffPorts(0), sim::GetSwitchedOffPorts(1)))
            << command;
    }

    // Several senders on one card only tell the user.
    Open(MakeProject(2));
    const Labels before = TreeLabels();
    const auto refresh = [&] { return Panel().GetBars().front()->GetItem(CSenderSelectDlg::ItemRefresh)->bEnabled; };
    sim::SetMultiSenderCard(true);
    modals.AnswerMessageBox(IDOK);
    host.notifications.clear();
    ClickBarItem(Panel(), CSenderSelectDlg::ItemRefresh);
    EXPECT_EQ(std::tuple(GetLanguageString("MutiSenderCard", "Common"), 0u, before, true),
              std::tuple(LastBox(), host.notifications.size(), TreeLabels(), refresh()));
    sim::SetMultiSenderCard(false);
    ClickBarItem(Panel(), CSenderSelectDlg::ItemRefresh);
    ASSERT_FALSE(host.notifications.empty());
    EXPECT_EQ(0x2000, host.notifications.back().mask);

    // While monitoring, refresh waits for the pause; the pause over, the button comes back.
    PublishWarnings({}, true);
    sim::ClearCallLog();
    ClickBarItem(Panel(), CSenderSelectDlg::ItemRefresh);
    EXPECT_EQ(1, sim::CountCalls("IMonitorLogic::PauseForDetection"));
    for (const bool pausing : {true, false}) {
        sim::SetMonitorThreadState(true, pausing);
        Panel().SendMessage(WM_TIMER, CSenderSelectDlg::kRefreshTimer, 0);
        EXPECT_EQ(std::pair(!pausing, pausing),
                  std::pair(refresh(), Panel().HasTimer(CSenderSelectDlg::kRefreshTimer)));
    }
}

TEST_F(SenderPanelTest, NothingIsLostThroughAnySequenceOfCommands)
{
    // Labels at the limits: 21 three-byte characters and one letter are 64 bytes.
    const Labels names{kWide + "x", "厅厅厅厅厅", "Ü", ""};
    const std::string file = (m_folder / "reopen.json").string();
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
                if (CTreeLabelEdit* edit = Tree().GetEditControl())
                    Rename(*edit, names[random() % names.size()]);
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
            // Saved and reopened, the tree comes back the same.
            const Labels before = TreeLabels();
            std::string error;
            ASSERT_TRUE(sim::SaveProjectFile(file, error)) << error;
            ASSERT_TRUE(sim::SetProject(MakeProject(1), error)) << error;
            ASSERT_TRUE(sim::LoadProjectFile(file, error)) << error;
            page->Update(-1, 0, 1);
            EXPECT_EQ(before, TreeLabels());
        }
        for (const std::string& name : SenderNames())
            EXPECT_LE(name.size(), kSenderNameBytes) << name;
    }
}
