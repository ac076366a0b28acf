// The monkey's checks on one step's calls into the host, the targets it
// reads from the dump, and the memory growth it works out from a soak's
// samples.
#include "monkey_checks.h"
#include "monkey_targets.h"
#include "soak_samples.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

TEST(MonkeyChecks, SendersNamedOutsideTheProjectAreFound)
{
    struct Case {
        sim::LoggedCall call;
        const char* found; // empty: within the project
    };
    const Case cases[] = {
        {{"CProjectData::GetSender", "3"}, ""},
        {{"CProjectData::GetSender", "-1"}, ""},
        {{"CProjectData::GetSender", "4"}, "CProjectData::GetSender(4)"},
        {{"CProjectData::SetCurrentSender", "-2"}, "CProjectData::SetCurrentSender(-2)"},
        {{"ISenderLogic::SetDeviceName", "7, \"Wall\""}, "ISenderLogic::SetDeviceName(7, \"Wall\")"},
        {{"IReceiverLogic::SetDemarcationDisplay", "true, 0, 1"}, ""},
        {{"IReceiverLogic::SetDemarcationDisplay", "true, 9, 1"}, "IReceiverLogic::SetDemarcationDisplay(true, 9, 1)"},
        {{"IReceiverLogic::SetDemarcationDisplay", "true"}, ""},
        {{"CSender::GetPort", "9"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::SenderOutsideProject({{"CProjectData::GetSenderCount", ""}, c.call}, 4), c.found)
            << c.call.operation << " " << c.call.arguments;
}

TEST(MonkeyChecks, SettingsChangesStoredAndMarkedOnceEach)
{
    const sim::LoggedCall changed{"CMonitorData::SetInterfaceData", "\"changed\""};
    const sim::LoggedCall same{"CMonitorData::SetInterfaceData", "\"unchanged\""};
    const sim::LoggedCall refused{"CMonitorData::SetInterfaceData", "\"refused\""};
    const sim::LoggedCall mark{"CProjectUndoRedo::PrjModify", ""};
    const std::string unmarked
        = "the monitoring settings were changed and stored, but the project was not marked modified";
    const std::pair<std::vector<sim::LoggedCall>, std::string> cases[] = {
        {{changed, mark, changed, mark}, ""},
        {{mark, refused}, ""}, // a mark of another change, a store the host refused
        {{changed}, unmarked},
        {{changed, changed, mark}, unmarked},
        {{changed, mark, mark}, "one change of the monitoring settings marked the project modified 2 times"},
        {{changed, mark, same}, "the monitoring settings were stored again as they were"},
    };
    for (const auto& [calls, fault] : cases)
        EXPECT_EQ(app::SettingsStoreFault(calls), fault) << calls.size() << " calls";
}

TEST(MonkeyTargets, VisibleControlsBarItemsAndShownTreeItems)
{
    const char* json = R"({"windows": [
        {"class": "CPanel", "visible": true,
         "controls": [{"index": 2, "visible": true}, {"index": 5, "visible": false}],
         "bars": [[{"index": 0, "visible": false}, {"index": 1, "visible": true}], [{"index": 0, "visible": true}]],
         "children": [
            {"class": "CTree", "visible": true, "children": [], "items": [
                {"depth": 0, "expanded": true}, {"depth": 1, "expanded": false}, {"depth": 2, "expanded": true},
                {"depth": 1, "expanded": true}, {"depth": 0, "expanded": false}, {"depth": 1, "expanded": true}]},
            {"class": "CHidden", "visible": false, "controls": [{"index": 0, "visible": true}]}]}]})";
    const QJsonObject dump = QJsonDocument::fromJson(json).object();
    const std::vector<std::string> expected{"@CPanel:control:2", "@CPanel:bar:1", "@CTree:item:0",
                                            "@CTree:item:1",     "@CTree:item:2", "@CTree:item:3"};
    EXPECT_EQ(app::MonkeyTargets(dump), expected);
}

TEST(SoakSamples, GrowthIsTheSlopeAfterWarmUp)
{
    // Warm-up (the first quarter) grows fast; afterwards 5 kB per 1,000 rounds.
    std::vector<app::SSoakSample> samples;
    for (int i = 0; i < 8; ++i)
        samples.push_back({.rounds = i * 1000u, .residentKb = i < 2 ? 1000L * i : 2000 + 5L * (i - 2)});
    EXPECT_NEAR(app::GrowthKbPer10kRounds(samples), 50.0, 1e-6);
    EXPECT_EQ(app::GrowthKbPer10kRounds({samples.front()}), 0.0);
    for (app::SSoakSample& s : samples)
        s.rounds = 7;
    EXPECT_EQ(app::GrowthKbPer10kRounds(samples), 0.0);
    EXPECT_EQ(app::SoakSampleLine({12.34, 5, 600, 7000}), "12.3,5,600,7000");
    EXPECT_GT(app::ResidentKilobytes(), 0);
}

} // namespace
