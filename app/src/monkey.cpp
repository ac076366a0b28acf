#include "monkey.h"

#include "hardware.h"
#include "monkey_steps.h"
#include "page_host.h"
#include "script.h"

#include "controls/modal.h"
#include "platform/shell.h"
#include "sim/world.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>

#include <set>

namespace app {

namespace {

// Menu commands the monkey may answer later menus with; bounded, so a long
// run does not grow it.
constexpr std::size_t kMenuCommandPool = 64;

SMonkeyScene Scene(const SScenarioEnv& env, const std::set<unsigned>& menuCommands, const std::string& copy)
{
    const CRect area = env.pageArea.GetClientRect();
    return {.width = area.Width(),
            .height = area.Height(),
            .senders = static_cast<int>(sim::GetProject().senders.size()),
            .pages = env.host.PageCount(),
            .currentPage = env.host.CurrentPage(),
            .monitoring = env.hardware.IsMonitoring(),
            .menuCommands = {menuCommands.begin(), menuCommands.end()},
            .projectCopy = copy};
}

// Learns the commands of the menus shown, then empties the modal log and
// its errors: in a monkey run a dismissed modal is no fault.
void HarvestModals(std::set<unsigned>& menuCommands)
{
    CModalScript& modals = CModalScript::Instance();
    for (const SModalRecord& record : modals.Log())
        for (const SMenuItemRecord& item : record.menuItems)
            if (item.nId != 0 && menuCommands.size() < kMenuCommandPool)
                menuCommands.insert(item.nId);
    modals.ClearLog();
    modals.ClearErrors();
}

// The host's invariants: the page answers a full refresh, the page shown
// and the project's current sender lie in range, and the dump is written.
bool CheckInvariants(const SScenarioEnv& env, const std::string& dumpPath, std::string& error)
{
    const int pages = env.host.PageCount();
    if (env.host.CurrentPage() < 0 || env.host.CurrentPage() >= pages) {
        error = "the page shown, " + std::to_string(env.host.CurrentPage()) + ", is not one of " + std::to_string(pages);
        return false;
    }
    const long updates = env.host.UpdateCount();
    env.host.Refresh(-1, 0, 0);
    QApplication::processEvents();
    if (env.host.UpdateCount() < updates + pages) {
        error = "the pages did not take a full refresh";
        return false;
    }
    const QJsonObject dump = env.dump();
    const QJsonObject project = dump["project"].toObject();
    const int senders = static_cast<int>(project["senders"].toArray().size());
    const int current = project["currentSender"].toInt();
    if (current < -1 || current >= std::max(senders, 1)) {
        error = "the project's current sender " + std::to_string(current) + " is outside its " + std::to_string(senders)
            + " senders";
        return false;
    }
    return WriteJsonFile(dumpPath, dump, error);
}

} // namespace

bool RunMonkey(const SScenarioEnv& env, const SMonkeyRun& run, SMonkeyReport& report, std::string& error)
{
    if (!plat::CreateDirectories(run.folder)) {
        error = "cannot create the folder " + run.folder;
        return false;
    }
    const std::string copy = run.folder + "/monkey-project.json";
    const std::string dumpPath = run.folder + "/monkey-dump.json";
    SScenarioEnv monkeyEnv = env;
    monkeyEnv.randomInput = true;
    CScenarioRunner runner(monkeyEnv);
    std::mt19937 rng(run.seed);
    std::set<unsigned> menuCommands;
    // The monkey works on a copy, so no step can write over the project it started with.
    SMonkeyStep step{{"save \"" + copy + "\"", "open \"" + copy + "\""}};
    for (int n = 0; n <= run.steps; ++n) {
        if (n > 0)
            step = NextMonkeyStep(rng, Scene(env, menuCommands, copy));
        QElapsedTimer clock;
        clock.start();
        std::string why;
        std::vector<SScriptCommand> commands;
        std::string text;
        for (const std::string& line : step.lines)
            text += line + "\n";
        bool ok = false;
        if (step.page < 0)
            ok = ParseScript(text, commands, why) && runner.Run(commands, why);
        else if (!(ok = env.host.ShowPage(step.page)))
            why = "the page was not shown";
        HarvestModals(menuCommands);
        ok = ok && CheckInvariants(env, dumpPath, why);
        report.longestStepMs = std::max<long>(report.longestStepMs, clock.elapsed());
        if (!ok) {
            error = "seed " + std::to_string(run.seed) + ", step " + std::to_string(n) + ": " + MonkeyStepText(step)
                + ": " + why;
            return false;
        }
        report.steps = n;
    }
    return true;
}

} // namespace app
