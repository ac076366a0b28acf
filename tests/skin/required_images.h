#pragma once
// The images the module and the control library load, written down once
// from the names their code uses, independently of the skin's own manifest:
// removing one from the manifest or the render must fail a test.
#include <string>
#include <vector>

namespace skintest {

struct RequiredImage {
    std::string name; // below the image root, backslash separators
    int margin = 0;   // nine-part corner margin the image is drawn with; 0 = plain
};

// Every required image below the image root, button folders expanded into
// their five state files.
const std::vector<RequiredImage>& RequiredSkinImages();

// Folders whose images a button bar picks by state.
const std::vector<std::string>& ButtonFolders();

// The five state files of a button folder.
const std::vector<std::string>& StateFiles();

// Files of the control library's product folder.
const std::vector<std::string>& RequiredProductImages();

} // namespace skintest
