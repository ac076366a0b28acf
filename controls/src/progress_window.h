#pragma once
// The progress window a dialog shows while an operation it started reports
// progress. One at a time in the process.
#include "controls/progress.h"

#include <memory>

class CWnd;
class QDialog;

namespace morv::detail {

// What the running progress shows (tests read it).
struct SProgressState {
    bool bRunning = false;
    std::string strTitle;
    std::string strText;
    int nMin = 0;
    int nMax = 100;
    int nPos = 0;
};

class CProgressWindow {
public:
    // Shows the window over the owner's top-level window.
    CProgressWindow(CWnd* owner, const SProgressInfo& info);
    ~CProgressWindow();
    CProgressWindow(const CProgressWindow&) = delete;
    CProgressWindow& operator=(const CProgressWindow&) = delete;

    void SetRange(int nMin, int nMax);
    void SetPos(int nPos);
    void SetText(const std::string& text);
    const SProgressState& State() const { return m_state; }
    QDialog* Widget() const;

    // The progress running in the process, or null.
    static CProgressWindow* Running();

private:
    // Paints the window and lets the application answer, without waiting.
    void Pump();

    struct Widgets;
    std::unique_ptr<Widgets> m_widgets;
    SProgressState m_state;
};

} // namespace morv::detail
