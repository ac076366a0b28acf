#include "controls/density.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Density, FoldersPathsAndScaling)
{
    const std::pair<double, const char*> folders[]
        = {{1.0, ""},         {1.25, ""},         {1.49, ""},        {1.5, "DPI150\\"},
           {2.0, "DPI150\\"}, {2.49, "DPI150\\"}, {2.5, "DPI250\\"}, {3.0, "DPI250\\"}};
    for (const auto& [density, folder] : folders)
        EXPECT_EQ(morv::DensityFolder(density), folder) << density;
    EXPECT_EQ(morv::DensityImagePath("/opt/m/Skin/", "Monitor\\PortFrame\\Normal.png", 1.0),
              "/opt/m/Skin/Monitor/PortFrame/Normal.png");
    EXPECT_EQ(morv::DensityImagePath("/opt/m/Skin/", "Monitor\\PortFrame\\Normal.png", 1.5),
              "/opt/m/Skin/DPI150/Monitor/PortFrame/Normal.png");
    EXPECT_EQ(morv::DensityImagePath("/opt/m/Skin", "ToolBar\\Open", 2.5), "/opt/m/Skin/DPI250/ToolBar/Open");
    // Truncated toward zero.
    EXPECT_EQ(std::tuple(morv::Scale(33, 1.5), morv::Scale(250, 1.5), morv::Scale(14, 2.5), morv::Scale(-3, 1.5)),
              std::tuple(49, 375, 35, -4));
}

// The setter overrides the environment, which overrides the screen;
// implausible values are ignored.
TEST(Density, SourcesInTheirOrder)
{
    ::setenv("MORVANE_DENSITY", "1.5", 1);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), 1.5);
    morv::SetDensity(2.5);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), 2.5);
    EXPECT_EQ(morv::Scale(62), 155);
    morv::SetDensity(0);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), 1.5);
    ::setenv("MORVANE_DENSITY", "abc", 1);
    const double screen = morv::GetDensity();
    EXPECT_GT(screen, 0.0);
    ::setenv("MORVANE_DENSITY", "-2", 1);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), screen);
    morv::SetDensity(1000.0);
    EXPECT_DOUBLE_EQ(morv::GetDensity(), screen);
    morv::SetDensity(0);
    ::unsetenv("MORVANE_DENSITY");
}

} // namespace
