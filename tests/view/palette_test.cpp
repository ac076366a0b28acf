// The receiver fills of the skin's colours: apart in greyscale and readable under black value text.
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
    return (std::max(Luminance(a), Luminance(b)) + 0.05) / (std::min(Luminance(a), Luminance(b)) + 0.05);
}

} // namespace

TEST(PaletteTest, BlackValueTextIsReadableOnEveryFillAndTheStatesDifferInLightness)
{
    // Warning darkest, offline lightest, as the legend shows them. Black text at 4.5 : 1 needs a
    // luminance of at least 0.175 for the darkest fill, which leaves about 2 : 1 between neighbours.
    const SSkinColors& c = CMorvSkin::Instance().GetColors();
    const Color fills[] = {c.clrWarningFill, c.clrNormalFill, c.clrOfflineFill};
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(Contrast(fills[i], RGBColor(0, 0, 0)), 4.5) << i;
        EXPECT_GE(Contrast(fills[i], fills[(i + 1) % 3]), 2.0) << i;
        EXPECT_TRUE(i == 0 || Luminance(fills[i - 1]) < Luminance(fills[i])) << i;
    }
}
