#pragma once
// The installation as the simulated host keeps it: plain values that a
// project file holds, that the generator builds and that the monitoring
// thread copies.
#include "host/vistrano_project.h"
#include "host/vistrano_settings.h"
#include "platform/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// Limits a project file must keep.
constexpr int kMaxPortsPerSender = 160;
constexpr int kFiberOutputs = 16;
constexpr int kMaxReceiversPerPort = 65535;
constexpr int32_t kMaxCoordinate = 1000000;
// The monitoring view's own coordinates; differences of two stay in 32 bits.
constexpr int32_t kMaxViewCoordinate = 1000000000;

// One output port: the receivers it feeds, in cabling order (connection
// index 0 first), with their rectangles in project pixels.
struct PortModel {
    std::vector<CRect> receivers;
    bool operator==(const PortModel&) const = default;
};

// The monitoring view's record of a sender (area -1s and position -1: not
// laid out).
struct ViewRecord {
    CRect area{-1, -1, -1, -1};
    CPoint receiverOrigin;
    int relativePos = -1;
    bool operator==(const ViewRecord&) const = default;
};

struct SenderModel {
    std::string id; // GUID text, unique in the project
    std::string name;
    std::string groupId;               // empty: no group
    std::string address;               // IPv4 text; empty: none
    int deviceType = 35;               // device class the hardware reports
    int model = 0;                     // model word
    bool fiber = false;                // outputs are kFiberOutputs fibre outputs (8 main, 8 backup)
    std::vector<PortModel> ports;      // Ethernet ports
    std::vector<PortModel> fiberPorts; // fibre outputs, empty unless fiber
    int recentPort = 0;
    ViewRecord view;
    uint64_t serial = 0; // identity within the running process; not saved

    // Equal in everything a file holds.
    bool SameContent(const SenderModel& o) const;
};

struct GroupModel {
    std::string id;
    std::string name;
    bool expand = true;
    bool operator==(const GroupModel&) const = default;
};

// Port `sourcePort` of one sender is backed up by port `backupPort` of
// another (or of the same) sender.
struct BackupLink {
    std::string sourceId;
    int sourcePort = 0;
    std::string backupId;
    int backupPort = 0;
    bool operator==(const BackupLink&) const = default;
};

struct ProjectModel {
    std::string name;
    std::vector<SenderModel> senders;
    std::vector<GroupModel> groups;
    std::vector<BackupLink> backups;
    int currentSender = 0;
    bool demoMode = false;
    CMonitorInterfaceData monitor;

    // Equal in everything a file holds.
    bool SameContent(const ProjectModel& o) const;
};

// Index of the sender with this id, or -1.
int FindSender(const ProjectModel& project, const std::string& id);
// Index of the group with this id, or -1.
int FindGroup(const ProjectModel& project, const std::string& id);
// Smallest rectangle holding every receiver of the sender; empty without receivers.
CRect SenderBound(const SenderModel& sender);
// Number of receivers over all the sender's ports.
int ReceiverCount(const SenderModel& sender);
// The backup link that holds (sender, port) at either end, or null.
const BackupLink* FindBackupLink(const ProjectModel& project, const std::string& senderId, int port);

// What is wrong with a project, or empty when it is sound: unique ids,
// known groups, ports, receivers and coordinates within the limits,
// backup links between existing ports with each port in one link at most,
// settings within the ranges the settings page allows.
std::string ValidateProject(const ProjectModel& project);

// A new GUID text ("{8-4-4-4-12}", upper-case hex), random.
std::string NewGuid();
// The GUID text made of two 64-bit halves (version and variant bits set),
// for identifiers that must be the same on every run.
std::string FormatGuid(uint64_t high, uint64_t low);
// Parses dotted IPv4 text; false when it is not one.
bool ParseIPv4(const std::string& text, uint32_t& address);
std::string FormatIPv4(uint32_t address);

} // namespace sim
