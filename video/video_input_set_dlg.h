#pragma once
// CVideoInputSetDlg: which video inputs of a sender are monitored, and
// whether and against which signal format each input's resolution is
// checked. One row per input (at most 32): its name, the monitor check box,
// the resolution check box and the resolution cell that opens the format
// choice. Apply and OK store the sender's choices in the host's monitoring
// settings; Apply to all senders gives every sender with the same inputs
// the same choices. Rows beyond what the dialog shows at once scroll.
#include "controls/base_dlg.h"
#include "video/video_inputs.h"

#include <memory>
#include <vector>

class CMorvScrollBar;

class CVideoInputSetDlg : public CMorvBaseDlg {
public:
    // Control indices (also the ids the controls are known by).
    enum {
        kTable = 0,
        kEnableCheck = 1,      // 1-32: monitor check box of input index - 1
        kResolutionCheck = 34, // 34-65: resolution check box of input index - 34
        kFormatCell = 67,      // 67-98: resolution cell of input index - 67
        kTitle = 100,
        kSenderSelector = 104,
        kApplyAll = 105,
        kApply = 106,
        kOk = 107,
        kCancel = 108,
    };
    // Commands of the resolution cell's menu, and the first of the sender menu.
    static constexpr UINT kMenuSetFormat = 1201;
    static constexpr UINT kMenuSetToSignal = 1202;
    static constexpr UINT kMenuFirstSender = 2000;
    // Rows shown at once; more scroll.
    static constexpr int kVisibleRows = 12;

    // sender: a project sender index; below 0 the current sender.
    explicit CVideoInputSetDlg(int sender = -1, CWnd* pParent = nullptr);
    ~CVideoInputSetDlg() override;

    int GetSender() const { return static_cast<int>(m_inputs.dwSender); }
    const std::vector<SVideoInputRow>& GetRows() const { return m_rows; }
    // The first row shown (the scroll position).
    int GetFirstRow() const { return m_firstRow; }
    int SetLanguage() override;

protected:
    int OnSetBaseDlgInfo() override;
    int InitControls() override;
    int InitFinish() override;
    void OnClickButton(int index) override;
    void OnClickCheck(int index) override;
    void OnOK() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnMouseWheel(UINT flags, short delta, CPoint pt) override;

private:
    // Reads the sender's inputs and the stored settings into rows, and
    // lays the dialog out for them.
    void Load(int sender);
    void CreateRowControls();
    void Layout();
    void ScrollTo(int firstRow);
    void ShowRow(int row);
    void ChooseFormat(int row);
    void OpenFormatDialog(int row);
    void ChooseSender();
    // Whether every enabled row holds a format that can be stored; says
    // which one cannot.
    bool CheckRows();
    // Stores (this sender, or all), marks the project and notifies the
    // host; false when a row's format cannot be stored (nothing is).
    bool Store(bool allSenders);

    std::vector<SVideoInputRow> m_rows;
    SSenderInputs m_inputs;
    int m_firstRow = 0;
    std::unique_ptr<CMorvScrollBar> m_scrollBar;
};

// Opens the video input settings of a sender (the current one when sender
// is below 0) modally over the parent; answers 1 after OK, else 2.
int ShowVideoInputSetDlg(CWnd* parent, int sender = -1);
