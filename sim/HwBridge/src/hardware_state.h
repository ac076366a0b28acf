#pragma once
// The simulated hardware's state, process-wide, behind one lock: the
// faults, the device settings, the clock and seed, the bridge's last
// knowledge and the demarcation marks. The page's thread and the
// monitoring thread both go through it.
#include "device_book.h"
#include "fault_book.h"
#include "knowledge.h"
#include "readings.h"
#include "sim/hardware.h"
#include "sim/project_model.h"

#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace sim::hw {

struct HardwareState {
    std::mutex mutex;
    uint64_t seed = 1;
    uint64_t clock = 0;
    FaultBook faults;
    DeviceBook devices;
    AddressSettings addresses;
    Knowledge knowledge;
    std::set<std::tuple<std::string, int, int>> marks; // (sender id, port, receiver)
    int cardTransferEnds = 0;
};

HardwareState& TheHardware();
using HardwareLock = std::lock_guard<std::mutex>;

enum class ReadKind {
    SenderDetection,   // remembers the senders
    ReceiverDetection, // remembers which receivers answer (of `sender`, `port`; -1 all)
    Detection,         // remembers everything
    MonitoringRound,   // moves the clock a round, remembers everything
};

// Reads the project's hardware now and remembers what the kind says.
HardwareRound ReadHardwareNow(ReadKind kind, int sender = -1, int port = -1);
// The same from a project the caller already has.
HardwareRound ReadHardwareNow(const ProjectModel& project, ReadKind kind, int sender = -1, int port = -1);

// A first detection, when none ran since the last reset.
void EnsureDetected();

// One sender as the hardware reads it now, without remembering; false when
// the index is outside the project.
bool ReadSenderNow(int sender, SenderReading& reading);

// Moves the simulation clock by n rounds.
void AdvanceClock(uint64_t n);

// Calls f with the bridge's knowledge under the hardware's lock, after a
// first detection when none ran yet.
template <class F>
auto WithKnowledge(F&& f)
{
    EnsureDetected();
    HardwareLock lock(TheHardware().mutex);
    return f(static_cast<const Knowledge&>(TheHardware().knowledge));
}

// Calls f(state, sender identifier) under the hardware's lock when the
// sender answered the last detection; 1 when it did, else 0.
template <class F>
int WithOnlineSender(int sender, F&& f)
{
    EnsureDetected();
    HardwareState& hw = TheHardware();
    HardwareLock lock(hw.mutex);
    if (!hw.knowledge.Online(sender))
        return 0;
    f(hw, hw.knowledge.IdAt(sender));
    return 1;
}

} // namespace sim::hw
