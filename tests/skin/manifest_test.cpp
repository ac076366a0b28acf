// The manifest names every image the module and the control library load,
// and only those; reading manifests.
#include "manifest.h"
#include "required_images.h"
#include "skin_files.h"

#include <gtest/gtest.h>

#include <set>

namespace skintest {
namespace {

TEST(SkinManifest, NamesWhatIsLoadedAndNothingElse)
{
    // An extra image is dead weight in the install; a missing one fails to load.
    std::set<std::string> required, listed;
    for (const RequiredImage& image : RequiredSkinImages())
        required.insert(image.name);
    for (const QString& name : ManifestSkinNames())
        listed.insert(name.toStdString());
    EXPECT_EQ(listed, required);
    std::set<std::string> products;
    for (const QString& name : ManifestProductNames())
        products.insert(name.toStdString());
    EXPECT_EQ(products, std::set<std::string>(RequiredProductImages().begin(), RequiredProductImages().end()));
    // Relative .png names with single backslashes.
    for (const QString& name : ManifestSkinNames() + ManifestProductNames())
        EXPECT_TRUE(name.endsWith(QLatin1String(".png")) && !name.contains(u'/') && !name.startsWith(u'\\')
                    && !name.contains(QLatin1String("\\\\")))
            << name.toStdString();
}

TEST(SkinManifestParse, SectionsNamesTwiceAndUnknownSections)
{
    skin::Manifest manifest;
    QString error;
    ASSERT_TRUE(
        skin::ParseManifest(QStringLiteral("# comment\n[Skin]\nA\\B.png\n\n[Product]\nC.png\n"), manifest, error))
        << error.toStdString();
    EXPECT_EQ(std::tuple(manifest.skin, manifest.product),
              std::tuple(QStringList{QStringLiteral("A\\B.png")}, QStringList{QStringLiteral("C.png")}));
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("[Skin]\nA.png\n[Product]\nA.png\n"), manifest, error));
    EXPECT_TRUE(error.contains(QLatin1String("twice"))) << error.toStdString();
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("A.png\n"), manifest, error));
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("[Images]\nA.png\n"), manifest, error));
    EXPECT_EQ(skin::FilePathOf(QStringLiteral("Monitor\\PortFrame\\Normal.png")),
              QStringLiteral("Monitor/PortFrame/Normal.png"));
}

} // namespace
} // namespace skintest
