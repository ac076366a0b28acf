#include "controls/density.h"
#include "controls/image_blt.h"
#include "controls/image_cache.h"
#include "controls/skin.h"
#include "controls/state_image.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageCache, LoadsEachPathOnceAndLendsTheSameImage)
{
    TempImages images;
    const std::string path = images.Write("Cache\\Once.png", 12, 7);
    CImageData* cache = CImageLogic::GetImageData();
    const std::size_t loads = cache->LoadCount();
    const Image* first = cache->GetImageFromPath(path);
    const Image* second = cache->GetImageFromPath(path);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->Width(), 12);
    EXPECT_EQ(first->Height(), 7);
    EXPECT_EQ(cache->LoadCount(), loads + 1);
}

TEST(ImageCache, BackslashNamesFindTheSameEntry)
{
    TempImages images;
    images.Write("A/B/C.png", 3, 3);
    CImageData* cache = CImageLogic::GetImageData();
    const Image* slash = cache->GetImageFromPath(images.Root() + "A/B/C.png");
    const Image* backslash = cache->GetImageFromPath(images.Root() + "A\\B\\C.png");
    ASSERT_NE(slash, nullptr);
    EXPECT_EQ(slash, backslash);
}

TEST(ImageCache, MissingFileAnswersNullAndIsNotReadAgain)
{
    TempImages images;
    CImageData* cache = CImageLogic::GetImageData();
    const std::string path = images.Root() + "missing.png";
    EXPECT_EQ(cache->GetImageFromPath(path), nullptr);
    const std::size_t loads = cache->LoadCount();
    EXPECT_EQ(cache->GetImageFromPath(path), nullptr);
    EXPECT_EQ(cache->LoadCount(), loads);
    EXPECT_EQ(cache->GetImageFromPath(""), nullptr);
}

TEST(ImageCache, ReloadReadsFilesAgainAndKeepsLentImagesAlive)
{
    TempImages images;
    const std::string path = images.Write("Reload.png", 10, 10);
    CImageData* cache = CImageLogic::GetImageData();
    const Image* before = cache->GetImageFromPath(path);
    ASSERT_NE(before, nullptr);
    const std::size_t generation = cache->Generation();

    images.Write("Reload.png", 20, 5); // the skin changed on disk
    cache->ReloadImages();
    EXPECT_EQ(cache->Generation(), generation + 1);
    const Image* after = cache->GetImageFromPath(path);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->Width(), 20);
    // The pane that still holds the old pointer may draw it safely.
    EXPECT_EQ(before->Width(), 10);
    EXPECT_EQ(before->Height(), 10);
}

TEST(ImageCache, ReloadFindsAFileThatWasMissingBefore)
{
    TempImages images;
    CImageData* cache = CImageLogic::GetImageData();
    const std::string path = images.Root() + "Late.png";
    EXPECT_EQ(cache->GetImageFromPath(path), nullptr);
    images.Write("Late.png", 4, 4);
    EXPECT_EQ(cache->GetImageFromPath(path), nullptr);
    cache->ReloadImages();
    EXPECT_NE(cache->GetImageFromPath(path), nullptr);
}

// Points the skin's image root at a temporary folder for one test.
class SkinRootTest : public ::testing::Test {
protected:
    void SetUp() override { CMorvSkin::Instance().SetImageRoot(images.Root()); }
    void TearDown() override
    {
        CMorvSkin::Instance().SetImageRoot({});
        morv::SetDensity(0);
    }
    TempImages images;
};

TEST_F(SkinRootTest, StateImagesComeFromTheDensityFolder)
{
    images.Write("Bar\\Normal.png", 10, 10);
    images.Write("DPI150\\Bar\\Normal.png", 15, 15);
    images.Write("DPI250\\Bar\\Normal.png", 25, 25);
    morv::SetDensity(1.0);
    ASSERT_NE(morv::StateImage("Bar", EImageState::Normal), nullptr);
    EXPECT_EQ(morv::StateImage("Bar", EImageState::Normal)->Width(), 10);
    morv::SetDensity(1.5);
    EXPECT_EQ(morv::StateImage("Bar", EImageState::Normal)->Width(), 15);
    morv::SetDensity(2.5);
    EXPECT_EQ(morv::StateImage("Bar\\", EImageState::Normal)->Width(), 25);
}

TEST_F(SkinRootTest, MissingStateFileFallsBackToNormal)
{
    morv::SetDensity(1.0);
    images.Write("Btn\\Normal.png", 8, 8);
    images.Write("Btn\\Hover.png", 9, 9);
    EXPECT_TRUE(EndsWithName(morv::StateImage("Btn", EImageState::Hover)->Path(), "Btn\\Hover.png"));
    EXPECT_TRUE(EndsWithName(morv::StateImage("Btn", EImageState::Down)->Path(), "Btn\\Normal.png"));
    EXPECT_TRUE(EndsWithName(morv::StateImage("Btn", EImageState::Disable)->Path(), "Btn\\Normal.png"));
    EXPECT_EQ(morv::StateImage("Nothing", EImageState::Hover), nullptr);
}

TEST_F(SkinRootTest, APngNameIsOnePictureForEveryState)
{
    morv::SetDensity(1.0);
    images.Write("ToolBar\\splitline.png", 2, 20);
    const Image* normal = morv::StateImage("ToolBar\\splitline.png", EImageState::Normal);
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(morv::StateImage("ToolBar\\splitline.png", EImageState::Hover), normal);
}

TEST(StateImage, PrecedenceIsDisabledPressedCheckedHovered)
{
    EXPECT_EQ(morv::PickImageState(false, true, true, true), EImageState::Disable);
    EXPECT_EQ(morv::PickImageState(true, true, true, true), EImageState::Down);
    EXPECT_EQ(morv::PickImageState(true, false, true, true), EImageState::Checked);
    EXPECT_EQ(morv::PickImageState(true, false, false, true), EImageState::Hover);
    EXPECT_EQ(morv::PickImageState(true, false, false, false), EImageState::Normal);
    EXPECT_STREQ(morv::StateFileName(EImageState::Disable), "Disable.png");
    EXPECT_STREQ(morv::StateFileName(EImageState::Checked), "Checked.png");
}

TEST(ImageBlt, NinePartKeepsItsMargins)
{
    auto image = Image::Solid(20, 20, {1, 2, 3, 255});
    RecordingCanvas canvas;
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {10, 10, 110, 40}, BltNinePart, 5, 5, 5, 5, 1);
    ASSERT_EQ(canvas.Ops().size(), 1u);
    const DrawOp& op = canvas.Ops()[0];
    EXPECT_EQ(op.kind, DrawOp::Kind::ImageNinePart);
    EXPECT_EQ(op.rect, CRect(10, 10, 110, 40));
    EXPECT_EQ(op.margins, (Margins{5, 5, 5, 5}));
    EXPECT_EQ(op.quarterTurns, 1);
}

TEST(ImageBlt, StretchCentreAndFit)
{
    auto image = Image::Solid(40, 20, {1, 2, 3, 255});
    RecordingCanvas canvas;
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 100, 100}, BltStretch);
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 100, 100}, BltCenter);
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 20, 100}, BltFit);  // scaled down by half
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 100, 100}, BltFit); // fits: natural size
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {0, 0, 100, 100}, BltCenter, 0, 0, 0, 0, 1);
    const auto ops = OpsOf(canvas, DrawOp::Kind::Image);
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0].rect, CRect(0, 0, 100, 100));
    EXPECT_EQ(ops[1].rect, CRect(30, 40, 70, 60));
    EXPECT_EQ(ops[2].rect, CRect(0, 45, 20, 55));
    EXPECT_EQ(ops[3].rect, CRect(30, 40, 70, 60));
    EXPECT_EQ(ops[4].rect, CRect(40, 30, 60, 70)); // a quarter turn swaps width and height
}

TEST(ImageBlt, NullImageOrEmptyRectangleDrawsNothing)
{
    auto image = Image::Solid(4, 4, {1, 2, 3, 255});
    RecordingCanvas canvas;
    CCusFuntionEx::ImageCusBlt(canvas, nullptr, {0, 0, 10, 10}, BltNinePart, 2, 2, 2, 2);
    CCusFuntionEx::ImageCusBlt(canvas, image.get(), {10, 10, 10, 30}, BltStretch);
    EXPECT_TRUE(canvas.Ops().empty());
}

} // namespace
