#pragma once
// The scenes of the controls gallery: each builds its controls at the
// current density, renders them and saves a PNG.
#include <string>

namespace gallery {

// Each answers whether its file was written.
bool RenderDialog(const std::string& path);
bool RenderToolbar(const std::string& path);
bool RenderMessageBox(const std::string& path);
bool RenderMenu(const std::string& path);
bool RenderProgress(const std::string& path);

} // namespace gallery
