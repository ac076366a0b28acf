#pragma once
// CMorvEditEx: the single-line edit of the control library, in text,
// integer or decimal mode. It tells its parent of changes with WM_COMMAND
// (EN_CHANGE on every change of its text, by typing or by program;
// EN_SETFOCUS and EN_KILLFOCUS), steps its value with the up/down keys and
// the mouse wheel, and refuses text its mode and bounds cannot take. When
// it loses the focus, a value outside the bounds is brought back into them.
#include "controls/edit_rules.h"
#include "platform/window.h"

#include <memory>
#include <string>

class CMorvEditEx : public CWnd {
public:
    CMorvEditEx();
    ~CMorvEditEx() override;

    // A child edit with a control id, hidden like every new window.
    bool Create(CWnd* parent, const CRect& rect, UINT id);

    // Mode and decimals (decimal mode; -1: any number of digits).
    void SetEditMode(EEditMode mode, int decimals = 0);
    void SetRange(double minValue, double maxValue);
    // Bounds, the value stepping starts from while the text holds no
    // number, and the step of the keys and the wheel (0 or less: none).
    void SetStepValue(double minValue, double value, double maxValue, double step);
    void SetDecimals(int decimals);
    const SEditRules& GetRules() const { return m_rules; }

    // The text, as shown. SetText sends EN_CHANGE like typing does.
    void SetText(const std::string& text);
    std::string GetText() const;
    int GetInt() const;
    double GetDouble() const;

    void SetPassword(bool password);
    void SetLimitText(int maxChars);
    void SetReadOnly(bool readOnly);
    void SetSel(int start, int end);
    void SetCaretToEnd();
    // Moves the value by steps as the keys do; false when it did not change.
    bool Step(int steps);
    // Brings the text into its bounds now (as leaving the edit does).
    void Normalize();

    struct Impl;

protected:
    bool PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void Notify(WORD code);
    friend struct Impl;
    SEditRules m_rules;
    std::unique_ptr<Impl> m_d;
};
