// The receiver fills of the skin's colour table: apart in greyscale and
// readable under black value text.
#include "controls/skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance of an sRGB colour.
double Luminance(Color c)
{
    const auto channel = [](uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

double Contrast(Color a, Color b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST(PaletteTest, BlackValueTextIsReadableOnEveryFillAndTheStatesDifferInLightness)
{
    const SSkinColors& c = CMorvSkin::Instance().GetColors();
    for (Color fill : {c.clrNormalFill, c.clrWarningFill, c.clrOfflineFill})
        EXPECT_GE(Contrast(fill, RGBColor(0, 0, 0)), 4.5) << int(fill.r) << "," << int(fill.g) << "," << int(fill.b);
    // With black text at 4.5 : 1 the darkest fill has a luminance of at
    // least 0.175, which leaves about 2 : 1 between neighbours.
    EXPECT_GE(Contrast(c.clrNormalFill, c.clrWarningFill), 2.0);
    EXPECT_GE(Contrast(c.clrNormalFill, c.clrOfflineFill), 2.0);
    EXPECT_GE(Contrast(c.clrWarningFill, c.clrOfflineFill), 2.0);
    // Warning darkest, offline lightest, as the legend shows them.
    EXPECT_LT(Luminance(c.clrWarningFill), Luminance(c.clrNormalFill));
    EXPECT_LT(Luminance(c.clrNormalFill), Luminance(c.clrOfflineFill));
}
