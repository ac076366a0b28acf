#pragma once
// Helpers of the widget tests: a top-level window that records the
// messages its children send it and answers them as a test says, and a
// bounded wait on the event loop.
#include "controls/drop_target.h"
#include "controls/sender_tree.h"
#include "platform/window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace widget_test {

struct SRecord {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    STreeNotify notify;   // a copy, for WM_NOTIFY
    bool hasText = false; // WM_NOTIFY carried a text
    std::string text;
};

class CRecorderWnd : public CWnd {
public:
    // Answers per message; unanswered messages answer 0.
    std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)> answer;
    // Sees the filter road of this window and its children.
    std::function<bool(MSG*)> filter;
    std::vector<SRecord> records;
    // Messages below WM_USER recorded besides WM_NOTIFY.
    std::vector<UINT> also;

    bool Create(int width = 420, int height = 320)
    {
        if (!CreateEx(nullptr, CRect(40, 40, 40 + width, 40 + height), 0, EWindowKind::Popup))
            return false;
        ShowWindow(SW_SHOW);
        return true;
    }

    // The records of a message (of one notification code, for WM_NOTIFY).
    std::vector<SRecord> Of(UINT message, int code = 0) const
    {
        std::vector<SRecord> out;
        for (const SRecord& r : records)
            if (r.message == message && (!code || r.notify.nCode == code))
                out.push_back(r);
        return out;
    }
    // The notification codes sent, in order; only the given ones when some are given.
    std::vector<int> NotifiedOf(const std::vector<int>& only = {}) const
    {
        std::vector<int> codes;
        for (const SRecord& r : Of(WM_NOTIFY))
            if (only.empty() || std::find(only.begin(), only.end(), r.notify.nCode) != only.end())
                codes.push_back(r.notify.nCode);
        return codes;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY || message >= WM_USER || std::find(also.begin(), also.end(), message) != also.end()) {
            SRecord r{message, wParam, lParam, {}, false, {}};
            if (message == WM_NOTIFY) {
                r.notify = *reinterpret_cast<const STreeNotify*>(lParam);
                if (r.notify.pText) {
                    r.hasText = true;
                    r.text = *r.notify.pText;
                }
                r.notify.pText = nullptr;
            }
            records.push_back(r);
            return answer ? answer(message, wParam, lParam) : 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    bool PreTranslateMessage(MSG* msg) override { return filter ? filter(msg) : false; }
};

// Runs the event loop until the condition holds or the bound passes.
inline bool WaitFor(const std::function<bool()>& condition, int boundMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > boundMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// A left click as the toolkit delivers it, at a point of the target widget.
inline void RealClick(QWidget* target, const QPoint& at, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    const QPointF global = target->mapToGlobal(QPointF(at));
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, keys);
    QApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, keys);
    QApplication::sendEvent(target, &up);
}

inline LPARAM At(const CPoint& p) { return MAKELPARAM(p.x, p.y); }

using Log = std::vector<std::string>;

// A sink that writes down every call as "name:call".
struct SinkLog : IOleDropTargetEvent {
    std::string name;
    Log* log = nullptr;
    DROPEFFECT answer = DROPEFFECT_MOVE, dropExAnswer = DROPEFFECT_NOTHANDLED;
    CPoint lastPoint;
    bool sawText = false;

    DROPEFFECT Note(const std::string& call, CPoint point, DROPEFFECT result)
    {
        log->push_back(name + ":" + call);
        lastPoint = point;
        return result;
    }
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* data, DWORD, CPoint point) override
    {
        sawText = data && data->IsDataAvailable(CF_TEXT);
        return Note("enter", point, answer);
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point) override { return Note("over", point, answer); }
    DROPEFFECT OnDropEx(CWnd*, COleDataObject*, DROPEFFECT dropDefault, DROPEFFECT dropList, CPoint point) override
    {
        return Note("dropex " + std::to_string(dropDefault) + "/" + std::to_string(dropList), point, dropExAnswer);
    }
    int OnDrop(CWnd*, COleDataObject*, DROPEFFECT effect, CPoint) override
    {
        log->push_back(name + ":drop " + std::to_string(effect));
        return 1;
    }
    void OnDragLeave(CWnd*) override { log->push_back(name + ":leave"); }
};

} // namespace widget_test
