// The images the build rendered into the runtime folder.
#include "required_images.h"
#include "skin_files.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QSet>
#include <QSettings>

#include <cmath>

namespace skintest {
namespace {

// Broken-chain markers carry their pixel size in their names.
bool IsMarker(const std::string& name)
{
    return name == "14.png" || name == "20.png" || name == "30.png" || name == "50.png";
}

// The rendered size at a density is the base size times the factor, to the
// nearest whole pixel.
void ExpectInProportion(const QSize& base, const QSize& scaled, double factor, const std::string& what)
{
    EXPECT_LE(std::abs(scaled.width() - base.width() * factor), 0.5 + 1e-9) << what << " width " << scaled.width();
    EXPECT_LE(std::abs(scaled.height() - base.height() * factor), 0.5 + 1e-9) << what << " height " << scaled.height();
}

TEST(RenderedSkin, EveryManifestImageIsAPngAtEveryDensity)
{
    for (const QString& name : ManifestSkinNames()) {
        for (const DensityFolder& density : DensityFolders()) {
            const QString path = SkinPath(name.toStdString(), density);
            const QImage image = LoadPng(path);
            EXPECT_FALSE(image.isNull()) << path.toStdString() << " is missing or not a PNG";
            EXPECT_TRUE(image.hasAlphaChannel()) << path.toStdString();
        }
    }
}

TEST(RenderedSkin, EveryRequiredImageExistsAtEveryDensity)
{
    for (const RequiredImage& required : RequiredSkinImages()) {
        for (const DensityFolder& density : DensityFolders())
            EXPECT_FALSE(LoadPng(SkinPath(required.name, density)).isNull())
                << SkinPath(required.name, density).toStdString();
    }
}

TEST(RenderedSkin, DensityImagesAreInProportionToTheBase)
{
    for (const QString& qname : ManifestSkinNames()) {
        const std::string name = qname.toStdString();
        if (IsMarker(name))
            continue;
        const QImage base = LoadPng(SkinPath(name, DensityFolders()[0]));
        ASSERT_FALSE(base.isNull()) << name;
        for (const DensityFolder& density : DensityFolders())
            ExpectInProportion(base.size(), LoadPng(SkinPath(name, density)).size(), density.factor,
                               density.folder.toStdString() + "\\" + name);
    }
}

TEST(RenderedSkin, BrokenChainMarkersAreTheirNamedSizeEverywhere)
{
    for (int size : {14, 20, 30, 50}) {
        for (const DensityFolder& density : DensityFolders())
            EXPECT_EQ(LoadPng(SkinPath(std::to_string(size) + ".png", density)).size(), QSize(size, size))
                << size << " in " << density.folder.toStdString();
    }
}

TEST(RenderedSkin, NinePartFramesLeaveAMiddleBetweenTheirCorners)
{
    for (const RequiredImage& required : RequiredSkinImages()) {
        if (required.margin == 0)
            continue;
        for (const DensityFolder& density : DensityFolders()) {
            const QImage image = LoadPng(SkinPath(required.name, density));
            EXPECT_GE(image.width(), 2 * required.margin + 1) << required.name;
            EXPECT_GE(image.height(), 2 * required.margin + 1) << required.name;
        }
    }
}

TEST(RenderedSkin, ButtonFoldersHoldAllFiveStateFiles)
{
    for (const std::string& folder : ButtonFolders()) {
        for (const std::string& state : StateFiles()) {
            for (const DensityFolder& density : DensityFolders())
                EXPECT_FALSE(LoadPng(SkinPath(folder + "\\" + state, density)).isNull()) << folder << "\\" << state;
        }
    }
}

TEST(RenderedSkin, HoldsNoImageOutsideTheManifest)
{
    // A stale file would let the controls load an image nobody maintains.
    QSet<QString> expected;
    for (const QString& name : ManifestSkinNames()) {
        for (const DensityFolder& density : DensityFolders())
            expected.insert(SkinPath(name.toStdString(), density));
    }
    QDirIterator it(QStringLiteral("Skin"), QDir::Files, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        ++files;
        EXPECT_TRUE(expected.contains(path)) << path.toStdString();
    }
    EXPECT_EQ(files, expected.size());
}

TEST(RenderedSkin, ProductWatermarksScaleWithTheirDensity)
{
    const QImage base = LoadPng(ProductPath("Watermark_100.png"));
    ASSERT_FALSE(base.isNull());
    ExpectInProportion(base.size(), LoadPng(ProductPath("Watermark_150.png")).size(), 1.5, "Watermark_150.png");
    ExpectInProportion(base.size(), LoadPng(ProductPath("Watermark_250.png")).size(), 2.5, "Watermark_250.png");
}

TEST(RenderedSkin, ProductListLeavesTheProductWatermarkOff)
{
    const QString path = ProductPath("ProductList.ini");
    ASSERT_TRUE(QFileInfo::exists(path));
    QSettings profile(path, QSettings::IniFormat);
    ASSERT_TRUE(profile.contains(QStringLiteral("Setup/ViewWatermark")));
    EXPECT_EQ(profile.value(QStringLiteral("Setup/ViewWatermark")).toInt(), 0);
}

} // namespace
} // namespace skintest
