#pragma once
// Renders the whole manifest: skin names at every density below
// <runtime>/Skin, product names once into <runtime>/Product.
#include "manifest.h"
#include "recipe_book.h"

#include <QDir>
#include <QString>

namespace skin {

struct RenderReport {
    int files = 0;
};

// Starts from an empty Skin folder, so a name dropped from the manifest
// leaves no stale image behind. Fails on the first name that cannot be
// drawn, and when a recipe draws nothing of the manifest.
bool RenderManifest(const Manifest& manifest, const RecipeBook& book, const QDir& svgRoot, const QDir& runtime,
                    RenderReport& report, QString& error);

} // namespace skin
