#include "controls/custom_control.h"
#ifdef MORVANE_HAS_CURSOR_MANAGER
#include "controls/cursor_manager.h"
#endif
#include "controls/density.h"
#include "controls/language.h"
#include "controls/lib_set.h"
#include "controls/product_dir.h"
#include "controls/skin.h"

#include <QFontDatabase>

#include <gtest/gtest.h>

namespace {

TEST(Interface, OneObjectGivesSettingsSkinCursorManagerAndDensityAndTheDefaultLanguage)
{
    ICustomControl* control = MorvaneControl_GetInterface();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control, MorvaneControl_GetInterface());
    EXPECT_EQ(std::tuple(control->GetLibSet(), control->GetSkin()),
              std::tuple(&CMorvLibSet::Instance(), &CMorvSkin::Instance()));
#ifdef MORVANE_HAS_CURSOR_MANAGER
    EXPECT_NE(control->GetCursorManager(0), nullptr);
    EXPECT_EQ(control->GetCursorManager(0), GetCursorManager(0));
#else
    EXPECT_EQ(control->GetCursorManager(0), nullptr);
#endif
    morv::SetDensity(1.5);
    EXPECT_DOUBLE_EQ(control->GetDpiScale(), 1.5);
    morv::SetDensity(0);
    EXPECT_DOUBLE_EQ(control->GetDpiScale(), morv::GetDensity());
}

TEST(Skin, ImageRootBesideTheLibraryTheProductFolderBesideIt)
{
    CMorvSkin& skin = CMorvSkin::Instance();
    EXPECT_EQ(skin.GetImageFolder(), "Skin\\");
    const std::string root = skin.GetImageRoot();
    ASSERT_GE(root.size(), 6u);
    EXPECT_EQ(std::tuple(root.front(), root.substr(root.size() - 5)), std::tuple('/', std::string("Skin/")));
    morv::SetDensity(2.5);
    EXPECT_EQ(skin.ImagePath("ToolBar\\Open"), root + "DPI250/ToolBar/Open");
    EXPECT_EQ(skin.ImagePath("/abs/file.png"), "/abs/file.png");
    morv::SetDensity(0);
    skin.SetImageRoot("/tmp/other\\");
    EXPECT_EQ(skin.GetImageRoot(), "/tmp/other/");
    skin.SetImageRoot({});
    EXPECT_EQ(skin.GetImageRoot(), root);

    const std::string product = CProductDirectorySet::GetRootDir();
    ASSERT_GE(product.size(), 8u);
    EXPECT_EQ(product.substr(product.size() - 8), "Product/");
    EXPECT_EQ(product.substr(0, product.size() - 8), root.substr(0, root.size() - 5));
}

TEST(LibSet, DefaultFontIsAnInstalledFamilyCoveringChineseSizedByTheDensity)
{
    const std::string family = CMorvLibSet::Instance().GetDefaultFontName();
    EXPECT_TRUE(QFontDatabase::hasFamily(QString::fromStdString(family))) << family;
    if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC"))) {
        EXPECT_EQ(family, "Noto Sans CJK SC");
    }
    morv::SetDensity(1.0);
    EXPECT_EQ(CMorvLibSet::Instance().GetFontSize(), 14);
    morv::SetDensity(1.5);
    EXPECT_EQ(CMorvLibSet::Instance().GetFontSize(), 21);
    const Font smaller = CMorvLibSet::Instance().GetDefaultFont(-2, true);
    EXPECT_EQ(std::tuple(smaller.pixelSize, smaller.bold), std::tuple(19, true));
    morv::SetDensity(0);

    // The default lookup answers the key until one is installed.
    EXPECT_EQ(morv::LookupText("Open", "Common"), "Open");
    morv::SetDefaultLanguageLookup(
        [](const std::string& key, const std::string& section) { return section + ":" + key; });
    EXPECT_EQ(morv::LookupText("Open", "Common"), "Common:Open");
    morv::SetDefaultLanguageLookup({});
    EXPECT_EQ(morv::LookupText("Open", "Common"), "Open");
}

} // namespace
