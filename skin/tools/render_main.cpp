// skin_render: draws every image of the manifest from the SVG sources into
// the runtime folder, then touches a stamp so the build knows it is done.
#include "manifest.h"
#include "recipe_book.h"
#include "render_set.h"

#include <QCommandLineParser>
#include <QFile>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Painting SVG into images needs neither a screen nor fonts.
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the skin's images"));
    parser.addHelpOption();
    const QCommandLineOption manifestOpt(QStringLiteral("manifest"), QStringLiteral("Manifest of image names."), QStringLiteral("file"));
    const QCommandLineOption recipesOpt(QStringLiteral("recipes"), QStringLiteral("Recipe book."), QStringLiteral("file"));
    const QCommandLineOption svgOpt(QStringLiteral("svg"), QStringLiteral("Folder of SVG sources."), QStringLiteral("dir"));
    const QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Runtime folder to render into."), QStringLiteral("dir"));
    const QCommandLineOption stampOpt(QStringLiteral("stamp"), QStringLiteral("File to write when done."), QStringLiteral("file"));
    parser.addOptions({manifestOpt, recipesOpt, svgOpt, outOpt, stampOpt});
    parser.process(app);
    for (const auto& required : {manifestOpt, recipesOpt, svgOpt, outOpt}) {
        if (!parser.isSet(required)) {
            std::fprintf(stderr, "skin_render: --%s is required\n", qPrintable(required.names().front()));
            return 2;
        }
    }

    QString error;
    skin::Manifest manifest;
    skin::RecipeBook book;
    skin::RenderReport report;
    if (!skin::ReadManifest(parser.value(manifestOpt), manifest, error) || !book.Read(parser.value(recipesOpt), error) ||
        !skin::RenderManifest(manifest, book, QDir(parser.value(svgOpt)), QDir(parser.value(outOpt)), report, error)) {
        std::fprintf(stderr, "skin_render: %s\n", qPrintable(error));
        return 1;
    }
    if (parser.isSet(stampOpt)) {
        QFile stamp(parser.value(stampOpt));
        if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate) || stamp.write(QByteArray::number(report.files) + '\n') < 0) {
            std::fprintf(stderr, "skin_render: cannot write %s\n", qPrintable(stamp.fileName()));
            return 1;
        }
    }
    std::printf("skin_render: %d images\n", report.files);
    return 0;
}
