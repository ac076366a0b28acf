#include "controls/custom_control.h"

#include "controls/density.h"
#include "controls/lib_set.h"
#include "controls/skin.h"

#ifdef MORVANE_HAS_CURSOR_MANAGER
#include "controls/cursor_manager.h"
#endif

namespace {

class CCustomControl final : public ICustomControl {
public:
    CMorvLibSet* GetLibSet() override { return &CMorvLibSet::Instance(); }
    CMorvSkin* GetSkin() override { return &CMorvSkin::Instance(); }
    CCurSorManager* GetCursorManager([[maybe_unused]] int kind) override
    {
#ifdef MORVANE_HAS_CURSOR_MANAGER
        return ::GetCursorManager(kind);
#else
        return nullptr;
#endif
    }
    double GetDpiScale() override { return morv::GetDensity(); }
};

} // namespace

extern "C" ICustomControl* MorvaneControl_GetInterface()
{
    static CCustomControl control;
    return &control;
}
