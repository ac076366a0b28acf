// platform_demo [--png <file>]: shows every canvas primitive at density
// factors 1.0, 1.5 and 2.5. Without a display, or with --png, it renders
// off-screen and writes a PNG.
#include "demo_scene.h"

#include "platform/window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

class DemoWindow : public CWnd {
protected:
    void OnPaint(ICanvas& dc, const CRect&) override { DrawDemoScene(dc); }
    void OnClose() override
    {
        CWnd::OnClose();
        QApplication::quit();
    }
};

bool HasDisplay() { return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY"); }

} // namespace

int main(int argc, char** argv)
{
    std::string png;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc)
            png = argv[++i];
    }
    const bool offscreen = !png.empty() || !HasDisplay();
    if (offscreen && png.empty())
        png = "platform_demo.png";
    if (offscreen)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Lengths are scaled by our own factor; the toolkit must not add its own.
    ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    QApplication app(argc, argv);

    const CSize size = DemoSceneSize();
    if (offscreen) {
        Surface surface(size.cx, size.cy);
        DrawDemoScene(*surface.BeginPaint());
        if (!surface.SavePng(png)) {
            std::fprintf(stderr, "platform_demo: cannot write %s\n", png.c_str());
            return 1;
        }
        std::printf("platform_demo: wrote %s (%dx%d)\n", png.c_str(), size.cx, size.cy);
        return 0;
    }
    DemoWindow window;
    if (!window.CreateEx(nullptr, CRect(CPoint(0, 0), size), 1, EWindowKind::Dialog, "Platform canvas demo"))
        return 1;
    window.CenterWindow();
    window.ShowWindow(SW_SHOW);
    return app.exec();
}
