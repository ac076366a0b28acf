#pragma once
// The sender panel's rules as plain functions: which buttons a selection
// enables, the entries of the add menu and of the context menu, and the
// masks of the ports that a port output mode switches off.
#include <cstdint>
#include <string>
#include <vector>

// ---- Buttons ---------------------------------------------------------------------

struct SPanelButtonInput {
    int nNodeType = -1; // EnTreeNodeType of the selection, -1 none
    bool bDemoMode = false;
    int nSenderCount = 0;
    int nSelectedCount = 0;
    bool bNameSettable = false; // the hardware takes a name for the current sender
};
struct SPanelButtonStates {
    bool bAdd = false;
    bool bRename = false;
    bool bDelete = false;
};
SPanelButtonStates PanelButtonStates(const SPanelButtonInput& in);

// ---- Menus -------------------------------------------------------------------------

// Command ids of the add menu and the context menu.
constexpr unsigned kCmdAddGroup = 1200;
constexpr unsigned kCmdRename = 1202;
constexpr unsigned kCmdDelete = 1203;
constexpr unsigned kCmdPortAuto = 1204;
constexpr unsigned kCmdPortPrimary = 1205;
constexpr unsigned kCmdPortBackup = 1206;
constexpr unsigned kCmdAddOne = 2000;
constexpr unsigned kCmdAddTwo = 2001;
constexpr unsigned kCmdAddCustom = 2002;
constexpr unsigned kCmdMenuAddOne = 5000;
constexpr unsigned kCmdMenuAddTwo = 5001;
constexpr unsigned kCmdMenuAddCustom = 5002;

// One menu entry: a separator, a command, or the start of a sub-menu whose
// entries follow with depth 1.
struct SMenuEntry {
    enum class EKind { Command, Separator, SubMenu } eKind = EKind::Command;
    unsigned nId = 0;
    std::string strKey;
    std::string strSection;
    std::string strSuffix;
    int nDepth = 0;
    bool operator==(const SMenuEntry&) const = default;
};

// The add button's menu; limit is how many more senders the hardware allows.
std::vector<SMenuEntry> AddMenuEntries(bool allSendersNode, int limit);

struct SContextMenuInput {
    int nNodeType = 0;     // EnTreeNodeType of the node under the click
    bool bSeveral = false; // several items are selected
    bool bDemoMode = false;
    int nLimit = 0;
    bool bPortOutput = false; // the detection's current sender can switch its outputs
    int nSenderCount = 0;
};
std::vector<SMenuEntry> ContextMenuEntries(const SContextMenuInput& in);

// The add command of a menu result (1, 2, -1 for the add dialog), 0 for none.
int AddCountOfCommand(unsigned id);

// ---- Port output ----------------------------------------------------------------------

enum EPortOutputMode { PortOutputAuto = 0, PortOutputPrimary = 1, PortOutputBackup = 2 };

// The ports of one sender to switch off (one bit per port, port 0 in bit 0
// of byte 0): the port total is portCount, or twice that when doubled; a
// port counts as primary when it is below portCount and not a backup
// destination (backupDest[p], missing entries: not). Mode 1 switches the
// backup ports off, mode 2 the primary ones, mode 0 none.
std::vector<uint8_t> PortOutputMask(int mode, int portCount, bool doubled, const std::vector<bool>& backupDest);
// The same for a video-source device: the mask preceded by the port count
// as a 16-bit value, low byte first.
std::vector<uint8_t> VideoSourcePortMask(int portCount, const std::vector<uint8_t>& mask);
