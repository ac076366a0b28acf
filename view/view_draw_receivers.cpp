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

    // Works out the looks of a port's visible receivers.
    void Look(const SLaidPort& port, std::vector<SReceiverLook>& looks)
    {
        looks.assign(port.visible.size(), {});
        if (!m_p.monitoring)
            return;
        const SLoopBreak loop
            = port.bFiber ? SLoopBreak{} : LoopBreakOf(m_p.warning.GetLoopbackErrorInfo(m_e.nSender, port.nPort));
        for (std::size_t i = 0; i < looks.size(); ++i)
            looks[i] = LookOf(port, port.visible[i], loop.Contains(port.visible[i].k));
    }

    void Port(const SLaidPort& port, const std::vector<SReceiverLook>& looks, bool record)
    {
        for (std::size_t i = 0; i < port.visible.size(); ++i) {
            const SLaidReceiver& r = port.visible[i];
            if (record)
                RecordReceiver(m_p.data, m_p.obj, m_e.nSender, port.nPort, 0, r.k, Content(r.rect));
            Receiver(port, r, looks[i]);
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

    SReceiverLook LookOf(const SLaidPort& port, const SLaidReceiver& r, bool inBrokenLoop)
    {
        SReceiverLook look;
        const uint32_t word = WarningWord(port, r.k);
        const int rt = m_p.obj.nRenderType;
        // Receiver numbers are asked for only where they fit; a quantity's
        // text also decides the offline fill.
        const int size = ReceiverTextSize(std::min(r.rect.Width(), r.rect.Height()), r.k + 1);
        if (size > 0 || rt > RENDER_RECEIVER)
            look.text = ValueText(port, r.k);
        if (word & m_mask)
            look.fill = SReceiverLook::WarningFill;
        if ((word & WARNING_NO_DATA) || inBrokenLoop || (rt > RENDER_RECEIVER && look.text.empty()))
            look.fill = SReceiverLook::OfflineFill;
        if (size <= 0 && look.text != "-") {
            look.text.clear();
        } else if (look.text != "-" && !look.text.empty()) {
            m_font.pixelSize = size;
            const int width = m_p.dc.MeasureText(look.text, m_font).cx;
            // A margin inside the outlines keeps neighbouring values apart.
            const int margin = std::max(1, r.rect.Width() / 12);
            look.nTextSize
                = FittedTextSize(size, width, CountLines(look.text), r.rect.Width() - 2 * margin, r.rect.Height());
        }
        return look;
    }

    // The fill and outlines are in the base layer (DrawReceiverStates).
    void Receiver(const SLaidPort& port, const SLaidReceiver& r, const SReceiverLook& look)
    {
        Demarcation(port, r.k, r.rect);
        if (look.text == "-") {
            // A short bar across the middle, never the hyphen itself.
            const int y = r.rect.top + r.rect.Height() / 2;
            m_p.dc.DrawLine({r.rect.left + r.rect.Width() * 3 / 8, y}, {r.rect.left + r.rect.Width() * 5 / 8, y},
                            Pen{kText, std::max(1, m_p.Scaled(2)), {}});
        } else if (look.nTextSize > 0) {
            m_font.pixelSize = look.nTextSize;
            m_p.dc.DrawText(look.text, r.rect, m_font, kText, AlignCenter);
        }
    }

    void Demarcation(const SLaidPort& port, int k, const CRect& r)
    {
        if (m_demarcation == kNoDemarcation || m_demarcation != DemarcationKey(m_e.nSender, port.nPort, k))
            return;
        CRect frame = r;
        frame.DeflateRect(3, 3);
        m_p.dc.DrawRect(frame, Pen{m_p.colors.clrSelection, 2, {2, 1}});
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

void WorkOutLooks(SViewPaint& p, const SSenderLayout& e, const std::vector<SLaidPort>& ports, SReceiverLooks& looks,
                  uint64_t lookKey)
{
    if (looks.nKey == lookKey && looks.ports.size() == ports.size())
        return;
    CReceiverPainter painter(p, e);
    looks.ports.resize(ports.size());
    for (std::size_t i = 0; i < ports.size(); ++i)
        painter.Look(ports[i], looks.ports[i]);
    looks.nKey = lookKey;
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

void DrawReceiverStates(ICanvas& dc, const SSkinColors& colors, const std::vector<SLaidPort>& ports,
                        const SReceiverLooks& looks)
{
    for (std::size_t i = 0; i < ports.size(); ++i)
        for (std::size_t j = 0; j < ports[i].visible.size(); ++j) {
            const SReceiverLook::EFill fill = looks.ports[i][j].fill;
            if (fill == SReceiverLook::BaseFill)
                continue;
            const CRect& r = ports[i].visible[j].rect;
            dc.FillRect(r, fill == SReceiverLook::WarningFill ? colors.clrWarningFill : colors.clrOfflineFill);
            dc.DrawRect(r, kOutline);
            dc.DrawRect(r, kDashedOutline);
        }
}

void DrawReceiverTexts(SViewPaint& p, const SSenderLayout& e, const std::vector<SLaidPort>& ports,
                       const SReceiverLooks& looks, bool record)
{
    CReceiverPainter painter(p, e);
    for (std::size_t i = 0; i < ports.size(); ++i)
        painter.Port(ports[i], looks.ports[i], record);
}

namespace {

// The receiver at which the port's chain stops answering, or -1.
int FirstSilentReceiver(const SViewPaint& p, int owner, const SLaidPort& port)
{
    if (!port.bFiber)
        return g_pReceiverLogic ? g_pReceiverLogic->GetFirstSilentReceiver(owner, port.nPort) : -1;
    for (int k = 0; k < static_cast<int>(port.tiles.size()); ++k)
        if (p.warning.GetSenderFiberPortRcvWarningFlag(owner, port.nPort, 0, k) & WARNING_NO_DATA)
            return k;
    return -1;
}

} // namespace

void DrawCablingPath(SViewPaint& p, int owner, const CPoint& origin, const SLaidPort& port, float zoom, bool loopBack)
{
    if (port.tiles.empty())
        return;
    const Pen pen{kPathColor, std::max(1, p.Scaled(2)), {}};
    // An Ethernet port's path leaves from its connector, a fibre board's
    // from the middle of its port's lower edge (the receivers lie below).
    CPoint start = RecordedConnectorPoint(p.data, p.obj.nRenderType, owner, port.nPort);
    if (port.bFiber) {
        const CRect boardPort = RecordedFiberBoardPort(p.data, p.obj, owner, port.nPort, 0);
        start = CPoint(boardPort.CenterPoint().x, boardPort.bottom);
    }
    std::vector<CPoint> points{p.ToClient(start)};
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
    mark(FirstSilentReceiver(p, owner, port));
    if (loopBack) {
        const SLoopBreak loop = LoopBreakOf(p.warning.GetLoopbackErrorInfo(owner, port.nPort));
        if (loop.nFirst >= 0) {
            mark(loop.nFirst);
            mark(loop.nLast + 1);
        }
    }
}
