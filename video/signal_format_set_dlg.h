#pragma once
// CSignalFormatSetDlg: the expected signal format of one video input,
// typed as width, height and refresh rate. OK (1) forms the format text
// anew; Cancel (2) leaves it as it was.
#include "controls/base_dlg.h"

#include <string>

struct SSignalBounds;

class CSignalFormatSetDlg : public CMorvBaseDlg {
public:
    // Control indices.
    enum {
        kTitle = 0,
        kWidthEdit = 1,
        kTimesLabel = 2,
        kHeightEdit = 3,
        kAtLabel = 4,
        kRefreshEdit = 5,
        kHzLabel = 6,
        kOk = 7,
        kCancel = 8,
    };
    // Item ids of the edit windows, and of the item that takes the focus
    // on every button click (none has it: the dialog then takes it, which
    // ends the typing in an edit).
    static constexpr UINT kWidthEditId = 10007;
    static constexpr UINT kHeightEditId = 10008;
    static constexpr UINT kRefreshEditId = 10009;
    static constexpr UINT kFocusSinkId = 10010;

    // strFormat: "%dx%d@%sHz", e.g. "1920x1080@60.000Hz".
    explicit CSignalFormatSetDlg(const std::string& strFormat, CWnd* pParent = nullptr);

    const std::string& GetFormatText() const { return m_strFormat; }

protected:
    int OnSetBaseDlgInfo() override;
    int InitControls() override;
    int InitFinish() override;
    void OnClickButton(int index) override;
    // Enter and the OK button.
    void OnOK() override;

private:
    void AddNumberEdit(int index, UINT id, int left, int width, const SSignalBounds& bounds, double base);
    // Whether an edit holds a number within its bounds; when not, the edit
    // gets the focus (a value out of bounds is brought in and the user told).
    bool CheckEdit(int index, UINT id, const SSignalBounds& bounds);
    void AddMark(int index, const char* text, int left);
    void FillEdits();

    std::string m_strFormat;
};
