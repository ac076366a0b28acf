#pragma once
// CMorvTimeEdit: a duration in whole seconds, shown as hours, minutes and
// seconds, with bounds; up/down keys and the wheel step the field under the
// caret. Sends EN_CHANGE / EN_SETFOCUS / EN_KILLFOCUS to its parent.
#include "platform/window.h"

#include <memory>
#include <string>

class CMorvTimeEdit : public CWnd {
public:
    CMorvTimeEdit();
    ~CMorvTimeEdit() override;

    bool Create(CWnd* parent, const CRect& rect, UINT id);

    // Bounds in seconds (0 to 86399); the value is held inside them.
    void SetRange(int minSeconds, int maxSeconds);
    int GetMinSeconds() const { return m_min; }
    int GetMaxSeconds() const { return m_max; }
    void SetTotalSeconds(int seconds);
    int GetTotalSeconds() const;
    // The shown text, "HH:MM:SS".
    std::string GetText() const;

    struct Impl;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void Notify(WORD code);
    friend struct Impl;
    int m_min = 0;
    int m_max = 86399;
    std::unique_ptr<Impl> m_d;
};

namespace morv {

// "HH:MM:SS" of a number of seconds (negative counts as 0).
std::string FormatDuration(int seconds);

} // namespace morv
