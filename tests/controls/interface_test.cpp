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

TEST(Interface, IsOneObjectForTheProcess)
{
    ICustomControl* first = MorvaneControl_GetInterface();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, MorvaneControl_GetInterface());
}

TEST(Interface, OperationsGiveSettingsSkinCursorManagerAndDensity)
{
    ICustomControl* control = MorvaneControl_GetInterface();
    EXPECT_EQ(control->GetLibSet(), &CMorvLibSet::Instance());
    EXPECT_EQ(control->GetSkin(), &CMorvSkin::Instance());
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

// The module calls the four operations by their place in the interface:
// settings, skin, cursor manager, density. A class that answers by place
// sees which slot each call reaches.
class SlotProbe final : public ICustomControl {
public:
    CMorvLibSet* GetLibSet() override
    {
        calls.push_back(0);
        return nullptr;
    }
    CMorvSkin* GetSkin() override
    {
        calls.push_back(1);
        return nullptr;
    }
    CCurSorManager* GetCursorManager(int kind) override
    {
        calls.push_back(2);
        lastKind = kind;
        return nullptr;
    }
    double GetDpiScale() override
    {
        calls.push_back(3);
        return 0;
    }
    std::vector<int> calls;
    int lastKind = -1;
};

TEST(Interface, SlotsAreInTheOrderTheModuleCallsThem)
{
    SlotProbe probe;
    ICustomControl& control = probe;
    control.GetLibSet();
    control.GetSkin();
    control.GetCursorManager(0);
    control.GetDpiScale();
    EXPECT_EQ(probe.calls, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(probe.lastKind, 0);
}

TEST(Skin, ColourTable)
{
    const SSkinColors& c = CMorvSkin::Instance().GetColors();
    EXPECT_EQ(c.clrNormalFill, RGBColor(62, 190, 162));
    EXPECT_EQ(c.clrWarningFill, RGBColor(214, 60, 40));
    EXPECT_EQ(c.clrOfflineFill, RGBColor(242, 243, 245));
    EXPECT_EQ(c.clrOnlineText, RGBColor(33, 37, 41));
    EXPECT_EQ(c.clrOfflineText, RGBColor(140, 148, 160));
    EXPECT_EQ(c.clrToolbarLine1, RGBColor(214, 222, 232));
    EXPECT_EQ(c.clrToolbarLine2, RGBColor(255, 255, 255));
    EXPECT_EQ(c.clrSelection, RGBColor(38, 132, 255));
    EXPECT_EQ(c.clrHover, RGBColor(222, 236, 255));
    EXPECT_EQ(c.clrBackground, RGBColor(241, 247, 255));
    EXPECT_EQ(c.clrPanel, RGBColor(250, 250, 250));
}

TEST(Skin, ImageFolderIsRelativeAndTheRootLiesBesideTheLibrary)
{
    CMorvSkin& skin = CMorvSkin::Instance();
    EXPECT_EQ(skin.GetImageFolder(), "Skin\\");
    const std::string root = skin.GetImageRoot();
    ASSERT_GE(root.size(), 6u);
    EXPECT_EQ(root.substr(root.size() - 5), "Skin/");
    EXPECT_EQ(root.front(), '/');
    morv::SetDensity(2.5);
    EXPECT_EQ(skin.ImagePath("ToolBar\\Open"), root + "DPI250/ToolBar/Open");
    EXPECT_EQ(skin.ImagePath("/abs/file.png"), "/abs/file.png");
    morv::SetDensity(0);
}

TEST(Skin, ImageRootCanBeMovedAndRestored)
{
    CMorvSkin& skin = CMorvSkin::Instance();
    const std::string original = skin.GetImageRoot();
    skin.SetImageRoot("/tmp/other\\");
    EXPECT_EQ(skin.GetImageRoot(), "/tmp/other/");
    skin.SetImageRoot({});
    EXPECT_EQ(skin.GetImageRoot(), original);
}

TEST(ProductDirectory, IsTheProductFolderBesideTheSkin)
{
    const std::string product = CProductDirectorySet::GetRootDir();
    const std::string skin = CMorvSkin::Instance().GetImageRoot();
    ASSERT_GE(product.size(), 8u);
    EXPECT_EQ(product.substr(product.size() - 8), "Product/");
    EXPECT_EQ(product.substr(0, product.size() - 8), skin.substr(0, skin.size() - 5));
}

TEST(LibSet, DefaultFontIsAnInstalledFamilyCoveringChinese)
{
    const std::string family = CMorvLibSet::Instance().GetDefaultFontName();
    EXPECT_TRUE(QFontDatabase::hasFamily(QString::fromStdString(family))) << family;
    if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC"))) {
        EXPECT_EQ(family, "Noto Sans CJK SC");
    }
}

TEST(LibSet, FontSizeFollowsTheDensity)
{
    morv::SetDensity(1.0);
    EXPECT_EQ(CMorvLibSet::Instance().GetFontSize(), 14);
    morv::SetDensity(1.5);
    EXPECT_EQ(CMorvLibSet::Instance().GetFontSize(), 21);
    const Font smaller = CMorvLibSet::Instance().GetDefaultFont(-2, true);
    EXPECT_EQ(smaller.pixelSize, 19);
    EXPECT_TRUE(smaller.bold);
    morv::SetDensity(0);
}

TEST(Language, DefaultLookupAnswersTheKeyUntilOneIsInstalled)
{
    EXPECT_EQ(morv::LookupText("Open", "Common"), "Open");
    morv::SetDefaultLanguageLookup(
        [](const std::string& key, const std::string& section) { return section + ":" + key; });
    EXPECT_EQ(morv::LookupText("Open", "Common"), "Common:Open");
    morv::SetDefaultLanguageLookup({});
    EXPECT_EQ(morv::LookupText("Open", "Common"), "Open");
}

} // namespace
