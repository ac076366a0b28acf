#pragma once
// The display density factor of the control library (1.0 at 100 %, 1.5 at
// 150 %, 2.5 at 250 %) and the density folder of image paths.
//
// The factor starts from the screen (logical dots per inch / 96), is
// overridden by the environment variable MORVANE_DENSITY when it holds a
// positive number, and by SetDensity (the host's command line option).
// Toolkit scaling is off: windows work in device pixels and every design
// length is multiplied by this factor.
#include <string>

namespace morv {

double GetDensity();
// A value of 0 or less forgets the override and returns to the screen / environment.
void SetDensity(double factor);

// A design length times the factor, truncated toward zero.
int Scale(int designPixels);
int Scale(int designPixels, double factor);

// The density sub-folder of the image root: "DPI250\" from 2.5, "DPI150\"
// from 1.5, else empty. The thresholds are taken as "above 2.49" and
// "above 1.49", which gives the same folder as ">= 2.5" / ">= 1.5" for
// every density a screen can have.
std::string DensityFolder(double factor);

// The one way to form an image path: root, density folder, relative name
// (backslash names are turned into the platform's separators).
std::string DensityImagePath(const std::string& imageRoot, const std::string& relativeName, double factor);
std::string DensityImagePath(const std::string& imageRoot, const std::string& relativeName);

} // namespace morv
