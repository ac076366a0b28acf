#include "panes/scroll_geometry.h"

#include <algorithm>
#include <limits>

namespace {

int ToInt(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

SScrollGeometry ComputeScrollGeometry(const SScrollInput& in)
{
    SScrollGeometry g;
    g.bBar = static_cast<double>(in.nContent) * in.fScale > in.nClient - in.nCorner;
    if (!g.bBar)
        return g;
    g.nTrack = std::max(0, in.nClient - in.nArrow1 - in.nArrow2 - in.nCorner);
    const int64_t share = in.nContent > 0 ? int64_t{g.nTrack} * std::max(0, in.nVisible) / in.nContent : 0;
    const int thumb = static_cast<int>(std::max<int64_t>(share, g.nTrack / 10));
    if (g.nTrack <= thumb)
        return g;
    g.nThumb = thumb;
    const int64_t range = int64_t{in.nContent} - in.nVisible;
    const int64_t offset = range > 0 ? int64_t{g.nTrack - thumb} * std::max(0, in.nStart) / range : 0;
    g.nThumbStart = in.nArrow1 + static_cast<int>(std::min<int64_t>(offset, g.nTrack - thumb));
    return g;
}

EScrollPart HitScrollPart(const SScrollInput& in, const SScrollGeometry& g, int p)
{
    if (!g.bBar || p < 0 || p >= in.nClient - in.nCorner)
        return EScrollPart::None;
    if (p < in.nArrow1)
        return EScrollPart::FirstArrow;
    if (p >= in.nArrow1 + g.nTrack)
        return EScrollPart::SecondArrow;
    if (g.nThumb == 0)
        return EScrollPart::None;
    if (p < g.nThumbStart)
        return EScrollPart::TrackBefore;
    return p < g.nThumbStart + g.nThumb ? EScrollPart::Thumb : EScrollPart::TrackAfter;
}

int ScrollStartAfterPress(EScrollPart part, int start, int visible)
{
    switch (part) {
    case EScrollPart::FirstArrow: return ToInt(int64_t{start} - visible / 5);
    case EScrollPart::SecondArrow: return ToInt(int64_t{start} + visible / 5);
    case EScrollPart::TrackBefore: return ToInt(int64_t{start} - visible);
    case EScrollPart::TrackAfter: return ToInt(int64_t{start} + visible);
    case EScrollPart::None:
    case EScrollPart::Thumb: break;
    }
    return start;
}

int ScrollStartAfterDrag(const SScrollInput& in, const SScrollGeometry& g, int startAtPress, int offset)
{
    const int free = g.nTrack - g.nThumb;
    if (g.nThumb == 0 || free <= 0)
        return startAtPress;
    const int64_t range = std::max<int64_t>(0, int64_t{in.nContent} - in.nVisible);
    return ToInt(startAtPress + int64_t{offset} * range / free);
}

int ScrollStartAfterWheel(int start, int visible, int delta) { return ToInt(start - int64_t{visible} * delta / 1200); }

bool CNotifyThrottle::Pass(uint32_t nowMs)
{
    if (m_bPassed && nowMs - m_last < m_period)
        return false;
    m_bPassed = true;
    m_last = nowMs;
    return true;
}
