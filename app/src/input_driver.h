#pragma once
// Synthetic input for scenarios, taking the road real input takes: the
// cursor is moved, the window under the point is found with
// CWnd::WindowFromPoint, and real toolkit events are sent to its widget, so
// the application-wide input filter turns them into messages and every
// window's message filter sees them. Points are client coordinates of the
// root window (the page area, which the page fills, or a dialog).
#include "script.h"

#include "platform/window.h"

#include <string>

class QWidget;

namespace app {

// How long the mouse rests for a hover: past the page's tooltip timer
// (200 ms) and its hover debounce (301 ms).
constexpr int kHoverRestMs = 320;

class CInputDriver {
public:
    // With missesIgnored, mouse input at a point with no window under it
    // goes nowhere, as a user's does, instead of failing.
    explicit CInputDriver(CWnd& root, bool missesIgnored = false) : m_root(root), m_missesIgnored(missesIgnored) {}

    // A point, or the centre of a window, control, bar item or tree item,
    // in root client coordinates.
    bool Resolve(const SWhere& where, CPoint& pt, std::string& error) const;

    enum class EButton { Left, Right, Middle };
    bool Click(const CPoint& pt, EButton button, unsigned modifiers, std::string& error);
    bool DoubleClick(const CPoint& pt, unsigned modifiers, std::string& error);
    bool Move(const CPoint& pt, unsigned modifiers, std::string& error);
    // Move, the hover notification, the rest, and a second move at the same point.
    bool Hover(const CPoint& pt, unsigned modifiers, std::string& error);
    bool Wheel(const CPoint& pt, int delta, unsigned modifiers, std::string& error);
    // Left press at pt, the mouse moved by offset in ten steps with the
    // events run between them, release there.
    bool Drag(const CPoint& pt, const CPoint& offset, unsigned modifiers, std::string& error);
    // To the widget with the keyboard focus in the page, else the window
    // under the cursor, else the page shown.
    bool Key(int qtKey, unsigned modifiers, std::string& error);
    // Types the text's characters, one key each, where Key sends keys.
    bool Type(const std::string& text, std::string& error);

private:
    // Moves the cursor there and finds the widget to send events to; null
    // with an error, or with none for an ignored miss.
    QWidget* Target(const CPoint& pt, CPoint& screen, std::string& error);
    QWidget* KeyTarget() const;

    CWnd& m_root;
    bool m_missesIgnored;
};

// Runs pending events for at least `ms` milliseconds.
void ProcessEventsFor(int ms);

} // namespace app
