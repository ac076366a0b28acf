#pragma once
// What the view's drawing records in the page state for the hit test,
// tooltips and connection lines. Every rectangle and point is in content
// coordinates (not shifted by the view start point). The stores and keys
// are the ones the hit test reads (view/view_hit_items.h):
//
//   level rectangles A (render type, sender)        the sender block (its ports inside it)
//   level rectangles B (render type, sender)        its status band
//   level rectangles C (render type, sender, port)  the port frame
//   level rectangles D (render type, sender, port)  the port's connector
//   level points A     (render type, sender, port)  the connector point (a cabling path starts there)
//   level points B     (render type, sender, port)  the port frame's centre
//   item rectangles (current object, sender, board)              a fibre board
//   item rectangles (current object, sender, board, port)        a port of that board
//   item rectangles (current object, sender, d, e, receiver)     a receiver: d the Ethernet port
//                                                               and e 0, or d the fibre board
//                                                               and e its port
//   sender points (sender)                          the receiver origin of a laid-out sender
//   overlay rectangles (sender)                     the sender's box in the navigation overlay
//                                                   (client coordinates: the overlay does not scroll)
//   overlay list 1                                  the overlay's box, then its content area
//   overlay list 2                                  the visible part's frame in the overlay
//   content extent                                  the extent of everything laid out
//
// Only receivers inside the client area are recorded: the cursor cannot
// reach the others.
#include "module/current_object.h"
#include "platform/geometry.h"

class CModuleData;

void RecordSenderBlock(CModuleData& data, int renderType, int sender, const CRect& block, const CRect& band);
void RecordPort(CModuleData& data, int renderType, int sender, int port, const CRect& frame, const CRect& connector,
                const CPoint& connectorPoint);
CRect RecordedConnector(const CModuleData& data, int renderType, int sender, int port);
CPoint RecordedConnectorPoint(const CModuleData& data, int renderType, int sender, int port);

void RecordFiberBoard(CModuleData& data, const SCurrentObject& obj, int sender, int board, const CRect& rect);
void RecordFiberBoardPort(CModuleData& data, const SCurrentObject& obj, int sender, int board, int port,
                          const CRect& rect);
CRect RecordedFiberBoardPort(const CModuleData& data, const SCurrentObject& obj, int sender, int board, int port);

// d, e: the Ethernet port and 0, or the fibre board and its port.
void RecordReceiver(CModuleData& data, const SCurrentObject& obj, int sender, int d, int e, int receiver,
                    const CRect& rect);
CRect RecordedReceiver(const CModuleData& data, const SCurrentObject& obj, int sender, int d, int e, int receiver);
