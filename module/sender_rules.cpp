#include "module/sender_rules.h"

#include "host/vistrano_detect.h"
#include "host/vistrano_settings.h"
#include "platform/format.h"

#include <cmath>
#include <cstdlib>

int PortMaskBit(int typeCode, int32_t model, int port)
{
    // Wide arithmetic: a port number near the limits must not overflow
    // before it is reduced to a bit number.
    const int64_t n = port;
    int64_t bit = 0;
    switch (typeCode) {
    case 35:
    case 44:
    case 59:
    case 68: bit = n; break;
    case 51: bit = n - model; break;
    case kFiberSenderType: bit = (n % 2 == 0) ? n / 2 : (n + 15) / 2; break;
    default: return -1;
    }
    return static_cast<int>(bit & 31);
}

int IsPortConnectedInMask(int typeCode, int32_t model, uint32_t portMask, int port)
{
    const int bit = PortMaskBit(typeCode, model, port);
    return bit >= 0 && (portMask >> bit & 1u) ? 1 : 0;
}

std::string FrameRateText(double rate)
{
    // Rates outside any signal's range are held to it, so the rounding
    // below stays within a 64-bit integer.
    if (!std::isfinite(rate))
        rate = 0.0;
    rate = std::fmax(-1e12, std::fmin(1e12, rate));
    const long long r = std::llround(rate * 100);
    const long long whole = std::llabs(r) / 100;
    const long long hundredths = std::llabs(r) % 100;
    const std::string sign = r < 0 ? "-" : "";
    if (hundredths == 0)
        return sign + plat::Format("%d", whole);
    if (hundredths % 10 == 0)
        return sign + plat::Format("%d.%d", whole, hundredths / 10);
    return sign + plat::Format("%d.%.2d", whole, hundredths);
}

const SInputSignalInfo* FindDetectedInput(const SDetectSenderData& record, const SInputSignalSetting& input)
{
    for (const SInputSignalInfo& detected : record.arrInputSignal)
        if (detected.byInputType == input.byValue2 && detected.dwPort == static_cast<uint32_t>(input.nValue1)
            && detected.dwSubIndex == static_cast<uint32_t>(input.nValue2))
            return &detected;
    return nullptr;
}
