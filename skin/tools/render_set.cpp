#include "render_set.h"

#include "density.h"
#include "svg_raster.h"
#include "svg_template.h"

#include <QFileInfo>
#include <QImage>
#include <QSet>

namespace skin {

namespace {

struct Source {
    const Recipe* recipe = nullptr;
    QByteArray svg;
    QSize design;
};

bool Prepare(const QString& name, const RecipeBook& book, const QDir& svgRoot, Source& source, QString& error)
{
    Bindings bindings{{}, book.Palette()};
    source.recipe = book.Find(name, bindings.vars, error);
    if (!source.recipe)
        return false;
    if (!ExpandSvgFile(source.recipe->svg, bindings, svgRoot, source.svg, error)
        || !DesignSize(source.svg, source.design, error)) {
        error = QStringLiteral("%1: %2").arg(name, error);
        return false;
    }
    return true;
}

bool Write(const QString& name, const Source& source, const QSize& size, const QString& path, RenderReport& report,
           QString& error)
{
    const int least = 2 * source.recipe->margin + 1;
    if (source.recipe->margin > 0 && (size.width() < least || size.height() < least)) {
        error = QStringLiteral("%1: %2x%3 is too small for corner margins of %4")
                    .arg(name)
                    .arg(size.width())
                    .arg(size.height())
                    .arg(source.recipe->margin);
        return false;
    }
    QImage image;
    if (!RenderSvg(source.svg, size, image, error)) {
        error = QStringLiteral("%1: %2").arg(name, error);
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
        error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    ++report.files;
    return true;
}

QSize SizeAt(const Source& source, double factor)
{
    if (source.recipe->pixels > 0)
        return {source.recipe->pixels, source.recipe->pixels};
    return {ScaledLength(source.design.width(), factor), ScaledLength(source.design.height(), factor)};
}

} // namespace

bool RenderManifest(const Manifest& manifest, const RecipeBook& book, const QDir& svgRoot, const QDir& runtime,
                    RenderReport& report, QString& error)
{
    const QDir skinRoot(runtime.filePath(QStringLiteral("Skin")));
    if (skinRoot.exists() && !QDir(skinRoot).removeRecursively()) {
        error = QStringLiteral("cannot clear %1").arg(skinRoot.path());
        return false;
    }
    QSet<const Recipe*> used;
    for (const QString& name : manifest.skin) {
        Source source;
        if (!Prepare(name, book, svgRoot, source, error))
            return false;
        used.insert(source.recipe);
        for (const Density& density : Densities()) {
            const QString path = QDir(skinRoot.filePath(density.folder)).filePath(FilePathOf(name));
            if (!Write(name, source, SizeAt(source, density.factor), path, report, error))
                return false;
        }
    }
    const QDir productRoot(runtime.filePath(QStringLiteral("Product")));
    for (const QString& name : manifest.product) {
        Source source;
        if (!Prepare(name, book, svgRoot, source, error))
            return false;
        used.insert(source.recipe);
        if (!Write(name, source, SizeAt(source, source.recipe->scale), productRoot.filePath(FilePathOf(name)), report,
                   error))
            return false;
    }
    for (const Recipe& recipe : book.Recipes()) {
        if (!used.contains(&recipe)) {
            error = QStringLiteral("the recipe of line %1 (%2) draws no name of the manifest")
                        .arg(recipe.line)
                        .arg(recipe.pattern);
            return false;
        }
    }
    return true;
}

} // namespace skin
