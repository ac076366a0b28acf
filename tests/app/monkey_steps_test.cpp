// The monkey's random steps: the same seed gives the same steps, and every
// step parses and aims only at what the scene holds.
#include "monkey_steps.h"
#include "script.h"

#include <gtest/gtest.h>

namespace {

app::SMonkeyScene Scene(int width, int height, int senders, int pages, int currentPage)
{
    app::SMonkeyScene scene;
    scene.width = width;
    scene.height = height;
    scene.senders = senders;
    scene.pages = pages;
    scene.currentPage = currentPage;
    scene.menuCommands = {1201, 1202};
    scene.targets = {"@CToolBarDlg:bar:3", "@CSenderInfoTree:item:0"};
    scene.projectCopy = "/w/p.json";
    return scene;
}

std::vector<std::string> Draw(uint32_t seed, const app::SMonkeyScene& scene, int count)
{
    std::mt19937 rng(seed);
    std::vector<std::string> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back(app::MonkeyStepText(app::NextMonkeyStep(rng, scene)));
    return steps;
}

TEST(MonkeySteps, TheSameSeedGivesTheSameSteps)
{
    const app::SMonkeyScene scene = Scene(800, 600, 3, 2, 0);
    EXPECT_EQ(Draw(7, scene, 200), Draw(7, scene, 200));
    EXPECT_NE(Draw(7, scene, 200), Draw(8, scene, 200));
}

TEST(MonkeySteps, EveryStepParsesAndStaysWithinTheScene)
{
    app::SMonkeyScene soak = Scene(640, 480, 2, 2, 0);
    soak.monitoring = soak.soak = true;
    const app::SMonkeyScene scenes[]
        = {Scene(1280, 781, 4, 2, 0), Scene(1, 1, 0, 1, 0), Scene(300, 200, 1, 2, 1), soak};
    for (const app::SMonkeyScene& scene : scenes) {
        std::mt19937 rng(42);
        for (int i = 0; i < 3000; ++i) {
            const app::SMonkeyStep step = app::NextMonkeyStep(rng, scene);
            const std::string text = app::MonkeyStepText(step);
            if (step.page >= 0 || step.recreatePage) {
                EXPECT_LT(step.page, scene.pages) << text;
                EXPECT_TRUE(step.lines.empty()) << text;
                continue;
            }
            std::string script;
            for (const std::string& line : step.lines)
                script += line + "\n";
            std::vector<app::SScriptCommand> commands;
            std::string error;
            ASSERT_TRUE(app::ParseScript(script, commands, error)) << error << " in " << text;
            const app::SScriptCommand& action = commands.back();
            if (action.verb == app::EVerb::Fault || action.verb == app::EVerb::Clear) {
                EXPECT_LT(action.numbers[0], scene.senders) << text;
            }
            if (action.verb == app::EVerb::Monitor) {
                // A soak keeps monitoring on: a stop comes with a start.
                EXPECT_EQ(action.on, !scene.monitoring || scene.soak) << text;
            }
            if (action.verb == app::EVerb::Round) {
                EXPECT_FALSE(scene.soak) << text;
                EXPECT_EQ(scene.currentPage, 0) << text;
            }
            if (action.verb == app::EVerb::Open || action.verb == app::EVerb::Save) {
                EXPECT_EQ(action.text, scene.projectCopy) << text;
            }
            if (action.where.kind == app::SWhere::EKind::Point && action.verb >= app::EVerb::Click
                && action.verb <= app::EVerb::Drag) {
                EXPECT_LT(action.where.pt.x, std::max(scene.width, 1)) << text;
                EXPECT_LT(action.where.pt.y, std::max(scene.height, 1)) << text;
            }
        }
    }
}

} // namespace
