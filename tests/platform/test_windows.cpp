#include "test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>

LogWnd::LogWnd(std::string n, std::vector<std::string>* shared) : name(std::move(n)), log(shared ? shared : &ownLog) {}

int LogWnd::Count(const std::string& entry) const
{
    return static_cast<int>(std::count(log->begin(), log->end(), name + ":" + entry));
}

void LogWnd::Write(const std::string& entry) { log->push_back(name + ":" + entry); }

LRESULT LogWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_USER)
        Write("user" + std::to_string(message - WM_USER) + "/" + std::to_string(wParam));
    return CWnd::WindowProc(message, wParam, lParam);
}

bool LogWnd::PreTranslateMessage(MSG* msg)
{
    filtered.push_back(*msg);
    Write("pre" + std::to_string(msg->message));
    return filter ? filter(msg) : false;
}

void LogWnd::OnSize(UINT, int cx, int cy) { Write("size " + std::to_string(cx) + "x" + std::to_string(cy)); }

void LogWnd::OnMove(int x, int y) { Write("move " + std::to_string(x) + "," + std::to_string(y)); }

void LogWnd::OnTimer(UINT id)
{
    Write("timer" + std::to_string(id));
    if (onTimer)
        onTimer(id);
}

void LogWnd::Mouse(const std::string& entry, UINT flags, CPoint pt)
{
    lastFlags = flags;
    lastPoint = pt;
    Write(entry);
}

void LogWnd::OnMouseMove(UINT flags, CPoint pt) { Mouse("mousemove", flags, pt); }

void LogWnd::OnLButtonDown(UINT flags, CPoint pt) { Mouse("lbuttondown", flags, pt); }

void LogWnd::OnLButtonDblClk(UINT flags, CPoint pt) { Mouse("lbuttondblclk", flags, pt); }
void LogWnd::OnRButtonUp(UINT flags, CPoint pt) { Mouse("rbuttonup", flags, pt); }

bool LogWnd::OnMouseWheel(UINT flags, short delta, CPoint pt)
{
    lastWheelDelta = delta;
    Mouse("wheel", flags, pt);
    return true;
}

void LogWnd::OnMouseHover(UINT flags, CPoint pt) { Mouse("hover", flags, pt); }

void LogWnd::OnKeyDown(UINT vk, UINT, UINT) { Write("keydown" + std::to_string(vk)); }
void LogWnd::OnKeyUp(UINT vk, UINT, UINT) { Write("keyup" + std::to_string(vk)); }
void LogWnd::OnChar(UINT ch, UINT, UINT) { Write("char" + std::to_string(ch)); }

Family::Family(bool show)
{
    EXPECT_TRUE(top.CreateEx(nullptr, CRect(100, 50, 500, 350), 1, EWindowKind::Dialog));
    EXPECT_TRUE(child.CreateEx(&top, CRect(10, 20, 110, 70), 2));
    if (show) {
        top.ShowWindow(SW_SHOW);
        child.ShowWindow(SW_SHOW);
    }
    log.clear();
}
