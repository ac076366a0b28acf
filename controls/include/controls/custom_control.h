#pragma once
// The control library's interface as the module fetches it: in this order
// the settings object, the skin object, the cursor manager and the density
// factor.
class CMorvLibSet;
class CMorvSkin;
class CCurSorManager;

class ICustomControl {
public:
    virtual CMorvLibSet* GetLibSet() = 0;
    virtual CMorvSkin* GetSkin() = 0;
    // The cursor manager for a kind (the module passes 0); null when the
    // library was built without one.
    virtual CCurSorManager* GetCursorManager(int kind) = 0;
    virtual double GetDpiScale() = 0;

protected:
    ~ICustomControl() = default;
};

// Answers the library's one interface object; never null.
extern "C" ICustomControl* MorvaneControl_GetInterface();
