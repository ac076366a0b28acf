// A process that ends while monitoring rounds run must end cleanly: the
// monitoring thread may not run on into objects that the end of the
// process has destroyed. Each child below starts monitoring on a large
// installation with warnings to log, and calls exit() while rounds run;
// under AddressSanitizer a use after free fails the child. Plain main, not
// GoogleTest: the children are forked before any thread exists.
#include "host/hwbridge.h"
#include "host/hwbridge_monitor.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

[[noreturn]] void MonitorThenExit(const std::string& folder)
{
    sim::SetConfigFolder(folder);
    std::string error;
    if (!sim::SetProject(sim::GenerateProject({.senders = 40, .portsPerSender = 8, .receiversPerPort = 40}), error)) {
        std::fprintf(stderr, "project refused: %s\n", error.c_str());
        std::_Exit(3);
    }
    // Warnings on every round, so each one builds log texts.
    for (int s = 0; s < 40; s += 3)
        sim::InjectReceiverFault(s, -1, -1, sim::ReceiverFault::Door);
    sim::SetMonitorInterval(std::chrono::milliseconds(1));
    if (GetHwMonitorLogic()->StartMonitor(nullptr) != 1 || !sim::WaitForMonitorRounds(2, std::chrono::seconds(60)))
        std::_Exit(4);
    std::exit(0); // while the next round runs
}

} // namespace

int main()
{
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("exit-while-monitoring-" + std::to_string(::getpid()));
    int failures = 0;
    constexpr int kRuns = 8;
    for (int run = 0; run < kRuns; ++run) {
        const pid_t child = ::fork();
        if (child < 0) {
            std::perror("fork");
            return 2;
        }
        if (child == 0)
            MonitorThenExit((folder / std::to_string(run)).string() + "/");
        int status = 0;
        ::waitpid(child, &status, 0);
        const bool clean = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (!clean) {
            std::fprintf(stderr, "run %d: the process did not end cleanly (status %d)\n", run, status);
            ++failures;
        }
    }
    std::filesystem::remove_all(folder);
    std::printf("%d of %d processes ended cleanly\n", kRuns - failures, kRuns);
    return failures == 0 ? 0 : 1;
}
