#pragma once
// The view's context menu: which commands a hit offers and what each
// does to the project and the page state.
#include "view/view_hit.h"

class CCusPopMenu;

// Commands of the context menu.
enum EViewCommand : int {
    VIEW_CMD_RIGHT = 1,
    VIEW_CMD_BOTTOM = 2,
    VIEW_CMD_LEFT = 3,
    VIEW_CMD_TOP = 4,
    VIEW_CMD_EXCHANGE = 5,
    VIEW_CMD_DEMARCATE = 6,
};

// The sender a block's menu works on and the menu's items for a hit, as
// the page state and project stand; answers false when the hit offers
// nothing.
struct SViewMenu {
    SViewHit hit;
    int nSender = -1; // the sender whose side the side commands set
};
bool BuildViewMenu(const SViewHit& hit, CCusPopMenu& menu, SViewMenu& target);

// Carries out a chosen command; answers true when anything changed (then
// the caller refreshes the page).
bool RunViewCommand(int command, const SViewMenu& target);
