#pragma once
// One monitoring round's records from the hardware's readings and the
// monitoring settings: detection, warnings, value texts and tooltips, and
// a digest of the warnings for the log. A pure function.
#include "host/monitor_records.h"
#include "readings.h"
#include "warning_texts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim::hw {

// The warnings of a round in a form that can be compared with the next.
struct PortDigest {
    bool bConnected = false;
    uint32_t dwWord = 0;
    int32_t nLoopFirst = -1;
    int32_t nLoopLast = -1;
    std::vector<uint32_t> receivers;
};

struct SenderDigest {
    std::string strId;
    int nIndex = 0;
    std::string strLabel;
    bool bOnline = false;
    bool bFiber = false;
    uint32_t dwWord = 0;
    std::vector<PortDigest> ports;
};

struct RoundDigest {
    std::vector<SenderDigest> senders;
};

struct RoundRecords {
    CMonitorDetectData detect;
    CMonitorWarningData warning;
    CMonitorRcvShowData show;
    CMonitorTipsData tips;
    RoundDigest digest;
};

// Fibre senders write their outputs as board ports: output o (0-15) is
// the one port (0) of the board behind it; detection records use the
// output as port number.
RoundRecords ComputeRound(const HardwareRound& round, const CMonitorInterfaceData& settings, bool fahrenheit,
                          const WarningTexts& texts);

} // namespace sim::hw
