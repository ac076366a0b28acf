// IReceiverLogic of the simulated hardware: receiver detection and
// demarcation marks.
#include "bridge_logic.h"

#include "detection_progress.h"
#include "hardware_state.h"
#include "sim/call_log.h"
#include "sim/world.h"

namespace sim::hw {
namespace {

// The answer of receiver (port, receiver) in the last read; -1 when unknown.
int Answered(const KnownSender& s, int port, int receiver)
{
    if (port < 0 || port >= static_cast<int>(s.answered.size()))
        return -1;
    const auto& answered = s.answered[static_cast<std::size_t>(port)];
    if (receiver < 0 || receiver >= static_cast<int>(answered.size()))
        return -1;
    return answered[static_cast<std::size_t>(receiver)];
}

bool Markable(const Knowledge& k, int sender, int port, int receiver)
{
    const KnownSender* s = k.Online(sender);
    return s && Answered(*s, port, receiver) == 1;
}

class ReceiverLogic final : public IReceiverLogic {
public:
    int DetectReceivers(int sender, int port, CWnd* wnd, int progressBegin, int progressEnd, int flag) override
    {
        Log("IReceiverLogic::DetectReceivers", sender, port, static_cast<const void*>(wnd), progressBegin, progressEnd,
            flag);
        const ProjectModel project = GetProject();
        if (sender < -1 || sender >= static_cast<int>(project.senders.size()) || port < -1)
            return 1;
        DetectionProgress progress(wnd, progressBegin, progressEnd);
        progress.Step(1, kDetectionSteps);
        ReadHardwareNow(project, ReadKind::ReceiverDetection, sender, port);
        for (int step = 2; step <= kDetectionSteps; ++step)
            progress.Step(step, kDetectionSteps);
        return 0;
    }
    int IsRcvMarkable(int sender, int port, int receiver) override
    {
        Log("IReceiverLogic::IsRcvMarkable", sender, port, receiver);
        return WithKnowledge([&](const Knowledge& k) { return Markable(k, sender, port, receiver) ? 1 : 0; });
    }
    int MarkReceiver(int sender, int port, int receiver, int on) override
    {
        Log("IReceiverLogic::MarkReceiver", sender, port, receiver, on);
        EnsureDetected();
        HardwareState& hw = TheHardware();
        HardwareLock lock(hw.mutex);
        const auto mark = std::make_tuple(hw.knowledge.IdAt(sender), port, receiver);
        if (!on) {
            hw.marks.erase(mark);
            return 1;
        }
        if (!Markable(hw.knowledge, sender, port, receiver))
            return 0;
        hw.marks.insert(mark);
        return 1;
    }
    int SetDemarcationDisplay(int on, int sender, int port) override
    {
        Log("IReceiverLogic::SetDemarcationDisplay", on, sender, port);
        if (!on) {
            HardwareLock lock(TheHardware().mutex);
            TheHardware().marks.clear();
        }
        return 1;
    }
    int GetFirstSilentReceiver(int sender, int port) override
    {
        Log("IReceiverLogic::GetFirstSilentReceiver", sender, port);
        return WithKnowledge([&](const Knowledge& k) {
            const KnownSender* s = k.Known(sender);
            if (!s || port < 0 || port >= static_cast<int>(s->answered.size()))
                return -1;
            const auto& answered = s->answered[static_cast<std::size_t>(port)];
            for (std::size_t r = 0; r < answered.size(); ++r)
                if (!answered[r])
                    return static_cast<int>(r);
            return -1;
        });
    }
};

} // namespace

IReceiverLogic& TheReceiverLogic()
{
    static ReceiverLogic* logic = new ReceiverLogic;
    return *logic;
}

} // namespace sim::hw
