#pragma once
// Where the tests find the rendered skin: the tests run in the runtime
// folder, which holds the image root Skin/ and the product folder Product/.
#include <QImage>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace skintest {

struct DensityFolder {
    QString folder; // below the image root
    double factor;
};

// The base density and the two density folders the controls look in.
const std::vector<DensityFolder>& DensityFolders();

// Path of a skin image ("Monitor\PortFrame\Normal.png") at a density.
QString SkinPath(const std::string& name, const DensityFolder& density);
QString ProductPath(const std::string& name);

// The decoded PNG, or a null image.
QImage LoadPng(const QString& path);

// The images the module and the control library load, written down once
// from the names their code uses, independently of the skin's own manifest:
// removing one from the manifest or the render must fail a test.
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

// The manifest's two sections, read from the source tree.
QStringList ManifestSkinNames();
QStringList ManifestProductNames();

} // namespace skintest
