#pragma once
// A page made through the entry on a project of plain senders, with the
// modal windows scripted, for the sender panel and target pane tests.
#include "controls/modal.h"
#include "controls/sender_tree.h"
#include "module_test_support.h"
#include "sim/project_model.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CSenderSelectDlg;
class CSenderInfoTree;
class CTargetSelectDlg;
struct SSenderTreeNode;

class PanesTest : public ModuleTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A project of `senders` senders with `ports` ports each, the first
    // `fiber` of them fibre senders; groups by name hold the senders listed.
    static sim::ProjectModel MakeProject(int senders, int ports = 4,
                                         const std::vector<std::pair<std::string, std::vector<int>>>& groups = {},
                                         int fiber = 0);
    // Makes it the project, with empty monitor data, and shows the page.
    void Open(const sim::ProjectModel& project);
    // Creates the page on the current project, or refreshes it.
    void ShowPage();

    CSenderSelectDlg& Panel() const;
    CSenderInfoTree& Tree() const;
    CTargetSelectDlg& Target() const;
    // Every item in tree order with its depth.
    std::vector<std::pair<HTREEITEM, int>> AllItems() const;
    // The items' labels in tree order, indented two blanks per level.
    std::vector<std::string> TreeLabels() const;
    // The item whose label starts with text; fails the test when none does.
    HTREEITEM Item(const std::string& text) const;
    // Sends a tree command as the panel does.
    void Command(unsigned code, long lParam = 0);
    // A press and release at the centre of an item of a dialog's first bar.
    static void ClickBarItem(class CMorvBaseDlg& dlg, int item);
    // How many notifications with this mask (and this second word) the host saw.
    int Notified(int32_t mask, std::optional<int32_t> word2 = std::nullopt) const;
    // Runs events until done() holds, for at most two seconds; whether it held.
    static bool Eventually(const std::function<bool()>& done);
    // Runs a monitoring "round" with these warnings, without the thread.
    void PublishWarnings(const class CMonitorWarningData& warnings, bool monitoring = true);

    CTestHost host;
    IQuarnLabel* page = nullptr;
    CModalScript& modals = CModalScript::Instance();
};
