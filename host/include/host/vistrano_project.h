#pragma once
// The project as the page reads it: senders by 0-based index, their output
// ports, the tile sets of receivers those ports feed, sender groups, the
// source/backup pairs and the per-sender view records of the monitoring page.
// Service objects of the host's data library: the page borrows them.
#include "host/host_api.h"
#include "platform/geometry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CWnd;
class CTileSet;
class CNumberedTileSet;

// A set of receivers (cabinets), each with its rectangle in project
// coordinates and its connection index: its place in the cabling order.
class CTileSet {
public:
    virtual int GetRcvCount() const = 0;
    // Rectangle of the receiver with connection index i; empty when there is none.
    virtual CRect GetRectByRcvCnntIndex(int i) const = 0;
    // Fills a normalised copy: receivers addressed by connection index, with
    // coordinates relative to the top-left corner of their sender's bound,
    // so that every port of one sender shares one origin.
    virtual void GetTileSetNumberedNormalization(CNumberedTileSet& copy) const = 0;

protected:
    virtual ~CTileSet() = default;
};

// A tile set held by value, as GetTileSetNumberedNormalization fills it.
class HOST_RECORD_API CNumberedTileSet final : public CTileSet {
public:
    CNumberedTileSet() = default;
    explicit CNumberedTileSet(std::vector<CRect> rects) : m_rects(std::move(rects)) {}
    CNumberedTileSet(const CNumberedTileSet&) = default;
    CNumberedTileSet& operator=(const CNumberedTileSet&) = default;
    ~CNumberedTileSet() override = default;

    int GetRcvCount() const override { return static_cast<int>(m_rects.size()); }
    CRect GetRectByRcvCnntIndex(int i) const override
    {
        const auto k = static_cast<std::size_t>(i); // a negative index wraps to a large one
        return k < m_rects.size() ? m_rects[k] : CRect{};
    }
    void GetTileSetNumberedNormalization(CNumberedTileSet& copy) const override { copy = *this; }

    void SetRects(std::vector<CRect> rects) { m_rects = std::move(rects); }
    const std::vector<CRect>& GetRects() const { return m_rects; }

private:
    std::vector<CRect> m_rects;
};

// What a port drives: its tile set.
class CPortProject {
public:
    virtual CTileSet* GetTileSet() = 0;

protected:
    virtual ~CPortProject() = default;
};

// One output port (Ethernet port, or a fibre output) of a sender.
class CPort {
public:
    virtual CPortProject* GetPortProject() = 0;
    // Number of receivers the port feeds.
    virtual int GetTilesCount() const = 0;
    // Nonzero when the port is the backup end of a source/backup pair.
    virtual int IsBackupDest() const = 0;

protected:
    virtual ~CPort() = default;
};

class CSender {
public:
    // Identifier (a GUID text), stable over renames and reordering.
    virtual std::string GetId() const = 0;
    virtual std::string GetSenderName() const = 0;
    virtual void SetSenderName(const std::string& name) = 0;
    // Group identifier; empty for a sender in no group.
    virtual std::string GetScBelongGroup() const = 0;
    virtual void SetScBelongGroup(const std::string& groupId) = 0;

    // Ethernet output ports.
    virtual int GetPortCount() const = 0;
    virtual void SetPortCount(int count) = 0;
    virtual CPort* GetPort(int i) = 0;
    // Fibre outputs (0 for a sender without them): 0-7 main, 8-15 their backups.
    virtual int GetFiberPortCount() const = 0;
    virtual CPort* GetFiberPort(int i) = 0;
    // The port the host's port pages last worked on; negative for none.
    virtual int GetRecentPortIndex() const = 0;
    virtual void SetRecentPortIndex(int i) = 0;
    // Smallest rectangle holding every receiver of the sender.
    virtual CRect GetBound() const = 0;

    // The monitoring view's record of this sender: block area (-1, -1, -1, -1
    // when not laid out), receiver origin, and the side of the block
    // (0..7, -1 when never placed).
    virtual CRect GetMonitorRenderArea() const = 0;
    virtual void SetMonitorRenderArea(const CRect& area) = 0;
    virtual CPoint GetMonitorRcvOffsetPt() const = 0;
    virtual void SetMonitorRcvOffsetPt(const CPoint& pt) = 0;
    virtual int GetMonitorRenderRelativePos() const = 0;
    virtual void SetMonitorRenderRelativePos(int pos) = 0;
    // Clears the stored area so that the block is laid out again; a nonzero
    // flag also forgets the relative position.
    virtual void ResetMonitorRenderParam(int forgetPosition) = 0;

protected:
    virtual ~CSender() = default;
};

// One sender group as the project lists it.
struct HOST_RECORD_API SSenderGroupInfo {
    std::string strId; // GUID text
    std::string strName;
    int32_t bExpand = 0; // shown expanded in the sender tree
};

// Most senders a project holds.
constexpr int kMaxSenderCount = 255;

class CProjectData {
public:
    virtual int GetSenderCount() const = 0;
    // Null when i is outside the project.
    virtual CSender* GetSender(int i) = 0;
    virtual int GetCurSenderIndex() const = 0;
    virtual void SetCurrentSender(int i) = 0;
    // The sender's name, or "Sender" and its number when it has none; with
    // withAddress nonzero its address is appended in parentheses when it has one.
    virtual std::string GetShowSenderName(int i, int withAddress) const = 0;

    // Source/backup pairs, port by port. When port `port` of sender `sender`
    // belongs to a pair: answers true with the source sender's index, the
    // backup sender's index, secondMember set when (sender, port) is the
    // backup end, and, when asked, the port number of the other end.
    // Otherwise false, the outputs untouched.
    virtual bool MatchSrcBackup(int sender, int port, int& sourceIndex, int& backupIndex, int& secondMember,
                                int* partnerPort = nullptr) const = 0;
    // Nonzero when the sender is the backup sender of a pair with another sender.
    virtual int IsSenderBackupDest(int sender) const = 0;

    // Adds a sender at the end; answers its index, or -1 at the limit.
    virtual int NewSender() = 0;
    // Deletes sender i. reselect: keep the current sender valid; confirm: ask
    // the user first (in parent); fixedAddress: the senders use fixed
    // addresses. Nonzero on success.
    virtual int DeleteSender(int i, int reselect, int confirm, int fixedAddress, CWnd* parent) = 0;

    // Groups, in project order.
    virtual std::vector<SSenderGroupInfo> GetAllSenderGroup() const = 0;
    virtual int GetSenderGroupCount() const = 0;
    // Identifier of the group at index; empty when there is none.
    virtual std::string GetSenderGroupID(int index) const = 0;
    // Senders whose group is groupId, in index order.
    virtual std::vector<int> GetSendersInGroup(const std::string& groupId) const = 0;
    // Adds a group; answers its identifier.
    virtual std::string AddGroupInfo(const std::string& name) = 0;
    virtual void SetGroupName(const std::string& groupId, const std::string& name) = 0;
    // Removes the group; its senders are left in no group.
    virtual void DeleteSenderGroup(const std::string& groupId) = 0;
    virtual int GetGroupExpand(const std::string& groupId) const = 0;
    virtual void SetGroupExpand(const std::string& groupId, int expand) = 0;

    // Nonzero when the program runs without hardware, on a demonstration project.
    virtual int GetDemoModeEnable() const = 0;

protected:
    virtual ~CProjectData() = default;
};
