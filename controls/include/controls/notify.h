#pragma once
// Notification codes that child controls send to their parent window as
// WM_COMMAND, with wParam = (code << 16) | control id and lParam = the
// control's window object. The numbers are the desktop system's, so that
// handlers compare against the values they know.
#include "platform/window.h"
#include "platform/wintypes.h"

constexpr WORD BN_CLICKED = 0x0000;
constexpr WORD EN_SETFOCUS = 0x0100;
constexpr WORD EN_KILLFOCUS = 0x0200;
constexpr WORD EN_CHANGE = 0x0300;

constexpr WPARAM MAKEWPARAM(WORD low, WORD high)
{
    return static_cast<WPARAM>(static_cast<uint32_t>(low) | (static_cast<uint32_t>(high) << 16));
}

// The WM_COMMAND wParam for a notification from control `id`.
constexpr WPARAM CommandWParam(UINT id, WORD code) { return MAKEWPARAM(static_cast<WORD>(id), code); }

// Sends a notification from a child control to its parent window.
inline void NotifyParent(CWnd& child, WORD code)
{
    if (CWnd* parent = child.GetParent())
        parent->SendMessage(WM_COMMAND, CommandWParam(child.GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(&child));
}
