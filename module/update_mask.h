#pragma once
// Bits of the update mask that the host hands to the page through Update:
// each names a pane to refresh. Other bits belong to the host's other pages.
#include <cstdint>

constexpr uint32_t UPDATE_TOOLBAR = 0x4000;
constexpr uint32_t UPDATE_TARGET = 0x8000;
constexpr uint32_t UPDATE_VIEW = 0x10000;
constexpr uint32_t UPDATE_HSCROLL = 0x80000;
constexpr uint32_t UPDATE_VSCROLL = 0x100000;
constexpr uint32_t UPDATE_SENDER_PANEL = 0x200000;

// Masks the module sends as a whole.
constexpr int32_t UPDATE_ALL = -1;
constexpr int32_t UPDATE_ACTIVATE = 0x39E000; // every pane and bit 0x2000
constexpr int32_t UPDATE_ACTIVATE_NO_PANEL = 0x19E000;
constexpr int32_t UPDATE_LAYOUT_CHANGE = 0x1F4000; // zoom and the like
