#pragma once
// The window messages of the sender panel and its tree, with the
// desktop's numbers.
#include "platform/wintypes.h"

// To the panel: select the node of a sender (wParam 2 or 3, lParam the
// sender index); sent by the target pane and the view.
constexpr UINT WM_SELECT_SENDER_NODE = 0x246C;
// To the panel: show wParam (a std::string*) in a message box of type
// lParam; answers the button pressed.
constexpr UINT WM_SENDER_PANEL_MSGBOX = 0x2462;
// From the tree to the panel: refresh the button states (after a rebuild
// or a selection change).
constexpr UINT WM_SENDER_PANEL_STATES = 0x2461;
// From the tree to the panel: open the context menu (wParam 1 when
// several items are selected, lParam the node under the click).
constexpr UINT WM_SENDER_TREE_MENU = 0x246B;

// From the panel to the tree: a command, its code in wParam.
constexpr UINT WM_TREE_COMMAND = 0x2487;
constexpr WPARAM TREE_CMD_ADD_SENDERS = 0x247D; // lParam 1, 2 or -1 (the add dialog)
constexpr WPARAM TREE_CMD_DELETE = 0x247E;
constexpr WPARAM TREE_CMD_ADD_GROUP = 0x247F; // lParam nonzero: the selected senders move into it
constexpr WPARAM TREE_CMD_RENAME = 0x2480;
constexpr WPARAM TREE_CMD_CHECK_NAME = 0x2481; // after a key in the rename edit
