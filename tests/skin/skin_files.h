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

// The manifest's two sections, read from the source tree.
QStringList ManifestSkinNames();
QStringList ManifestProductNames();

} // namespace skintest
