#include "video/signal_format_set_dlg.h"

#include "controls/density.h"
#include "controls/edit.h"
#include "controls/msg_box.h"
#include "host/vistrano_language.h"
#include "module/module_globals.h"
#include "platform/format.h"
#include "platform/shell.h"
#include "video/signal_format.h"

namespace {

constexpr UINT kSignalFormatTemplate = 2023;

// Design lengths: one line of edits and their marks, the buttons under it.
constexpr int kMargin = 20;
constexpr int kTitleHeight = 40;
constexpr int kLineTop = kTitleHeight + 15;
constexpr int kLineHeight = 24;
constexpr int kGap = 5;
constexpr int kNumberWidth = 60; // width and height
constexpr int kRefreshWidth = 80;
constexpr int kMarkWidth = 20;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
constexpr int kButtonSpacing = 10;
constexpr int kButtonsTop = kLineTop + kLineHeight + kMargin;
constexpr int kBottomMargin = 15;
constexpr int kLineWidth = 2 * kNumberWidth + kRefreshWidth + 3 * kMarkWidth + 5 * kGap;
constexpr int kWidth = kMargin + kLineWidth + kMargin;
constexpr int kHeight = kButtonsTop + kButtonHeight + kBottomMargin;
constexpr int kMessageIconStyle = 5;

// The edits in their order, with their windows' ids and bounds.
struct SNumberEdit {
    int nIndex;
    UINT nId;
    const SSignalBounds& bounds;
};
const SNumberEdit kNumberEdits[] = {
    {CSignalFormatSetDlg::kWidthEdit, CSignalFormatSetDlg::kWidthEditId, kWidthBounds},
    {CSignalFormatSetDlg::kHeightEdit, CSignalFormatSetDlg::kHeightEditId, kHeightBounds},
    {CSignalFormatSetDlg::kRefreshEdit, CSignalFormatSetDlg::kRefreshEditId, kRefreshBounds},
};

CRect Scaled(int left, int top, int right, int bottom) { return {Px(left), Px(top), Px(right), Px(bottom)}; }

bool HoldsNumber(const std::string& text) { return text.find_first_of("0123456789") != std::string::npos; }

} // namespace

CSignalFormatSetDlg::CSignalFormatSetDlg(const std::string& strFormat, CWnd* pParent)
    : CMorvBaseDlg(kSignalFormatTemplate, pParent), m_strFormat(strFormat)
{
    SetLanguageLookup(GetLanguageString);
}

int CSignalFormatSetDlg::OnSetBaseDlgInfo()
{
    SetBaseDlgInfo(1, 0);
    return 1;
}

void CSignalFormatSetDlg::AddNumberEdit(int index, UINT id, int left, int width, const SSignalBounds& bounds,
                                        double base)
{
    SMorvControl& edit = AddControl(index, EMorvControlKind::NumericEdit,
                                    Scaled(left, kLineTop, left + width, kLineTop + kLineHeight), {}, id);
    SEditRules& rules = edit.editRules;
    rules.eMode = bounds.nDecimals > 0 ? EEditMode::Decimal : EEditMode::Integer;
    rules.nDecimals = bounds.nDecimals;
    rules.dMin = bounds.dMin;
    rules.dBase = base;
    rules.dMax = bounds.dMax;
    rules.dStep = 1.0;
    // The edit window takes the mode, then the bounds and step (SetStepValue).
    UpdateControl(index);
}

void CSignalFormatSetDlg::AddMark(int index, const char* text, int left)
{
    AddControl(index, EMorvControlKind::Label, Scaled(left, kLineTop, left + kMarkWidth, kLineTop + kLineHeight), text)
        .nAlign
        = AlignCenter;
}

int CSignalFormatSetDlg::InitControls()
{
    AddKeyedControl(kTitle, EMorvControlKind::Title, "Title", "Monitoring",
                    Scaled(kMargin, 0, kWidth - kMargin, kTitleHeight));
    SetWindowText(GetControlText(kTitle));

    // The line from the left: each entry as wide as given, kGap apart.
    int left = kMargin;
    auto next = [&left](int width) {
        const int at = left;
        left += width + kGap;
        return at;
    };
    AddNumberEdit(kWidthEdit, kWidthEditId, next(kNumberWidth), kNumberWidth, kWidthBounds, 1920);
    AddMark(kTimesLabel, "x", next(kMarkWidth));
    AddNumberEdit(kHeightEdit, kHeightEditId, next(kNumberWidth), kNumberWidth, kHeightBounds, 1080);
    AddMark(kAtLabel, "@", next(kMarkWidth));
    AddNumberEdit(kRefreshEdit, kRefreshEditId, next(kRefreshWidth), kRefreshWidth, kRefreshBounds, 60.0);
    AddMark(kHzLabel, "Hz", next(kMarkWidth));

    const int right = kWidth - kMargin;
    AddKeyedControl(kCancel, EMorvControlKind::Button, "Cancel", "Common",
                    Scaled(right - kButtonWidth, kButtonsTop, right, kButtonsTop + kButtonHeight));
    AddKeyedControl(kOk, EMorvControlKind::Button, "OK", "Common",
                    Scaled(right - 2 * kButtonWidth - kButtonSpacing, kButtonsTop,
                           right - kButtonWidth - kButtonSpacing, kButtonsTop + kButtonHeight));
    SetWindowPos(0, 0, Px(kWidth), Px(kHeight), SWP_NOMOVE | SWP_NOZORDER);
    return 1;
}

int CSignalFormatSetDlg::InitFinish()
{
    FillEdits();
    CenterWindow();
    return 1;
}

void CSignalFormatSetDlg::FillEdits()
{
    const std::optional<SSignalFormat> format = ParseSignalFormat(m_strFormat);
    if (!format)
        return;
    const SSignalEditTexts texts = SignalEditTextsOf(*format);
    SetControlText(kWidthEdit, texts.strWidth);
    SetControlText(kHeightEdit, texts.strHeight);
    SetControlText(kRefreshEdit, texts.strRefresh);
    GetControl(kOk)->nStyle = ButtonPrimary;
    InvalidateControl(kOk);
}

void CSignalFormatSetDlg::OnOK()
{
    // Enter while typing ends the typing too.
    SetFocusTo(kFocusSinkId);
    for (const SNumberEdit& edit : kNumberEdits)
        if (!CheckEdit(edit.nIndex, edit.nId, edit.bounds))
            return;
    m_strFormat
        = FormSignalText(GetEdit(kWidthEdit)->GetInt(), GetEdit(kHeightEdit)->GetInt(), GetControlText(kRefreshEdit));
    EndDialog(IDOK);
}

bool CSignalFormatSetDlg::CheckEdit(int index, UINT id, const SSignalBounds& bounds)
{
    // An edit left without a number would give a format nothing can
    // match ("0x0@Hz"): it gets the focus to be filled instead.
    if (!HoldsNumber(GetControlText(index))) {
        SetFocusTo(id);
        return false;
    }
    // A value filled from the incoming text ("1920x1080@0.00Hz") was never
    // typed, so no leaving of the edit brought it into bounds: it is
    // brought there now, shown, and said, before an OK can store it.
    CMorvEditEx* edit = GetEdit(index);
    if (IsWithinBounds(edit->GetDouble(), bounds))
        return true;
    edit->Normalize();
    SetFocusTo(id);
    const SEditRules& rules = edit->GetRules();
    const std::string text
        = plat::Format(GetLanguageString("SignalFormat_OutOfRange", "Monitoring"),
                       morv::FormatEditNumber(rules.dMin, rules), morv::FormatEditNumber(rules.dMax, rules));
    MsgBox(this, text, plat::GetApplicationTitle(), MB_OK, 0, kMessageIconStyle);
    return false;
}

void CSignalFormatSetDlg::OnClickButton(int index)
{
    // Ends the typing in an edit first, which brings its value into bounds.
    SetFocusTo(kFocusSinkId);
    if (index == kOk)
        OnOK();
    else if (index == kCancel)
        OnCancel();
}
