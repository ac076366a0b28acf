#pragma once
// Reading the simulated hardware: the project says what is installed, the
// drift gives healthy readings, the faults and the device settings change
// them. A pure function of its inputs.
#include "device_book.h"
#include "fault_book.h"
#include "readings.h"
#include "sim/project_model.h"

#include <cstdint>
#include <vector>

namespace sim::hw {

struct ReadInput {
    const ProjectModel& project;
    const FaultBook& faults;
    const DeviceBook& devices;
    const std::vector<uint32_t>& detectIds; // by sender index; missing ones read as 0
    uint64_t seed = 1;
    uint64_t clock = 0;
};

HardwareRound ReadHardware(const ReadInput& in);
SenderReading ReadSender(const ReadInput& in, int sender);

// Where the receivers of a sender's port sit (see CabinetPort).
CabinetPort CabinetOf(const ProjectModel& project, int sender, int port);

// The ports of a sender as its hardware numbers them: Ethernet ports, or
// the 16 fibre outputs.
const std::vector<PortModel>& HardwarePorts(const SenderModel& sender);

} // namespace sim::hw
