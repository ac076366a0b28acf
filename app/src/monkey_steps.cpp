#include "monkey_steps.h"

#include "hardware.h"

#include <algorithm>
#include <array>

namespace app {

namespace {

// Picks one of a list.
template <class List>
const auto& OneOf(std::mt19937& rng, const List& list)
{
    return list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(rng)];
}

int Between(std::mt19937& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

bool Chance(std::mt19937& rng, double p) { return std::bernoulli_distribution(p)(rng); }

// Ctrl most often: it turns wheels into zooms and keys into shortcuts.
std::string Modifiers(std::mt19937& rng)
{
    std::string mods;
    if (Chance(rng, 0.25))
        mods += " ctrl";
    if (Chance(rng, 0.12))
        mods += " shift";
    if (Chance(rng, 0.04))
        mods += " alt";
    return mods;
}

std::string Point(std::mt19937& rng, const SMonkeyScene& scene)
{
    return std::to_string(Between(rng, 0, std::max(scene.width - 1, 0))) + " "
        + std::to_string(Between(rng, 0, std::max(scene.height - 1, 0)));
}

std::string Key(std::mt19937& rng)
{
    static const std::array<const char*, 24> keys{
        "f2",    "delete", "enter", "escape", "tab", "space", "backspace", "home", "end", "pageup", "pagedown", "left",
        "right", "up",     "down",  "insert", "a",   "c",     "v",         "x",    "z",   "s",      "1",        "f5"};
    return OneOf(rng, keys);
}

// Texts an operator might type, and some no edit should take whole.
std::string Text(std::mt19937& rng)
{
    static const std::array<const char*, 10> texts{"75",     "-1",     "999999999", "192.168.0.10", "ops@example.com",
                                                   "Wall 2", "x\\\"y", "0",         "abc def",      "%s%n"};
    return std::string("\"") + OneOf(rng, texts) + "\"";
}

// The answers queued before an action: a message box, a menu and a dialog
// each get a random one now and then. Answers not used wait for later
// modals; one that does not fit is refused and the modal dismissed.
void QueueAnswers(std::mt19937& rng, const SMonkeyScene& scene, std::vector<std::string>& lines)
{
    if (Chance(rng, 0.3)) {
        static const std::array<int, 4> buttons{1, 2, 6, 7};
        lines.push_back("answer msgbox " + std::to_string(OneOf(rng, buttons)));
    }
    if (Chance(rng, 0.3)) {
        const unsigned id = scene.menuCommands.empty() || Chance(rng, 0.2) ? 0 : OneOf(rng, scene.menuCommands);
        lines.push_back("answer menu " + std::to_string(id));
    }
    if (Chance(rng, 0.3)) {
        const std::string result = Chance(rng, 0.5) ? "1" : "2";
        if (Chance(rng, 0.5)) {
            // The dialog's own controls, a few random steps, before OK or Cancel.
            lines.push_back("within dialog " + result);
            SMonkeyScene dialog;
            dialog.width = 400;
            dialog.height = 300;
            for (int i = Between(rng, 1, 4); i > 0; --i)
                lines.push_back(Chance(rng, 0.6) ? "click " + Point(rng, dialog) : "key " + Key(rng));
            lines.push_back("end");
        } else {
            lines.push_back("answer dialog " + result);
        }
    }
    if (Chance(rng, 0.1))
        lines.push_back(Chance(rng, 0.5) ? "answer file cancel" : "answer file \"" + scene.projectCopy + "\"");
}

std::string Input(std::mt19937& rng, const SMonkeyScene& scene)
{
    // Aimed at a named thing now and then: buttons, tree items and edits are
    // small, and random points would seldom reach them.
    const std::string at = !scene.targets.empty() && Chance(rng, 0.4) ? OneOf(rng, scene.targets) : Point(rng, scene);
    switch (Between(rng, 0, 8)) {
    case 0:
    case 1: return "click " + at + Modifiers(rng);
    case 2: return "dclick " + at + Modifiers(rng);
    case 3: return "rclick " + at + Modifiers(rng);
    case 4: return "move " + at + Modifiers(rng);
    case 5: return "wheel " + at + " " + std::to_string(Between(rng, -2, 2) * 120) + Modifiers(rng);
    case 6:
        return "drag " + at + " " + std::to_string(Between(rng, -300, 300)) + " "
            + std::to_string(Between(rng, -300, 300)) + Modifiers(rng);
    case 7: return "key " + Key(rng) + Modifiers(rng);
    default: return "type " + Text(rng);
    }
}

std::string Fault(std::mt19937& rng, const SMonkeyScene& scene)
{
    // Every kind but the two that need a port of a particular make.
    const std::vector<std::string>& all = FaultKinds();
    const std::vector<std::string> kinds(all.begin(), all.end() - 2);
    return std::string(Chance(rng, 0.6) ? "fault " : "clear ") + OneOf(rng, kinds) + " "
        + std::to_string(Between(rng, 0, scene.senders - 1));
}

} // namespace

SMonkeyStep NextMonkeyStep(std::mt19937& rng, const SMonkeyScene& scene)
{
    SMonkeyStep step;
    const int roll = Between(rng, 0, 99);
    if (roll < 3 && scene.pages > 1) {
        step.page = Between(rng, 0, scene.pages - 1);
        return step;
    }
    if (roll == 3) {
        step.recreatePage = true;
        return step;
    }
    std::vector<std::string>& lines = step.lines;
    QueueAnswers(rng, scene, lines);
    if (roll < 6) {
        lines.push_back(scene.monitoring ? "monitor stop" : "monitor start");
        if (scene.soak && scene.monitoring)
            lines.push_back("monitor start");
    } else if (roll < 14 && scene.soak)
        lines.push_back("wait " + std::to_string(Between(rng, 10, 100))); // rounds come by themselves
    else if (roll < 14 && scene.currentPage == 0)
        lines.push_back("round " + std::to_string(Between(rng, 1, 3)));
    else if (roll < 20 && scene.senders > 0)
        lines.push_back(Fault(rng, scene));
    else if (roll < 23)
        lines.push_back(
            Chance(rng, 0.2)
                ? "resize " + std::to_string(Between(rng, 1, 40)) + " " + std::to_string(Between(rng, 1, 40))
                : "resize " + std::to_string(Between(rng, 200, 1600)) + " " + std::to_string(Between(rng, 150, 1000)));
    else if (roll < 25)
        lines.push_back((Chance(rng, 0.5) ? "save \"" : "open \"") + scene.projectCopy + "\"");
    else
        lines.push_back(Input(rng, scene));
    return step;
}

std::string MonkeyStepText(const SMonkeyStep& step)
{
    if (step.page >= 0)
        return "show page " + std::to_string(step.page);
    if (step.recreatePage)
        return "release and create the monitor page";
    std::string text;
    for (const std::string& line : step.lines)
        text += (text.empty() ? "" : " | ") + line;
    return text;
}

} // namespace app
