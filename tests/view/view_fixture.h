#pragma once
// The real page on the reference host, for tests of what the view draws:
// the view's paint goes to a recording canvas, the project and the
// hardware are the simulation's.
#include "host/quarn_label.h"
#include "module_test_support.h"
#include "platform/canvas.h"
#include "platform/wintypes.h"
#include "sim/project_model.h"

#include <functional>
#include <string>
#include <vector>

class CMainViewDlg;

class ViewTest : public ModuleTest {
protected:
    void SetUp() override;

    // Makes `project` current and creates the page.
    void Open(sim::ProjectModel project);
    // What the view shows: the current-object record, then a page refresh.
    void Show(int scope, int renderType, int sender, int port = 0);
    // Starts monitoring in step mode and runs one round.
    void Monitor();
    void Round();
    // The view's drawing now.
    std::vector<DrawOp> Draw();
    CMainViewDlg& View();
    // A mouse message to the view at a client point.
    LRESULT Send(UINT message, WPARAM wParam, const CPoint& pt);
    // A recorded rectangle's centre in the view's client coordinates.
    CPoint Client(const CRect& content) const;
    // The masks the page notified the host of, in order.
    std::vector<int32_t> Masks() const;

    CTestHost host;
    IQuarnLabel* page = nullptr;
};

// Ops of a kind whose image path (or text) contains a piece.
std::vector<DrawOp> OpsWith(const std::vector<DrawOp>& ops, DrawOp::Kind kind, const std::string& piece = {});
// A project of `senders` rectangular walls of `ports` ports, each port `perPort` cabinets of `size` pixels.
sim::ProjectModel Walls(int senders, int ports, int perPort, int size);
