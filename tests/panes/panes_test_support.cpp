#include "panes_test_support.h"

#include "controls/button_bar.h"
#include "controls/density.h"
#include "dialog_input.h"
#include "host/hwbridge.h"
#include "host/monitor_records.h"
#include "module/label_monitor_dlg.h"
#include "module/module_globals.h"
#include "panes/sender_info_tree.h"
#include "panes/sender_select_dlg.h"
#include "panes/target_select_dlg.h"
#include "platform/window.h"
#include "sim/monitor_feed.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <algorithm>
#include <chrono>
#include <thread>

void PanesTest::SetUp()
{
    ModuleTest::SetUp();
    morv::SetDensity(1.0);
    modals.Reset();
    modals.SetMode(CModalScript::EMode::Scripted);
}

void PanesTest::TearDown()
{
    sim::SetMonitorThreadState(false, false);
    modals.Reset();
    ModuleTest::TearDown();
}

sim::ProjectModel PanesTest::MakeProject(int senders, int ports,
                                         const std::vector<std::pair<std::string, std::vector<int>>>& groups, int fiber)
{
    sim::GenerateOptions options;
    options.senders = senders;
    options.portsPerSender = ports;
    options.receiversPerPort = 2;
    options.fiberSenders = fiber;
    sim::ProjectModel p = sim::GenerateProject(options);
    for (const auto& [name, members] : groups) {
        p.groups.push_back({sim::NewGuid(), name, true});
        for (int i : members)
            p.senders[static_cast<std::size_t>(i)].groupId = p.groups.back().id;
    }
    return p;
}

void PanesTest::Open(const sim::ProjectModel& project)
{
    std::string error;
    ASSERT_TRUE(sim::SetProject(project, error)) << error;
    // The page state outlives every page: it takes this project's settings
    // and empty monitor data.
    PublishWarnings({}, false);
    ShowPage();
}

void PanesTest::ShowPage()
{
    if (!page) {
        page = CreatePage(host);
        ASSERT_NE(nullptr, page);
        page->MoveTo({0, 0, 1200, 800});
    }
    page->Update(-1, 0, 1);
}

CSenderSelectDlg& PanesTest::Panel() const { return *g_pLabelDlg->GetSenderSelect(); }
CSenderInfoTree& PanesTest::Tree() const
{
    return *dynamic_cast<CSenderInfoTree*>(Panel().GetDlgItem(CSenderSelectDlg::kTreeId));
}
CTargetSelectDlg& PanesTest::Target() const { return *g_pLabelDlg->GetTargetSelect(); }

std::vector<std::pair<HTREEITEM, int>> PanesTest::AllItems() const
{
    std::vector<std::pair<HTREEITEM, int>> items;
    const CSenderInfoTree& tree = Tree();
    const auto walk = [&](auto& self, HTREEITEM first, int depth) -> void {
        for (HTREEITEM h = first; h; h = tree.GetNextSiblingItem(h)) {
            items.emplace_back(h, depth);
            self(self, tree.GetChildItem(h), depth + 1);
        }
    };
    walk(walk, tree.GetRootItem(), 0);
    return items;
}

std::vector<std::string> PanesTest::TreeLabels() const
{
    std::vector<std::string> labels;
    for (const auto& [item, depth] : AllItems())
        labels.push_back(std::string(static_cast<std::size_t>(2 * depth), ' ') + Tree().GetItemText(item));
    return labels;
}

HTREEITEM PanesTest::Item(const std::string& text) const
{
    for (const auto& [item, depth] : AllItems())
        if (Tree().GetItemText(item).rfind(text, 0) == 0)
            return item;
    ADD_FAILURE() << "no tree item " << text;
    return nullptr;
}

void PanesTest::Command(unsigned code, long lParam) { Tree().SendMessage(WM_TREE_COMMAND, code, lParam); }

void PanesTest::ClickBarItem(CMorvBaseDlg& dlg, int item) { ::ClickBarItem(dlg, *dlg.GetBars().front(), item); }

int PanesTest::Notified(int32_t mask, std::optional<int32_t> word2) const
{
    return static_cast<int>(std::count_if(host.notifications.begin(), host.notifications.end(), [&](const auto& n) {
        return n.mask == mask && (!word2 || n.word2 == *word2);
    }));
}

bool PanesTest::Eventually(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        plat::ProcessEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
}

void PanesTest::PublishWarnings(const CMonitorWarningData& warnings, bool monitoring)
{
    sim::SetMonitorThreadState(monitoring, false);
    sim::PublishMonitorRound(CMonitorDetectData(), warnings, CMonitorRcvShowData(), CMonitorTipsData());
    sim::NotifyMonitorUpdateTargets();
}
