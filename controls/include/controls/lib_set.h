#pragma once
// Library settings: the default font family and size of the controls.
#include "platform/canvas.h"

#include <string>

class CMorvLibSet {
public:
    static CMorvLibSet& Instance();

    // A family that covers Latin and CJK texts: "Noto Sans CJK SC" when it
    // is installed, else the toolkit's general sans-serif family.
    std::string GetDefaultFontName() const;
    // The default text size in pixels at the current density (14 design
    // pixels). Smaller texts are written as "font size minus 2".
    int GetFontSize() const;
    // The default font, optionally larger or smaller by delta pixels.
    Font GetDefaultFont(int delta = 0, bool bold = false) const;

private:
    CMorvLibSet() = default;
};
