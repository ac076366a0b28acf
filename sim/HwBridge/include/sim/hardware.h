#pragma once
// Control of the simulated hardware, for tests, scripts and the host
// application: faults, the seed of the drifting readings, live video
// signals, address modes, sender cards, and what the hardware shows.
//
// Senders are named by their project index when a call is made; the
// hardware keeps what it is told by the sender's identifier, so a fault
// stays with its sender when senders are added, removed or reordered.
// For a fibre sender, "port" names the fibre output (0-7 main, 8-15 their
// backups). Receivers are named by connection index. Everything here is
// thread-safe; none of it is logged as a call of the page.
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// --- Faults ----------------------------------------------------------------

// Faults of one cabinet's receiving card. They belong to the cabinet, so a
// cabinet fed by a source port and its backup port shows them on both.
enum class ReceiverFault : uint32_t {
    OverTemperature,
    Humidity,
    Smoke,
    Fan,
    Door,
    PowerSupply1,
    PowerSupply2,
    Voltage1,
    Voltage2,
    Cable,
    NoData, // the card does not answer
};

enum class SenderFault : uint32_t {
    Offline,      // the sender does not answer
    NoVideoInput, // every input loses its signal
    Locked,       // a lock fault: the output is not locked to its input
    Black,        // the output is black
    BrightnessZero,
    CardWrite, // the sender's card refuses to be written
};

// receiver -1: every receiver of the port; port -1: every port of the
// sender. False when the sender, port or receiver does not exist.
bool InjectReceiverFault(int sender, int port, int receiver, ReceiverFault fault);
// Clears what was injected at the same address; receiver -1 clears the
// kind from every receiver of the port.
bool ClearReceiverFault(int sender, int port, int receiver, ReceiverFault fault);

bool InjectSenderFault(int sender, SenderFault fault);
bool ClearSenderFault(int sender, SenderFault fault);

// The port's cable is pulled: the port is not connected and none of its
// receivers answers on it.
bool InjectPortDisconnected(int sender, int port);
bool ClearPortDisconnected(int sender, int port);

// The loop of a sender with loop-back ports is broken: receivers first to
// last (connection indices, first <= last) are reached only through the
// loop's other end. False for a sender without loop-back ports.
bool InjectLoopbackBreak(int sender, int port, int first, int last);
bool ClearLoopbackBreak(int sender, int port);

// Every sender detection answers "several senders on one card" while on.
void SetMultiSenderCard(bool on);

void ClearAllFaults();

// --- Readings --------------------------------------------------------------

// Readings drift from the seed and the simulation clock, the same on every
// run. Setting the seed does not move the clock.
void SetSeed(uint64_t seed);
uint64_t GetSeed();
// Rounds the clock has advanced (one per monitoring round).
uint64_t GetSimulationClock();

// What one receiver reads now. kNoSensor where the card has no such sensor.
struct ReceiverValues {
    static constexpr int32_t kNoSensor = INT32_MIN;
    bool bAnswers = false;
    int32_t nTemperature10 = kNoSensor; // tenths of a degree Celsius
    int32_t nHumidity = kNoSensor;      // percent
    int32_t nVoltage1_100 = kNoSensor;  // hundredths of a volt
    int32_t nVoltage2_100 = kNoSensor;
    int32_t nFanRpm = kNoSensor; // slowest fan
    int32_t nDoor = kNoSensor;   // 1 open
    int32_t nSmoke = kNoSensor;  // 1 smoke
    int32_t nPower1 = kNoSensor; // 1 good, 0 failed
    int32_t nPower2 = kNoSensor;
    int32_t nCable = kNoSensor; // 1 fault
};
// False when the receiver does not exist.
bool ReadReceiverNow(int sender, int port, int receiver, ReceiverValues& values);

// --- Video inputs ------------------------------------------------------------

// The live signal on one input (index into the sender's input list, as the
// detection lists them); width 0 means no signal.
struct VideoSignal {
    int32_t nWidth = 0;
    int32_t nHeight = 0;
    double dFrameRate = 0.0;
};
bool SetVideoSignal(int sender, int input, const VideoSignal& signal);
// Back to the signal the input has by default.
bool ResetVideoSignal(int sender, int input);

// --- Addresses ---------------------------------------------------------------

struct AddressSettings {
    int nAddressMode = 1;      // senders are reached by network address
    int nFixedAddress = 0;     // every sender has an address the user sets
    int nAddressDetection = 0; // a start of monitoring first detects the addresses
    int nProductKind = 0;      // 1: a product that drives a single sender
};
AddressSettings GetAddressSettings();
void SetAddressSettings(const AddressSettings& settings);

// --- Sender cards --------------------------------------------------------------

// A project stored on a sender's card: a one-line description and the
// project file's text.
enum class CardWrite { Written, NotConnected, Refused };
CardWrite WriteSenderCard(int sender, const std::string& description, const std::string& content);
bool ReadSenderCard(int sender, std::string& content);
// Times a card transfer was ended (ISenderLogic::EndCardTransfer).
int GetCardTransferEndCount();

// --- What the hardware shows -------------------------------------------------

struct ReceiverMark {
    int nSender = 0;
    int nPort = 0;
    int nReceiver = 0;
    bool operator==(const ReceiverMark&) const = default;
};
// Receivers showing a demarcation mark, by current sender index.
std::vector<ReceiverMark> GetDemarcationMarks();

// Ports switched off by the last port-output command (one bit per port,
// port 0 in bit 0 of byte 0); empty when none.
std::vector<uint8_t> GetSwitchedOffPorts(int sender);

// No faults, marks, names, cards or switched-off ports; seed 1, clock 0,
// address settings at their defaults, nothing detected yet. Stop
// monitoring first (sim/monitor_control.h).
void ResetHardware();

} // namespace sim
