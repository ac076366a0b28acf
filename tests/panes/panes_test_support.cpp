#include "panes_test_support.h"

#include "controls/button_bar.h"
#include "controls/density.h"
#include "host/hwbridge.h"
#include "host/monitor_records.h"
#include "module/label_monitor_dlg.h"
#include "module/module_globals.h"
#include "panes/sender_info_tree.h"
#include "panes/sender_select_dlg.h"
#include "panes/target_select_dlg.h"
#include "sim/monitor_feed.h"
#include "sim/project_gen.h"
#include "sim/world.h"

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
                                         const std::vector<std::pair<std::string, std::vector<int>>>& groups)
{
    sim::GenerateOptions options;
    options.senders = senders;
    options.portsPerSender = ports;
    options.receiversPerPort = 2;
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

std::vector<std::string> PanesTest::TreeLabels() const
{
    std::vector<std::string> labels;
    const CSenderInfoTree& tree = Tree();
    const auto walk = [&](auto& self, HTREEITEM first, int depth) -> void {
        for (HTREEITEM h = first; h; h = tree.GetNextSiblingItem(h)) {
            labels.push_back(std::string(static_cast<std::size_t>(2 * depth), ' ') + tree.GetItemText(h));
            self(self, tree.GetChildItem(h), depth + 1);
        }
    };
    walk(walk, tree.GetRootItem(), 0);
    return labels;
}

HTREEITEM PanesTest::Item(const std::string& text) const
{
    const CSenderInfoTree& tree = Tree();
    std::vector<HTREEITEM> pending{tree.GetRootItem()};
    for (std::size_t k = 0; k < pending.size(); ++k) {
        for (HTREEITEM h = pending[k]; h; h = tree.GetNextSiblingItem(h)) {
            if (tree.GetItemText(h).rfind(text, 0) == 0)
                return h;
            if (HTREEITEM child = tree.GetChildItem(h))
                pending.push_back(child);
        }
    }
    ADD_FAILURE() << "no tree item " << text;
    return nullptr;
}

void PanesTest::Command(unsigned code, long lParam) { Tree().SendMessage(WM_TREE_COMMAND, code, lParam); }

void PanesTest::ClickBarItem(CMorvBaseDlg& dlg, int item)
{
    const SBarItem* it = dlg.GetBars().front()->GetItem(item);
    ASSERT_NE(nullptr, it);
    const LPARAM at = MAKELPARAM((it->rect.left + it->rect.right) / 2, (it->rect.top + it->rect.bottom) / 2);
    dlg.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    dlg.DeliverMessage(WM_LBUTTONUP, 0, at);
}

void PanesTest::PublishWarnings(const CMonitorWarningData& warnings, bool monitoring)
{
    sim::SetMonitorThreadState(monitoring, false);
    sim::PublishMonitorRound(CMonitorDetectData(), warnings, CMonitorRcvShowData(), CMonitorTipsData());
    sim::NotifyMonitorUpdateTargets();
}
