// skin_gallery: one review sheet per density, gallery/skin-<percent>.png.
#include "gallery_context.h"
#include "gallery_sheet.h"
#include "tool_cli.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // The sheets carry text, so fonts are needed, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    skin::ToolCommandLine cli(QStringLiteral("Draws review sheets of the rendered skin"));
    const QCommandLineOption runtimeOpt(
        QStringLiteral("runtime"), QStringLiteral("Runtime folder holding Skin/ and Product/."), QStringLiteral("dir"));
    const QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Folder for the sheets."),
                                    QStringLiteral("dir"));
    cli.Require(runtimeOpt);
    cli.Require(outOpt);
    skin::Manifest manifest;
    skin::RecipeBook book;
    if (!cli.Load(app, manifest, book))
        return 1;

    const QDir out(cli.Value(outOpt));
    if (!QDir().mkpath(out.path())) {
        skin::ToolCommandLine::Fail(QStringLiteral("cannot create %1").arg(out.path()));
        return 1;
    }
    for (const skin::Density& density : skin::Densities()) {
        const skin::GalleryContext context{manifest, book, QDir(cli.Value(runtimeOpt)), density};
        const QString path = out.filePath(QStringLiteral("skin-%1.png").arg(density.percent));
        if (!skin::DrawGallery(context).save(path, "PNG")) {
            skin::ToolCommandLine::Fail(QStringLiteral("cannot write %1").arg(path));
            return 1;
        }
        std::printf("skin_gallery: %s\n", qPrintable(path));
    }
    return 0;
}
