// skin_gallery: one review sheet per density, gallery/skin-<percent>.png.
#include "gallery_context.h"
#include "gallery_sheet.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws review sheets of the rendered skin"));
    parser.addHelpOption();
    const QCommandLineOption manifestOpt(QStringLiteral("manifest"), QStringLiteral("Manifest of image names."), QStringLiteral("file"));
    const QCommandLineOption recipesOpt(QStringLiteral("recipes"), QStringLiteral("Recipe book."), QStringLiteral("file"));
    const QCommandLineOption runtimeOpt(QStringLiteral("runtime"), QStringLiteral("Runtime folder holding Skin/ and Product/."), QStringLiteral("dir"));
    const QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Folder for the sheets."), QStringLiteral("dir"));
    parser.addOptions({manifestOpt, recipesOpt, runtimeOpt, outOpt});
    parser.process(app);

    QString error;
    skin::Manifest manifest;
    skin::RecipeBook book;
    if (!skin::ReadManifest(parser.value(manifestOpt), manifest, error) || !book.Read(parser.value(recipesOpt), error)) {
        std::fprintf(stderr, "skin_gallery: %s\n", qPrintable(error));
        return 1;
    }
    const QDir out(parser.value(outOpt));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "skin_gallery: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    for (const skin::Density& density : skin::Densities()) {
        const skin::GalleryContext context{manifest, book, QDir(parser.value(runtimeOpt)), density};
        const QString path = out.filePath(QStringLiteral("skin-%1.png").arg(density.percent));
        if (!skin::DrawGallery(context).save(path, "PNG")) {
            std::fprintf(stderr, "skin_gallery: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("skin_gallery: %s\n", qPrintable(path));
    }
    return 0;
}
