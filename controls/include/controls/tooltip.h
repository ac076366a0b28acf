#pragma once
// CMorvToolTip: the tip text a pane shows near the mouse (the view's warning
// texts, the scroll bar's tip, the button bar's item tips). One tip is on
// show in the application at a time; a tip waits its initial delay before
// it shows, and goes when hidden or when its owner window goes.
#include "platform/geometry.h"
#include "platform/wintypes.h"

#include <memory>
#include <string>

class CWnd;

class CMorvToolTip {
public:
    CMorvToolTip();
    ~CMorvToolTip();
    CMorvToolTip(const CMorvToolTip&) = delete;
    CMorvToolTip& operator=(const CMorvToolTip&) = delete;

    // The window the tip belongs to (it may get its window later); without
    // one the tip shows nowhere.
    void SetOwner(CWnd* owner);
    // Milliseconds between Show and the tip appearing (0: at once).
    void SetInitialDelay(UINT ms);
    UINT GetInitialDelay() const { return m_delay; }

    // Shows text with its top-left corner near a point in the owner's client
    // coordinates. An empty text hides the tip.
    void Show(const std::string& text, const CPoint& client);
    void Hide();

    // The text asked for, and whether it is on show (false while it waits
    // for its delay).
    const std::string& GetText() const { return m_text; }
    bool IsShown() const;
    bool IsPending() const;

private:
    void Appear();

    struct Impl;
    std::unique_ptr<Impl> m_d;
    std::string m_text;
    UINT m_delay = 0;
};
