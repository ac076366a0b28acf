// Device class facts.
#include "device_classes.h"

namespace sim::hw {

bool IsFiberDevice(int type, int model) { return type == kFiberType && model == kFiberModel; }

bool HasLoopbackPorts(int type) { return type == 59 || type == 68; }

bool CanSwitchPortOutput(int type) { return type == 59 || type == 68 || type == kFiberType; }

bool IsVideoSourceType(int type) { return type == 68; }

bool DoublesPortCount(int type) { return type == 51; }

int PortMaskBit(int type, int model, int port)
{
    if (port < 0)
        return -1;
    int bit = 0;
    switch (type) {
    case 35:
    case 44:
    case 59:
    case 68: bit = port; break;
    case 51: bit = port - model; break;
    case kFiberType: bit = port % 2 == 0 ? port / 2 : (port + 15) / 2; break;
    default: return -1;
    }
    return bit & 31;
}

bool IsPortBitSet(int type, int model, uint32_t mask, int port)
{
    const int bit = PortMaskBit(type, model, port);
    return bit >= 0 && (mask >> bit & 1u);
}

int FiberOutputPort(int output) { return output < 8 ? 2 * output : 2 * (output - 8) + 1; }

} // namespace sim::hw
