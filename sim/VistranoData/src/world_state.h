#pragma once
// The simulated host's state behind the services, guarded by one
// recursive lock: the page's thread changes it, the monitoring thread
// copies from it.
#include "host/host_enums.h"
#include "host/vistrano_runtime.h"
#include "sim/world.h"

#include <mutex>
#include <unordered_map>

namespace sim::detail {

struct DesignState {
    CRect client;
    CPoint start;
    double scaling = 1.0;
    int modified = 0;
};

struct RuntimeState {
    DesignState design;
    int curInterfaceDlg = INTERFACE_DLG_MONITOR;
    int openPrjRefresh = 0;
    int specialOpType = SPECIAL_OP_NORMAL;
    int treeSelType = TREE_NODE_ALL_SENDERS;
    int treeSelIndex = -1;
    SNodeSelect nodeSelect;
    int addGroupOn = 0;
    std::string addGroupId;
    std::vector<uint32_t> setIPs;
};

struct World {
    std::recursive_mutex mutex;
    ProjectModel project;
    std::string projectPath;
    int modificationCount = 0;
    bool modified = false;
    RuntimeState runtime;
    ConfigSettings config;
    int specifiedIPsSaves = 0;
    uint64_t nextSerial = 1;
    std::unordered_map<uint64_t, std::size_t> indexBySerial;

    // Takes a project as the current one: serials for its senders, index
    // rebuilt, set-IP list refreshed.
    void Adopt(ProjectModel p);
    // After senders were added, removed or reordered.
    void Reindex();
    SenderModel* SenderBySerial(uint64_t serial);
    // Gives a new sender its serial (before it is appended).
    void Stamp(SenderModel& s) { s.serial = nextSerial++; }
    // The set-IP list from the specified addresses, in sender order.
    void RebuildSetIPs();
};

World& TheWorld();

using WorldLock = std::lock_guard<std::recursive_mutex>;

} // namespace sim::detail
