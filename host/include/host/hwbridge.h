#pragma once
// The host's hardware bridge: its process-wide logic objects. Each getter
// answers the same object for the life of the process, never null.
#include "host/host_api.h"
#include "host/hwbridge_monitor.h"
#include "host/hwbridge_receiver.h"
#include "host/hwbridge_sender.h"
#include "host/hwbridge_video.h"

// Logic objects other pages use; the monitoring page only holds them.
class ICaliSoftEdgeLogic {
protected:
    virtual ~ICaliSoftEdgeLogic() = default;
};
class IAdvancedSoftEdgeLogic {
protected:
    virtual ~IAdvancedSoftEdgeLogic() = default;
};
class IColorBrightLogic {
protected:
    virtual ~IColorBrightLogic() = default;
};

HOST_API ISenderLogic* GetHwSenderLogic();
HOST_API IReceiverLogic* GetHwReceiverLogic();
HOST_API IVideoSourceLogic* GetHwVideoSourceLogic();
HOST_API ICaliSoftEdgeLogic* GetHwCaliSoftEdgeLogic();
HOST_API IAdvancedSoftEdgeLogic* GetHwAdvancedSoftEdgeLogic();
HOST_API IColorBrightLogic* GetHwColorBrightLogic();
HOST_API IMonitorLogic* GetHwMonitorLogic();
