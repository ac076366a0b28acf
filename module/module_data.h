#pragma once
// CModuleData: the page state the panes share. It receives the host's
// monitor data updates (on the monitoring thread) and keeps its own copy
// of the five monitor data records under its lock; beside that it holds
// what the view shows, view state shared by the panes, the rectangles and
// points the view recorded for hit testing, and it answers the per-sender
// questions from the right source.
//
// Threads: OnMonitorDataUpdate runs on the host's monitoring thread and
// touches only the snapshots and the new-data flag; everything else runs
// on the user interface thread.
#include "host/monitor_records.h"
#include "host/monitor_update.h"
#include "module/current_object.h"
#include "module/sender_selection.h"
#include "platform/geometry.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CModuleData final : public IMonitorDataUpdate {
public:
    CModuleData();
    ~CModuleData();
    CModuleData(const CModuleData&) = delete;
    CModuleData& operator=(const CModuleData&) = delete;

    // ---- Monitor data ------------------------------------------------------
    // Copies the host's five records outside the lock, swaps the copy in
    // under it and raises the new-data flag (monitoring thread). A reader
    // waits for the swap only, never for the copy.
    void OnMonitorDataUpdate() override;
    // 1 once after an update (the flag is cleared), else 0.
    int TakeNewDataFlag();
    void ClearNewDataFlag();

    // The snapshots; the caller holds CModuleDataLock while reading them.
    const CMonitorDetectData& GetDetectData() const { return m_snapshot->detect; }
    const CMonitorInterfaceData& GetInterfaceData() const { return m_snapshot->settings; }
    const CMonitorWarningData& GetWarningData() const { return m_snapshot->warning; }
    const CMonitorTipsData& GetTipsData() const { return m_snapshot->tips; }
    const CMonitorRcvShowData& GetRcvShowData() const { return m_snapshot->show; }
    // Counts the updates swapped in: an unchanged value means unchanged
    // snapshots. Read under CModuleDataLock.
    uint64_t GetSnapshotGeneration() const { return m_nSnapshotGeneration; }

    // ---- What the view shows -------------------------------------------------
    // A copy, taken without the lock; readers that need a consistent
    // picture with the snapshots hold CModuleDataLock.
    SCurrentObject GetCurrentObject() const { return m_current; }
    // Stores the record, under the lock, only when a word differs.
    void SetCurrentObject(int32_t scope, int32_t valid, int32_t renderType, int32_t sender, int32_t port);

    // ---- Flags and values ------------------------------------------------------
    int GetSenderPanelExpanded() const { return m_bSenderPanelExpanded; }
    void SetSenderPanelExpanded(int expanded) { m_bSenderPanelExpanded = expanded; }
    // For each axis the larger of the stored extent and the design
    // background's client size plus its view start point.
    CSize GetContentExtent() const;
    void SetContentExtent(int32_t cx, int32_t cy) { m_contentExtent = {cx, cy}; }
    int GetDemarcationOn() const { return m_bDemarcationOn; }
    // Switching it off removes every mark on the hardware and forgets the key.
    void SetDemarcationOn(int on);
    uint32_t GetDemarcationKey() const { return m_dwDemarcationKey; }
    void SetDemarcationKey(int32_t sender, int32_t port, int32_t receiver);
    uint32_t GetHoverKey() const { return m_dwHoverKey; }
    // Stores the key and asks the host to repaint the view.
    void SetHoverKey(uint32_t key);
    // No port and no sender under the mouse (a newly opened project); the
    // caller repaints.
    void ForgetHover()
    {
        m_dwHoverKey = 0xFFFFFFFFu;
        m_nHoveredSender = -1;
    }
    int GetNavigationOn() const { return m_bNavigationOn; }
    void SetNavigationOn(int on) { m_bNavigationOn = on; }
    int GetHoveredSender() const { return m_nHoveredSender; }
    void SetHoveredSender(int32_t sender) { m_nHoveredSender = sender; }

    // ---- The sender panel --------------------------------------------------------
    void SetSenderPanel(ISenderSelection* panel) { m_pSenderPanel = panel; }
    ISenderSelection* GetSenderPanel() const { return m_pSenderPanel; }
    // The senders the view shows, from the panel's tree; an empty list and
    // 0 without a panel.
    int GetShowSenders(std::vector<int>& senders) const;
    // Has the panel select a sender's tree node; nothing without a panel.
    void SelectSenderNode(int nodeType, int sender);

    // ---- Item stores (keys: item_keys.h) -------------------------------------------
    void SetItemRect(const SCurrentObject& obj, int32_t c, const CRect& rect);
    void SetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, const CRect& rect);
    void SetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, const CRect& rect);
    void SetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, int32_t f, const CRect& rect);
    CRect GetItemRect(const SCurrentObject& obj, int32_t c) const;
    CRect GetItemRect(const SCurrentObject& obj, int32_t c, int32_t d) const;
    CRect GetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e) const;
    CRect GetItemRect(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, int32_t f) const;
    void SetItemPoint(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e, const CPoint& pt);
    CPoint GetItemPoint(const SCurrentObject& obj, int32_t c, int32_t d, int32_t e) const;
    // Empties the item rectangles and the item points together.
    void ClearItems();
    // Counts ClearItems calls: a new value means the view laid out anew.
    uint32_t GetItemsGeneration() const { return m_nItemsGeneration; }

    // ---- Level stores (never cleared) ------------------------------------------------
    void SetLevelPointA(int32_t a, int32_t b, int32_t c, const CPoint& pt);
    CPoint GetLevelPointA(int32_t a, int32_t b, int32_t c) const;
    void SetLevelPointB(int32_t a, int32_t b, int32_t c, const CPoint& pt);
    CPoint GetLevelPointB(int32_t a, int32_t b, int32_t c) const;
    void SetLevelRectA(int32_t a, int32_t b, const CRect& rect);
    CRect GetLevelRectA(int32_t a, int32_t b) const;
    void SetLevelRectB(int32_t a, int32_t b, const CRect& rect);
    CRect GetLevelRectB(int32_t a, int32_t b) const;
    void SetLevelRectC(int32_t a, int32_t b, int32_t c, const CRect& rect);
    CRect GetLevelRectC(int32_t a, int32_t b, int32_t c) const;
    void SetLevelRectD(int32_t a, int32_t b, int32_t c, const CRect& rect);
    CRect GetLevelRectD(int32_t a, int32_t b, int32_t c) const;
    void SetLevelRectE(int32_t a, int32_t b, int32_t c, int32_t d, const CRect& rect);
    CRect GetLevelRectE(int32_t a, int32_t b, int32_t c, int32_t d) const;

    // ---- Per-sender stores ------------------------------------------------------------
    void SetSenderPoint(int32_t sender, const CPoint& pt) { m_senderPoints[sender] = pt; }
    CPoint GetSenderPoint(int32_t sender) const;
    void SetZoom(int32_t sender, float zoom) { m_zoom[sender] = zoom; }
    // 1.0 for a sender never zoomed.
    float GetZoom(int32_t sender) const;
    void SetSenderWord(int32_t sender, uint32_t word) { m_senderWords[sender] = word; }
    uint32_t GetSenderWord(int32_t sender) const;
    void ClearSenderWords() { m_senderWords.clear(); }
    // The value array is first resized to the project's sender count; an
    // index outside it is not stored.
    void SetSenderValue(int32_t index, int32_t value);
    // 0 for an index outside the array.
    int32_t GetSenderValue(int32_t index) const;

    // ---- Navigation overlay --------------------------------------------------------------
    void SetOverlayRect(uint32_t key, const CRect& rect) { m_overlayRects[key] = rect; }
    CRect GetOverlayRect(uint32_t key) const;
    void ClearOverlayRects() { m_overlayRects.clear(); }
    // Lists 1 and 2; any other number names no list.
    void ClearOverlayList(int list);
    void AppendOverlayRect(int list, const CRect& rect);
    void GetOverlayList(int list, std::vector<CRect>& rects) const;

    // ---- Sender questions ------------------------------------------------------------------
    // Answered from the detect snapshot (under the lock) while monitoring
    // runs, else from the hardware bridge's sender logic.
    // The identifier under which the detect data holds sender i.
    uint32_t GetSenderDetectId(int32_t sender) const;
    int IsSenderDetected(int32_t sender);
    int GetSenderTypeCode(int32_t sender);
    uint32_t GetSenderStatusWord(int32_t sender);
    int GetSenderTreeValue(int32_t sender);
    std::string GetSenderName(int32_t sender);
    // Whether the detection's current sender is a fibre sender.
    int IsFiberSender();
    int IsPortConnected(int32_t sender, int32_t port);
    int GetDetectedSenderCount();
    // 1 when the sender's present type code differs from the one its video
    // input settings were made for.
    int IsSenderChanged(int32_t sender);
    // The sender the detection works on.
    int GetCurDetectSender();

    // The input signal texts of the project's current sender, for the
    // view's input panel: (k + 1) << 16 the k-th input's name, | 1 its
    // configured format, | 2 (while monitoring) its detected format.
    void GetInputSignalTexts(std::map<uint32_t, std::string>& texts);

private:
    friend class CModuleDataLock;

    bool IsMonitoring() const;
    // The detection record of a sender in the snapshot, or null; the
    // caller holds the lock.
    const SDetectSenderData* FindSenderRecord(int32_t sender) const;
    int CurDetectSenderInSnapshot() const;
    template <class T, class FromRecord, class FromLogic>
    T AskSender(int32_t sender, T none, FromRecord fromRecord, FromLogic fromLogic);

    int m_bSenderPanelExpanded = 1;
    std::map<uint64_t, CPoint> m_itemPoints;
    std::map<uint64_t, CRect> m_itemRects;
    uint32_t m_nItemsGeneration = 0;
    CSize m_contentExtent;
    std::map<uint32_t, CPoint> m_levelPointsA;
    std::map<uint32_t, CPoint> m_levelPointsB;
    std::map<uint32_t, CRect> m_levelRectsA;
    std::map<uint32_t, CRect> m_levelRectsB;
    std::map<uint32_t, CRect> m_levelRectsC;
    std::map<uint32_t, CRect> m_levelRectsD;
    std::map<uint32_t, CRect> m_levelRectsE;
    std::map<int32_t, CPoint> m_senderPoints;
    std::map<int32_t, float> m_zoom;
    std::map<int32_t, uint32_t> m_senderWords;
    int m_bDemarcationOn = 0;
    uint32_t m_dwDemarcationKey = 0;
    // No port until the mouse rests on one (0 would name sender 0's port 0).
    uint32_t m_dwHoverKey = 0xFFFFFFFFu;
    int m_bNavigationOn = 0;
    std::map<uint32_t, CRect> m_overlayRects;
    std::vector<CRect> m_overlayList1;
    std::vector<CRect> m_overlayList2;
    int32_t m_nHoveredSender = -1;

    // The five records of one update, swapped in whole.
    struct SSnapshot {
        CMonitorDetectData detect;
        CMonitorInterfaceData settings;
        CMonitorWarningData warning;
        CMonitorTipsData tips;
        CMonitorRcvShowData show;
    };

    // Guards the snapshot pointer and the current-object record. Recursive:
    // a sender question asked while CModuleDataLock is held does not block.
    mutable std::recursive_mutex m_lock;
    std::unique_ptr<SSnapshot> m_snapshot;
    uint64_t m_nSnapshotGeneration = 0;
    // The next update's copy, filled outside m_lock; after the swap it
    // holds the previous snapshot, whose storage the next copy reuses.
    // m_updateLock keeps two updates from filling it at once.
    std::mutex m_updateLock;
    std::unique_ptr<SSnapshot> m_incoming;

    ISenderSelection* m_pSenderPanel = nullptr;
    SCurrentObject m_current;
    std::vector<int32_t> m_senderValues;
    // Written by the monitoring thread, taken by the user interface thread.
    std::atomic<int> m_nNewData{0};
};

// Holds the page state's lock while the user interface reads the
// snapshots. Guards nest: each one locks and unlocks once.
class CModuleDataLock {
public:
    explicit CModuleDataLock(const CModuleData& data) : m_lock(data.m_lock) {}
    CModuleDataLock(const CModuleDataLock&) = delete;
    CModuleDataLock& operator=(const CModuleDataLock&) = delete;

private:
    std::lock_guard<std::recursive_mutex> m_lock;
};
