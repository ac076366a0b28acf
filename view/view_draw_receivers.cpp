// Receivers: fills by state, outlines, demarcation, value texts, and the
// cabling path of the hovered port.
#include "controls/lib_set.h"
#include "host/hwbridge_receiver.h"
#include "host/vistrano_show.h"
#include "host/vistrano_warning.h"
#include "module/item_keys.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "view/block_placement.h"
#include "view/receiver_text.h"
#include "view/view_paint.h"
#include "view/view_records.h"

#include <cmath>

namespace {

const Pen kOutline{RGBColor(205, 210, 216), 1, {}};
const Pen kDashedOutline{RGBColor(90, 90, 90, 200), 1, {3, 2}};
constexpr Color kText = RGBColor(0, 0, 0);
constexpr Color kPathColor = RGBColor(66, 132, 207);
constexpr uint32_t kNoLoopError = 0xFFFF0000u;

// The bits a receiver target tests: every warning but "no data" for all
// receivers, else the quantity's own.
uint32_t ReceiverMask(int renderType)
{
    return renderType == RENDER_RECEIVER ? ~WARNING_NO_DATA : RenderTypeWarningMask(renderType);
}

struct SLoopBreak {
    int nFirst = -1;
    int nLast = -1;
    bool Contains(int k) const { return nFirst >= 0 && k >= nFirst && k <= nLast; }
};

SLoopBreak LoopBreakOf(uint32_t info)
{
    if (info == kNoLoopError)
        return {};
    return {static_cast<int>(info >> 16), static_cast<int>(info & 0xFFFF)};
}

class CReceiverPainter {
public:
    CReceiverPainter(SViewPaint& p, const SSenderLayout& e) : m_p(p), m_e(e), m_mask(ReceiverMask(p.obj.nRenderType))
    {
        m_font.family = CMorvLibSet::Instance().GetDefaultFontName();
        m_demarcation = p.data.GetDemarcationOn() ? p.data.GetDemarcationKey() : kNoDemarcation;
    }

    void Port(const SLaidPort& port, bool record)
    {
        const SLoopBreak loop =
            port.bFiber ? SLoopBreak{} : LoopBreakOf(m_p.warning.GetLoopbackErrorInfo(m_e.nSender, port.nPort));
        for (const SLaidReceiver& r : port.visible) {
            if (record)
                RecordReceiver(m_p.data, m_p.obj, m_e.nSender, port.nPort, 0, r.k, Content(r.rect));
            Receiver(port, r.k, r.rect, loop.Contains(r.k));
        }
    }

private:
    CRect Content(CRect r) const
    {
        r.OffsetRect(m_p.start.x, m_p.start.y);
        return r;
    }

    std::string ValueText(const SLaidPort& port, int k) const
    {
        const int rt = m_p.obj.nRenderType;
        return port.bFiber ? m_p.show.GetFiberRcvShowStr(rt, m_e.nSender, port.nPort, 0, k)
                           : m_p.show.GetRcvShowStr(rt, m_e.nSender, port.nPort, k);
    }

    uint32_t WarningWord(const SLaidPort& port, int k) const
    {
        return port.bFiber ? m_p.warning.GetSenderFiberPortRcvWarningFlag(m_e.nSender, port.nPort, 0, k)
                           : m_p.warning.GetSenderPortRcvWarning(m_e.nSender, port.nPort, k);
    }

    // The normal fill and outlines are already there (DrawReceiverBase).
    void Receiver(const SLaidPort& port, int k, const CRect& r, bool inBrokenLoop)
    {
        if (!m_p.monitoring)
            return Demarcation(port, k, r);
        const uint32_t word = WarningWord(port, k);
        const int rt = m_p.obj.nRenderType;
        // Receiver numbers are asked for only where they fit; a quantity's
        // text also decides the offline fill.
        const int size = ReceiverTextSize(std::min(r.Width(), r.Height()), k + 1);
        const std::string text = (size > 0 || rt > RENDER_RECEIVER) ? ValueText(port, k) : std::string();
        const Color* fill = (word & m_mask) ? &m_p.colors.clrWarningFill : nullptr;
        if ((word & WARNING_NO_DATA) || inBrokenLoop || (rt > RENDER_RECEIVER && text.empty()))
            fill = &m_p.colors.clrOfflineFill;
        if (fill) {
            m_p.dc.FillRect(r, *fill);
            m_p.dc.DrawRect(r, kOutline);
            m_p.dc.DrawRect(r, kDashedOutline);
        }
        Demarcation(port, k, r);
        if (!text.empty())
            ValueTextIn(text, size, r);
    }

    void Demarcation(const SLaidPort& port, int k, const CRect& r)
    {
        if (m_demarcation == kNoDemarcation || m_demarcation != DemarcationKey(m_e.nSender, port.nPort, k))
            return;
        CRect frame = r;
        frame.DeflateRect(3, 3);
        m_p.dc.DrawRect(frame, Pen{m_p.colors.clrSelection, 2, {2, 1}});
    }

    void ValueTextIn(const std::string& text, int size, const CRect& r)
    {
        if (text == "-") {
            // A short bar across the middle, never the hyphen itself.
            const int y = r.top + r.Height() / 2;
            m_p.dc.DrawLine({r.left + r.Width() * 3 / 8, y}, {r.left + r.Width() * 5 / 8, y},
                            Pen{kText, std::max(1, m_p.Scaled(2)), {}});
            return;
        }
        if (size <= 0)
            return;
        m_font.pixelSize = size;
        const int width = m_p.dc.MeasureText(text, m_font).cx;
        m_font.pixelSize = FittedTextSize(size, width, CountLines(text), r.Width(), r.Height());
        m_p.dc.DrawText(text, r, m_font, kText, AlignCenter);
    }

    SViewPaint& m_p;
    const SSenderLayout& m_e;
    uint32_t m_mask;
    uint32_t m_demarcation;
    Font m_font;
};

// A line with an arrowhead at its end, sides 30° off the line.
void Arrow(SViewPaint& p, const CPoint& from, const CPoint& to, const Pen& pen)
{
    p.dc.DrawLine(from, to, pen);
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length < 1)
        return;
    const double head = std::min(length / 2, 8.0 * p.density);
    const double angle = std::atan2(dy, dx);
    constexpr double kSide = 3.14159265358979 / 6;
    for (double side : {angle + 3.14159265358979 - kSide, angle + 3.14159265358979 + kSide}) {
        const CPoint tip(to.x + static_cast<int>(std::lround(head * std::cos(side))),
                         to.y + static_cast<int>(std::lround(head * std::sin(side))));
        p.dc.DrawLine(to, tip, pen);
    }
}

void Marker(SViewPaint& p, const CPoint& from, const CPoint& to)
{
    const Image* m = p.images.brokenMarker;
    if (!m)
        return;
    const CPoint mid((from.x + to.x) / 2, (from.y + to.y) / 2);
    p.dc.DrawImageAt(*m, {mid.x - m->Width() / 2, mid.y - m->Height() / 2});
}

} // namespace

void LayOutReceivers(const SViewPaint& p, const CPoint& origin, float zoom, std::vector<SLaidPort>& ports)
{
    for (SLaidPort& port : ports) {
        port.visible.clear();
        for (int k = 0; k < static_cast<int>(port.tiles.size()); ++k) {
            const CRect r = ZoomedRect(port.tiles[static_cast<std::size_t>(k)], zoom, origin);
            if (!r.IsRectEmpty() && p.IsVisible(r))
                port.visible.push_back({k, r});
        }
    }
}

void DrawReceiverBase(ICanvas& dc, const SSkinColors& colors, const std::vector<SLaidPort>& ports)
{
    for (const SLaidPort& port : ports)
        for (const SLaidReceiver& r : port.visible) {
            dc.FillRect(r.rect, colors.clrNormalFill);
            dc.DrawRect(r.rect, kOutline);
            dc.DrawRect(r.rect, kDashedOutline);
        }
}

void DrawReceiverStates(SViewPaint& p, const SSenderLayout& e, const std::vector<SLaidPort>& ports, bool record)
{
    CReceiverPainter painter(p, e);
    for (const SLaidPort& port : ports)
        painter.Port(port, record);
}

void DrawCablingPath(SViewPaint& p, int owner, const CPoint& origin, const SLaidPort& port, float zoom, bool loopBack)
{
    if (port.tiles.empty())
        return;
    const Pen pen{kPathColor, std::max(1, p.Scaled(2)), {}};
    std::vector<CPoint> points{p.ToClient(RecordedConnectorPoint(p.data, p.obj.nRenderType, owner, port.nPort))};
    for (const CRect& tile : port.tiles)
        points.push_back(ZoomedRect(tile, zoom, origin).CenterPoint());
    for (std::size_t i = 1; i < points.size(); ++i)
        Arrow(p, points[i - 1], points[i], pen);
    if (loopBack) {
        // The loop returns from the last receiver to the port's second row.
        const CPoint back = p.ToClient(RecordedConnector(p.data, p.obj.nRenderType, owner, port.nPort)).CenterPoint();
        Arrow(p, points.back(), back, pen);
    }
    if (!p.monitoring)
        return;
    // Segment i ends at receiver i (segment 0 starts at the port).
    const auto mark = [&](int receiver) {
        if (receiver >= 0 && receiver + 1 < static_cast<int>(points.size()))
            Marker(p, points[static_cast<std::size_t>(receiver)], points[static_cast<std::size_t>(receiver) + 1]);
    };
    if (g_pReceiverLogic)
        mark(g_pReceiverLogic->GetFirstSilentReceiver(owner, port.nPort));
    if (loopBack) {
        const SLoopBreak loop = LoopBreakOf(p.warning.GetLoopbackErrorInfo(owner, port.nPort));
        if (loop.nFirst >= 0) {
            mark(loop.nFirst);
            mark(loop.nLast + 1);
        }
    }
}
