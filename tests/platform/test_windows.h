#pragma once
// A window that writes down what reaches it, and a way to run the event
// loop until something has happened (bounded, never a fixed sleep).
#include "platform/window.h"
#include "run_until.h"

#include <functional>
#include <string>
#include <vector>

class LogWnd : public CWnd {
public:
    explicit LogWnd(std::string name = "w", std::vector<std::string>* log = nullptr);

    std::string name;
    std::vector<std::string>* log; // shared between windows of one test
    std::vector<std::string> ownLog;
    std::vector<MSG> filtered;        // what PreTranslateMessage saw
    std::function<bool(MSG*)> filter; // answers whether to swallow
    std::function<void(UINT)> onTimer;
    UINT lastFlags = 0;
    CPoint lastPoint;
    short lastWheelDelta = 0;

    int Count(const std::string& entry) const;

protected:
    void Write(const std::string& entry) { log->push_back(name + ":" + entry); }
    void Mouse(const std::string& entry, UINT flags, CPoint pt) { lastFlags = flags, lastPoint = pt, Write(entry); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG* msg) override;
    void OnCreate() override { Write("create"); }
    void OnDestroy() override { Write("destroy"); }
    void OnSize(UINT, int cx, int cy) override { Write("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
    void OnMove(int x, int y) override { Write("move " + std::to_string(x) + "," + std::to_string(y)); }
    void OnTimer(UINT id) override;
    void OnMouseMove(UINT flags, CPoint pt) override { Mouse("mousemove", flags, pt); }
    void OnLButtonDown(UINT flags, CPoint pt) override { Mouse("lbuttondown", flags, pt); }
    void OnLButtonDblClk(UINT flags, CPoint pt) override { Mouse("lbuttondblclk", flags, pt); }
    void OnRButtonUp(UINT flags, CPoint pt) override { Mouse("rbuttonup", flags, pt); }
    bool OnMouseWheel(UINT flags, short delta, CPoint pt) override
    {
        return lastWheelDelta = delta, Mouse("wheel", flags, pt), true;
    }
    void OnMouseHover(UINT flags, CPoint pt) override { Mouse("hover", flags, pt); }
    void OnMouseLeave() override { Write("leave"); }
    void OnKeyDown(UINT vk, UINT, UINT) override { Write("keydown" + std::to_string(vk)); }
    void OnKeyUp(UINT vk, UINT, UINT) override { Write("keyup" + std::to_string(vk)); }
    void OnChar(UINT ch, UINT, UINT) override { Write("char" + std::to_string(ch)); }
    void OnShowWindow(bool show) override { Write(show ? "show" : "hide"); }
};

// A top-level dialog at (100, 50), 400 x 300, with a child at (10, 20),
// 100 x 50, both logging into one list; shown when asked.
struct Family {
    std::vector<std::string> log;
    LogWnd top{"top", &log};
    LogWnd child{"child", &log};

    explicit Family(bool show = false);
};
