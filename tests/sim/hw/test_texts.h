#pragma once
// Short tooltip texts, so tests of the round can tell each one apart.
#include "warning_texts.h"

namespace hwtest {

inline sim::hw::WarningTexts TestTexts()
{
    return {"no data",
            "T %s",
            "H %d%%",
            "smoke",
            "fan",
            "door",
            "P1",
            "P2",
            "V %.2f",
            "cable",
            "loop %d-%d",
            "offline",
            "no input",
            "unlocked",
            "black",
            "dark",
            {"fine", "bad", "open", "shut"}};
}

} // namespace hwtest
