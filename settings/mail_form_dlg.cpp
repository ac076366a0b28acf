#include "settings/mail_form_dlg.h"

#include "host/vistrano_language.h"
#include "module/app_message.h"
#include "module/module_globals.h"

namespace {

// Design lengths.
constexpr int kWidth = 520;
constexpr int kTitleLeft = 20;
constexpr int kTitleHeight = 44;
constexpr int kLabelLeft = 50;
constexpr int kLabelWidth = 100;
constexpr int kLabelHeight = 22;
constexpr int kFieldLeft = kLabelLeft + kLabelWidth + 20;
constexpr int kFieldWidth = 300;
constexpr int kFieldHeight = 24;
constexpr int kFirstRowTop = 56;
constexpr int kRowPitch = 36;
constexpr int kButtonsGap = 8;
constexpr int kButtonWidth = 80;
constexpr int kWideButtonWidth = 120;
constexpr int kButtonHeight = 24;
constexpr int kButtonSpacing = 10;
constexpr int kBottomMargin = 20;

CRect Scaled(int left, int top, int right, int bottom) { return {Px(left), Px(top), Px(right), Px(bottom)}; }

int RowTop(int row) { return kFirstRowTop + row * kRowPitch; }
int ButtonsTop(int rows) { return RowTop(rows) + kButtonsGap; }

} // namespace

CMailFormDlg::CMailFormDlg(UINT templateId, CWnd* pParent) : CMorvBaseDlg(templateId, pParent)
{
    SetLanguageLookup(GetLanguageString);
}

int CMailFormDlg::OnSetBaseDlgInfo()
{
    SetBaseDlgInfo(1, 0);
    return 1;
}

void CMailFormDlg::AddTitle(int index, const std::string& key)
{
    AddKeyedControl(index, EMorvControlKind::Title, key, "Monitoring",
                    Scaled(kTitleLeft, 0, kWidth - kTitleLeft, kTitleHeight));
    SetWindowText(GetControlText(index));
}

void CMailFormDlg::AddRow(int labelIndex, int fieldIndex, EMorvControlKind kind, const std::string& key,
                          const std::string& section, int row)
{
    const int top = RowTop(row);
    const int labelTop = top + (kFieldHeight - kLabelHeight) / 2;
    AddKeyedControl(labelIndex, EMorvControlKind::Label, key, section,
                    Scaled(kLabelLeft, labelTop, kLabelLeft + kLabelWidth, labelTop + kLabelHeight));
    const bool check = kind == EMorvControlKind::CheckBox;
    const int right = kFieldLeft + (check ? kFieldHeight : kFieldWidth);
    AddControl(fieldIndex, kind, Scaled(kFieldLeft, top, right, top + kFieldHeight), {},
               check ? 0 : kEditIdBase + static_cast<UINT>(fieldIndex));
}

void CMailFormDlg::AddButton(int index, const std::string& key, const std::string& section, int rows, int slot,
                             bool primary)
{
    const int right = kFieldLeft + kFieldWidth - slot * (kButtonWidth + kButtonSpacing);
    const int top = ButtonsTop(rows);
    AddKeyedControl(index, EMorvControlKind::Button, key, section,
                    Scaled(right - kButtonWidth, top, right, top + kButtonHeight))
        .nStyle
        = primary ? ButtonPrimary : ButtonNormal;
}

void CMailFormDlg::AddWideButton(int index, const std::string& key, const std::string& section, int rows)
{
    const int top = ButtonsTop(rows);
    AddKeyedControl(index, EMorvControlKind::Button, key, section,
                    Scaled(kLabelLeft, top, kLabelLeft + kWideButtonWidth, top + kButtonHeight));
}

void CMailFormDlg::SizeToRows(int rows)
{
    SetWindowPos(0, 0, Px(kWidth), Px(ButtonsTop(rows) + kButtonHeight + kBottomMargin), SWP_NOMOVE | SWP_NOZORDER);
}

void CMailFormDlg::ShowMessage(int titleIndex, const std::string& key)
{
    AppMessageBox(this, GetLanguageString(key, "Monitoring"), MB_OK, GetControlText(titleIndex));
}
