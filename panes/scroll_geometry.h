#pragma once
// The rules of one scroll bar as plain functions: where its arrows, track
// and thumb stand, what a press at a point hits, and where each kind of
// input moves the view's start point. Lengths along the bar are pixels of
// the bar; content, visible length and start are view units.
#include <cstdint>

struct SScrollInput {
    int nClient = 0;     // client length of the bar along its axis
    int nArrow1 = 0;     // first arrow (left or top)
    int nArrow2 = 0;     // second arrow (right or bottom)
    int nCorner = 0;     // left free at the end where the two bars meet
    int nContent = 0;    // content length
    float fScale = 1.0f; // the bar's scale factor
    int nVisible = 0;    // visible length of the view
    int nStart = 0;      // the view's start along the axis
};

struct SScrollGeometry {
    bool bBar = false;   // the content is larger than the view
    int nTrack = 0;      // track length, from nArrow1 on
    int nThumbStart = 0; // along the bar
    int nThumb = 0;      // 0: no thumb
};

SScrollGeometry ComputeScrollGeometry(const SScrollInput& in);

enum class EScrollPart { None, FirstArrow, TrackBefore, Thumb, TrackAfter, SecondArrow };

// The part under a point along the bar; None where there is no bar, on the
// corner and outside the client.
EScrollPart HitScrollPart(const SScrollInput& in, const SScrollGeometry& g, int p);

// The start after a press on a part: a fifth of the visible length for an
// arrow, one visible length for the track; unchanged for the rest.
int ScrollStartAfterPress(EScrollPart part, int start, int visible);

// The start while the thumb is dragged by offset pixels from where it was
// pressed with the view at startAtPress.
int ScrollStartAfterDrag(const SScrollInput& in, const SScrollGeometry& g, int startAtPress, int offset);

// The start after a wheel turn: a tenth of the visible length per notch of
// 120, back for positive deltas; parts of a notch move in proportion.
int ScrollStartAfterWheel(int start, int visible, int delta);

// Lets a notification through at most once per period of a clock in
// milliseconds; the first one always passes.
class CNotifyThrottle {
public:
    explicit CNotifyThrottle(uint32_t periodMs) : m_period(periodMs) {}
    bool Pass(uint32_t nowMs);
    void Reset() { m_bPassed = false; }

private:
    uint32_t m_period;
    uint32_t m_last = 0;
    bool m_bPassed = false;
};
