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
    void Write(const std::string& entry);
    void Mouse(const std::string& entry, UINT flags, CPoint pt);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG* msg) override;
    void OnCreate() override { Write("create"); }
    void OnDestroy() override { Write("destroy"); }
    void OnSize(UINT, int cx, int cy) override;
    void OnMove(int x, int y) override;
    void OnTimer(UINT id) override;
    void OnMouseMove(UINT flags, CPoint pt) override;
    void OnLButtonDown(UINT flags, CPoint pt) override;
    void OnLButtonDblClk(UINT flags, CPoint pt) override;
    void OnRButtonUp(UINT flags, CPoint pt) override;
    bool OnMouseWheel(UINT flags, short delta, CPoint pt) override;
    void OnMouseHover(UINT flags, CPoint pt) override;
    void OnMouseLeave() override { Write("leave"); }
    void OnKeyDown(UINT vk, UINT, UINT) override;
    void OnKeyUp(UINT vk, UINT, UINT) override;
    void OnChar(UINT ch, UINT, UINT) override;
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
