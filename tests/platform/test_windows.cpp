#include "test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>

LogWnd::LogWnd(std::string n, std::vector<std::string>* shared) : name(std::move(n)), log(shared ? shared : &ownLog) {}

int LogWnd::Count(const std::string& entry) const
{
    return static_cast<int>(std::count(log->begin(), log->end(), name + ":" + entry));
}

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

void LogWnd::OnTimer(UINT id)
{
    Write("timer" + std::to_string(id));
    if (onTimer)
        onTimer(id);
}

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
