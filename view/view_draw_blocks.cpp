// Sender blocks: frames, status icons, numbers, names and ports.
#include "controls/image_blt.h"
#include "host/vistrano_warning.h"
#include "module/module_data.h"
#include "view/view_paint.h"
#include "view/view_records.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kFrameMargin = 5;
constexpr int kStatusMargin = 2;
constexpr int kTextInset = 4;
constexpr int kBoardsPerRow = 8;

void NinePart(ICanvas& dc, const Image* image, const CRect& dest, int margin, int turns = 0)
{
    CCusFuntionEx::ImageCusBlt(dc, image, dest, BltNinePart, margin, margin, margin, margin, turns);
}

// The frame, status icon, number and name of a block; answers its status band.
CRect DrawBlockFace(SViewPaint& p, const SSenderLayout& e, EBlockSide side, bool record)
{
    const CRect block = p.ToClient(e.rcBlock);
    const CRect band = StatusBandOf(e.rcBlock, side, p.metrics);
    if (record)
        RecordSenderBlock(p.data, p.obj.nRenderType, e.nSender, e.rcBlock, band);
    const bool offline = !e.bOnline;
    NinePart(p.dc, p.monitoring && offline ? p.images.senderFrameOffline : p.images.senderFrameNormal, block,
             kFrameMargin);

    const Image* status = offline ? p.images.statusOffline
                                  : (p.monitoring && e.bWarning ? p.images.statusWarning : p.images.statusOnline);
    const CRect b = p.ToClient(band);
    const int iw = status ? status->Width() : 0, ih = status ? status->Height() : 0;
    const Color text = offline ? p.colors.clrOfflineText : p.colors.clrOnlineText;
    const std::string number = std::to_string(e.nSender + 1);
    const int inset = p.Scaled(kTextInset);
    if (IsUpright(side)) {
        // A narrow column: the icon at the top, the number under it.
        const CRect icon(b.left + (b.Width() - iw) / 2, b.top + inset, b.left + (b.Width() - iw) / 2 + iw,
                         b.top + inset + ih);
        NinePart(p.dc, status, icon, kStatusMargin);
        p.dc.DrawText(number, {b.left, icon.bottom, b.right, icon.bottom + b.Width()}, p.textFont, text, AlignCenter);
        return band;
    }
    const int left = block.left + (block.Width() - iw) / 2 + 1;
    const CRect icon(left, b.top + (b.Height() - ih) / 2, left + iw, b.top + (b.Height() - ih) / 2 + ih);
    NinePart(p.dc, status, icon, kStatusMargin);
    const unsigned align = AlignLeft | AlignVCenter | ElideRight;
    p.dc.DrawText(number, {b.left + inset, b.top, icon.left - inset, b.bottom}, p.textFont, text, align);
    p.dc.DrawText(e.strName, {icon.right + inset, b.top, b.right - inset, b.bottom}, p.textFont, text, align);
    return band;
}

EPortState StateOf(const SViewPaint& p, const SSenderLayout& e, bool warning)
{
    if (p.monitoring && !e.bOnline)
        return PORT_UNKNOWN;
    return p.monitoring && warning ? PORT_WARNING : PORT_NORMAL;
}

} // namespace

void DrawSenderBlock(SViewPaint& p, const SSenderLayout& e, bool secondRow, bool record)
{
    const EBlockSide side = SideOfPosition(e.nRelativePos);
    DrawBlockFace(p, e, side, record);
    const int turns = QuarterTurnsOf(side);
    const std::vector<SPortPlace> ports = PlacePorts(e.rcBlock, e.nPortCount, side, p.metrics, secondRow);
    for (int port = 0; port < static_cast<int>(ports.size()); ++port) {
        const SPortPlace& place = ports[static_cast<std::size_t>(port)];
        const bool backedUp = e.HasBackupPort(port);
        const bool backupSet = e.nPortCount > 20 && backedUp;
        const EPortState state = StateOf(p, e, e.portWarnings.test(static_cast<std::size_t>(port)));
        NinePart(p.dc, (backupSet ? p.images.portBackup : p.images.portFrame)[state], p.ToClient(place.rcPort),
                 kFrameMargin, turns);
        NinePart(p.dc, (backupSet ? p.images.portBackup2 : p.images.portFrame2)[state], p.ToClient(place.rcConnector),
                 kFrameMargin, turns);
        if (backedUp && p.images.backupMark)
            p.dc.DrawImageAt(*p.images.backupMark, p.ToClient(place.rcPort).TopLeft());
        if (record)
            RecordPort(p.data, p.obj.nRenderType, e.nSender, port, place.rcPort, place.rcConnector, place.ptConnector);
    }
}

void DrawFiberSenderBlock(SViewPaint& p, const SSenderLayout& e, bool record)
{
    DrawBlockFace(p, e, EBlockSide::Top, record);
    const std::vector<SPortPlace> outputs
        = PlacePorts(e.rcBlock, CMonitorWarningData::kFiberOutputCount, EBlockSide::Top, p.metrics, false);
    for (int o = 0; o < static_cast<int>(outputs.size()); ++o) {
        const SPortPlace& place = outputs[static_cast<std::size_t>(o)];
        EPortState state = PORT_NORMAL;
        if (!e.bOnline)
            state = PORT_UNKNOWN;
        else if (p.monitoring && !p.warning.IsFiberConnected(e.nSender, o))
            state = PORT_UNKNOWN;
        else if (p.monitoring && p.warning.HasSenderFiberWarning(e.nSender, o < 8 ? o : o - 8))
            state = PORT_WARNING;
        const CRect unit = p.ToClient(place.rcPort);
        NinePart(p.dc, (o < 8 ? p.images.fiberMain : p.images.fiberBackup)[PORT_NORMAL], unit, kFrameMargin);
        CRect inner = unit;
        inner.DeflateRect(p.Scaled(3), p.Scaled(3));
        NinePart(p.dc, p.images.portFrame[state], inner, kFrameMargin);
        NinePart(p.dc, p.images.portFrame2[state], p.ToClient(place.rcConnector), kFrameMargin);
        if (record)
            RecordPort(p.data, p.obj.nRenderType, e.nSender, o, place.rcPort, place.rcConnector, place.ptConnector);
    }
}

namespace {

// Where the boards of a fibre sender stand: two rows of eight under its
// block, main boards above their backups.
struct SBoardGrid {
    CPoint origin;
    CSize board;
    int nGap = 0;
    int nPad = 0;
    int nImageHeight = 0;
    CRect Board(int board) const
    {
        const int column = board % kBoardsPerRow, row = board / kBoardsPerRow;
        return CRect(CPoint(origin.x + column * (this->board.cx + nGap), origin.y + row * (this->board.cy + nGap)),
                     this->board);
    }
};

SBoardGrid BoardGridOf(const SViewPaint& p, const SSenderLayout& e)
{
    const Image* sample = p.images.fiberMain[PORT_NORMAL];
    SBoardGrid g;
    g.nPad = p.Scaled(6);
    g.nImageHeight = sample ? sample->Height() : p.Scaled(24);
    g.board
        = {(sample ? sample->Width() : p.Scaled(48)) + 2 * g.nPad, g.nImageHeight + p.metrics.nPortHeight + 3 * g.nPad};
    g.nGap = p.Scaled(10);
    g.origin = {e.rcBlock.left, e.rcBlock.bottom + p.Scaled(20)};
    return g;
}

} // namespace

CRect FiberBoardsArea(const SViewPaint& p, const SSenderLayout& e)
{
    const SBoardGrid g = BoardGridOf(p, e);
    const CRect last = g.Board(CMonitorWarningData::kFiberOutputCount - 1);
    return {g.origin.x, g.origin.y, last.right, last.bottom};
}

void DrawFiberBoards(SViewPaint& p, const SSenderLayout& e)
{
    const SBoardGrid g = BoardGridOf(p, e);
    for (int board = 0; board < CMonitorWarningData::kFiberOutputCount; ++board) {
        const bool backup = board >= kBoardsPerRow;
        const CRect rect = g.Board(board);
        RecordFiberBoard(p.data, p.obj, e.nSender, board, rect);
        const bool lost = p.monitoring && !p.warning.IsFiberConnected(e.nSender, board);
        const CRect r = p.ToClient(rect);
        NinePart(p.dc, lost ? p.images.senderFrameOffline : p.images.senderFrameNormal, r, kFrameMargin);
        const Image* const* boardImages = backup ? p.images.fiberBackup : p.images.fiberMain;
        const CRect image(r.left + g.nPad, r.top + g.nPad, r.right - g.nPad, r.top + g.nPad + g.nImageHeight);
        NinePart(p.dc, boardImages[lost ? PORT_UNKNOWN : PORT_NORMAL], image, kFrameMargin);
        const int left = r.left + (r.Width() - p.metrics.nPortWidth) / 2;
        const CRect port(left, image.bottom + g.nPad, left + p.metrics.nPortWidth,
                         image.bottom + g.nPad + p.metrics.nPortHeight);
        EPortState state = PORT_NORMAL;
        if (lost)
            state = PORT_UNKNOWN;
        else if (p.monitoring
                 && p.warning.HasFiberPortWarning(e.nSender, board, 0, RenderTypeWarningMask(p.obj.nRenderType)))
            state = PORT_WARNING;
        NinePart(p.dc, (backup ? p.images.portBackup : p.images.portFrame)[state], port, kFrameMargin);
        CRect portContent = port;
        portContent.OffsetRect(p.start.x, p.start.y);
        RecordFiberBoardPort(p.data, p.obj, e.nSender, board, 0, portContent);
    }
}
