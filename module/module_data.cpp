// CModuleData: the update receiver, flags, values and stores.
#include "module/module_data.h"

#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "host/vistrano_label.h"
#include "module/item_keys.h"
#include "module/module_globals.h"
#include "module/update_mask.h"

#include <algorithm>

namespace {

template <class Map>
typename Map::mapped_type Find(const Map& map, const typename Map::key_type& key, typename Map::mapped_type absent = {})
{
    auto it = map.find(key);
    return it == map.end() ? absent : it->second;
}

} // namespace

CModuleData::CModuleData() : m_snapshot(std::make_unique<SSnapshot>()), m_incoming(std::make_unique<SSnapshot>()) {}

CModuleData::~CModuleData() = default;

void CModuleData::OnMonitorDataUpdate()
{
    if (g_pMonitorData) {
        std::lock_guard update(m_updateLock);
        SSnapshot& next = *m_incoming;
        g_pMonitorData->GetDetectData(next.detect);
        g_pMonitorData->GetInterfaceData(next.settings);
        g_pMonitorData->GetWarningData(next.warning);
        g_pMonitorData->GetRcvShowData(next.show);
        g_pMonitorData->GetTipData(next.tips);
        std::lock_guard lock(m_lock);
        m_snapshot.swap(m_incoming);
        ++m_nSnapshotGeneration;
    }
    m_nNewData = 1;
}

int CModuleData::TakeNewDataFlag() { return m_nNewData.exchange(0) ? 1 : 0; }

void CModuleData::ClearNewDataFlag() { m_nNewData = 0; }

void CModuleData::SetCurrentObject(int32_t scope, int32_t valid, int32_t renderType, int32_t sender, int32_t port)
{
    const SCurrentObject next{scope, valid, renderType, sender, port};
    std::lock_guard lock(m_lock);
    if (!(m_current == next))
        m_current = next;
}

CSize CModuleData::GetContentExtent() const
{
    CSize extent = m_contentExtent;
    if (CDesignBackground* background = g_pRuntimeData ? g_pRuntimeData->GetDesignBackground() : nullptr) {
        const CRect client = background->GetClientRect();
        const CPoint start = background->GetViewStartPt();
        extent.cx = std::max(extent.cx, client.Width() + start.x);
        extent.cy = std::max(extent.cy, client.Height() + start.y);
    }
    return extent;
}

void CModuleData::SetDemarcationOn(int on)
{
    m_bDemarcationOn = on;
    if (on)
        return;
    if (g_pReceiverLogic)
        g_pReceiverLogic->SetDemarcationDisplay(0, 0, 0);
    m_dwDemarcationKey = kNoDemarcation;
}

void CModuleData::SetDemarcationKey(int32_t sender, int32_t port, int32_t receiver)
{
    m_dwDemarcationKey = DemarcationKey(sender, port, receiver);
}

void CModuleData::SetHoverKey(uint32_t key)
{
    m_dwHoverKey = key;
    if (g_pHostLabel)
        g_pHostLabel->Notify(static_cast<int32_t>(UPDATE_VIEW), 0, 1, 0);
}

int CModuleData::GetShowSenders(std::vector<int>& senders) const
{
    if (!m_pSenderPanel) {
        senders.clear();
        return 0;
    }
    return m_pSenderPanel->GetShowSenders(senders);
}

void CModuleData::SelectSenderNode(int nodeType, int sender)
{
    if (m_pSenderPanel)
        m_pSenderPanel->SelectSenderNode(nodeType, sender);
}

// ---- Item stores -------------------------------------------------------------

void CModuleData::SetItemRect(const SCurrentObject& obj, int32_t c, const CRect& rect)
{
    m_itemRects[ItemKey(obj, c)] = rect;
}
void CModuleData::SetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, const CRect& rect)
{
    m_itemRects[ItemKey(obj, c, d)] = rect;
}
void CModuleData::SetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, const CRect& rect)
{
    m_itemRects[ItemKey(obj, c, d, e)] = rect;
}
void CModuleData::SetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, int32_t f, const CRect& rect)
{
    m_itemRects[ItemKey(obj, c, d, e, f)] = rect;
}
CRect CModuleData::GetItemRect(const SCurrentObject& obj, int32_t c) const
{
    return Find(m_itemRects, ItemKey(obj, c));
}
CRect CModuleData::GetItemRect(const SCurrentObject& obj, int32_t c, int32_t d) const
{
    return Find(m_itemRects, ItemKey(obj, c, d));
}
CRect CModuleData::GetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e) const
{
    return Find(m_itemRects, ItemKey(obj, c, d, e));
}
CRect CModuleData::GetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, int32_t f) const
{
    return Find(m_itemRects, ItemKey(obj, c, d, e, f));
}
void CModuleData::SetItemPoint(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, const CPoint& pt)
{
    m_itemPoints[ItemKey(obj, c, d, e)] = pt;
}
CPoint CModuleData::GetItemPoint(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e) const
{
    return Find(m_itemPoints, ItemKey(obj, c, d, e));
}
void CModuleData::ClearItems()
{
    m_itemRects.clear();
    m_itemPoints.clear();
    ++m_nItemsGeneration;
}

// ---- Level stores --------------------------------------------------------------

void CModuleData::SetLevelPointA(int32_t a, int32_t b, int32_t c, const CPoint& pt)
{
    m_levelPointsA[LevelKey(a, b, c)] = pt;
}
CPoint CModuleData::GetLevelPointA(int32_t a, int32_t b, int32_t c) const
{
    return Find(m_levelPointsA, LevelKey(a, b, c));
}
void CModuleData::SetLevelPointB(int32_t a, int32_t b, int32_t c, const CPoint& pt)
{
    m_levelPointsB[LevelKey(a, b, c)] = pt;
}
CPoint CModuleData::GetLevelPointB(int32_t a, int32_t b, int32_t c) const
{
    return Find(m_levelPointsB, LevelKey(a, b, c));
}
void CModuleData::SetLevelRectA(int32_t a, int32_t b, const CRect& rect) { m_levelRectsA[LevelKey(a, b)] = rect; }
CRect CModuleData::GetLevelRectA(int32_t a, int32_t b) const { return Find(m_levelRectsA, LevelKey(a, b)); }
void CModuleData::SetLevelRectB(int32_t a, int32_t b, const CRect& rect) { m_levelRectsB[LevelKey(a, b)] = rect; }
CRect CModuleData::GetLevelRectB(int32_t a, int32_t b) const { return Find(m_levelRectsB, LevelKey(a, b)); }
void CModuleData::SetLevelRectC(int32_t a, int32_t b, int32_t c, const CRect& rect)
{
    m_levelRectsC[LevelKey(a, b, c)] = rect;
}
CRect CModuleData::GetLevelRectC(int32_t a, int32_t b, int32_t c) const
{
    return Find(m_levelRectsC, LevelKey(a, b, c));
}
void CModuleData::SetLevelRectD(int32_t a, int32_t b, int32_t c, const CRect& rect)
{
    m_levelRectsD[LevelKey(a, b, c)] = rect;
}
CRect CModuleData::GetLevelRectD(int32_t a, int32_t b, int32_t c) const
{
    return Find(m_levelRectsD, LevelKey(a, b, c));
}
void CModuleData::SetLevelRectE(int32_t a, int32_t b, int32_t c, int32_t d, const CRect& rect)
{
    m_levelRectsE[LevelKey(a, b, c, d)] = rect;
}
CRect CModuleData::GetLevelRectE(int32_t a, int32_t b, int32_t c, int32_t d) const
{
    return Find(m_levelRectsE, LevelKey(a, b, c, d));
}

// ---- Per-sender stores ------------------------------------------------------------

CPoint CModuleData::GetSenderPoint(int32_t sender) const { return Find(m_senderPoints, sender); }

float CModuleData::GetZoom(int32_t sender) const { return Find(m_zoom, sender, 1.0f); }

uint32_t CModuleData::GetSenderWord(int32_t sender) const { return Find(m_senderWords, sender); }

void CModuleData::SetSenderValue(int32_t index, int32_t value)
{
    const int count = g_pProjectData ? g_pProjectData->GetSenderCount() : 0;
    m_senderValues.resize(static_cast<std::size_t>(std::max(count, 0)), 0);
    if (index >= 0 && static_cast<std::size_t>(index) < m_senderValues.size())
        m_senderValues[static_cast<std::size_t>(index)] = value;
}

int32_t CModuleData::GetSenderValue(int32_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_senderValues.size())
        return 0;
    return m_senderValues[static_cast<std::size_t>(index)];
}

// ---- Navigation overlay ---------------------------------------------------------

CRect CModuleData::GetOverlayRect(uint32_t key) const { return Find(m_overlayRects, key); }

void CModuleData::ClearOverlayList(int list)
{
    if (list == 1)
        m_overlayList1.clear();
    else if (list == 2)
        m_overlayList2.clear();
}

void CModuleData::AppendOverlayRect(int list, const CRect& rect)
{
    if (list == 1)
        m_overlayList1.push_back(rect);
    else if (list == 2)
        m_overlayList2.push_back(rect);
}

void CModuleData::GetOverlayList(int list, std::vector<CRect>& rects) const
{
    if (list == 1)
        rects = m_overlayList1;
    else if (list == 2)
        rects = m_overlayList2;
    else
        rects.clear();
}
