#pragma once
// A page made through the entry, its modal windows scripted.
#include "controls/button_bar.h"
#include "controls/density.h"
#include "controls/modal.h"
#include "controls/sender_tree.h"
#include "dialog_input.h"
#include "host/monitor_records.h"
#include "host/vistrano_data.h"
#include "host/vistrano_language.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module_test_support.h"
#include "panes/sender_info_tree.h"
#include "panes/sender_select_dlg.h"
#include "panes/target_select_dlg.h"
#include "run_until.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_feed.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

class PanesTest : public ModuleTest {
protected:
    void SetUp() override { ModuleTest::SetUp(), morv::SetDensity(1.0), modals.SetMode(CModalScript::EMode::Scripted); }
    void TearDown() override { sim::SetMonitorThreadState(false, false), modals.Reset(), ModuleTest::TearDown(); }

    // `senders` senders of `ports` ports, the first `fiber` fibre ones; groups hold the senders listed.
    static sim::ProjectModel MakeProject(int senders, int ports = 4,
                                         const std::vector<std::pair<std::string, std::vector<int>>>& groups = {},
                                         int fiber = 0)
    {
        sim::ProjectModel p = sim::GenerateProject(
            {.senders = senders, .portsPerSender = ports, .receiversPerPort = 2, .fiberSenders = fiber});
        for (const auto& [name, members] : groups) {
            p.groups.push_back({sim::NewGuid(), name, true});
            for (int i : members)
                p.senders[static_cast<std::size_t>(i)].groupId = p.groups.back().id;
        }
        return p;
    }
    // Makes it the project with empty monitor data (the page state outlives every page) and shows the page.
    void Open(const sim::ProjectModel& project)
    {
        std::string error;
        ASSERT_TRUE(sim::SetProject(project, error)) << error;
        PublishWarnings({}, false);
        ShowPage();
    }
    // Creates the page on the current project, or refreshes it.
    void ShowPage()
    {
        if (!page) {
            page = CreatePage(host);
            ASSERT_NE(nullptr, page);
            page->MoveTo({0, 0, 1200, 800});
        }
        page->Update(-1, 0, 1);
    }

    static CSenderSelectDlg& Panel() { return *g_pLabelDlg->GetSenderSelect(); }
    static CSenderInfoTree& Tree()
    {
        return *dynamic_cast<CSenderInfoTree*>(Panel().GetDlgItem(CSenderSelectDlg::kTreeId));
    }
    static CTargetSelectDlg& Target() { return *g_pLabelDlg->GetTargetSelect(); }
    // Every item in tree order with its depth.
    static std::vector<std::pair<HTREEITEM, int>> AllItems()
    {
        std::vector<std::pair<HTREEITEM, int>> items;
        const auto walk = [&](auto& self, HTREEITEM first, int depth) -> void {
            for (HTREEITEM h = first; h; h = Tree().GetNextSiblingItem(h)) {
                items.emplace_back(h, depth);
                self(self, Tree().GetChildItem(h), depth + 1);
            }
        };
        walk(walk, Tree().GetRootItem(), 0);
        return items;
    }
    // The items' labels in tree order, indented two blanks per level.
    static std::vector<std::string> TreeLabels()
    {
        std::vector<std::string> labels;
        for (const auto& [item, depth] : AllItems())
            labels.push_back(std::string(static_cast<std::size_t>(2 * depth), ' ') + Tree().GetItemText(item));
        return labels;
    }
    // The item whose label starts with text; fails the test when none does.
    static HTREEITEM Item(const std::string& text)
    {
        for (const auto& [item, depth] : AllItems())
            if (Tree().GetItemText(item).rfind(text, 0) == 0)
                return item;
        ADD_FAILURE() << "no tree item " << text;
        return nullptr;
    }
    static void Command(unsigned code, long lParam = 0) { Tree().SendMessage(WM_TREE_COMMAND, code, lParam); }
    // A press and release at the centre of an item of a dialog's first bar.
    static void ClickBarItem(CMorvBaseDlg& dlg, int item) { ::ClickBarItem(dlg, *dlg.GetBars().front(), item); }
    // How many notifications with this mask (and this second word) the host saw.
    int Notified(int32_t mask, std::optional<int32_t> word2 = std::nullopt) const
    {
        return static_cast<int>(std::ranges::count_if(
            host.notifications, [&](const auto& n) { return n.mask == mask && (!word2 || n.word2 == *word2); }));
    }
    // Runs a monitoring "round" with these warnings, without the thread.
    static void PublishWarnings(const CMonitorWarningData& warnings, bool monitoring = true)
    {
        sim::SetMonitorThreadState(monitoring, false);
        sim::PublishMonitorRound(CMonitorDetectData(), warnings, CMonitorRcvShowData(), CMonitorTipsData());
        sim::NotifyMonitorUpdateTargets();
    }

    CTestHost host;
    IQuarnLabel* page = nullptr;
    CModalScript& modals = CModalScript::Instance();
};
