// The bridge's exported getters. The three logic objects that other pages
// use have nothing to do in this host.
#include "bridge_logic.h"

#include "sim/call_log.h"

namespace {

class CaliSoftEdgeLogic final : public ICaliSoftEdgeLogic {};
class AdvancedSoftEdgeLogic final : public IAdvancedSoftEdgeLogic {};
class ColorBrightLogic final : public IColorBrightLogic {};

template <class T>
T* Unused()
{
    static T* logic = new T;
    return logic;
}

} // namespace

ISenderLogic* GetHwSenderLogic()
{
    sim::Log("GetHwSenderLogic");
    return &sim::hw::TheSenderLogic();
}

IReceiverLogic* GetHwReceiverLogic()
{
    sim::Log("GetHwReceiverLogic");
    return &sim::hw::TheReceiverLogic();
}

IVideoSourceLogic* GetHwVideoSourceLogic()
{
    sim::Log("GetHwVideoSourceLogic");
    return &sim::hw::TheVideoSourceLogic();
}

ICaliSoftEdgeLogic* GetHwCaliSoftEdgeLogic()
{
    sim::Log("GetHwCaliSoftEdgeLogic");
    return Unused<CaliSoftEdgeLogic>();
}

IAdvancedSoftEdgeLogic* GetHwAdvancedSoftEdgeLogic()
{
    sim::Log("GetHwAdvancedSoftEdgeLogic");
    return Unused<AdvancedSoftEdgeLogic>();
}

IColorBrightLogic* GetHwColorBrightLogic()
{
    sim::Log("GetHwColorBrightLogic");
    return Unused<ColorBrightLogic>();
}

IMonitorLogic* GetHwMonitorLogic()
{
    sim::Log("GetHwMonitorLogic");
    return &sim::hw::TheMonitorLogic();
}
