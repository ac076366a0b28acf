#pragma once
// The button bars of a skinned dialog. The control library keeps them
// privately for now; as soon as the dialog offers GetBars() this picks it
// up, and until then the dump says the bars are not visible to it.
#include "controls/base_dlg.h"
#include "controls/button_bar.h"

#include <vector>

namespace app {

template <class TDialog>
inline constexpr bool kHasBars = requires(const TDialog& dlg) { dlg.GetBars(); };
inline constexpr bool kDialogBarsVisible = kHasBars<CMorvBaseDlg>;

template <class TDialog>
std::vector<const CMorvButtonBar*> DialogBars(const TDialog& dlg)
{
    std::vector<const CMorvButtonBar*> bars;
    if constexpr (kHasBars<TDialog>) {
        for (const CMorvButtonBar* bar : dlg.GetBars())
            bars.push_back(bar);
    }
    return bars;
}

} // namespace app
