// skin_render: draws every image of the manifest from the SVG sources into
// the runtime folder, then writes a stamp so the build knows it is done.
#include "render_set.h"
#include "tool_cli.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    // Painting SVG into images needs neither a screen nor fonts.
    QCoreApplication app(argc, argv);
    skin::ToolCommandLine cli(QStringLiteral("Renders the skin's images"));
    const QCommandLineOption svgOpt(QStringLiteral("svg"), QStringLiteral("Folder of SVG sources."),
                                    QStringLiteral("dir"));
    const QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Runtime folder to render into."),
                                    QStringLiteral("dir"));
    const QCommandLineOption stampOpt(QStringLiteral("stamp"), QStringLiteral("File to write when done."),
                                      QStringLiteral("file"));
    cli.Require(svgOpt);
    cli.Require(outOpt);
    cli.Allow(stampOpt);
    skin::Manifest manifest;
    skin::RecipeBook book;
    if (!cli.Load(app, manifest, book))
        return 1;

    QString error;
    skin::RenderReport report;
    if (!skin::RenderManifest(manifest, book, QDir(cli.Value(svgOpt)), QDir(cli.Value(outOpt)), report, error)) {
        skin::ToolCommandLine::Fail(error);
        return 1;
    }
    if (cli.IsSet(stampOpt)) {
        QFile stamp(cli.Value(stampOpt));
        if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || stamp.write(QByteArray::number(report.files) + '\n') < 0) {
            skin::ToolCommandLine::Fail(QStringLiteral("cannot write %1").arg(stamp.fileName()));
            return 1;
        }
    }
    std::printf("skin_render: %d images\n", report.files);
    return 0;
}
