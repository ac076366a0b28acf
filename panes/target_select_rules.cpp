#include "panes/target_select_rules.h"

#include "host/host_enums.h"
#include "host/vistrano_settings.h"
#include "host/vistrano_warning.h"
#include "platform/format.h"

namespace {

// Button k chooses kRenderOfButton[k]; 0 stands for none.
constexpr int kRenderOfButton[kTargetButtonCount + 1]
    = {0,          RENDER_SINGLE_SENDER, RENDER_RECEIVER, RENDER_TEMPERATURE, RENDER_HUMIDITY,       RENDER_SMOKE,
       RENDER_FAN, RENDER_TILE_DOOR,     RENDER_POWER,    RENDER_VOLTAGE,     RENDER_CABLE_DETECTION};

int Scaled(int design, double scale) { return static_cast<int>(design * scale); }

} // namespace

int RenderTypeOfButton(int item) { return item >= 1 && item <= kTargetButtonCount ? kRenderOfButton[item] : 0; }

int ButtonOfRenderType(int renderType)
{
    if (renderType == RENDER_BLOCK_GRID)
        return 1;
    for (int k = 1; k <= kTargetButtonCount; ++k)
        if (kRenderOfButton[k] == renderType)
            return k;
    return 0;
}

STargetLayout LayoutTargetButtons(const STargetLayoutInput& in)
{
    STargetLayout out;
    out.nRenderType = in.nRenderType;
    if (!in.bSenderMonitoring && out.nRenderType == RENDER_SINGLE_SENDER)
        out.nRenderType = RENDER_RECEIVER;

    const double s = in.scale;
    const int big = Scaled(54, s) - Scaled(8, s);
    const int small = Scaled(34, s);
    const int gap = Scaled(5, s);
    const int mark = Scaled(8, s);
    const int markOffset = Scaled(1, s) + Scaled(8, s);
    const int left = (in.client.Width() - 2 - Scaled(54, s)) / 2 + Scaled(8, s);
    int y = in.client.top;
    const auto place = [&](int item, int height) {
        y += gap;
        STargetButtonPlace b;
        b.nItem = item;
        b.rect = {left, y, left + big, y + height};
        const int markTop = y + (height - mark) / 2;
        b.markRect = {left - markOffset, markTop, left - markOffset + mark, markTop + mark};
        out.buttons.push_back(b);
        y += height;
    };
    if (in.bSenderMonitoring)
        place(1, big);
    if (in.bReceiverButton)
        place(2, big);
    if (IsReceiverTarget(out.nRenderType)) {
        const struct {
            int item;
            bool on;
        } quantities[] = {{3, in.bTemperature}, {4, in.bHumidity}, {8, in.bPower}, {9, in.bVoltage}};
        for (const auto& q : quantities) {
            if (q.on)
                place(q.item, small);
            else if (out.nRenderType == RenderTypeOfButton(q.item))
                out.nRenderType = RENDER_RECEIVER;
        }
    }
    return out;
}

CRect TargetImageRect(const CRect& button)
{
    return {button.left + 3, button.top + 3, button.right - 4, button.bottom - 4};
}

std::string TemperatureThresholdText(int celsius, bool fahrenheit)
{
    return fahrenheit ? plat::Format("%d℉", CelsiusToFahrenheit(celsius)) : plat::Format("%d℃", celsius);
}

std::array<bool, kTargetButtonCount> ComputeWarningMarks(const CMonitorWarningData& w, const SCurrentObject& record,
                                                         const std::vector<int>& groupSenders)
{
    std::array<bool, kTargetButtonCount> marks{};
    const int s = record.nSender;
    const auto quantityMask = [](int button) { return RenderTypeWarningMask(RenderTypeOfButton(button)); };
    switch (record.nScope) {
    case TREE_NODE_ALL_SENDERS:
        marks[0] = w.HasSenderSignalWarning(CMonitorWarningData::kAnySender) != 0;
        marks[1] = w.HasSenderRcvWarning(CMonitorWarningData::kAnySender, WARNING_ALL) != 0;
        break;
    case TREE_NODE_GROUP:
        // Every member of the group counts.
        for (int member : groupSenders) {
            marks[0] = marks[0] || w.HasSenderSignalWarning(member) != 0;
            marks[1] = marks[1] || w.HasSenderRcvWarning(member, WARNING_ALL) != 0;
        }
        break;
    case TREE_NODE_SENDER:
        marks[0] = w.HasSenderSignalWarning(s) != 0;
        marks[1] = w.HasSenderRcvWarning(s, WARNING_ALL) != 0;
        for (int k = 3; k <= kTargetButtonCount; ++k)
            marks[static_cast<std::size_t>(k - 1)] = w.HasSenderRcvWarning(s, quantityMask(k)) != 0;
        break;
    case TREE_NODE_PORT:
        marks[0] = w.HasSenderSignalWarning(s) != 0;
        marks[1] = w.HasSenderFiberRcvWarning(s, record.nPort, WARNING_ALL) || w.HasSenderFiberWarning(s, record.nPort);
        for (int k = 3; k <= kTargetButtonCount; ++k)
            marks[static_cast<std::size_t>(k - 1)] = w.HasSenderFiberRcvWarning(s, record.nPort, quantityMask(k)) != 0;
        break;
    default: break;
    }
    return marks;
}
