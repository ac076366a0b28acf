#include "controls/density.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Restores the density override and the environment after each test.
class DensityTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        morv::SetDensity(0);
        ::unsetenv("MORVANE_DENSITY");
    }
};

TEST_F(DensityTest, FolderFollowsTheThresholds)
{
    EXPECT_EQ(morv::DensityFolder(1.0), "");
    EXPECT_EQ(morv::DensityFolder(1.25), "");
    EXPECT_EQ(morv::DensityFolder(1.49), "");
    EXPECT_EQ(morv::DensityFolder(1.5), "DPI150\\");
    EXPECT_EQ(morv::DensityFolder(2.0), "DPI150\\");
    EXPECT_EQ(morv::DensityFolder(2.49), "DPI150\\");
    EXPECT_EQ(morv::DensityFolder(2.5), "DPI250\\");
    EXPECT_EQ(morv::DensityFolder(3.0), "DPI250\\");
}

TEST_F(DensityTest, ImagePathPutsTheDensityFolderBetweenRootAndName)
{
    EXPECT_EQ(morv::DensityImagePath("/opt/m/Skin/", "Monitor\\PortFrame\\Normal.png", 1.0),
              "/opt/m/Skin/Monitor/PortFrame/Normal.png");
    EXPECT_EQ(morv::DensityImagePath("/opt/m/Skin/", "Monitor\\PortFrame\\Normal.png", 1.5),
              "/opt/m/Skin/DPI150/Monitor/PortFrame/Normal.png");
    EXPECT_EQ(morv::DensityImagePath("/opt/m/Skin", "ToolBar\\Open", 2.5), "/opt/m/Skin/DPI250/ToolBar/Open");
}

TEST_F(DensityTest, SetterOverridesEnvironmentWhichOverridesTheScreen)
{
    ::setenv("MORVANE_DENSITY", "1.5", 1);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), 1.5);
    morv::SetDensity(2.5);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), 2.5);
    morv::SetDensity(0);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), 1.5);
}

TEST_F(DensityTest, ImplausibleValuesAreIgnored)
{
    ::setenv("MORVANE_DENSITY", "abc", 1);
    const double screen = morv::GetDensity();
    EXPECT_GT(screen, 0.0);
    ::setenv("MORVANE_DENSITY", "-2", 1);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), screen);
    morv::SetDensity(1000.0);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), screen);
}

TEST_F(DensityTest, ScaleTruncatesTowardZero)
{
    EXPECT_EQ(morv::Scale(33, 1.5), 49);
    EXPECT_EQ(morv::Scale(250, 1.5), 375);
    EXPECT_EQ(morv::Scale(14, 2.5), 35);
    EXPECT_EQ(morv::Scale(-3, 1.5), -4);
    morv::SetDensity(1.5);
    EXPECT_EQ(morv::Scale(62), 93);
}

} // namespace
