#include "options.h"

#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <map>
#include <utility>

namespace app {

namespace {

bool ParseSize(const std::string& text, int& width, int& height)
{
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto w = std::from_chars(begin, begin + x, width);
    const auto h = std::from_chars(begin + x + 1, end, height);
    return w.ec == std::errc() && w.ptr == begin + x && h.ec == std::errc() && h.ptr == end && width >= 100
        && height >= 100 && width <= 10000 && height <= 10000;
}

template <class T>
bool ParseWhole(const std::string& text, int64_t low, int64_t high, T& value)
{
    int64_t number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size() || number < low || number > high)
        return false;
    value = static_cast<T>(number);
    return true;
}

bool ParseDensity(const std::string& text, double& density)
{
    const std::optional<double> value = plat::ParseDecimal(text);
    if (!value)
        return false;
    density = *value;
    return density >= 0.5 && density <= 4.0;
}

} // namespace

bool ParseCommandLine(const std::vector<std::string>& args, AppOptions& options, std::string& error)
{
    const std::map<std::string, std::string AppOptions::*> texts{
        {"--project", &AppOptions::project},         {"--script", &AppOptions::script},
        {"--screenshots", &AppOptions::screenshots}, {"--dump", &AppOptions::dump},
        {"--config-dir", &AppOptions::configDir},    {"--module", &AppOptions::module}};
    const std::map<std::string, bool AppOptions::*> flags{{"--tour", &AppOptions::tour},
                                                          {"--step", &AppOptions::step},
                                                          {"--help", &AppOptions::help},
                                                          {"-h", &AppOptions::help}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (const auto flag = flags.find(arg); flag != flags.end()) {
            options.*(flag->second) = true;
            continue;
        }
        const bool takesValue = texts.count(arg) || arg == "--density" || arg == "--size" || arg == "--monkey"
            || arg == "--seed" || arg == "--soak";
        if (!takesValue) {
            error = "unknown argument " + arg;
            return false;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = arg + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (const auto text = texts.find(arg); text != texts.end()) {
            options.*(text->second) = value;
        } else if (arg == "--density" && !ParseDensity(value, options.density)) {
            error = "--density " + value + ": expected a factor from 0.5 to 4";
            return false;
        } else if (arg == "--size" && !ParseSize(value, options.width, options.height)) {
            error = "--size " + value + ": expected WIDTHxHEIGHT, each from 100 to 10000";
            return false;
        } else if (arg == "--monkey" && !ParseWhole(value, 1, 100000000, options.monkey)) {
            error = "--monkey " + value + ": expected a step count from 1 to 100000000";
            return false;
        } else if (arg == "--soak" && !ParseWhole(value, 1, 7 * 24 * 3600, options.soakSeconds)) {
            error = "--soak " + value + ": expected seconds from 1 to 604800";
            return false;
        } else if (arg == "--seed") {
            int64_t seed = 0;
            if (!ParseWhole(value, 0, UINT32_MAX, seed)) {
                error = "--seed " + value + ": expected a number from 0 to 4294967295";
                return false;
            }
            options.seed = static_cast<uint32_t>(seed);
            options.seedGiven = true;
        }
    }
    if ((options.tour ? 1 : 0) + (options.script.empty() ? 0 : 1) + (options.monkey > 0 ? 1 : 0) > 1) {
        error = "--tour, --script and --monkey exclude each other";
        return false;
    }
    if (options.soakSeconds > 0 && options.monkey == 0) {
        error = "--soak needs --monkey";
        return false;
    }
    if (options.screenshots.empty())
        options.screenshots = kDefaultScreenshotFolder;
    return true;
}

std::string UsageText()
{
    return "usage: quarn [options]\n"
           "  --project <file>      open a project file at start\n"
           "  --density <factor>    display density of the controls (1, 1.5, 2.5 ...)\n"
           "  --size <W>x<H>        size of the main window\n"
           "  --script <file>       play a scenario headless (see docs/scenario.md)\n"
           "  --tour                play the built-in tour headless\n"
           "  --screenshots <dir>   folder of the scenario's screenshots (default out/screenshots)\n"
           "  --dump <file>         write the observable state as JSON at the end\n"
           "  --step                monitoring rounds only on request\n"
           "  --monkey <steps>      play random steps headless, checking the page after each\n"
           "  --seed <n>            the monkey's seed (default: drawn and printed)\n"
           "  --soak <seconds>      the monkey with monitoring free-running, memory sampled, for\n"
           "                        at most that long\n"
           "  --config-dir <dir>    folder of the configuration and the monitoring logs\n"
           "  --module <file>       the page library (default: libMonitor.so next to the program)\n";
}

std::string OffscreenScreenFile(double density)
{
    for (const auto& [factor, file] : {std::pair{1.0, "density-100.json"}, std::pair{1.5, "density-150.json"}})
        if (density <= factor)
            return file;
    return "density-250.json";
}

std::string PlatformChoice(const std::string& current, bool scenario, const std::string& screenFile)
{
    const bool plainOffscreen = current == "offscreen";
    if (!plainOffscreen && !(scenario && current.empty()))
        return {};
    return screenFile.empty() ? std::string("offscreen") : "offscreen:configfile=" + screenFile;
}

void DefaultWindowSize(double density, int& width, int& height)
{
    const double factor = density > 0 ? density : 1.0;
    width = static_cast<int>(std::lround(kDefaultWidth * factor));
    height = static_cast<int>(std::lround(kDefaultHeight * factor));
}

} // namespace app
