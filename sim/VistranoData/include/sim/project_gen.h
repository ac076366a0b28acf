#pragma once
// Installations made by program: the sample that ships with the program,
// and large ones for benchmarks.
#include "sim/project_model.h"

#include <cstdint>
#include <string>

namespace sim {

// The sample installation: two groups and ungrouped senders, a
// source/backup pair, a fibre sender, a sender with 24 ports, and about
// 1,500 cabinets in rectangular, L-shaped, curved and irregular walls.
// The same on every run.
ProjectModel MakeSampleProject();

struct GenerateOptions {
    int senders = 1;              // 1 .. kMaxSenderCount
    int portsPerSender = 4;       // 1 .. kMaxPortsPerSender
    int receiversPerPort = 16;    // 0 .. kMaxReceiversPerPort
    int largeSenderReceivers = 0; // when > 0, sender 1 has this many receivers over its ports
    int cabinetSize = 128;        // pixels
    uint32_t seed = 1;            // identifiers derive from it
    int fiberSenders = 0;         // the first senders are fibre senders (16 outputs, 8 of them backups)
};

// A project of rectangular walls, one per sender, ungrouped. The options
// are held to their ranges.
ProjectModel GenerateProject(const GenerateOptions& options);
// The first option outside its range ("ports must be from 1 to 160");
// empty when every one is in range.
std::string GenerateOptionsFault(const GenerateOptions& options);

} // namespace sim
