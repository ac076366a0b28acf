#include "controls/drop_target.h"
#include "widgets_test_support.h"

#include <gtest/gtest.h>

using widget_test::At;
using widget_test::CRecorderWnd;
using widget_test::Log;
using widget_test::SinkLog;

namespace {

// A source window that hands its messages to the drag session, as the
// sender tree does.
class CSourceWnd : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (morv::drag::RouteMessage(this, message, wParam, lParam))
            return 0;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class DragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(top.Create(400, 200));
        ASSERT_TRUE(a.CreateEx(&top, CRect(0, 0, 200, 200), 1));
        ASSERT_TRUE(b.CreateEx(&top, CRect(200, 0, 400, 200), 2));
        a.ShowWindow(SW_SHOW);
        b.ShowWindow(SW_SHOW);
        std::tie(sinkA.name, sinkB.name) = std::tuple("A", "B");
        sinkA.log = sinkB.log = &log;
        targetA.SetEventSink(&sinkA);
        targetB.SetEventSink(&sinkB);
        ASSERT_TRUE(targetA.Register(&a));
        ASSERT_TRUE(targetB.Register(&b));
        data.CacheData(CF_TEXT, "");
    }

    void TearDown() override { morv::drag::Cancel(); }

    void Move(int x, int y) { a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({x, y})); }
    // A point of b in a's client coordinates (the source keeps the mouse).
    static CPoint InB(int x, int y) { return {200 + x, y}; }

    CRecorderWnd top;
    CSourceWnd a;
    CWnd b;
    SinkLog sinkA, sinkB;
    COleDropTargetEx targetA, targetB;
    COleDataSource data;
    Log log;
};

} // namespace

TEST(DropTarget, DataFormatsTheSinkAndOneWindowPerTarget)
{
    COleDataSource data;
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    data.CacheData(CF_TEXT, "abc");
    EXPECT_EQ(std::tuple(data.IsDataAvailable(CF_TEXT), data.IsDataAvailable(CF_UNICODETEXT), data.GetData(CF_TEXT),
                         data.GetData(CF_UNICODETEXT)),
              std::tuple(true, false, std::string("abc"), std::string()));
    data.Empty();
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));

    // Without a sink the base answers; with one, every call reaches it.
    Log log;
    SinkLog sink;
    std::tie(sink.name, sink.log) = std::tuple("S", &log);
    COleDropTargetEx target;
    for (IOleDropTargetEvent* expected :
         {static_cast<IOleDropTargetEvent*>(nullptr), static_cast<IOleDropTargetEvent*>(&sink)}) {
        target.SetEventSink(expected);
        EXPECT_EQ(target.GetEventSink(), expected);
        const DROPEFFECT over = expected ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
        EXPECT_EQ(target.OnDragEnter(nullptr, &data, 0, {}), over);
        EXPECT_EQ(target.OnDragOver(nullptr, &data, 0, {}), over);
        EXPECT_EQ(target.OnDropEx(nullptr, &data, DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_MOVE, {}),
                  DROPEFFECT_NOTHANDLED);
        EXPECT_EQ(target.OnDrop(nullptr, &data, DROPEFFECT_MOVE, {}), expected ? 1 : 0);
        target.OnDragLeave(nullptr);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"S:enter", "S:over", "S:dropex 2/3", "S:drop 2", "S:leave"}));

    CRecorderWnd wnd, other;
    ASSERT_TRUE(wnd.Create() && other.Create());
    COleDropTarget registered;
    CWnd none;
    EXPECT_FALSE(registered.Register(nullptr) || registered.Register(&none));
    EXPECT_TRUE(registered.Register(&wnd));
    EXPECT_FALSE(registered.Register(&wnd));
    EXPECT_EQ(registered.GetWindow(), &wnd);
    wnd.DestroyWindow();
    EXPECT_EQ(registered.GetWindow(), nullptr);
    registered.Revoke();
    EXPECT_TRUE(registered.Register(&other));
}

// Then how a drop on b ends: b's answers to over and to the drop with effect,
// the effects the source allows; what b is told and what the drag gives.
// A handled drop with effect skips the drop; a refusing target gets leave
// instead of drop, and so does one answering an effect the source does not allow.
TEST_F(DragTest, EnterOverLeaveEnterOverDropInOrderAndTheTargetsAnswersDecideHowTheDropEnds)
{
    EXPECT_EQ(data.DoDragDrop(&a, DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_NONE);
    ASSERT_TRUE(morv::drag::IsDragging());
    for (const CPoint p : {CPoint(20, 20), CPoint(30, 25), InB(10, 10), InB(15, 40)})
        Move(p.x, p.y);
    a.DeliverMessage(WM_LBUTTONUP, 0, At(InB(15, 40)));
    EXPECT_EQ(log, Log({"A:enter", "A:over", "A:leave", "B:enter", "B:over", "B:dropex 2/3", "B:drop 2"}));
    EXPECT_EQ(std::tuple(sinkA.sawText, sinkB.lastPoint), std::tuple(true, CPoint(15, 40))); // in b's own coordinates
    EXPECT_EQ(std::tuple(morv::drag::IsDragging(), morv::drag::LastResult()),
              std::tuple(false, DROPEFFECT{DROPEFFECT_MOVE}));

    const DROPEFFECT copyMove = DROPEFFECT_COPY | DROPEFFECT_MOVE, any = copyMove | DROPEFFECT_LINK;
    const struct {
        DROPEFFECT answer, dropExAnswer, allowed;
        Log log;
        DROPEFFECT result;
    } cases[] = {{DROPEFFECT_MOVE, DROPEFFECT_COPY, any, {"B:enter", "B:over", "B:dropex 2/7"}, DROPEFFECT_COPY},
                 {DROPEFFECT_NONE, DROPEFFECT_NOTHANDLED, any, {"B:enter", "B:over", "B:leave"}, DROPEFFECT_NONE},
                 {DROPEFFECT_LINK, DROPEFFECT_NOTHANDLED, copyMove, {"B:enter", "B:over", "B:leave"}, DROPEFFECT_NONE}};
    for (const auto& c : cases) {
        log.clear();
        std::tie(sinkB.answer, sinkB.dropExAnswer) = std::tuple(c.answer, c.dropExAnswer);
        data.DoDragDrop(&a, c.allowed);
        a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(InB(5, 5)));
        a.DeliverMessage(WM_LBUTTONUP, 0, At(InB(8, 5)));
        EXPECT_EQ(std::tuple(log, morv::drag::LastResult()), std::tuple(c.log, c.result));
    }
}

TEST_F(DragTest, EscapeAnotherButtonARevokedTargetOrAGoneSourceEndIt)
{
    data.DoDragDrop(&a);
    Move(5, 5);
    a.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(morv::drag::IsDragging());
    data.DoDragDrop(&a);
    Move(205, 5);
    a.DeliverMessage(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, At(InB(5, 5)));
    EXPECT_FALSE(morv::drag::IsDragging());
    EXPECT_EQ(log, Log({"A:enter", "A:leave", "B:enter", "B:leave"}));

    log.clear(); // a revoked target is not called again
    data.DoDragDrop(&a);
    Move(205, 5);
    targetB.Revoke();
    Move(209, 5);
    a.DeliverMessage(WM_LBUTTONUP, 0, At(InB(9, 5)));
    EXPECT_EQ(log, Log{"B:enter"});
    EXPECT_FALSE(morv::drag::IsDragging());

    log.clear(); // a drag whose source is gone ends
    ASSERT_TRUE(targetB.Register(&b));
    data.DoDragDrop(&a);
    Move(205, 5);
    a.DestroyWindow();
    EXPECT_FALSE(morv::drag::IsDragging());
    EXPECT_EQ(log, Log({"B:enter", "B:leave"}));
    EXPECT_EQ(data.DoDragDrop(&b), DROPEFFECT_NONE);
    EXPECT_TRUE(morv::drag::IsDragging());
}

TEST_F(DragTest, OneDragAtATimeFromALiveSource)
{
    CWnd none;
    EXPECT_EQ(std::tuple(data.DoDragDrop(&none), data.DoDragDrop(&a, DROPEFFECT_NONE)),
              std::tuple(DROPEFFECT{DROPEFFECT_NONE}, DROPEFFECT{DROPEFFECT_NONE}));
    EXPECT_FALSE(morv::drag::IsDragging());
    data.DoDragDrop(&a);
    COleDataSource other;
    other.DoDragDrop(&a);
    EXPECT_TRUE(morv::drag::IsDragging());
    // Only the source's own messages move the drag.
    EXPECT_FALSE(morv::drag::RouteMessage(&b, WM_MOUSEMOVE, 0, At({1, 1}))
                 || morv::drag::RouteMessage(&a, WM_KEYDOWN, 'A', 0));
    EXPECT_TRUE(morv::drag::RouteMessage(&a, WM_MOUSEMOVE, 0, At({1, 1})));
    EXPECT_EQ(log, Log{"A:enter"});
}
