#pragma once
// A window that writes down what reaches it, and a way to run the event
// loop until something has happened (bounded, never a fixed sleep).
#include "platform/window.h"

#include <functional>
#include <string>
#include <vector>

class LogWnd : public CWnd {
public:
    explicit LogWnd(std::string name = "w", std::vector<std::string>* log = nullptr);

    std::string name;
    std::vector<std::string>* log;     // shared between windows of one test
    std::vector<std::string> ownLog;
    std::vector<MSG> filtered;         // what PreTranslateMessage saw
    std::function<bool(MSG*)> filter;  // answers whether to swallow
    std::function<void(UINT)> onTimer;
    std::function<void(UINT, CPoint)> onLButtonDown;
    UINT lastFlags = 0;
    CPoint lastPoint;
    short lastWheelDelta = 0;
    CSize lastSize;

    int Count(const std::string& entry) const;

protected:
    void Write(const std::string& entry);
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

// Runs the event loop until done() holds or the bound passes; answers done().
bool RunUntil(const std::function<bool()>& done, int boundMs = 5000);
