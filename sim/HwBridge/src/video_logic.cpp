// IVideoSourceLogic of the simulated hardware: the video inputs of the
// senders and their live signals.
#include "bridge_logic.h"

#include "hardware_state.h"
#include "sim/call_log.h"
#include "video_catalog.h"

namespace sim::hw {
namespace {

// The model code of an answering sender, or -1.
int OnlineModel(int sender)
{
    return WithKnowledge([&](const Knowledge& k) {
        const KnownSender* s = k.Online(sender);
        return s ? static_cast<int>(s->record.byType) : -1;
    });
}

class VideoSourceLogic final : public IVideoSourceLogic {
public:
    int GetFixedInputs(int modelCode, int connected, std::vector<SVideoInputRecord>& inputs) override
    {
        Log("IVideoSourceLogic::GetFixedInputs", modelCode, connected);
        return FixedInputs(modelCode, connected != 0, inputs) ? 1 : 0;
    }
    int GetInputTypeCodes(int sender, std::vector<uint8_t>& codes) override
    {
        Log("IVideoSourceLogic::GetInputTypeCodes", sender);
        const int model = OnlineModel(sender);
        return model >= 0 && InputTypeCodes(model, codes) ? 1 : 0;
    }
    int GetInputRecords(int sender, std::vector<SVideoInputRecord>& inputs) override
    {
        Log("IVideoSourceLogic::GetInputRecords", sender);
        const int model = OnlineModel(sender);
        return model >= 0 && VideoSourceRecords(model, inputs) ? 1 : 0;
    }
    std::string GetInputName(int modelCode, int inputType) override
    {
        Log("IVideoSourceLogic::GetInputName", modelCode, inputType);
        return InputTypeName(inputType);
    }
    std::string GetInputName(int modelCode, uint32_t port, int inputType, int subIndex, int flag) override
    {
        Log("IVideoSourceLogic::GetInputName", modelCode, port, inputType, subIndex, flag);
        return SlotInputName(port, inputType, subIndex);
    }
    std::string GetSignalText(int sender, const SVideoInputRecord& input) override
    {
        Log("IVideoSourceLogic::GetSignalText", sender, input.dwPort, input.dwInputType, input.dwSubIndex);
        SenderReading s;
        if (OnlineModel(sender) < 0 || !ReadSenderNow(sender, s) || !s.bOnline)
            return {};
        for (const InputReading& in : s.inputs)
            if (in.byType == input.dwInputType && in.dwPort == input.dwPort && in.dwSubIndex == input.dwSubIndex)
                return SignalText(in.signal);
        return {};
    }
    int SetOutputPorts(const SPortOutputRecord& record) override
    {
        Log("IVideoSourceLogic::SetOutputPorts", record.nSender, record.nFlag, static_cast<int>(record.arrMask.size()));
        // A video-source device's mask starts with its port count (16 bits).
        if (record.arrMask.size() < 2)
            return 0;
        return SwitchOffPorts(record.nSender, {record.arrMask.begin() + 2, record.arrMask.end()});
    }
};

} // namespace

IVideoSourceLogic& TheVideoSourceLogic()
{
    static VideoSourceLogic* logic = new VideoSourceLogic;
    return *logic;
}

} // namespace sim::hw
