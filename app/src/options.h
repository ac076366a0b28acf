#pragma once
// The host application's command line, parsed apart from any window so it
// can be checked on its own.
#include <cstdint>
#include <string>
#include <vector>

namespace app {

struct AppOptions {
    std::string project;  // --project: opened before the page is created
    double density = 0.0; // --density: the control library's override; 0 = screen
    int width = 0;        // --size WxH of the main window; 0 = default
    int height = 0;
    std::string script;      // --script: scenario file, played headless
    bool tour = false;       // --tour: the built-in scenario, played headless
    std::string screenshots; // --screenshots: folder of the scenario's screenshots
    std::string dump;        // --dump: observable state written at the end
    bool step = false;       // --step: monitoring rounds only on request
    std::string configDir;   // --config-dir: configuration and log folder
    std::string module;      // --module: the page library; default next to the program
    bool help = false;       // --help
    int monkey = 0;          // --monkey: random steps played headless (monkey.h)
    uint32_t seed = 0;       // --seed of the monkey; drawn when not given
    bool seedGiven = false;
    int soakSeconds = 0; // --soak: the monkey against free-running monitoring, at most this long
};

// Default main window size and screenshot folder.
constexpr int kDefaultWidth = 1280;
constexpr int kDefaultHeight = 800;
inline constexpr const char* kDefaultScreenshotFolder = "out/screenshots";

// Parses the arguments after the program name. False with a message naming
// the offending argument; the options then are unspecified.
bool ParseCommandLine(const std::vector<std::string>& args, AppOptions& options, std::string& error);

// A scenario (script or tour) runs headless and always in step mode, so its
// rounds happen exactly when it asks for them.
inline bool RunsScenario(const AppOptions& options)
{
    return options.tour || !options.script.empty() || options.monkey > 0;
}

std::string UsageText();

// The offscreen screen configuration for a density factor, a file of the
// program's offscreen folder: the first of 1, 1.5 and 2.5 not below the
// factor (the screen's own, 1, for 0), else the largest. Each screen holds
// the default window at its density.
std::string OffscreenScreenFile(double density);

// The platform a run starts on, from the one set in the environment (empty
// when none) and the screen configuration (empty when it is missing): a
// scenario without a platform of its own, and any run on the plain
// offscreen platform, get the offscreen screen made for the density, not
// the toolkit's small default screen. Empty: keep what is set.
std::string PlatformChoice(const std::string& current, bool scenario, const std::string& screenFile);

// The main window's size when --size does not give one: the default scaled
// by the density, so the page's panes keep their room.
void DefaultWindowSize(double density, int& width, int& height);

} // namespace app
