#pragma once
// CSenderFormDlg: what the two sender dialogs share: a framed modal form
// with a title, rows of a label and its field, OK and Cancel at the bottom
// right, texts from the host's language, and a warning box captioned with
// the title.
#include "controls/base_dlg.h"

#include <string>

class CSenderFormDlg : public CMorvBaseDlg {
public:
    // Section of the texts the sender dialogs bring.
    static constexpr const char* kSection = "SenderDialogs";

protected:
    CSenderFormDlg(UINT templateId, CWnd* pParent);

    int OnSetBaseDlgInfo() override;
    int InitFinish() override;
    void OnClickButton(int index) override;

    // A design length at the current density.
    static int Px(int design);
    static CRect Scaled(int left, int top, int right, int bottom);

    // The title entry across `width`; its text is also the window's caption.
    void AddTitle(int index, const std::string& key, const std::string& section, int width);
    // A label left of a field in the row whose field starts at `top`.
    void AddRowLabel(int index, const std::string& key, const std::string& section, int left, int width, int top);
    // An edit of the row; its item id is kEditIdBase + index.
    CMorvEditEx* AddRowEdit(int index, EMorvControlKind kind, int left, int width, int top);
    // OK (primary) at the right edge of a form `width` wide, Cancel left of
    // it unless cancelIndex is negative; the form is sized to end under them.
    void AddButtonsAndSize(int okIndex, int cancelIndex, int width, int top);

    // A warning about what was typed; the form stays open.
    void Warn(const std::string& text);
    // Focus into an edit entry with its text selected, for correcting it.
    void FocusEdit(int index);

    static constexpr UINT kEditIdBase = 1000;
    static constexpr int kFieldHeight = 24;
    static constexpr int kRowPitch = 36;

private:
    int m_nTitle = -1;
    int m_nOk = -1;
    int m_nCancel = -1;
};
