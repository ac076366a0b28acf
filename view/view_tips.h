#pragma once
// The tooltip text of what lies under the mouse in the view, from the
// monitoring round's tip texts.
#include "view/view_hit.h"

#include <string>

class CMonitorTipsData;
class CProjectData;
class CModuleData;
struct SMonitorShow;

// What the tip texts are read with.
struct STipSource {
    const CMonitorTipsData* pTips = nullptr;
    // The round's show settings; null when no round has reported them.
    const SMonitorShow* pShow = nullptr;
    bool bMonitoring = false;
    int nRenderType = 0;
};

// A sender block shows its name, with its warnings below while monitoring;
// fibre boards, ports and receivers show their warnings while monitoring.
// A backup port whose source sender is online reports as the source's port.
// Empty when there is nothing to show.
std::string ViewTipText(const SViewHit& hit, const STipSource& source, CProjectData& project, CModuleData& data);

// The name a sender block carries: the sender's name, or the "Processor"
// text and its number when it has none; empty for a sender not in the project.
std::string SenderDisplayName(CProjectData& project, int sender);
