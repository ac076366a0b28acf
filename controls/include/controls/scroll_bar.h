#pragma once
// CMorvScrollBar: a skinned scroll bar control. It tells its parent of the
// user's moves with WM_VSCROLL (vertical) or WM_HSCROLL, wParam =
// (position << 16) | code and lParam = the scroll bar; setting the
// position from code tells nobody.
#include "platform/window.h"

#include <memory>

// Scroll codes of the notifications.
constexpr WORD SB_LINEUP = 0;
constexpr WORD SB_LINEDOWN = 1;
constexpr WORD SB_PAGEUP = 2;
constexpr WORD SB_PAGEDOWN = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6;
constexpr WORD SB_BOTTOM = 7;
constexpr WORD SB_ENDSCROLL = 8;

class CMorvScrollBar : public CWnd {
public:
    CMorvScrollBar();
    ~CMorvScrollBar() override;

    // A child scroll bar, hidden like every new window; range 0 to 100.
    bool Create(CWnd* parent, const CRect& rect, UINT id, bool vertical);
    bool IsVertical() const { return m_vertical; }

    void SetScrollRange(int minPos, int maxPos);
    int GetScrollMin() const;
    int GetScrollMax() const;
    // The position, held in the range; no notification.
    void SetScrollPos(int pos);
    int GetScrollPos() const;
    // How far a page and a line move (the page also sizes the thumb).
    void SetPageStep(int step);
    void SetLineStep(int step);

    // Moves as the user would by a code (SB_LINEUP ... SB_BOTTOM) and tells
    // the parent.
    void Scroll(WORD code);

    struct Impl;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void Notify(WORD code, int pos);
    friend struct Impl;
    bool m_vertical = true;
    std::unique_ptr<Impl> m_d;
};
