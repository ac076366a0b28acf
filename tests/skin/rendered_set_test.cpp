// The images the build rendered into the runtime folder.
#include "required_images.h"
#include "skin_files.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QSet>
#include <QSettings>

#include <cmath>
#include <map>

namespace skintest {
namespace {

// The rendered size at a density is the base size times the factor, to the
// nearest whole pixel.
void ExpectInProportion(const QSize& base, const QSize& scaled, double factor, const std::string& what)
{
    EXPECT_LE(std::abs(scaled.width() - base.width() * factor), 0.5 + 1e-9) << what << " width " << scaled.width();
    EXPECT_LE(std::abs(scaled.height() - base.height() * factor), 0.5 + 1e-9) << what << " height " << scaled.height();
}

// Every manifest image is a PNG with alpha at every density, in proportion
// to the base; a broken-chain marker ("14.png") is its named size
// everywhere; a nine-part frame leaves a middle between its corners.
TEST(RenderedSkin, EveryImageAtEveryDensityInProportionWithRoomForItsMargins)
{
    std::map<std::string, int> margins;
    for (const RequiredImage& required : RequiredSkinImages())
        margins[required.name] = required.margin;
    for (const QString& qname : ManifestSkinNames()) {
        const std::string name = qname.toStdString();
        const bool marker = name == "14.png" || name == "20.png" || name == "30.png" || name == "50.png";
        const QImage base = LoadPng(SkinPath(name, DensityFolders()[0]));
        for (const DensityFolder& density : DensityFolders()) {
            const std::string what = density.folder.toStdString() + "\\" + name;
            const QImage image = LoadPng(SkinPath(name, density));
            ASSERT_FALSE(image.isNull()) << what << " is missing or not a PNG";
            EXPECT_TRUE(image.hasAlphaChannel()) << what;
            if (marker) {
                EXPECT_EQ(image.size(), QSize(std::stoi(name), std::stoi(name))) << what;
            } else {
                ExpectInProportion(base.size(), image.size(), density.factor, what);
            }
            EXPECT_GE(std::min(image.width(), image.height()), 2 * margins[name] + 1) << what;
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
    for (; it.hasNext(); ++files) {
        const QString path = it.next();
        EXPECT_TRUE(expected.contains(path)) << path.toStdString();
    }
    EXPECT_EQ(files, expected.size());
}

TEST(RenderedSkin, ProductWatermarksScaleWithTheirDensityAndStayOff)
{
    const QImage base = LoadPng(ProductPath("Watermark_100.png"));
    ASSERT_FALSE(base.isNull());
    ExpectInProportion(base.size(), LoadPng(ProductPath("Watermark_150.png")).size(), 1.5, "Watermark_150.png");
    ExpectInProportion(base.size(), LoadPng(ProductPath("Watermark_250.png")).size(), 2.5, "Watermark_250.png");
    const QString path = ProductPath("ProductList.ini");
    ASSERT_TRUE(QFileInfo::exists(path));
    QSettings profile(path, QSettings::IniFormat);
    ASSERT_TRUE(profile.contains(QStringLiteral("Setup/ViewWatermark")));
    EXPECT_EQ(profile.value(QStringLiteral("Setup/ViewWatermark")).toInt(), 0);
}

} // namespace
} // namespace skintest
