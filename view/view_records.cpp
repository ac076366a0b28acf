#include "view/view_records.h"

#include "module/module_data.h"

void RecordSenderBlock(CModuleData& data, int renderType, int sender, const CRect& block, const CRect& band)
{
    data.SetLevelRectA(renderType, sender, block);
    data.SetLevelRectB(renderType, sender, band);
}

void RecordPort(CModuleData& data, int renderType, int sender, int port, const CRect& frame, const CRect& connector,
                const CPoint& connectorPoint)
{
    data.SetLevelRectC(renderType, sender, port, frame);
    data.SetLevelRectD(renderType, sender, port, connector);
    data.SetLevelPointA(renderType, sender, port, connectorPoint);
    data.SetLevelPointB(renderType, sender, port, frame.CenterPoint());
}

CRect RecordedConnector(const CModuleData& data, int renderType, int sender, int port)
{
    return data.GetLevelRectD(renderType, sender, port);
}

CPoint RecordedConnectorPoint(const CModuleData& data, int renderType, int sender, int port)
{
    return data.GetLevelPointA(renderType, sender, port);
}

void RecordFiberBoard(CModuleData& data, const SCurrentObject& obj, int sender, int board, const CRect& rect)
{
    data.SetItemRect(obj, sender, board, rect);
}

void RecordFiberBoardPort(CModuleData& data, const SCurrentObject& obj, int sender, int board, int port,
                          const CRect& rect)
{
    data.SetItemRect(obj, sender, board, port, rect);
}

CRect RecordedFiberBoardPort(const CModuleData& data, const SCurrentObject& obj, int sender, int board, int port)
{
    return data.GetItemRect(obj, sender, board, port);
}

void RecordReceiver(CModuleData& data, const SCurrentObject& obj, int sender, int d, int e, int receiver,
                    const CRect& rect)
{
    data.SetItemRect(obj, sender, d, e, receiver, rect);
}

CRect RecordedReceiver(const CModuleData& data, const SCurrentObject& obj, int sender, int d, int e, int receiver)
{
    return data.GetItemRect(obj, sender, d, e, receiver);
}
