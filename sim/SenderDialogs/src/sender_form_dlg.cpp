#include "sender_form_dlg.h"

#include "controls/density.h"
#include "controls/edit.h"
#include "controls/msg_box.h"
#include "host/vistrano_language.h"

namespace {

// Design lengths.
constexpr int kTitleLeft = 20;
constexpr int kTitleHeight = 44;
constexpr int kLabelHeight = 22;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 28;
constexpr int kButtonSpacing = 10;
constexpr int kRightMargin = 24;
constexpr int kBottomMargin = 20;

constexpr int kMessageIconStyle = 5;

} // namespace

CSenderFormDlg::CSenderFormDlg(UINT templateId, CWnd* pParent) : CMorvBaseDlg(templateId, pParent)
{
    SetLanguageLookup(GetLanguageString);
}

int CSenderFormDlg::OnSetBaseDlgInfo()
{
    SetBaseDlgInfo(1, 0);
    return 1;
}

int CSenderFormDlg::InitFinish()
{
    CenterWindow();
    return 1;
}

void CSenderFormDlg::OnClickButton(int index)
{
    if (index == m_nOk)
        OnOK();
    else if (index == m_nCancel)
        OnCancel();
}

int CSenderFormDlg::Px(int design) { return morv::Scale(design); }

CRect CSenderFormDlg::Scaled(int left, int top, int right, int bottom)
{
    return {Px(left), Px(top), Px(right), Px(bottom)};
}

void CSenderFormDlg::AddTitle(int index, const std::string& key, const std::string& section, int width)
{
    m_nTitle = index;
    AddKeyedControl(index, EMorvControlKind::Title, key, section,
                    Scaled(kTitleLeft, 0, width - kTitleLeft, kTitleHeight));
    SetWindowText(GetControlText(index));
}

void CSenderFormDlg::AddRowLabel(int index, const std::string& key, const std::string& section, int left, int width,
                                 int top)
{
    const int labelTop = top + (kFieldHeight - kLabelHeight) / 2;
    AddKeyedControl(index, EMorvControlKind::Label, key, section,
                    Scaled(left, labelTop, left + width, labelTop + kLabelHeight));
}

CMorvEditEx* CSenderFormDlg::AddRowEdit(int index, EMorvControlKind kind, int left, int width, int top)
{
    AddControl(index, kind, Scaled(left, top, left + width, top + kFieldHeight), {},
               kEditIdBase + static_cast<UINT>(index));
    return GetEdit(index);
}

void CSenderFormDlg::AddButtonsAndSize(int okIndex, int cancelIndex, int width, int top)
{
    m_nOk = okIndex;
    m_nCancel = cancelIndex;
    int right = width - kRightMargin;
    AddKeyedControl(okIndex, EMorvControlKind::Button, "OK", "Common",
                    Scaled(right - kButtonWidth, top, right, top + kButtonHeight))
        .nStyle
        = ButtonPrimary;
    if (cancelIndex >= 0) {
        right -= kButtonWidth + kButtonSpacing;
        AddKeyedControl(cancelIndex, EMorvControlKind::Button, "Cancel", "Common",
                        Scaled(right - kButtonWidth, top, right, top + kButtonHeight));
    }
    SetWindowPos(0, 0, Px(width), Px(top + kButtonHeight + kBottomMargin), SWP_NOMOVE | SWP_NOZORDER);
}

void CSenderFormDlg::Warn(const std::string& text)
{
    MsgBox(this, text, m_nTitle >= 0 ? GetControlText(m_nTitle) : std::string{}, MB_OK | MB_ICONWARNING, 0,
           kMessageIconStyle);
}

void CSenderFormDlg::FocusEdit(int index)
{
    const SMorvControl* control = GetControl(index);
    if (!control)
        return;
    SetFocusTo(control->nDlgItemId);
    if (CMorvEditEx* edit = GetEdit(index))
        edit->SetSel(0, -1);
}
