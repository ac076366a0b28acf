// The command line: every option, its defaults and the refusals.
#include "options.h"

#include <gtest/gtest.h>

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

TEST(CommandLine, TakesEveryOption)
{
    const auto o
        = Parse({"--project", "p.json", "--density", "1.5", "--size", "1024x768", "--script", "s.txt", "--screenshots",
                 "shots", "--dump", "d.json", "--step", "--config-dir", "cfg", "--module", "m.so"});
    EXPECT_EQ(o.project, "p.json");
    EXPECT_DOUBLE_EQ(o.density, 1.5);
    EXPECT_EQ(o.width, 1024);
    EXPECT_EQ(o.height, 768);
    EXPECT_EQ(o.script, "s.txt");
    EXPECT_EQ(o.screenshots, "shots");
    EXPECT_EQ(o.dump, "d.json");
    EXPECT_TRUE(o.step);
    EXPECT_EQ(o.configDir, "cfg");
    EXPECT_EQ(o.module, "m.so");
    EXPECT_TRUE(app::RunsScenario(o));
}

TEST(CommandLine, DefaultsRunInteractivelyWithTheDefaultScreenshotFolder)
{
    const auto o = Parse({});
    EXPECT_FALSE(app::RunsScenario(o));
    EXPECT_EQ(o.screenshots, "out/screenshots");
    EXPECT_EQ(o.density, 0.0);
    EXPECT_EQ(o.width, 0);
    EXPECT_TRUE(Parse({"--tour"}).tour);
    EXPECT_TRUE(app::RunsScenario(Parse({"--tour"})));
    EXPECT_TRUE(Parse({"-h"}).help);
    EXPECT_TRUE(Parse({"--help"}).help);
}

TEST(CommandLine, RefusesWhatItCannotUse)
{
    EXPECT_EQ(Refusal({"--project"}), "--project needs a value");
    EXPECT_EQ(Refusal({"--bogus"}), "unknown argument --bogus");
    EXPECT_EQ(Refusal({"--size", "1024"}), "--size 1024: expected WIDTHxHEIGHT, each from 100 to 10000");
    EXPECT_EQ(Refusal({"--size", "10x768"}), "--size 10x768: expected WIDTHxHEIGHT, each from 100 to 10000");
    EXPECT_EQ(Refusal({"--size", "800x600px"}), "--size 800x600px: expected WIDTHxHEIGHT, each from 100 to 10000");
    EXPECT_EQ(Refusal({"--density", "fast"}), "--density fast: expected a factor from 0.5 to 4");
    EXPECT_EQ(Refusal({"--density", "1.5x"}), "--density 1.5x: expected a factor from 0.5 to 4");
    EXPECT_EQ(Refusal({"--density", "0"}), "--density 0: expected a factor from 0.5 to 4");
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
    struct Case {
        const char* current;
        bool scenario;
        std::string screen;
        std::string expected;
    } cases[] = {
        {"", true, screen, "offscreen:configfile=" + screen},
        {"offscreen", false, screen, "offscreen:configfile=" + screen},
        {"offscreen", true, "", "offscreen"},
        {"", false, screen, ""},   // interactive: the desktop's own
        {"xcb", true, screen, ""}, // a platform chosen by the user stays
        {"offscreen:configfile=/mine.json", true, screen, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::PlatformChoice(c.current, c.scenario, c.screen), c.expected) << c.current << c.scenario;

    int width = 0;
    int height = 0;
    app::DefaultWindowSize(2.5, width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(app::kDefaultWidth * 5 / 2, app::kDefaultHeight * 5 / 2));
    app::DefaultWindowSize(0.0, width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(app::kDefaultWidth, app::kDefaultHeight));
}

} // namespace
