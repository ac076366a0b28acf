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

std::string SettingsStoreFault(const std::vector<sim::LoggedCall>& calls)
{
    int marks = -1; // since the last store that changed the settings; -1 before one
    const auto marked = [&marks]() -> std::string {
        if (marks == 0)
            return "the monitoring settings were changed and stored, but the project was not marked modified";
        if (marks > 1)
            return "one change of the monitoring settings marked the project modified " + std::to_string(marks)
                + " times";
        return {};
    };
    for (const sim::LoggedCall& call : calls) {
        if (call.operation == "CProjectUndoRedo::PrjModify" && marks >= 0)
            ++marks;
        if (call.operation != "CMonitorData::SetInterfaceData")
            continue;
        if (call.arguments == "\"unchanged\"")
            return "the monitoring settings were stored again as they were";
        if (call.arguments == "\"changed\"") {
            if (std::string fault = marked(); !fault.empty())
                return fault;
            marks = 0;
        }
    }
    return marked();
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
