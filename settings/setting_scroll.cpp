#include "settings/setting_scroll.h"

#include "controls/density.h"

#include <algorithm>
#include <cmath>

namespace setting_page {
namespace {

constexpr int kWheelStepDesign = 80;
constexpr int kWheelDelta = 120;

} // namespace

int ScrollableHeight(int pageHeight, int viewHeight) { return std::max(0, pageHeight - viewHeight); }

int OffsetForPosition(int position, int scrollable)
{
    if (scrollable <= 0)
        return 0;
    const long long pos = std::clamp(position, 0, kScrollMax);
    return -static_cast<int>((pos * scrollable + kScrollMax / 2) / kScrollMax);
}

int PositionAfterWheel(int position, int wheelDelta, int scrollable, double scale)
{
    if (scrollable <= 0 || wheelDelta == 0)
        return std::clamp(position, 0, kScrollMax);
    const double step = std::round(100.0 * morv::Scale(kWheelStepDesign, scale) / scrollable);
    // Whole notches move whole steps; a fine-grained turn still moves one.
    const int notches = std::max(1, std::abs(wheelDelta) / kWheelDelta);
    const double moved = position + (wheelDelta > 0 ? -1.0 : 1.0) * notches * step;
    return static_cast<int>(std::clamp(moved, 0.0, static_cast<double>(kScrollMax)));
}

int OffsetForTitle(int titleTop, int margin, int scrollable)
{
    return -std::clamp(titleTop - margin, 0, std::max(0, scrollable));
}

int PositionForOffset(int offset, int scrollable)
{
    if (scrollable <= 0)
        return 0;
    const long long moved = std::clamp(-offset, 0, scrollable);
    return static_cast<int>((moved * kScrollMax + scrollable / 2) / scrollable);
}

ESection SectionAt(const std::array<int, kSectionCount>& sectionTops, int offset)
{
    for (int s = 0; s < static_cast<int>(ESection::Mail); ++s) {
        if (sectionTops[static_cast<std::size_t>(s)] >= 0 && sectionTops[static_cast<std::size_t>(s)] + offset >= 0)
            return static_cast<ESection>(s);
    }
    return ESection::Mail;
}

} // namespace setting_page
