#pragma once
// The target pane's rules as plain functions: which render type a button
// stands for, where the buttons and their warning marks go, the
// temperature threshold text, and which warning marks are on.
#include "module/current_object.h"
#include "platform/geometry.h"

#include <array>
#include <string>
#include <vector>

class CMonitorWarningData;

// Button items 1 to 10; warning mark of button k: item k + 10.
constexpr int kTargetButtonCount = 10;
constexpr int kTargetWarningOffset = 10;
constexpr int kTargetItemCount = 21;

// The render type a button chooses, 0 for none; the button showing a
// render type (render type 1 shows button 1), 0 for none.
int RenderTypeOfButton(int item);
int ButtonOfRenderType(int renderType);

// What decides which buttons are shown.
struct STargetLayoutInput {
    CRect client;
    double scale = 1.0;
    bool bSenderMonitoring = false; // sender video input monitoring is on
    bool bReceiverButton = false;   // the current sender feeds receivers normally
    int nRenderType = 3;            // the current target
    bool bTemperature = false;
    bool bHumidity = false;
    bool bPower = false;
    bool bVoltage = false;
};
struct STargetButtonPlace {
    int nItem = 0;
    CRect rect;
    CRect markRect;
};
struct STargetLayout {
    std::vector<STargetButtonPlace> buttons; // the shown buttons, top down
    int nRenderType = 3;                     // the target after the fallbacks
};
// The sender target falls back to the receivers without sender monitoring,
// a quantity target whose check is off falls back to the receivers too.
STargetLayout LayoutTargetButtons(const STargetLayoutInput& in);
// A button's image rectangle: 3 in on the left and top, 4 on the right and bottom.
CRect TargetImageRect(const CRect& button);

// "60℃", or in Fahrenheit "140℉".
std::string TemperatureThresholdText(int celsius, bool fahrenheit);

// The warning flags of the marks (items 11 to 20, index 0 is item 11) for
// a record, from the warning data; groupSenders are the senders of the
// current group for scope 1.
std::array<bool, kTargetButtonCount> ComputeWarningMarks(const CMonitorWarningData& warnings,
                                                         const SCurrentObject& record,
                                                         const std::vector<int>& groupSenders);

// The first sender of the list for which hasWarning holds, else the first
// of the list, else -1.
template <class Pred>
int FirstSenderWithWarning(const std::vector<int>& senders, Pred hasWarning)
{
    for (int s : senders)
        if (hasWarning(s))
            return s;
    return senders.empty() ? -1 : senders.front();
}
