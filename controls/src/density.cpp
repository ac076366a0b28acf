#include "controls/density.h"

#include "platform/number_text.h"
#include "platform/path.h"
#include "platform/window.h"

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace morv {
namespace {

std::atomic<double> g_override{0.0};

// Densities outside this range are typing mistakes, not screens.
bool IsPlausible(double factor) { return std::isfinite(factor) && factor >= 0.5 && factor <= 8.0; }

double EnvironmentDensity()
{
    const char* text = std::getenv("MORVANE_DENSITY");
    if (!text || !*text)
        return 0.0;
    const std::optional<double> value = plat::ParseDecimal(text);
    return (value && IsPlausible(*value)) ? *value : 0.0;
}

} // namespace

double GetDensity()
{
    const double forced = g_override.load();
    if (forced > 0.0)
        return forced;
    if (const double env = EnvironmentDensity(); env > 0.0)
        return env;
    const double screen = plat::GetScreenDensity();
    return IsPlausible(screen) ? screen : 1.0;
}

void SetDensity(double factor) { g_override.store(IsPlausible(factor) ? factor : 0.0); }

int Scale(int designPixels, double factor) { return static_cast<int>(designPixels * factor); }

int Scale(int designPixels) { return Scale(designPixels, GetDensity()); }

std::string DensityFolder(double factor)
{
    if (factor > 2.49)
        return "DPI250\\";
    if (factor > 1.49)
        return "DPI150\\";
    return {};
}

std::string DensityImagePath(const std::string& imageRoot, const std::string& relativeName, double factor)
{
    return plat::JoinPath(imageRoot, DensityFolder(factor) + relativeName);
}

std::string DensityImagePath(const std::string& imageRoot, const std::string& relativeName)
{
    return DensityImagePath(imageRoot, relativeName, GetDensity());
}

} // namespace morv
