// The warning rules.
#include "warning_rules.h"

#include "host/host_enums.h"

#include <cmath>

namespace sim::hw {
namespace {

constexpr int32_t kNone = ReceiverValues::kNoSensor;

bool Present(int32_t v) { return v != kNone; }

bool OutOfRange(int32_t volts100, float min, float max)
{
    // Compared in hundredths, as the card reports them.
    return Present(volts100)
        && (volts100 < std::lround(static_cast<double>(min) * 100)
            || volts100 > std::lround(static_cast<double>(max) * 100));
}

// The detected input that a configured one names.
const InputReading* FindInput(const SenderReading& sender, const SInputSignalSetting& want)
{
    for (const InputReading& in : sender.inputs)
        if (in.byType == want.byValue2 && in.dwPort == static_cast<uint32_t>(want.nValue1)
            && in.dwSubIndex == static_cast<uint32_t>(want.nValue2))
            return &in;
    return nullptr;
}

bool Matches(const VideoSignal& signal, const SInputSignalSetting& want)
{
    return signal.nWidth == want.nValue4 && signal.nHeight == want.nValue5
        && std::fabs(signal.dFrameRate - want.dValue) < 0.01;
}

// The receiver checks: their switch, their bit and when a reading fails.
struct ReceiverCheck {
    int32_t SRecevierSetting::*enabled;
    uint32_t bit;
    bool (*fails)(const ReceiverValues&, const SRecevierSetting&);
};

const ReceiverCheck kReceiverChecks[] = {
    {&SRecevierSetting::bTemperature, WARNING_TEMPERATURE,
     [](const ReceiverValues& v, const SRecevierSetting& s) {
         return Present(v.nTemperature10) && v.nTemperature10 > s.nTemperature * 10;
     }},
    {&SRecevierSetting::bHumidity, WARNING_HUMIDITY,
     [](const ReceiverValues& v, const SRecevierSetting& s) {
         return Present(v.nHumidity) && v.nHumidity > s.nHumidity;
     }},
    {&SRecevierSetting::bSmoke, WARNING_SMOKE,
     [](const ReceiverValues& v, const SRecevierSetting&) { return v.nSmoke == 1; }},
    {&SRecevierSetting::bFan, WARNING_FAN,
     [](const ReceiverValues& v, const SRecevierSetting&) { return Present(v.nFanRpm) && v.nFanRpm < kFanFailureRpm; }},
    {&SRecevierSetting::bTileDoor, WARNING_TILE_DOOR,
     [](const ReceiverValues& v, const SRecevierSetting&) { return v.nDoor == 1; }},
    {&SRecevierSetting::bPowerSupply1, WARNING_POWER1,
     [](const ReceiverValues& v, const SRecevierSetting&) { return v.nPower1 == 0; }},
    {&SRecevierSetting::bPowerSupply2, WARNING_POWER2,
     [](const ReceiverValues& v, const SRecevierSetting&) { return v.nPower2 == 0; }},
    {&SRecevierSetting::bVoltage1, WARNING_VOLTAGE1,
     [](const ReceiverValues& v, const SRecevierSetting& s) {
         return OutOfRange(v.nVoltage1_100, s.fVoltage1Min, s.fVoltage1Max);
     }},
    {&SRecevierSetting::bVoltage2, WARNING_VOLTAGE2,
     [](const ReceiverValues& v, const SRecevierSetting& s) {
         return OutOfRange(v.nVoltage2_100, s.fVoltage2Min, s.fVoltage2Max);
     }},
    {&SRecevierSetting::bCableDetection, WARNING_CABLE,
     [](const ReceiverValues& v, const SRecevierSetting&) { return v.nCable == 1; }},
};

} // namespace

uint32_t ReceiverWarningWord(const ReceiverValues& v, const SRecevierSetting& s)
{
    if (!v.bAnswers)
        return WARNING_NO_DATA;
    uint32_t w = 0;
    for (const ReceiverCheck& c : kReceiverChecks)
        if (s.*c.enabled && c.fails(v, s))
            w |= c.bit;
    return w;
}

bool HasVideoInputFault(const SenderReading& sender, const SSenderSetting& s)
{
    bool configured = false;
    for (const SInputSignalSetting& want : s.arrInputSignal) {
        if (want.dwSender != static_cast<uint32_t>(sender.nIndex))
            continue;
        configured = true;
        const InputReading* in = FindInput(sender, want);
        if (!in || in->signal.nWidth <= 0 || (want.nValue3 && !Matches(in->signal, want)))
            return true;
    }
    if (configured)
        return false;
    for (const InputReading& in : sender.inputs)
        if (in.signal.nWidth > 0)
            return false;
    return true;
}

uint32_t SenderWarningWord(const SenderReading& sender, const SSenderSetting& s)
{
    if (!sender.bOnline)
        return SENDER_WARNING_OFFLINE;
    uint32_t w = 0;
    if (s.bVideoInputError && HasVideoInputFault(sender, s))
        w |= SENDER_WARNING_VIDEO_INPUT;
    if (s.bLock && sender.bLockLost)
        w |= SENDER_WARNING_LOCK;
    if (s.bBlack && sender.bBlack)
        w |= SENDER_WARNING_BLACK;
    if (s.bBrightnessZero && sender.nBrightness == 0)
        w |= SENDER_WARNING_BRIGHTNESS_ZERO;
    return w;
}

uint32_t EnabledReceiverBits(const SRecevierSetting& s)
{
    uint32_t w = WARNING_NO_DATA;
    for (const ReceiverCheck& c : kReceiverChecks)
        if (s.*c.enabled)
            w |= c.bit;
    return w;
}

uint32_t EnabledSenderBits(const SSenderSetting& s)
{
    uint32_t w = SENDER_WARNING_OFFLINE;
    w |= s.bVideoInputError ? SENDER_WARNING_VIDEO_INPUT : 0;
    w |= s.bLock ? SENDER_WARNING_LOCK : 0;
    w |= s.bBlack ? SENDER_WARNING_BLACK : 0;
    w |= s.bBrightnessZero ? SENDER_WARNING_BRIGHTNESS_ZERO : 0;
    return w;
}

SRcvShowValue ShowValue(const ReceiverValues& v)
{
    SRcvShowValue s;
    if (!v.bAnswers)
        return s;
    s.bHasData = 1;
    s.nTemperature10 = v.nTemperature10;
    s.nHumidity = v.nHumidity;
    s.nSmoke = v.nSmoke;
    s.nFanSpeed = v.nFanRpm;
    s.nDoor = v.nDoor;
    s.nPower1 = v.nPower1;
    s.nPower2 = v.nPower2;
    s.nVoltage100 = v.nVoltage1_100;
    s.nVoltage2_100 = v.nVoltage2_100;
    s.nCable = v.nCable;
    return s;
}

} // namespace sim::hw
