#pragma once
// What the last detection found: one record per sender, keyed by its
// detection identifier (CRuntimeData::GetSenderIDbyIndex), and one record
// per answering receiver.
#include "host/host_api.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// One video input of a detected sender as the detection found it.
struct HOST_RECORD_API SInputSignalInfo {
    uint32_t dwPort = 0;     // port word of the input
    uint32_t dwSubIndex = 0; // sub-index within the port
    uint8_t byInputType = 0; // input type code
    int32_t nWidth = 0;      // detected signal; 0 without a signal
    int32_t nHeight = 0;
    double dFrameRate = 0.0; // Hz
    std::string strName;     // input name
};

// Detection record of one sender.
struct HOST_RECORD_API SDetectSenderData {
    uint8_t byType = 0;      // type code (device class); 4 with model 160 is a fibre sender
    uint8_t byPortCount = 0; // output ports the device reports
    uint32_t dwStatus = 0;   // status word; 0 when the sender feeds receivers normally
    uint8_t byOnline = 0;    // answered the last read
    int32_t nModel = 0;      // model word
    uint32_t dwPortMask = 0; // bit per connected output port (see the type code for the numbering)
    int32_t nTreeValue = 0;  // number of output pairs the sender tree shows
    uint32_t dwAddress = 0;  // network address (IPv4, host order)
    int32_t nBrightness = 0; // percent
    int32_t nInputCount = 0;
    int32_t nVideoWidth = 0; // active input signal
    int32_t nVideoHeight = 0;
    int32_t nFrameRate100 = 0;  // hundredths of a hertz
    int32_t bVideoInput = 0;    // a video signal is present
    int32_t bLocked = 0;        // the output is locked
    int32_t bBlack = 0;         // the output is black
    int32_t nTemperature10 = 0; // tenths of a degree Celsius
    int32_t nFirmwareVersion = 0;
    int32_t nHardwareVersion = 0;
    int32_t nWorkMode = 0;
    int32_t nPortOutputMode = 0; // 0 automatic, 1 primary only, 2 backup only
    int32_t nReceiverCount = 0;  // receivers that answered
    int32_t nErrorCount = 0;     // failed reads since monitoring started
    int32_t nUptime = 0;         // seconds
    int32_t nFanSpeed = 0;       // rpm
    int32_t nReserved = 0;
    std::string strName; // name stored in the device
    std::string strModelName;
    std::string strVersion;
    std::vector<SInputSignalInfo> arrInputSignal;
};

// Detection record of one receiver.
struct HOST_RECORD_API SDetectReceiverData {
    int32_t nSender = 0;
    int32_t nPort = 0;
    int32_t nReceiver = 0; // connection index
    std::string strVersion;
    int32_t bOnline = 0;
    uint32_t dwWarning = 0;     // warning word (WARNING_* bits)
    int32_t nTemperature10 = 0; // tenths of a degree Celsius
    int32_t nHumidity = 0;      // percent
    double dVoltage1 = 0.0;     // volts
    int32_t nVoltage1State = 0;
    double dVoltage2 = 0.0;
    int32_t nFan1 = 0; // rpm of each fan
    int32_t nFan2 = 0;
    int32_t nFan3 = 0;
    int32_t nFan4 = 0;
    int32_t bDoorOpen = 0;
    int32_t bSmoke = 0;
    int32_t nPower1State = 0; // 1 good, 0 failed, -1 absent
    int32_t nPower2State = 0;
    int32_t nCableState = 0; // 0 good
    int32_t nLoopState = 0;
    int32_t nRefreshRate = 0;
    int32_t nGrayLevel = 0;
    int32_t nBrightness = 0;
    int32_t nErrorPackets = 0;
    int32_t nTotalPackets = 0;
    int32_t nWorkTime = 0; // hours
    int32_t nReserved = 0;
    double dBoardTemperature = 0.0;
    int32_t nVoltage2State = 0;
    double dSupplyVoltage = 0.0;
    int32_t nMonitorCardState = 0;
    int32_t nMonitorCardVersion = 0;
    uint8_t byFlags[8] = {};
};

class HOST_RECORD_API CMonitorDetectData {
public:
    // The record of the sender with this detection identifier, or null.
    const SDetectSenderData* GetSenderData(uint32_t id) const
    {
        auto it = m_senders.find(id);
        return it == m_senders.end() ? nullptr : &it->second;
    }
    int GetSenderDataCount() const { return static_cast<int>(m_senders.size()); }
    // Every sender record, ordered by detection identifier.
    const std::map<uint32_t, SDetectSenderData>& GetAllSenderData() const { return m_senders; }
    void SetSenderData(uint32_t id, const SDetectSenderData& data) { m_senders[id] = data; }

    // The record of a receiver (sender index, port, connection index) that
    // answered the last read, or null.
    const SDetectReceiverData* GetReceiverData(int sender, int port, int receiver) const
    {
        auto it = m_receivers.find(PortKey(sender, port));
        if (it == m_receivers.end() || receiver < 0 || receiver >= static_cast<int>(it->second.size()))
            return nullptr;
        const SDetectReceiverData& r = it->second[static_cast<std::size_t>(receiver)];
        return r.bOnline ? &r : nullptr;
    }
    // Replaces a port's receiver records, by connection index.
    void SetPortReceivers(int sender, int port, std::vector<SDetectReceiverData> receivers)
    {
        m_receivers[PortKey(sender, port)] = std::move(receivers);
    }

    void Clear()
    {
        m_senders.clear();
        m_receivers.clear();
    }

private:
    static uint64_t PortKey(int sender, int port)
    {
        return static_cast<uint64_t>(static_cast<uint32_t>(sender)) << 32 | static_cast<uint32_t>(port);
    }

    std::map<uint32_t, SDetectSenderData> m_senders;
    std::map<uint64_t, std::vector<SDetectReceiverData>> m_receivers;
};
