#pragma once
// Enumerations shared by the host and the monitoring page.
#include <cstdint>

// The quantity the monitor view shows. The values are stored as plain words
// in the page's current-object record, so the enumeration is unscoped.
enum ERenderType : int32_t {
    RENDER_SENDER_BLOCKS = 0, // sender blocks at their stored places
    RENDER_BLOCK_GRID = 1,    // sender blocks only, in a grid
    RENDER_SINGLE_SENDER = 2, // one sender's inputs and ports
    RENDER_RECEIVER = 3,      // receivers, every warning
    RENDER_TEMPERATURE = 4,
    RENDER_HUMIDITY = 5,
    RENDER_SMOKE = 6,
    RENDER_FAN = 7,
    RENDER_TILE_DOOR = 8,
    RENDER_CABLE_DETECTION = 9,
    RENDER_POWER = 10,
    RENDER_VOLTAGE = 11,
};

// Bits of a receiver's (or port's) warning word.
constexpr uint32_t WARNING_NO_DATA = 0x1; // the item did not answer
constexpr uint32_t WARNING_TEMPERATURE = 0x2;
constexpr uint32_t WARNING_HUMIDITY = 0x4;
constexpr uint32_t WARNING_SMOKE = 0x8;
constexpr uint32_t WARNING_FAN = 0x10;
constexpr uint32_t WARNING_TILE_DOOR = 0x20;
constexpr uint32_t WARNING_POWER1 = 0x80;
constexpr uint32_t WARNING_POWER2 = 0x100;
constexpr uint32_t WARNING_VOLTAGE1 = 0x800;
constexpr uint32_t WARNING_VOLTAGE2 = 0x1000;
constexpr uint32_t WARNING_CABLE = 0x2000;
constexpr uint32_t WARNING_ALL = 0xFFFFFFFFu;

// The mask with which a render type tests a warning word.
constexpr uint32_t RenderTypeWarningMask(int32_t renderType)
{
    switch (renderType) {
    case RENDER_SENDER_BLOCKS: return WARNING_NO_DATA;
    case RENDER_BLOCK_GRID: return WARNING_ALL;
    case RENDER_SINGLE_SENDER: return WARNING_NO_DATA;
    case RENDER_RECEIVER: return WARNING_ALL;
    case RENDER_TEMPERATURE: return WARNING_TEMPERATURE;
    case RENDER_HUMIDITY: return WARNING_HUMIDITY;
    case RENDER_SMOKE: return WARNING_SMOKE;
    case RENDER_FAN: return WARNING_FAN;
    case RENDER_TILE_DOOR: return WARNING_TILE_DOOR;
    case RENDER_CABLE_DETECTION: return WARNING_CABLE;
    case RENDER_POWER: return WARNING_POWER1 | WARNING_POWER2;
    case RENDER_VOLTAGE: return WARNING_VOLTAGE1 | WARNING_VOLTAGE2;
    default: return 0;
    }
}

// A receiver target: a render type that shows receivers.
constexpr bool IsReceiverTarget(int32_t renderType)
{
    return renderType >= RENDER_RECEIVER && renderType <= RENDER_VOLTAGE;
}

// Bits of a sender's own warning word. The first four are the signal
// warnings that the sender settings switch on and off.
constexpr uint32_t SENDER_WARNING_VIDEO_INPUT = 0x1;
constexpr uint32_t SENDER_WARNING_LOCK = 0x2;
constexpr uint32_t SENDER_WARNING_BLACK = 0x4;
constexpr uint32_t SENDER_WARNING_BRIGHTNESS_ZERO = 0x8;
constexpr uint32_t SENDER_WARNING_SIGNAL = 0xF;
constexpr uint32_t SENDER_WARNING_OFFLINE = 0x10;

// The kind of node selected in the sender tree.
enum EnTreeNodeType : int32_t {
    TREE_NODE_ALL_SENDERS = 0,
    TREE_NODE_GROUP = 1,
    TREE_NODE_SENDER = 2,
    TREE_NODE_PORT = 3,
};

// The view's mode.
enum EnSpecialOpType : int32_t {
    SPECIAL_OP_NORMAL = 0, // select
    SPECIAL_OP_MOVE = 3,   // drag the view
};

// The host page that is current (CRuntimeData::GetCurInterfaceDlg).
constexpr int32_t INTERFACE_DLG_MONITOR = 7;

// A detection strategy (CConfigData::GetDetectStrategy) under which the
// senders are reached only at the addresses the user specified.
constexpr int32_t DETECT_STRATEGY_SPECIFIED_IP = 2;
