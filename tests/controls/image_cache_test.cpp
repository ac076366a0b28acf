#include "controls/density.h"
#include "controls/image_blt.h"
#include "controls/image_cache.h"
#include "controls/skin.h"
#include "controls/state_image.h"
#include "controls_test_support.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TEST(ImageCache, LoadsOnceLendsTheSameImageAndReloads)
{
    TempImages images;
    const std::string path = images.Write("Cache\\Once.png", 12, 7);
    CImageData* cache = CImageLogic::GetImageData();
    std::size_t loads = cache->LoadCount();
    const Image* first = cache->GetImageFromPath(path);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::tuple(cache->GetImageFromPath(images.Root() + "Cache\\Once.png"), first->Width(), first->Height()),
              std::tuple(first, 12, 7));
    EXPECT_EQ(cache->LoadCount(), loads + 1);
    // A missing file answers null and is not read again, until a reload.
    const std::string late = images.Root() + "Late.png";
    EXPECT_EQ(cache->GetImageFromPath(late), nullptr);
    loads = cache->LoadCount();
    images.Write("Late.png", 4, 4);
    EXPECT_EQ(std::tuple(cache->GetImageFromPath(late), cache->GetImageFromPath("")), std::tuple(nullptr, nullptr));
    EXPECT_EQ(cache->LoadCount(), loads);

    images.Write("Cache\\Once.png", 20, 5); // the skin changed on disk
    const std::size_t generation = cache->Generation();
    cache->ReloadImages();
    EXPECT_EQ(cache->Generation(), generation + 1);
    const Image* after = cache->GetImageFromPath(path);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->Width(), 20);
    EXPECT_NE(cache->GetImageFromPath(late), nullptr);
    // A pane that still holds the old pointer may draw it safely.
    EXPECT_EQ(std::tuple(first->Width(), first->Height()), std::tuple(12, 7));
}

using SkinRootTest = SkinnedTest;

TEST_F(SkinRootTest, StateImagesComeFromTheDensityFolderOrFallBackToNormal)
{
    images.Write("Bar\\Normal.png", 10, 10);
    images.Write("DPI150\\Bar\\Normal.png", 15, 15);
    images.Write("DPI250\\Bar\\Normal.png", 25, 25);
    for (const auto& [density, width] : {std::pair(1.0, 10), std::pair(1.5, 15), std::pair(2.5, 25)}) {
        morv::SetDensity(density);
        ASSERT_NE(morv::StateImage("Bar\\", EImageState::Normal), nullptr);
        EXPECT_EQ(morv::StateImage(density < 2 ? "Bar" : "Bar\\", EImageState::Normal)->Width(), width);
    }
    morv::SetDensity(1.0);
    images.Write("Btn\\Normal.png", 8, 8);
    images.Write("Btn\\Hover.png", 9, 9);
    const std::pair<EImageState, const char*> files[] = {{EImageState::Hover, "Btn\\Hover.png"},
                                                         {EImageState::Down, "Btn\\Normal.png"},
                                                         {EImageState::Disable, "Btn\\Normal.png"}};
    for (const auto& [state, file] : files)
        EXPECT_TRUE(EndsWithName(morv::StateImage("Btn", state)->Path(), file)) << file;
    EXPECT_EQ(morv::StateImage("Nothing", EImageState::Hover), nullptr);
    // A .png name is one picture for every state.
    images.Write("ToolBar\\splitline.png", 2, 20);
    const Image* normal = morv::StateImage("ToolBar\\splitline.png", EImageState::Normal);
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(morv::StateImage("ToolBar\\splitline.png", EImageState::Hover), normal);
}

TEST(StateImage, PrecedenceIsDisabledPressedCheckedHovered)
{
    EXPECT_EQ(
        (std::vector{morv::PickImageState(false, true, true, true), morv::PickImageState(true, true, true, true),
                     morv::PickImageState(true, false, true, true), morv::PickImageState(true, false, false, true),
                     morv::PickImageState(true, false, false, false)}),
        (std::vector{EImageState::Disable, EImageState::Down, EImageState::Checked, EImageState::Hover,
                     EImageState::Normal}));
}

TEST(ImageBlt, NinePartStretchCentreAndFit)
{
    auto image = Image::Solid(40, 20, {1, 2, 3, 255});
    RecordingCanvas canvas;
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {10, 10, 110, 40}, BltNinePart, 5, 5, 5, 5, 1);
    ASSERT_EQ(canvas.Ops().size(), 1u);
    const DrawOp nine = canvas.Ops()[0];
    EXPECT_EQ(std::tuple(nine.kind, nine.rect, nine.margins, nine.quarterTurns),
              std::tuple(DrawOp::Kind::ImageNinePart, CRect(10, 10, 110, 40), Margins{5, 5, 5, 5}, 1));
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 100, 100}, BltStretch);
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 100, 100}, BltCenter);
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 20, 100}, BltFit);                    // scaled down by half
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 100, 100}, BltFit);                   // fits: natural size
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 100, 100}, BltCenter, 0, 0, 0, 0, 1); // a quarter turn
    // A null image or an empty rectangle draws nothing.
    CCusFuntionEx::ImageCusBlt(canvas, nullptr, {0, 0, 10, 10}, BltNinePart, 2, 2, 2, 2);
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {10, 10, 10, 30}, BltStretch);
    std::vector<CRect> rects;
    for (const DrawOp& op : OpsOf(canvas, DrawOp::Kind::Image))
        rects.push_back(op.rect);
    EXPECT_EQ(
        rects,
        (std::vector<CRect>{{0, 0, 100, 100}, {30, 40, 70, 60}, {0, 45, 20, 55}, {30, 40, 70, 60}, {40, 30, 60, 70}}));
    EXPECT_EQ(canvas.Ops().size(), 6u);
}

TEST(Density, FoldersPathsScalingAndSourcesInTheirOrder)
{
    const std::pair<double, const char*> folders[]
        = {{1.0, ""},         {1.25, ""},         {1.49, ""},        {1.5, "DPI150\\"},
           {2.0, "DPI150\\"}, {2.49, "DPI150\\"}, {2.5, "DPI250\\"}, {3.0, "DPI250\\"}};
    for (const auto& [density, folder] : folders)
        EXPECT_EQ(morv::DensityFolder(density), folder) << density;
    EXPECT_EQ(std::tuple(morv::DensityImagePath("/opt/m/Skin/", "Monitor\\Frame\\Normal.png", 1.0),
                         morv::DensityImagePath("/opt/m/Skin/", "Monitor\\Frame\\Normal.png", 1.5),
                         morv::DensityImagePath("/opt/m/Skin", "ToolBar\\Open", 2.5)),
              std::tuple("/opt/m/Skin/Monitor/Frame/Normal.png", "/opt/m/Skin/DPI150/Monitor/Frame/Normal.png",
                         "/opt/m/Skin/DPI250/ToolBar/Open"));
    // Truncated toward zero.
    EXPECT_EQ(std::tuple(morv::Scale(33, 1.5), morv::Scale(250, 1.5), morv::Scale(14, 2.5), morv::Scale(-3, 1.5)),
              std::tuple(49, 375, 35, -4));
    // The setter overrides the environment, which overrides the screen; implausible values are ignored.
    morv::SetDensity(0);
    const double screen = morv::GetDensity();
    EXPECT_GT(screen, 0.0);
    const std::tuple<const char*, double, double> sources[]
        = {{"1.5", 0, 1.5},    {"1.5", 2.5, 2.5}, {"1.5", 0, 1.5},
           {"abc", 0, screen}, {"-2", 0, screen}, {"-2", 1000.0, screen}};
    for (const auto& [env, set, density] : sources) {
        ::setenv("MORVANE_DENSITY", env, 1);
        morv::SetDensity(set);
        EXPECT_DOUBLE_EQ(morv::GetDensity(), density) << env << " " << set;
        EXPECT_EQ(morv::Scale(62), morv::Scale(62, density));
    }
    morv::SetDensity(0);
    ::unsetenv("MORVANE_DENSITY");
}

} // namespace
