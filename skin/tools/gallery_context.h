#pragma once
// What the gallery draws from: the manifest, the recipes and the images
// rendered into the runtime folder at one density.
#include "density.h"
#include "manifest.h"
#include "recipe_book.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>

namespace skin {

struct GalleryContext {
    const Manifest& manifest;
    const RecipeBook& book;
    QDir runtime;
    Density density;

    // A skin image at this density, or a null image when it is missing.
    QImage Skin(const QString& name) const;
    // A file of the product folder.
    QImage Product(const QString& name) const;
    // A design length in pixels, truncated as the panes do.
    int Px(double design) const { return static_cast<int>(design * density.factor); }
    QFont Font(int designPixels, bool bold = false) const;
    // A palette colour of the recipes.
    QColor Color(const QString& name) const;
    // The recipe that drew a name (null when none does).
    const Recipe* RecipeOf(const QString& name) const;
    // Nine-part corner margin of a name's recipe; 0 when drawn plain.
    int Margin(const QString& name) const;
};

} // namespace skin
