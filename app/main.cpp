// quarn: the host application of the monitoring page. Interactive with a
// display; headless (offscreen) for scenarios. Exit codes: 0 success,
// 1 a scenario failed, 2 the program could not start (arguments, project,
// page library).
#include "host_app.h"
#include "options.h"
#include "prompts.h"
#include "scenario_runner.h"
#include "tour.h"

#include "controls/msg_box.h"
#include "platform/shell.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

int Fail(bool interactive, const std::string& message)
{
    std::fprintf(stderr, "quarn: %s\n", message.c_str());
    if (interactive)
        MsgBox(nullptr, message, app::kAppTitle, MB_OK | MB_ICONERROR);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // The page scales by its own density factor; the toolkit must not scale on top.
    ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    // A file size limit makes a save fail with its reason instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    app::AppOptions options;
    std::string error;
    if (!app::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "quarn: %s\n%s", error.c_str(), app::UsageText().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(app::UsageText().c_str(), stdout);
        return 0;
    }
    const bool scenario = app::RunsScenario(options);
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string screenFile
        = plat::GetMainExecutableFolder() + "offscreen/" + app::OffscreenScreenFile(options.density);
    const std::string choice = app::PlatformChoice(platform ? platform : "", scenario,
                                                   plat::FileExists(screenFile) ? screenFile : std::string());
    if (!choice.empty())
        ::setenv("QT_QPA_PLATFORM", choice.c_str(), 1);
    QApplication application(argc, argv);
    QApplication::setApplicationName("quarn");
    QApplication::setApplicationDisplayName(app::kAppTitle);

    std::string script;
    if (!options.script.empty() && !app::ReadTextFile(options.script, script, error))
        return Fail(false, error);
    if (options.tour)
        script = app::TourScript();

    int code = 0;
    {
        app::CHostApp host(options);
        if (!host.Start(error))
            return Fail(!scenario, error);
        if (options.monkey > 0) {
            const uint32_t seed = options.seedGiven ? options.seed : std::random_device{}();
            app::SMonkeyReport report;
            if (host.RunMonkey(seed, report, error)) {
                std::printf("quarn: monkey: seed %u, %d steps, %llu monitoring rounds, longest step %ld ms, longest "
                            "pause of the user interface thread %ld ms (%s)\n",
                            seed, report.steps, static_cast<unsigned long long>(report.rounds), report.longestStepMs,
                            report.longestPause, report.longestPauseStep.c_str());
                if (!report.samples.empty())
                    std::printf("quarn: soak: resident memory %ld kB after warm-up, %ld kB at the end, growth %.1f kB "
                                "per 10,000 rounds\n",
                                report.samples[report.samples.size() / 4].residentKb, report.samples.back().residentKb,
                                app::GrowthKbPer10kRounds(report.samples));
            } else {
                std::fprintf(stderr, "quarn: monkey failed: %s\n", error.c_str());
                code = 1;
            }
        } else if (scenario) {
            if (!host.RunScenario(script, error)) {
                std::fprintf(stderr, "quarn: scenario failed: %s\n", error.c_str());
                code = 1;
            }
        } else {
            code = host.RunInteractive();
        }
        if (!options.dump.empty() && !app::WriteJsonFile(options.dump, host.Dump(), error)) {
            std::fprintf(stderr, "quarn: %s\n", error.c_str());
            code = code ? code : 1;
        }
    }
    return code;
}
