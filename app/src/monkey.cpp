#include "monkey.h"

#include "hardware.h"
#include "monkey_checks.h"
#include "monkey_steps.h"
#include "monkey_targets.h"
#include "page_host.h"
#include "script.h"
#include "ui_heartbeat.h"

#include "controls/modal.h"
#include "platform/shell.h"
#include "sim/call_log.h"
#include "sim/world.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>

#include <fstream>
#include <set>

namespace app {

namespace {

// Menu commands the monkey may answer later menus with; bounded, so a long
// run does not grow it.
constexpr std::size_t kMenuCommandPool = 64;
// A soak's monitoring thread rests this long between rounds: as fast as it
// can without spinning.
constexpr int kSoakRoundIntervalMs = 1;
constexpr qint64 kSoakSampleMs = 2000;

// What the last check read from the dump: where to aim, and the project's
// senders (read there, not from a copy of the whole project every step).
struct SSeen {
    std::vector<std::string> targets;
    int senders = 0;
};

SMonkeyScene Scene(const SScenarioEnv& env, const std::set<unsigned>& menuCommands, const SMonkeyRun& run,
                   const std::string& copy, SSeen& seen)
{
    const CRect area = env.pageArea.GetClientRect();
    return {.width = area.Width(),
            .height = area.Height(),
            .senders = seen.senders,
            .pages = env.host.PageCount(),
            .currentPage = env.host.CurrentPage(),
            .monitoring = env.hardware.IsMonitoring(),
            .soak = run.soakSeconds > 0,
            .menuCommands = {menuCommands.begin(), menuCommands.end()},
            .targets = std::move(seen.targets),
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

bool RunStep(const SScenarioEnv& env, const SMonkeyRun& run, CScenarioRunner& runner, const SMonkeyStep& step,
             std::string& why)
{
    if (step.page >= 0) {
        if (!env.host.ShowPage(step.page))
            why = "the page was not shown";
        return why.empty();
    }
    if (step.recreatePage)
        return run.recreatePage(why);
    std::vector<SScriptCommand> commands;
    std::string text;
    for (const std::string& line : step.lines)
        text += line + "\n";
    return ParseScript(text, commands, why) && runner.Run(commands, why);
}

// The host's invariants: the page answers a full refresh, the page shown
// and the project's current sender lie in range, a sender the tree shows
// selected is the current one, every sender the page
// named to the host during the step lies in the project, each settings
// change it stored was stored and marked modified once. What the page shows to aim at is
// read from the same dump.
bool CheckInvariants(const SScenarioEnv& env, const SMonkeyRun& run, uint64_t callsBefore, SSeen& seen,
                     std::string& error)
{
    const int pages = env.host.PageCount();
    if (env.host.CurrentPage() < 0 || env.host.CurrentPage() >= pages) {
        error
            = "the page shown, " + std::to_string(env.host.CurrentPage()) + ", is not one of " + std::to_string(pages);
        return false;
    }
    const long updates = env.host.UpdateCount();
    env.host.Refresh(-1, 0, 0);
    QApplication::processEvents();
    if (env.host.UpdateCount() < updates + pages) {
        error = "the pages did not take a full refresh";
        return false;
    }
    const QJsonObject dump = run.stateDump();
    seen.targets = MonkeyTargets(dump);
    const QJsonObject project = dump["project"].toObject();
    const int senders = static_cast<int>(project["senders"].toArray().size());
    const int current = project["currentSender"].toInt();
    if (current < -1 || current >= std::max(senders, 1)) {
        error = "the project's current sender " + std::to_string(current) + " is outside its " + std::to_string(senders)
            + " senders";
        return false;
    }
    const QJsonObject tree = project["treeSelection"].toObject();
    error = SelectionDisagreement({tree["type"].toInt(), tree["index"].toInt(), current, senders});
    if (!error.empty())
        return false;
    const std::vector<sim::LoggedCall> calls = sim::GetCallsSince(callsBefore);
    if (const std::string call = SenderOutsideProject(calls, std::max(senders, seen.senders)); !call.empty()) {
        error = "the page named a sender outside the project's " + std::to_string(senders) + ": " + call;
        return false;
    }
    seen.senders = senders;
    error = SettingsStoreFault(calls);
    return error.empty();
}

// Samples a soak's time, steps, rounds and memory, also into a file as it goes.
class CSoakSampler {
public:
    CSoakSampler(const IHardware& hardware, std::string file) : m_hardware(hardware), m_file(std::move(file))
    {
        m_clock.start();
    }
    bool Over(int seconds) const { return m_clock.elapsed() >= qint64{seconds} * 1000; }
    void Sample(int steps, std::vector<SSoakSample>& samples)
    {
        if (m_clock.elapsed() < m_next)
            return;
        if (!m_out.is_open()) {
            m_out.open(m_file, std::ios::trunc);
            m_out << "seconds,steps,rounds,residentKb\n";
        }
        m_next = m_clock.elapsed() + kSoakSampleMs;
        samples.push_back(
            {static_cast<double>(m_clock.elapsed()) / 1000.0, steps, m_hardware.RoundCount(), ResidentKilobytes()});
        m_out << SoakSampleLine(samples.back()) << std::endl;
    }

private:
    const IHardware& m_hardware;
    std::string m_file;
    std::ofstream m_out; // opened at the first sample, so only a soak writes the file
    QElapsedTimer m_clock;
    qint64 m_next = 0;
};

} // namespace

bool RunMonkey(const SScenarioEnv& env, const SMonkeyRun& run, SMonkeyReport& report, std::string& error)
{
    if (!plat::CreateDirectories(run.folder)) {
        error = "cannot create the folder " + run.folder;
        return false;
    }
    const std::string copy = run.folder + "/monkey-project.json";
    SScenarioEnv monkeyEnv = env;
    monkeyEnv.randomInput = true;
    CScenarioRunner runner(monkeyEnv);
    std::mt19937 rng(run.seed);
    std::set<unsigned> menuCommands;
    SSeen seen{.targets = {}, .senders = static_cast<int>(sim::GetProject().senders.size())};
    CUiHeartbeat heartbeat;
    const bool soak = run.soakSeconds > 0;
    CSoakSampler sampler(env.hardware, run.folder + "/soak-samples.csv");
    if (soak) {
        env.hardware.SetStepMode(false);
        env.hardware.SetRoundInterval(kSoakRoundIntervalMs);
    }
    const uint64_t firstRound = env.hardware.RoundCount();
    // The monkey works on a copy, so no step can write over the project it started with.
    SMonkeyStep step{{"save \"" + copy + "\"", "open \"" + copy + "\""}};
    if (soak)
        step.lines.push_back("monitor start");
    for (int n = 0; n <= run.steps && !(soak && sampler.Over(run.soakSeconds)); ++n) {
        if (n > 0)
            step = NextMonkeyStep(rng, Scene(env, menuCommands, run, copy, seen));
        QElapsedTimer clock;
        clock.start();
        const uint64_t callsBefore = sim::CallLogTotal();
        std::string why;
        const long pauseBefore = heartbeat.LongestPauseMs();
        heartbeat.Arm();
        bool ok = RunStep(env, run, runner, step, why);
        heartbeat.Disarm();
        if (heartbeat.LongestPauseMs() > pauseBefore)
            report.longestPauseStep = MonkeyStepText(step);
        HarvestModals(menuCommands);
        ok = ok && CheckInvariants(env, run, callsBefore, seen, why);
        report.longestStepMs = std::max<long>(report.longestStepMs, clock.elapsed());
        if (!ok) {
            error = "seed " + std::to_string(run.seed) + ", step " + std::to_string(n) + ": " + MonkeyStepText(step)
                + ": " + why;
            std::string unwritten;
            if (!WriteJsonFile(run.folder + "/monkey-dump.json", env.dump(), unwritten))
                error += " (" + unwritten + ")";
            return false;
        }
        report.steps = n;
        if (soak)
            sampler.Sample(n, report.samples);
    }
    report.longestPause = heartbeat.LongestPauseMs();
    report.rounds = env.hardware.RoundCount() - firstRound;
    return true;
}

} // namespace app
