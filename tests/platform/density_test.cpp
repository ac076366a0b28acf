// Run once per offscreen screen configuration (see CMakeLists.txt): the
// density factor must follow the configured logical dots per inch, and the
// toolkit must not scale on top of it.
#include "platform/window.h"

#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include <cstdlib>

TEST(ScreenDensity, FollowsTheConfiguredLogicalDpiWindowsStayInDevicePixels)
{
    const char* expected = std::getenv("MONITOR_EXPECTED_DENSITY");
    ASSERT_NE(expected, nullptr) << "run through ctest, which names the configuration";
    EXPECT_DOUBLE_EQ(plat::GetScreenDensity(), std::atoi(expected) / 100.0);
    EXPECT_DOUBLE_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);
    CWnd top;
    ASSERT_TRUE(top.CreateEx(nullptr, CRect(10, 20, 310, 220), 1, EWindowKind::Dialog));
    top.ShowWindow(SW_SHOW);
    EXPECT_EQ(top.GetClientRect(), CRect(0, 0, 300, 200));
    EXPECT_EQ(top.GetWindowRect(), CRect(10, 20, 310, 220));
}
