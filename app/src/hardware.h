#pragma once
// What the host application asks of the simulated hardware: monitoring on
// and off, rounds on request, faults, and the project stored on the
// senders' cards. One implementation drives the hardware simulation
// library; a build without that library answers every request with a
// message saying so.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CWnd;

namespace app {

// The faults a scenario can inject, by the names scripts use.
const std::vector<std::string>& FaultKinds();
bool IsFaultKind(const std::string& kind);

struct SFault {
    std::string kind;
    int sender = 0;
    int port = -1;     // -1: the whole sender
    int receiver = -1; // -1: every receiver of the port
};

struct SVideoSignal {
    int width = 0;
    int height = 0;
    double rate = 0.0; // Hz
};

class IHardware {
public:
    virtual ~IHardware() = default;

    // Monitoring as the page's own toolbar starts and stops it.
    virtual bool StartMonitoring(CWnd* wnd, std::string& error) = 0;
    virtual bool StopMonitoring(std::string& error) = 0;
    virtual bool IsMonitoring() const = 0;
    // With step mode on, the monitoring thread reads only when asked.
    virtual void SetStepMode(bool step) = 0;
    // The pause between free-running rounds; 0: the refresh interval of the settings.
    virtual void SetRoundInterval(int milliseconds) = 0;
    // Runs rounds now; returns once every update target heard of the last.
    virtual bool RunRounds(int count, std::string& error) = 0;
    // Rounds read since the program started.
    virtual uint64_t RoundCount() const = 0;
    virtual bool SetFault(const SFault& fault, bool active, std::string& error) = 0;
    // The live signal on a video input (the index into the sender's input
    // list): width 0 none; reset gives the input its own signal again.
    virtual bool SetVideoSignal(int sender, int input, const SVideoSignal& signal, bool reset, std::string& error) = 0;

    // The project stored on a sender's card replaces the current one.
    virtual bool ReadProjectFromCard(int sender, std::string& error) = 0;
    // The current project is written to the cards of the connected senders.
    virtual bool WriteProjectToCards(std::string& error) = 0;

    // Told (on any thread) when the monitoring log or alert mail cannot be
    // written; monitoring goes on and writes them once it can.
    virtual void SetTroubleHandler(std::function<void(const std::string&)> handler) = 0;

    // Stops the monitoring thread for good (program end).
    virtual void Shutdown() = 0;
};

std::unique_ptr<IHardware> MakeHardware();

} // namespace app
