#include "controls_test_support.h"

#include "controls/density.h"
#include "controls/skin.h"
#include "platform/native_qt.h"
#include "platform/path.h"

#include <QApplication>
#include <QWidget>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

void ScriptedTest::SetUp()
{
    Script().Reset();
    Script().SetMode(CModalScript::EMode::Scripted);
}

void ScriptedTest::TearDown()
{
    for (const std::string& error : Script().Errors())
        ADD_FAILURE() << "modal script: " << error;
    Script().Reset();
}

std::vector<std::string> ScriptedTest::TakeErrors()
{
    std::vector<std::string> errors = Script().Errors();
    Script().ClearErrors();
    return errors;
}

TempImages::TempImages() : m_dir(std::make_unique<QTemporaryDir>()) { m_root = m_dir->path().toStdString() + "/"; }

TempImages::~TempImages() = default;

std::string TempImages::Write(const std::string& relative, int width, int height, Color color)
{
    const std::string path = plat::JoinPath(m_root, relative);
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(color.r, color.g, color.b, color.a));
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG")) << path;
    return path;
}

HostWindow::HostWindow(const CRect& rect)
{
    CreateEx(nullptr, rect, 1, EWindowKind::Dialog, "host");
    ShowWindow(SW_SHOW);
}

void SkinnedTest::SetUp()
{
    ScriptedTest::SetUp();
    morv::SetDensity(1.0);
    CMorvSkin::Instance().SetImageRoot(images.Root());
}

void SkinnedTest::TearDown()
{
    CMorvSkin::Instance().SetImageRoot({});
    morv::SetDensity(0);
    ScriptedTest::TearDown();
}

std::vector<DrawOp> Drawn(CMorvBaseDlg& page, DrawOp::Kind kind)
{
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    return OpsOf(canvas, kind);
}

std::vector<std::string> DrawnImages(CMorvBaseDlg& page)
{
    RecordingCanvas canvas;
    page.DrawTo(canvas);
    std::vector<std::string> out;
    for (const DrawOp& op : canvas.Ops())
        if (op.kind == DrawOp::Kind::Image || op.kind == DrawOp::Kind::ImageAt
            || op.kind == DrawOp::Kind::ImageNinePart)
            out.push_back(op.image);
    return out;
}

void Activate(CWnd& topLevel)
{
    QWidget* widget = plat::NativeWidget(&topLevel);
    widget->activateWindow();
    QApplication::setActiveWindow(widget);
    QCoreApplication::processEvents();
}

void MouseMove(CWnd& wnd, const CPoint& pt) { wnd.DeliverMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y)); }

void Click(CWnd& wnd, const CPoint& pt)
{
    wnd.DeliverMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    wnd.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    wnd.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

void Wheel(CWnd& wnd, const CPoint& client, short delta, UINT keys)
{
    CPoint screen = client;
    wnd.ClientToScreen(screen);
    const WPARAM wParam = (static_cast<WPARAM>(static_cast<uint16_t>(delta)) << 16) | keys;
    wnd.DeliverMessage(WM_MOUSEWHEEL, wParam, MAKELPARAM(screen.x, screen.y));
}

void KeyDown(CWnd& wnd, UINT vk) { wnd.DeliverMessage(WM_KEYDOWN, vk, 1); }

std::vector<DrawOp> OpsOf(const RecordingCanvas& canvas, DrawOp::Kind kind)
{
    std::vector<DrawOp> out;
    for (const DrawOp& op : canvas.Ops())
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

bool EndsWithName(const std::string& path, const std::string& name)
{
    const std::string native = plat::NativePath(name);
    return path.size() >= native.size() && path.compare(path.size() - native.size(), native.size(), native) == 0;
}
