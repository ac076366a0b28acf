#pragma once
// The three densities the skin is rendered at, and the rounding that turns a
// design length into pixels at one of them.
#include <QString>

#include <array>

namespace skin {

struct Density {
    QString folder; // below the image root; empty for the base density
    double factor;
    int percent; // for file names of per-density outputs
};

inline const std::array<Density, 3>& Densities()
{
    static const std::array<Density, 3> all{
        {{QString(), 1.0, 100}, {QStringLiteral("DPI150"), 1.5, 150}, {QStringLiteral("DPI250"), 2.5, 250}}};
    return all;
}

// Design length times the factor, rounded half up to whole pixels
// (23 at 1.5 is 34.5 -> 35). Images drawn at their own size then line up
// with lengths the panes truncate to within one pixel.
inline int ScaledLength(int design, double factor) { return static_cast<int>(design * factor + 0.5); }

} // namespace skin
