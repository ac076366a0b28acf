// The command line: every option, its defaults and the refusals.
#include "options.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

app::AppOptions Parse(const std::vector<std::string>& args)
{
    app::AppOptions options;
    std::string error;
    EXPECT_TRUE(app::ParseCommandLine(args, options, error)) << error;
    return options;
}

std::string Refusal(const std::vector<std::string>& args)
{
    app::AppOptions options;
    std::string error;
    EXPECT_FALSE(app::ParseCommandLine(args, options, error));
    return error;
}

TEST(CommandLine, TakesEveryOptionAndDefaultsRunInteractively)
{
    auto o = Parse({"--project", "p.json", "--density", "1.5", "--size", "1024x768", "--script", "s.txt",
                    "--screenshots", "shots", "--dump", "d.json", "--step", "--config-dir", "cfg", "--module", "m.so"});
    EXPECT_EQ(std::tuple(o.project, o.density, o.width, o.height, o.script, o.screenshots, o.dump, o.step, o.configDir,
                         o.module),
              std::tuple("p.json", 1.5, 1024, 768, "s.txt", "shots", "d.json", true, "cfg", "m.so"));
    EXPECT_TRUE(app::RunsScenario(o));
    o = Parse({});
    EXPECT_EQ(std::tuple(app::RunsScenario(o), o.screenshots, o.density, o.width),
              std::tuple(false, "out/screenshots", 0.0, 0));
    EXPECT_TRUE(Parse({"--tour"}).tour && app::RunsScenario(Parse({"--tour"})));
    EXPECT_TRUE(Parse({"-h"}).help && Parse({"--help"}).help);
}

TEST(CommandLine, RefusesWhatItCannotUse)
{
    EXPECT_EQ(Refusal({"--project"}), "--project needs a value");
    EXPECT_EQ(Refusal({"--bogus"}), "unknown argument --bogus");
    for (const std::string size : {"1024", "10x768", "800x600px"})
        EXPECT_EQ(Refusal({"--size", size}), "--size " + size + ": expected WIDTHxHEIGHT, each from 100 to 10000");
    for (const std::string density : {"fast", "1.5x", "0"})
        EXPECT_EQ(Refusal({"--density", density}), "--density " + density + ": expected a factor from 0.5 to 4");
    EXPECT_EQ(Refusal({"--tour", "--script", "a.txt"}), "--tour, --script and --monkey exclude each other");
    EXPECT_EQ(Refusal({"--monkey", "0"}), "--monkey 0: expected a step count from 1 to 100000000");
    EXPECT_EQ(Refusal({"--soak", "60"}), "--soak needs --monkey");
    EXPECT_EQ(Refusal({"--monkey", "5", "--soak", "0"}), "--soak 0: expected seconds from 1 to 604800");
    EXPECT_EQ(Refusal({"--seed", "-3"}), "--seed -3: expected a number from 0 to 4294967295");
    EXPECT_EQ(Refusal({"--tour", "--monkey", "5"}), "--tour, --script and --monkey exclude each other");
}

TEST(CommandLine, HeadlessRunsGetTheOffscreenScreenMadeForTheirDensity)
{
    const std::pair<double, const char*> screens[]
        = {{0.0, "density-100.json"}, {1.0, "density-100.json"}, {1.25, "density-150.json"},
           {1.5, "density-150.json"}, {2.5, "density-250.json"}, {4.0, "density-250.json"}};
    for (const auto& [density, file] : screens)
        EXPECT_EQ(app::OffscreenScreenFile(density), file) << density;

    const std::string screen = "/bin/offscreen/density-250.json";
    const std::tuple<const char*, bool, std::string, std::string> cases[] = {
        {"", true, screen, "offscreen:configfile=" + screen},
        {"offscreen", false, screen, "offscreen:configfile=" + screen},
        {"offscreen", true, "", "offscreen"},
        {"", false, screen, ""},   // interactive: the desktop's own
        {"xcb", true, screen, ""}, // a platform chosen by the user stays
        {"offscreen:configfile=/mine.json", true, screen, ""},
    };
    for (const auto& [current, scenario, offscreen, expected] : cases)
        EXPECT_EQ(app::PlatformChoice(current, scenario, offscreen), expected) << current << scenario;

    int width = 0, height = 0;
    app::DefaultWindowSize(2.5, width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(app::kDefaultWidth * 5 / 2, app::kDefaultHeight * 5 / 2));
    app::DefaultWindowSize(0.0, width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(app::kDefaultWidth, app::kDefaultHeight));
}

} // namespace
