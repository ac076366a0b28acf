// ISenderLogic of the simulated hardware: answers from what the last
// detection (or monitoring round) found, operations on the devices.
#include "bridge_logic.h"

#include "detection_progress.h"
#include "device_classes.h"
#include "hardware_state.h"
#include "host/host_enums.h"
#include "sim/call_log.h"
#include "sim/world.h"

#include <algorithm>
#include <cstdio>

namespace sim::hw {
namespace {

// The most bytes a device stores as its name.
constexpr std::size_t kMaxDeviceName = 64;

std::string MaskText(const std::vector<uint8_t>& mask)
{
    std::string text;
    for (uint8_t b : mask) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", b);
        text += hex;
    }
    return text;
}

// The record of an answering sender, through f; fallback otherwise.
template <class T, class F>
T AskRecord(int sender, T fallback, F f)
{
    return WithKnowledge([&](const Knowledge& k) {
        const KnownSender* s = k.Online(sender);
        return s ? static_cast<T>(f(s->record)) : fallback;
    });
}

class SenderLogic final : public ISenderLogic {
public:
    int IsSenderDetected(int sender) override
    {
        Log("ISenderLogic::IsSenderDetected", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData&) { return 1; });
    }
    int GetSenderTypeCode(int sender) override
    {
        Log("ISenderLogic::GetSenderTypeCode", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData& r) { return r.byType; });
    }
    uint32_t GetSenderStatusWord(int sender) override
    {
        Log("ISenderLogic::GetSenderStatusWord", sender);
        return AskRecord(sender, 0u, [](const SDetectSenderData& r) { return r.dwStatus; });
    }
    int GetSenderTreeValue(int sender) override
    {
        Log("ISenderLogic::GetSenderTreeValue", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData& r) { return r.nTreeValue; });
    }
    std::string GetSenderName(int sender) override
    {
        Log("ISenderLogic::GetSenderName", sender);
        return AskRecord(sender, std::string(), [](const SDetectSenderData& r) { return r.strName; });
    }
    int IsFiberSender() override
    {
        Log("ISenderLogic::IsFiberSender");
        return AskRecord(CurrentDetectSender(), 0,
                         [](const SDetectSenderData& r) { return IsFiberDevice(r.byType, r.nModel) ? 1 : 0; });
    }
    int IsPortConnected(int sender, int port) override
    {
        Log("ISenderLogic::IsPortConnected", sender, port);
        return AskRecord(sender, 0, [port](const SDetectSenderData& r) {
            return IsPortBitSet(r.byType, r.nModel, r.dwPortMask, port) ? 1 : 0;
        });
    }
    int GetDetectedSenderCount() override
    {
        Log("ISenderLogic::GetDetectedSenderCount");
        return WithKnowledge([](const Knowledge& k) { return k.DetectedCount(); });
    }
    int GetCurDetectSender() override
    {
        Log("ISenderLogic::GetCurDetectSender");
        return CurrentDetectSender();
    }
    int GetAddressMode() override
    {
        Log("ISenderLogic::GetAddressMode");
        return GetAddressSettings().nAddressMode;
    }

    int IsAddressDetection() override
    {
        Log("ISenderLogic::IsAddressDetection");
        return GetAddressSettings().nAddressDetection;
    }
    int IsFixedAddressMode() override
    {
        Log("ISenderLogic::IsFixedAddressMode");
        return GetAddressSettings().nFixedAddress;
    }
    int GetProductKind() override
    {
        Log("ISenderLogic::GetProductKind");
        return GetAddressSettings().nProductKind;
    }
    std::string GetAddressText(int sender) override
    {
        Log("ISenderLogic::GetAddressText", sender);
        const ProjectModel project = GetProject();
        if (sender < 0 || sender >= static_cast<int>(project.senders.size()))
            return {};
        return project.senders[static_cast<std::size_t>(sender)].address;
    }

    int IsConnected(int sender) override
    {
        Log("ISenderLogic::IsConnected", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData&) { return 1; });
    }
    std::string GetDisplayName(int sender) override
    {
        Log("ISenderLogic::GetDisplayName", sender);
        const ProjectModel project = GetProject();
        if (sender < 0 || sender >= static_cast<int>(project.senders.size()))
            return {};
        const SenderModel& s = project.senders[static_cast<std::size_t>(sender)];
        std::string name = s.name.empty() ? "Sender " + std::to_string(sender + 1) : s.name;
        {
            HardwareLock lock(TheHardware().mutex);
            const auto& names = TheHardware().devices.names;
            if (auto it = names.find(s.id); it != names.end() && !it->second.empty())
                name = it->second;
        }
        // With fixed addresses the user tells senders apart by their address.
        if (GetAddressSettings().nFixedAddress && !s.address.empty())
            name += "(" + s.address + ")";
        return name;
    }
    int IsNameSettable(int sender) override
    {
        Log("ISenderLogic::IsNameSettable", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData&) { return 1; });
    }
    int SetDeviceName(int sender, const std::string& name) override
    {
        Log("ISenderLogic::SetDeviceName", sender, name);
        if (name.size() > kMaxDeviceName)
            return 0;
        return WithOnlineSender(sender, [&](HardwareState& hw, const std::string& id) { hw.devices.names[id] = name; });
    }
    int IsVideoSourceDevice(int sender) override
    {
        Log("ISenderLogic::IsVideoSourceDevice", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData& r) { return IsVideoSourceType(r.byType) ? 1 : 0; });
    }
    int GetPortCount(int sender) override
    {
        Log("ISenderLogic::GetPortCount", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData& r) {
            return DoublesPortCount(r.byType) ? (r.byPortCount + 1) / 2 : r.byPortCount;
        });
    }
    int IsPortCountDoubled(int sender) override
    {
        Log("ISenderLogic::IsPortCountDoubled", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData& r) { return DoublesPortCount(r.byType) ? 1 : 0; });
    }
    int HasSecondPortRow(int deviceClass) override
    {
        Log("ISenderLogic::HasSecondPortRow", deviceClass);
        return HasLoopbackPorts(deviceClass) ? 1 : 0;
    }
    int IsPortOutputSupported(int sender) override
    {
        Log("ISenderLogic::IsPortOutputSupported", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData& r) { return CanSwitchPortOutput(r.byType) ? 1 : 0; });
    }
    int SetOutputPorts(const SPortOutputRecord& record) override
    {
        Log("ISenderLogic::SetOutputPorts", record.nSender, record.nFlag, MaskText(record.arrMask));
        return SwitchOffPorts(record.nSender, record.arrMask);
    }
    int CheckPortEnable(int sender) override
    {
        Log("ISenderLogic::CheckPortEnable", sender);
        const std::vector<uint8_t> off = GetSwitchedOffPorts(sender);
        return std::any_of(off.begin(), off.end(), [](uint8_t b) { return b != 0; }) ? 1 : 0;
    }

    int CanAccessCard(int sender) override
    {
        Log("ISenderLogic::CanAccessCard", sender);
        return AskRecord(sender, 0, [](const SDetectSenderData&) { return 1; });
    }
    int ReadCardDescription(int sender, std::string& description) override
    {
        Log("ISenderLogic::ReadCardDescription", sender);
        int result = -1;
        WithOnlineSender(sender, [&](HardwareState& hw, const std::string& id) {
            if (auto it = hw.devices.cards.find(id); it != hw.devices.cards.end()) {
                description = it->second.strDescription;
                result = static_cast<int>(std::min<std::size_t>(it->second.strContent.size(), INT32_MAX));
            }
        });
        return result;
    }
    void EndCardTransfer() override
    {
        Log("ISenderLogic::EndCardTransfer");
        HardwareLock lock(TheHardware().mutex);
        ++TheHardware().cardTransferEnds;
    }

    uint32_t DetectSenders(CWnd* wnd, int progressBegin, int progressEnd, int flag) override
    {
        Log("ISenderLogic::DetectSenders", static_cast<const void*>(wnd), progressBegin, progressEnd, flag);
        DetectionProgress progress(wnd, progressBegin, progressEnd);
        progress.Step(1, kDetectionSteps);
        bool multiCard = false;
        {
            HardwareLock lock(TheHardware().mutex);
            multiCard = TheHardware().faults.IsMultiSenderCard();
        }
        if (!multiCard)
            ReadHardwareNow(ReadKind::SenderDetection);
        for (int step = 2; step <= kDetectionSteps; ++step)
            progress.Step(step, kDetectionSteps);
        return multiCard ? kDetectMultiSenderCard : 0;
    }
    void NotifySenderListChanged() override
    {
        Log("ISenderLogic::NotifySenderListChanged");
        ReadHardwareNow(ReadKind::SenderDetection);
    }

private:
    // With specified addresses the detection works on the answering sender
    // with the lowest address; otherwise on the first sender.
    static int CurrentDetectSender()
    {
        if (GetAddressSettings().nAddressMode == 0 || GetConfig().detectStrategy != DETECT_STRATEGY_SPECIFIED_IP)
            return 0;
        return std::max(0, WithKnowledge([](const Knowledge& k) { return k.LowestIdSender(); }));
    }
};

} // namespace

int SwitchOffPorts(int sender, const std::vector<uint8_t>& mask)
{
    return WithOnlineSender(sender, [&](HardwareState& hw, const std::string& id) {
        if (std::all_of(mask.begin(), mask.end(), [](uint8_t b) { return b == 0; }))
            hw.devices.switchedOff.erase(id);
        else
            hw.devices.switchedOff[id] = mask;
    });
}

ISenderLogic& TheSenderLogic()
{
    static SenderLogic* logic = new SenderLogic;
    return *logic;
}

} // namespace sim::hw
