#pragma once
// The drawing steps of one view paint and what they share. Internal to the
// renderer (view_render.cpp lays out, the view_draw_*.cpp files draw).
#include "controls/skin.h"
#include "module/current_object.h"
#include "platform/canvas.h"
#include "view/block_shape.h"
#include "view/sender_layout.h"
#include "view/view_images.h"

#include <string>
#include <vector>

class CModuleData;
class CMonitorWarningData;
class CMonitorRcvShowData;
class CSender;

// What every drawing step of one paint reads.
struct SViewPaint {
    ICanvas& dc;
    const SViewImages& images;
    const SSkinColors& colors;
    CModuleData& data;
    const CMonitorWarningData& warning;
    const CMonitorRcvShowData& show;
    SCurrentObject obj;
    CRect client;
    CPoint start; // the view start point
    double density = 1.0;
    bool monitoring = false;
    SBlockMetrics metrics;
    Font textFont; // sender numbers and names

    // Content coordinates to client coordinates.
    CRect ToClient(CRect r) const
    {
        r.OffsetRect(-start.x, -start.y);
        return r;
    }
    CPoint ToClient(const CPoint& p) const { return p - start; }
    bool IsVisible(const CRect& clientRect) const
    {
        return clientRect.right > client.left && clientRect.left < client.right && clientRect.bottom > client.top
            && clientRect.top < client.bottom;
    }
    int Scaled(double design) const { return static_cast<int>(design * density); }
};

// The receivers of one port as laid out for a paint.
struct SLaidReceiver {
    int k = 0;  // connection index
    CRect rect; // client coordinates
};
struct SLaidPort {
    int nPort = 0; // Ethernet port, or the fibre output
    bool bFiber = false;
    std::vector<CRect> tiles;           // normalised tile rectangles by connection index
    std::vector<SLaidReceiver> visible; // the receivers inside the client area
};

// Sender block of an Ethernet sender: frame, status, number, name, ports.
// With `record` its rectangles go to the page state.
void DrawSenderBlock(SViewPaint& p, const SSenderLayout& e, bool secondRow, bool record);
// Sender block of a fibre sender: its sixteen outputs as its ports.
void DrawFiberSenderBlock(SViewPaint& p, const SSenderLayout& e, bool record);
// The fibre boards of a fibre sender as blocks of their own, below its
// block.
void DrawFiberBoards(SViewPaint& p, const SSenderLayout& e);
// The rectangle the fibre boards of a sender's block cover (content coordinates).
CRect FiberBoardsArea(const SViewPaint& p, const SSenderLayout& e);

// What a receiver shows over the base layer, worked out from the monitor
// data. Kept from paint to paint while the data and the layout stay, so a
// repaint for the mouse neither formats nor measures the values again.
struct SReceiverLook {
    enum EFill : uint8_t { BaseFill, WarningFill, OfflineFill };
    EFill fill = BaseFill;
    int nTextSize = 0; // fitted to the rectangle; 0: no text
    std::string text;
};
struct SReceiverLooks {
    uint64_t nKey = 0;                             // what the looks were worked out from
    std::vector<std::vector<SReceiverLook>> ports; // by laid port, by visible receiver
};

// Places the visible receivers of each port at `origin` (client
// coordinates) and the zoom factor.
void LayOutReceivers(const SViewPaint& p, const CPoint& origin, float zoom, std::vector<SLaidPort>& ports);
// Works out the looks of the visible receivers of `e`'s ports, unless
// `looks` are already those of `lookKey`.
void WorkOutLooks(SViewPaint& p, const SSenderLayout& e, const std::vector<SLaidPort>& ports, SReceiverLooks& looks,
                  uint64_t lookKey);
// What changes only with the layout: each visible receiver's normal fill
// and its two outlines.
void DrawReceiverBase(ICanvas& dc, const SSkinColors& colors, const std::vector<SLaidPort>& ports);
// What changes only with the layout and the monitor data: the fill and
// outlines of the receivers in another state.
void DrawReceiverStates(ICanvas& dc, const SSkinColors& colors, const std::vector<SLaidPort>& ports,
                        const SReceiverLooks& looks);
// What is drawn over the base layer at every paint: the demarcation frame
// and the value texts. With `record` the receivers' rectangles go to the
// page state.
void DrawReceiverTexts(SViewPaint& p, const SSenderLayout& e, const std::vector<SLaidPort>& ports,
                       const SReceiverLooks& looks, bool record);
// The cabling path of a port over the receivers: from the connector of
// sender `owner` to each receiver in turn.
void DrawCablingPath(SViewPaint& p, int owner, const CPoint& origin, const SLaidPort& port, float zoom, bool loopBack);

// The legend (top right), the watermark (bottom right), the navigation
// overlay, the single-sender panel.
void DrawLegend(SViewPaint& p);
void DrawWatermark(ICanvas& dc, const SViewImages& images, const CRect& client);
void DrawNavigation(SViewPaint& p, const std::vector<int>& senders, const std::vector<SSenderLayout>& entries);
// Answers whether the sender's inputs were shown (the input button goes with them).
bool DrawSingleSenderPanel(SViewPaint& p, const SSenderLayout& e);
