#pragma once
// Runtime state of the host: the design background the views draw on, the
// sender tree's selection, the view mode, sender identifiers for detection,
// and the undo record that marks the project modified.
#include "host/host_api.h"
#include "platform/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

// The drawing area of the host's views: the client rectangle, the view
// start point (scroll position) and the scaling.
class CDesignBackground {
public:
    virtual CRect GetClientRect() const = 0;
    // viewId names the view that reports its client rectangle.
    virtual void SetClientRect(int viewId, const CRect& rect) = 0;
    virtual CPoint GetViewStartPt() const = 0;
    // Sets the start point for a content of size extent. With clamp nonzero
    // each axis is held to 0 .. extent - visible length (0 when the content
    // fits); with clamp 0 it is held to 0 .. extent. Nonzero when the stored
    // point changed.
    virtual int SetViewStartPt(const CPoint& pt, int clamp, const CSize& extent) = 0;
    virtual double GetViewScaling() const = 0;
    // anchor (-1, -1): no anchor.
    virtual void SetViewScaling(double scaling, const CPoint& anchor) = 0;
    virtual void SetBackgroundModified(int modified) = 0;
    virtual int IsBackgroundModified() const = 0;

protected:
    virtual ~CDesignBackground() = default;
};

// The project's undo record.
class CProjectUndoRedo {
public:
    // Records that the project was modified.
    virtual void PrjModify() = 0;

protected:
    virtual ~CProjectUndoRedo() = default;
};

// The node selected in a host page's sender tree.
struct HOST_RECORD_API SNodeSelect {
    int32_t nNodeType = 0;   // EnTreeNodeType
    std::string strGroupId;  // types 1 to 3; empty for none
    std::string strSenderId; // types 2 and 3
    int32_t nPortIndex = -1; // type 3

    bool operator==(const SNodeSelect&) const = default;
};

class CRuntimeData {
public:
    virtual CDesignBackground* GetDesignBackground() = 0;
    virtual CProjectUndoRedo* GetUndoRedoInfo() = 0;

    // The host page that is current (7: the monitoring page).
    virtual int GetCurInterfaceDlg() const = 0;
    virtual int GetOpenPrjRefresh() const = 0;
    virtual void SetOpenPrjRefresh(int refresh) = 0;

    // EnSpecialOpType.
    virtual int GetSpecialOpType() const = 0;
    virtual void SetSpecialOpType(int type) = 0;

    // The sender tree's selection: node type (EnTreeNodeType, a port counts
    // as its sender) and index (group index or sender index).
    virtual int GetTreeCurSelNodeType() const = 0;
    virtual void SetTreeCurSelNodeType(int type) = 0;
    virtual int GetTreeCurSelNodeIndex() const = 0;
    virtual void SetTreeCurSelNodeIndex(int index) = 0;
    virtual SNodeSelect GetCurInterfaceNodeSelect() const = 0;
    virtual void SetCurInterfaceNodeSelect(const SNodeSelect& select) = 0;
    // Full path of the tree icon of a node: its type and three state flags
    // (sender: detected, backup destination, warning; port: state bits, 0, warning).
    virtual std::string GetItemImage(int nodeType, int flag1, int flag2, int flag3) const = 0;
    // The group that senders added next join (on nonzero), or none.
    virtual void SetAddGroupId(int on, const std::string& groupId) = 0;
    // How many more senders may be added, given the hardware's fixed-address
    // mode, its product kind and the number of senders it detected.
    virtual int GetSenderCountLimit(int fixedAddress, int productKind, int detectedCount) const = 0;

    // Detection identifiers: the id under which the monitor detect data
    // holds sender i, when addresses are specified and when they are not.
    // 0 when i is outside the project.
    virtual uint32_t GetSenderIDbyIndex(int i) const = 0;
    virtual uint32_t GetSenderIDbyIndexForNotSpecifyIP(int i) const = 0;
    // Detection identifiers of the senders set up with a specified address,
    // in sender order.
    virtual std::vector<uint32_t> GetSetIPArray() const = 0;
    // Rebuilds the set-IP list from the configuration's specified addresses.
    virtual void UpdateIPArray() = 0;

protected:
    virtual ~CRuntimeData() = default;
};
