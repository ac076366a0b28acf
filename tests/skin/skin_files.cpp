#include "skin_files.h"

#include "manifest.h"

#include <QImageReader>

namespace skintest {

namespace {

skin::Manifest ReadTheManifest()
{
    skin::Manifest manifest;
    QString error;
    if (!skin::ReadManifest(QStringLiteral(SKIN_MANIFEST_PATH), manifest, error))
        qFatal("%s", qPrintable(error));
    return manifest;
}

const skin::Manifest& TheManifest()
{
    static const skin::Manifest manifest = ReadTheManifest();
    return manifest;
}

QString Native(const std::string& name) { return QString::fromStdString(name).replace(u'\\', u'/'); }

} // namespace

const std::vector<DensityFolder>& DensityFolders()
{
    static const std::vector<DensityFolder> all{
        {QString(), 1.0}, {QStringLiteral("DPI150"), 1.5}, {QStringLiteral("DPI250"), 2.5}};
    return all;
}

QString SkinPath(const std::string& name, const DensityFolder& density)
{
    const QString root
        = density.folder.isEmpty() ? QStringLiteral("Skin/") : QStringLiteral("Skin/%1/").arg(density.folder);
    return root + Native(name);
}

QString ProductPath(const std::string& name) { return QStringLiteral("Product/") + Native(name); }

QImage LoadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

QStringList ManifestSkinNames() { return TheManifest().skin; }

QStringList ManifestProductNames() { return TheManifest().product; }

} // namespace skintest
