#include "controls/custom_control.h"

#include "controls/density.h"
#include "controls/lib_set.h"
#include "controls/skin.h"

#if __has_include("controls/cursor_manager.h")
#include "controls/cursor_manager.h"
#define MORV_HAS_CURSOR_MANAGER 1
#endif

namespace {

class CCustomControl final : public ICustomControl {
public:
    CMorvLibSet* GetLibSet() override { return &CMorvLibSet::Instance(); }
    CMorvSkin* GetSkin() override { return &CMorvSkin::Instance(); }
    CCurSorManager* GetCursorManager([[maybe_unused]] int kind) override
    {
#ifdef MORV_HAS_CURSOR_MANAGER
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
