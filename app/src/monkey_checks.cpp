#include "monkey_checks.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace app {

namespace {

// Calls whose arguments name a sender of the project, and which argument.
struct SSenderArgument {
    std::string_view operation;
    int argument;
};

constexpr std::array<SSenderArgument, 16> kSenderArguments{{
    {"CProjectData::GetSender", 0},
    {"CProjectData::SetCurrentSender", 0},
    {"CProjectData::GetShowSenderName", 0},
    {"CProjectData::DeleteSender", 0},
    {"CProjectData::GetSenderGroupID", 0},
    {"CRuntimeData::GetSenderIDbyIndex", 0},
    {"IVideoSourceLogic::GetInputRecords", 0},
    {"IVideoSourceLogic::SetOutputPorts", 0},
    {"ISenderLogic::SetOutputPorts", 0},
    {"ISenderLogic::IsNameSettable", 0},
    {"ISenderLogic::SetDeviceName", 0},
    {"ISenderLogic::GetPortCount", 0},
    {"ISenderLogic::CanAccessCard", 0},
    {"IReceiverLogic::DetectReceivers", 0},
    {"IReceiverLogic::MarkReceiver", 0},
    {"IReceiverLogic::SetDemarcationDisplay", 1},
}};

// The n-th comma-separated argument as a whole number; false when there is none.
bool Argument(const std::string& arguments, int n, long& value)
{
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        start = arguments.find(',', start);
        if (start == std::string::npos)
            return false;
        ++start;
    }
    const char* begin = arguments.c_str() + start;
    char* end = nullptr;
    value = std::strtol(begin, &end, 10);
    return end != begin;
}

int Count(const std::vector<sim::LoggedCall>& calls, std::string_view operation)
{
    return static_cast<int>(
        std::count_if(calls.begin(), calls.end(), [&](const sim::LoggedCall& c) { return c.operation == operation; }));
}

} // namespace

std::string SenderOutsideProject(const std::vector<sim::LoggedCall>& calls, int senders)
{
    for (const sim::LoggedCall& call : calls) {
        const auto known = std::find_if(kSenderArguments.begin(), kSenderArguments.end(),
                                        [&](const SSenderArgument& s) { return s.operation == call.operation; });
        long sender = 0;
        if (known != kSenderArguments.end() && Argument(call.arguments, known->argument, sender)
            && (sender < -1 || sender >= senders))
            return call.operation + "(" + call.arguments + ")";
    }
    return {};
}

std::string SettingsStoredUnmarked(const std::vector<sim::LoggedCall>& calls, bool settingsChanged)
{
    const int stores = Count(calls, "CMonitorData::SetInterfaceData");
    if (!settingsChanged || stores == 0 || Count(calls, "CProjectUndoRedo::PrjModify") > 0)
        return {};
    return "the monitoring settings were stored (" + std::to_string(stores)
        + " times) and changed, but the project was not marked modified";
}

std::string SelectionDisagreement(const SSelectionState& s)
{
    constexpr int kSenderNode = 2;
    if (s.treeType != kSenderNode || (s.treeIndex == s.currentSender && s.treeIndex < s.senders))
        return {};
    return "the tree shows sender " + std::to_string(s.treeIndex) + " selected, the current sender is "
        + std::to_string(s.currentSender) + " of " + std::to_string(s.senders);
}

} // namespace app
