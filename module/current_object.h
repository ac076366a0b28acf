#pragma once
// The current-object record: what the view shows. Five 32-bit words,
// written by the sender tree, the target pane and the view.
#include <cstdint>

struct SCurrentObject {
    int32_t nScope = 2;      // EnTreeNodeType of the tree's selection
    int32_t bValid = 1;      // a render type has been chosen
    int32_t nRenderType = 3; // ERenderType
    int32_t nSender = 0;     // sender index
    int32_t nPort = 0;       // port, for scope 3

    bool operator==(const SCurrentObject&) const = default;
};
