#include "controls/drop_target.h"
#include "widgets_test_support.h"

#include <gtest/gtest.h>

using widget_test::At;
using widget_test::CRecorderWnd;

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

// A sink that writes down every call as "name:call".
struct SinkLog : IOleDropTargetEvent {
    std::string name;
    std::vector<std::string>* log = nullptr;
    DROPEFFECT answer = DROPEFFECT_MOVE;
    DROPEFFECT dropExAnswer = DROPEFFECT_NOTHANDLED;
    int dropAnswer = 1;
    CPoint lastPoint;
    bool sawText = false;

    void Note(const std::string& call) { log->push_back(name + ":" + call); }
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* data, DWORD, CPoint point) override
    {
        Note("enter");
        lastPoint = point;
        sawText = data && data->IsDataAvailable(CF_TEXT);
        return answer;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point) override
    {
        Note("over");
        lastPoint = point;
        return answer;
    }
    DROPEFFECT OnDropEx(CWnd*, COleDataObject*, DROPEFFECT dropDefault, DROPEFFECT dropList, CPoint point) override
    {
        Note("dropex " + std::to_string(dropDefault) + "/" + std::to_string(dropList));
        lastPoint = point;
        return dropExAnswer;
    }
    int OnDrop(CWnd*, COleDataObject*, DROPEFFECT effect, CPoint) override
    {
        Note("drop " + std::to_string(effect));
        return dropAnswer;
    }
    void OnDragLeave(CWnd*) override { Note("leave"); }
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
        sinkA.name = "A";
        sinkB.name = "B";
        sinkA.log = sinkB.log = &log;
        targetA.SetEventSink(&sinkA);
        targetB.SetEventSink(&sinkB);
        ASSERT_TRUE(targetA.Register(&a));
        ASSERT_TRUE(targetB.Register(&b));
        data.CacheData(CF_TEXT, "");
    }

    void TearDown() override { morv::drag::Cancel(); }

    // A point of b in a's client coordinates (the source keeps the mouse).
    static CPoint InB(int x, int y) { return {200 + x, y}; }

    CRecorderWnd top;
    CSourceWnd a;
    CWnd b;
    SinkLog sinkA, sinkB;
    COleDropTargetEx targetA, targetB;
    COleDataSource data;
    std::vector<std::string> log;
};

} // namespace

TEST(DataObject, CarriesFormats)
{
    COleDataSource source;
    EXPECT_FALSE(source.IsDataAvailable(CF_TEXT));
    source.CacheData(CF_TEXT, "abc");
    EXPECT_TRUE(source.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(source.IsDataAvailable(CF_UNICODETEXT));
    EXPECT_EQ(source.GetData(CF_TEXT), "abc");
    EXPECT_EQ(source.GetData(CF_UNICODETEXT), "");
    source.Empty();
    EXPECT_FALSE(source.IsDataAvailable(CF_TEXT));
}

TEST(DropTargetEx, ForwardsToTheSinkOrFallsBackToTheBase)
{
    std::vector<std::string> log;
    SinkLog sink;
    sink.name = "S";
    sink.log = &log;
    COleDropTargetEx target;
    COleDataSource data;
    EXPECT_EQ(target.OnDragEnter(nullptr, &data, 0, {}), DROPEFFECT_NONE);
    EXPECT_EQ(target.OnDragOver(nullptr, &data, 0, {}), DROPEFFECT_NONE);
    EXPECT_EQ(target.OnDropEx(nullptr, &data, DROPEFFECT_MOVE, DROPEFFECT_MOVE, {}), DROPEFFECT_NOTHANDLED);
    EXPECT_EQ(target.OnDrop(nullptr, &data, DROPEFFECT_MOVE, {}), 0);
    target.OnDragLeave(nullptr);
    EXPECT_TRUE(log.empty());

    target.SetEventSink(&sink);
    EXPECT_EQ(target.GetEventSink(), &sink);
    EXPECT_EQ(target.OnDragEnter(nullptr, &data, 0, {}), DROPEFFECT_MOVE);
    EXPECT_EQ(target.OnDragOver(nullptr, &data, 0, {}), DROPEFFECT_MOVE);
    EXPECT_EQ(target.OnDropEx(nullptr, &data, DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_MOVE, {}),
              DROPEFFECT_NOTHANDLED);
    EXPECT_EQ(target.OnDrop(nullptr, &data, DROPEFFECT_MOVE, {}), 1);
    target.OnDragLeave(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"S:enter", "S:over", "S:dropex 2/3", "S:drop 2", "S:leave"}));
}

TEST(DropTargetRegistration, OneWindowPerTarget)
{
    CRecorderWnd wnd;
    ASSERT_TRUE(wnd.Create());
    COleDropTarget target;
    CWnd none;
    EXPECT_FALSE(target.Register(nullptr));
    EXPECT_FALSE(target.Register(&none));
    EXPECT_TRUE(target.Register(&wnd));
    EXPECT_FALSE(target.Register(&wnd));
    EXPECT_EQ(target.GetWindow(), &wnd);
    wnd.DestroyWindow();
    EXPECT_EQ(target.GetWindow(), nullptr);
    target.Revoke();
    CRecorderWnd other;
    ASSERT_TRUE(other.Create());
    EXPECT_TRUE(target.Register(&other));
}

TEST_F(DragTest, EnterOverLeaveEnterOverDropInOrder)
{
    EXPECT_EQ(data.DoDragDrop(&a, DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_NONE);
    ASSERT_TRUE(morv::drag::IsDragging());
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({20, 20}));
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({30, 25}));
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(InB(10, 10)));
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(InB(15, 40)));
    a.DeliverMessage(WM_LBUTTONUP, 0, At(InB(15, 40)));
    EXPECT_EQ(
        log,
        (std::vector<std::string>{"A:enter", "A:over", "A:leave", "B:enter", "B:over", "B:dropex 2/3", "B:drop 2"}));
    EXPECT_TRUE(sinkA.sawText);
    EXPECT_EQ(sinkB.lastPoint, CPoint(15, 40)); // in b's own client coordinates
    EXPECT_FALSE(morv::drag::IsDragging());
    EXPECT_EQ(morv::drag::LastResult(), DROPEFFECT_MOVE);
}

// How a drop on b ends: b's answers to over and to the drop with effect,
// the effects the source allows; what b is told and what the drag gives.
TEST_F(DragTest, TheTargetsAnswersDecideHowTheDropEnds)
{
    const struct {
        DROPEFFECT answer, dropExAnswer, allowed;
        std::vector<std::string> log;
        DROPEFFECT result;
    } cases[] = {
        // A handled drop with effect skips the drop.
        {DROPEFFECT_MOVE,
         DROPEFFECT_COPY,
         DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
         {"B:enter", "B:over", "B:dropex 2/7"},
         DROPEFFECT_COPY},
        // A refusing target gets leave instead of drop ...
        {DROPEFFECT_NONE,
         DROPEFFECT_NOTHANDLED,
         DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
         {"B:enter", "B:over", "B:leave"},
         DROPEFFECT_NONE},
        // ... and so does one answering an effect the source does not allow.
        {DROPEFFECT_LINK,
         DROPEFFECT_NOTHANDLED,
         DROPEFFECT_COPY | DROPEFFECT_MOVE,
         {"B:enter", "B:over", "B:leave"},
         DROPEFFECT_NONE},
    };
    for (const auto& c : cases) {
        log.clear();
        sinkB.answer = c.answer;
        sinkB.dropExAnswer = c.dropExAnswer;
        data.DoDragDrop(&a, c.allowed);
        a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(InB(5, 5)));
        a.DeliverMessage(WM_LBUTTONUP, 0, At(InB(8, 5)));
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(morv::drag::LastResult(), c.result);
    }
}

TEST_F(DragTest, EscapeAndAnotherButtonCancel)
{
    data.DoDragDrop(&a);
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At({5, 5}));
    a.DeliverMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(morv::drag::IsDragging());
    data.DoDragDrop(&a);
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(InB(5, 5)));
    a.DeliverMessage(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, At(InB(5, 5)));
    EXPECT_FALSE(morv::drag::IsDragging());
    EXPECT_EQ(log, (std::vector<std::string>{"A:enter", "A:leave", "B:enter", "B:leave"}));
}

TEST_F(DragTest, OneDragAtATimeFromALiveSource)
{
    CWnd none;
    EXPECT_EQ(data.DoDragDrop(&none), DROPEFFECT_NONE);
    EXPECT_EQ(data.DoDragDrop(&a, DROPEFFECT_NONE), DROPEFFECT_NONE);
    EXPECT_FALSE(morv::drag::IsDragging());
    data.DoDragDrop(&a);
    COleDataSource other;
    other.DoDragDrop(&a);
    EXPECT_TRUE(morv::drag::IsDragging());
    // Only the source's own messages move the drag.
    EXPECT_FALSE(morv::drag::RouteMessage(&b, WM_MOUSEMOVE, 0, At({1, 1})));
    EXPECT_FALSE(morv::drag::RouteMessage(&a, WM_KEYDOWN, 'A', 0));
    EXPECT_TRUE(morv::drag::RouteMessage(&a, WM_MOUSEMOVE, 0, At({1, 1})));
    EXPECT_EQ(log, std::vector<std::string>{"A:enter"});
}

TEST_F(DragTest, ARevokedTargetIsNotCalledAgain)
{
    data.DoDragDrop(&a);
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(InB(5, 5)));
    targetB.Revoke();
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(InB(9, 5)));
    a.DeliverMessage(WM_LBUTTONUP, 0, At(InB(9, 5)));
    EXPECT_EQ(log, std::vector<std::string>{"B:enter"});
    EXPECT_FALSE(morv::drag::IsDragging());
}

TEST_F(DragTest, ADragWhoseSourceIsGoneEnds)
{
    data.DoDragDrop(&a);
    a.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(InB(5, 5)));
    a.DestroyWindow();
    EXPECT_FALSE(morv::drag::IsDragging());
    EXPECT_EQ(log, (std::vector<std::string>{"B:enter", "B:leave"}));
    EXPECT_EQ(data.DoDragDrop(&b), DROPEFFECT_NONE);
    EXPECT_TRUE(morv::drag::IsDragging());
}
