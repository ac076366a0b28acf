// The host's hardware requests carried out by the hardware simulation
// library and its monitoring thread.
#include "hardware.h"
#include "quiet_calls.h"

#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"
#include "sim/project_file.h"
#include "sim/world.h"

#include <map>

namespace app {

namespace {

const std::map<std::string, sim::ReceiverFault>& ReceiverFaults()
{
    static const std::map<std::string, sim::ReceiverFault> faults{
        {"temperature", sim::ReceiverFault::OverTemperature},
        {"humidity", sim::ReceiverFault::Humidity},
        {"smoke", sim::ReceiverFault::Smoke},
        {"fan", sim::ReceiverFault::Fan},
        {"door", sim::ReceiverFault::Door},
        {"power", sim::ReceiverFault::PowerSupply1},
        {"power2", sim::ReceiverFault::PowerSupply2},
        {"voltage", sim::ReceiverFault::Voltage1},
        {"voltage2", sim::ReceiverFault::Voltage2},
        {"cable", sim::ReceiverFault::Cable},
        {"nodata", sim::ReceiverFault::NoData},
    };
    return faults;
}

const std::map<std::string, sim::SenderFault>& SenderFaults()
{
    static const std::map<std::string, sim::SenderFault> faults{
        {"offline", sim::SenderFault::Offline},     {"novideo", sim::SenderFault::NoVideoInput},
        {"locked", sim::SenderFault::Locked},       {"black", sim::SenderFault::Black},
        {"dark", sim::SenderFault::BrightnessZero}, {"cardwrite", sim::SenderFault::CardWrite},
    };
    return faults;
}

std::string Address(const SFault& f)
{
    std::string text = "sender " + std::to_string(f.sender);
    if (f.port >= 0)
        text += " port " + std::to_string(f.port);
    if (f.receiver >= 0)
        text += " receiver " + std::to_string(f.receiver);
    return text;
}

// Receivers on a port of the current project, -1 when there is no such port.
int ReceiversOnPort(int sender, int port)
{
    const sim::ProjectModel project = sim::GetProject();
    if (sender < 0 || sender >= static_cast<int>(project.senders.size()))
        return -1;
    const sim::SenderModel& s = project.senders[static_cast<std::size_t>(sender)];
    const auto& ports = s.fiber ? s.fiberPorts : s.ports;
    if (port < 0 || port >= static_cast<int>(ports.size()))
        return -1;
    return static_cast<int>(ports[static_cast<std::size_t>(port)].receivers.size());
}

class CHwBridgeHardware final : public IHardware {
public:
    bool StartMonitoring(CWnd* wnd, std::string& error) override
    {
        CQuietCalls quiet;
        if (GetMonitorThreadMgr()->IsMonitoring())
            return true;
        if (!GetHwMonitorLogic()->StartMonitor(wnd) || !GetMonitorThreadMgr()->IsMonitoring()) {
            error = "monitoring did not start";
            return false;
        }
        return true;
    }

    bool StopMonitoring(std::string& error) override
    {
        CQuietCalls quiet;
        if (!GetMonitorThreadMgr()->IsMonitoring())
            return true;
        GetHwMonitorLogic()->StopMonitor();
        if (GetMonitorThreadMgr()->IsMonitoring()) {
            error = "monitoring did not stop";
            return false;
        }
        return true;
    }

    bool IsMonitoring() const override
    {
        CQuietCalls quiet;
        return GetMonitorThreadMgr()->IsMonitoring() != 0;
    }

    void SetStepMode(bool step) override { sim::SetMonitorStepMode(step); }

    void SetRoundInterval(int milliseconds) override
    {
        sim::SetMonitorInterval(std::chrono::milliseconds(milliseconds));
    }

    uint64_t RoundCount() const override { return sim::GetMonitorRoundCount(); }

    bool RunRounds(int count, std::string& error) override
    {
        if (!sim::RunMonitorRounds(count)) {
            error = "the monitoring thread did not run the rounds (monitoring stopped or paused meanwhile)";
            return false;
        }
        return true;
    }

    bool SetFault(const SFault& f, bool active, std::string& error) override
    {
        bool done = false;
        if (const auto r = ReceiverFaults().find(f.kind); r != ReceiverFaults().end()) {
            done = active ? sim::InjectReceiverFault(f.sender, f.port, f.receiver, r->second)
                          : sim::ClearReceiverFault(f.sender, f.port, f.receiver, r->second);
        } else if (const auto s = SenderFaults().find(f.kind); s != SenderFaults().end()) {
            done = active ? sim::InjectSenderFault(f.sender, s->second) : sim::ClearSenderFault(f.sender, s->second);
        } else if (f.kind == "unplugged") {
            done
                = active ? sim::InjectPortDisconnected(f.sender, f.port) : sim::ClearPortDisconnected(f.sender, f.port);
        } else if (f.kind == "loopback") {
            // The loop breaks after the given receiver (the first by default):
            // from there to the last, receivers are reached from the loop's other end.
            const int count = ReceiversOnPort(f.sender, f.port);
            const int first = f.receiver < 0 ? 0 : f.receiver;
            done = active ? count > 0 && sim::InjectLoopbackBreak(f.sender, f.port, first, count - 1)
                          : sim::ClearLoopbackBreak(f.sender, f.port);
        }
        if (!done)
            error = "the hardware has no " + Address(f) + (f.kind == "loopback" ? " with loop-back ports" : "")
                + " for the fault " + f.kind;
        return done;
    }

    bool SetVideoSignal(int sender, int input, const SVideoSignal& signal, bool reset, std::string& error) override
    {
        const bool done = reset ? sim::ResetVideoSignal(sender, input)
                                : sim::SetVideoSignal(sender, input, {signal.width, signal.height, signal.rate});
        if (!done)
            error = "sender " + std::to_string(sender) + " has no video input " + std::to_string(input);
        return done;
    }

    bool ReadProjectFromCard(int sender, std::string& error) override
    {
        std::string content;
        if (!sim::ReadSenderCard(sender, content)) {
            error = "the sender is not connected";
            return false;
        }
        if (content.empty()) {
            error = "the card holds no project";
            return false;
        }
        sim::ProjectModel project;
        if (!sim::ReadProjectJson(content, project, error) || !sim::SetProject(std::move(project), error, true))
            return false;
        return true;
    }

    bool WriteProjectToCards(std::string& error) override
    {
        const sim::ProjectModel project = sim::GetProject();
        const std::string content = sim::WriteProjectJson(project);
        // A card that refuses the project fails the save even when others
        // took it: the user must know that not every card holds it.
        int written = 0;
        std::string refused;
        for (int i = 0; i < static_cast<int>(project.senders.size()); ++i) {
            const sim::CardWrite result = sim::WriteSenderCard(i, project.name, content);
            written += result == sim::CardWrite::Written ? 1 : 0;
            if (result == sim::CardWrite::Refused)
                refused += (refused.empty() ? "" : ", ") + project.senders[static_cast<std::size_t>(i)].name;
        }
        if (!refused.empty()) {
            error = "the card refused the project: " + refused;
            return false;
        }
        if (written == 0) {
            error = "no sender is connected";
            return false;
        }
        return true;
    }

    void SetTroubleHandler(std::function<void(const std::string&)> handler) override
    {
        sim::SetRecordTroubleHandler(std::move(handler));
    }

    void Shutdown() override
    {
        sim::ShutdownMonitoring();
        sim::SetRecordTroubleHandler({});
    }
};

} // namespace

std::unique_ptr<IHardware> MakeHardware() { return std::make_unique<CHwBridgeHardware>(); }

} // namespace app
