// The manifest names every image the module and the control library load.
#include "required_images.h"
#include "skin_files.h"

#include <gtest/gtest.h>

#include <QSet>

namespace skintest {
namespace {

TEST(SkinManifest, ListsEveryRequiredSkinImage)
{
    const QStringList names = ManifestSkinNames();
    for (const RequiredImage& image : RequiredSkinImages())
        EXPECT_TRUE(names.contains(QString::fromStdString(image.name)))
            << image.name << " is missing from the manifest";
}

TEST(SkinManifest, ListsTheProductWatermarks)
{
    const QStringList names = ManifestProductNames();
    for (const std::string& name : RequiredProductImages())
        EXPECT_TRUE(names.contains(QString::fromStdString(name))) << name;
}

TEST(SkinManifest, NamesAreRelativePngNamesWithBackslashes)
{
    for (const QString& name : ManifestSkinNames() + ManifestProductNames()) {
        EXPECT_TRUE(name.endsWith(QLatin1String(".png"))) << name.toStdString();
        EXPECT_FALSE(name.contains(u'/')) << name.toStdString();
        EXPECT_FALSE(name.startsWith(u'\\')) << name.toStdString();
        EXPECT_FALSE(name.contains(QLatin1String("\\\\"))) << name.toStdString();
    }
}

TEST(SkinManifest, NamesOnlyWhatIsLoaded)
{
    // An extra image is dead weight in the install; keep the two lists in step.
    QSet<QString> required;
    for (const RequiredImage& image : RequiredSkinImages())
        required.insert(QString::fromStdString(image.name));
    for (const QString& name : ManifestSkinNames())
        EXPECT_TRUE(required.contains(name)) << name.toStdString() << " is listed but nothing loads it";
}

} // namespace
} // namespace skintest

// Reading manifests.
#include "manifest.h"

namespace skintest {
namespace {

TEST(SkinManifestParse, SortsNamesIntoTheirSections)
{
    skin::Manifest manifest;
    QString error;
    ASSERT_TRUE(
        skin::ParseManifest(QStringLiteral("# comment\n[Skin]\nA\\B.png\n\n[Product]\nC.png\n"), manifest, error))
        << error.toStdString();
    EXPECT_EQ(manifest.skin, QStringList{QStringLiteral("A\\B.png")});
    EXPECT_EQ(manifest.product, QStringList{QStringLiteral("C.png")});
}

TEST(SkinManifestParse, RefusesANameTwice)
{
    skin::Manifest manifest;
    QString error;
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("[Skin]\nA.png\n[Product]\nA.png\n"), manifest, error));
    EXPECT_TRUE(error.contains(QLatin1String("twice"))) << error.toStdString();
}

TEST(SkinManifestParse, RefusesNamesOutsideAKnownSection)
{
    skin::Manifest manifest;
    QString error;
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("A.png\n"), manifest, error));
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("[Images]\nA.png\n"), manifest, error));
}

TEST(SkinManifestParse, TurnsBackslashesIntoPathSeparators)
{
    EXPECT_EQ(skin::FilePathOf(QStringLiteral("Monitor\\PortFrame\\Normal.png")),
              QStringLiteral("Monitor/PortFrame/Normal.png"));
}

} // namespace
} // namespace skintest
