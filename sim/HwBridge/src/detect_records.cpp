// Detection records.
#include "detect_records.h"

#include "device_classes.h"

#include <algorithm>
#include <cmath>

namespace sim::hw {
namespace {

constexpr int32_t kNone = ReceiverValues::kNoSensor;

int32_t Or(int32_t v, int32_t fallback) { return v == kNone ? fallback : v; }

} // namespace

uint32_t PortMask(const SenderReading& sender)
{
    uint32_t mask = 0;
    for (std::size_t p = 0; p < sender.ports.size(); ++p) {
        if (!sender.ports[p].bConnected)
            continue;
        const int port = sender.bFiber ? FiberOutputPort(static_cast<int>(p)) : static_cast<int>(p);
        const int bit = PortMaskBit(sender.nType, sender.nModel, port);
        if (bit >= 0)
            mask |= 1u << bit;
    }
    return mask;
}

SDetectSenderData SenderRecord(const SenderReading& s)
{
    SDetectSenderData d;
    d.byType = static_cast<uint8_t>(s.nType);
    d.byPortCount = static_cast<uint8_t>(std::min<std::size_t>(s.ports.size(), 255));
    d.dwStatus = s.bAllPortsOff ? 1u : 0u;
    d.byOnline = 1;
    d.nModel = s.nModel;
    d.dwPortMask = PortMask(s);
    d.nTreeValue = s.bFiber ? kFiberOutputPairs : 0;
    d.dwAddress = s.dwAddress;
    d.nBrightness = s.nBrightness;
    d.nInputCount = static_cast<int32_t>(s.inputs.size());
    for (const InputReading& in : s.inputs) {
        SInputSignalInfo info;
        info.dwPort = in.dwPort;
        info.dwSubIndex = in.dwSubIndex;
        info.byInputType = in.byType;
        info.nWidth = in.signal.nWidth;
        info.nHeight = in.signal.nHeight;
        info.dFrameRate = in.signal.dFrameRate;
        info.strName = in.strName;
        d.arrInputSignal.push_back(std::move(info));
        if (in.signal.nWidth > 0 && !d.bVideoInput) {
            d.bVideoInput = 1;
            d.nVideoWidth = in.signal.nWidth;
            d.nVideoHeight = in.signal.nHeight;
            d.nFrameRate100 = static_cast<int32_t>(std::lround(in.signal.dFrameRate * 100));
        }
    }
    d.bLocked = s.bLockLost ? 0 : 1;
    d.bBlack = s.bBlack ? 1 : 0;
    d.nTemperature10 = s.nTemperature10;
    d.nFirmwareVersion = 0x0406;
    d.nHardwareVersion = 2;
    d.nPortOutputMode = s.nPortOutputMode;
    for (const PortReading& p : s.ports)
        d.nReceiverCount += static_cast<int32_t>(
            std::count_if(p.receivers.begin(), p.receivers.end(), [](const ReceiverValues& v) { return v.bAnswers; }));
    d.nFanSpeed = s.nFanRpm;
    d.strName = s.strDeviceName;
    d.strModelName = "Controller T" + std::to_string(s.nType);
    d.strVersion = "4.6.0";
    return d;
}

SDetectReceiverData ReceiverRecord(int sender, int port, int receiver, const ReceiverValues& v, uint32_t word,
                                   bool inBrokenLoop)
{
    SDetectReceiverData r;
    r.nSender = sender;
    r.nPort = port;
    r.nReceiver = receiver;
    if (!v.bAnswers)
        return r;
    r.strVersion = "3.2.1";
    r.bOnline = 1;
    r.dwWarning = word;
    r.nTemperature10 = Or(v.nTemperature10, 0);
    r.nHumidity = Or(v.nHumidity, 0);
    r.dVoltage1 = Or(v.nVoltage1_100, 0) / 100.0;
    r.dVoltage2 = Or(v.nVoltage2_100, 0) / 100.0;
    r.nFan1 = Or(v.nFanRpm, 0);
    r.bDoorOpen = Or(v.nDoor, 0);
    r.bSmoke = Or(v.nSmoke, 0);
    r.nPower1State = Or(v.nPower1, -1);
    r.nPower2State = Or(v.nPower2, -1);
    r.nCableState = Or(v.nCable, 0);
    r.nLoopState = inBrokenLoop ? 1 : 0;
    r.nMonitorCardState = v.nFanRpm == kNone ? 0 : 1;
    return r;
}

} // namespace sim::hw
