#pragma once
// Shared pieces of the control library's tests: scripted modals for the
// length of a test, a folder of generated images, synthetic mouse input.
#include "controls/base_dlg.h"
#include "controls/modal.h"
#include "platform/canvas.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class QTemporaryDir;

// Every modal is scripted; a modal nobody scripted, or an answer a modal
// cannot give, fails the test unless the test takes the errors itself.
class ScriptedTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    static CModalScript& Script() { return CModalScript::Instance(); }
    // The errors noted so far, which then no longer fail the test.
    static std::vector<std::string> TakeErrors();
};

// A temporary folder that PNG files are written into.
class TempImages {
public:
    TempImages();
    ~TempImages();
    const std::string& Root() const { return m_root; }
    // Writes root/relative (backslashes allowed) as a PNG of one colour.
    std::string Write(const std::string& relative, int width, int height, Color color = {200, 40, 40, 255});

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_root;
};

// A top-level window to put child pages in.
class HostWindow : public CWnd {
public:
    explicit HostWindow(const CRect& rect = {0, 0, 800, 600});
};

// A scripted test at density 1 whose skin images come from a temporary
// folder, with a host window for its pages.
class SkinnedTest : public ScriptedTest {
protected:
    void SetUp() override;
    void TearDown() override;
    TempImages images;
    HostWindow host;
};

// What a page draws: the ops of one kind, or the image paths in order (plain,
// unscaled and nine-part).
std::vector<DrawOp> Drawn(CMorvBaseDlg& page, DrawOp::Kind kind);
std::vector<std::string> DrawnImages(CMorvBaseDlg& page);

// Makes a top-level window the active one, so focus can be given inside it.
void Activate(CWnd& topLevel);

// Mouse input as the system would deliver it, in client coordinates.
void MouseMove(CWnd& wnd, const CPoint& pt);
void Click(CWnd& wnd, const CPoint& pt);
void Wheel(CWnd& wnd, const CPoint& client, short delta, UINT keys = 0);
void KeyDown(CWnd& wnd, UINT vk);

// Ops of one kind in a recording.
std::vector<DrawOp> OpsOf(const RecordingCanvas& canvas, DrawOp::Kind kind);
// Whether a path ends with a name written with backslashes or slashes.
bool EndsWithName(const std::string& path, const std::string& name);
