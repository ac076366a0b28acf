#include "add_sender_form.h"

#include "count_rules.h"

#include "controls/edit.h"
#include "controls/skin.h"
#include "host/vistrano_language.h"
#include "platform/format.h"

#include <string>

namespace {

constexpr UINT kAddSenderTemplate = 2101;

// Design lengths.
constexpr int kWidth = 420;
constexpr int kLabelLeft = 40;
constexpr int kLabelWidth = 140;
constexpr int kEditLeft = kLabelLeft + kLabelWidth + 12;
constexpr int kEditWidth = 90;
constexpr int kHintLeft = kEditLeft + kEditWidth + 10;
constexpr int kHintWidth = 90;
constexpr int kFirstRowTop = 60;
constexpr int kButtonsGap = 16;

} // namespace

CAddSenderForm::CAddSenderForm(int maxSenders, int maxPorts, int initialPorts, CWnd* pParent)
    : CSenderFormDlg(kAddSenderTemplate, pParent), m_nMaxSenders(maxSenders), m_nMaxPorts(maxPorts),
      m_nInitialPorts(initialPorts)
{}

int CAddSenderForm::InitControls()
{
    AddTitle(kTitle, "CustomAdd", "Common", kWidth);
    AddCountRow(0, kCountLabel, kCountEdit, kCountHint, "AddSender_Count", m_nMaxSenders, 1);
    AddCountRow(1, kPortLabel, kPortEdit, kPortHint, "AddSender_Ports", m_nMaxPorts, m_nInitialPorts);
    AddButtonsAndSize(kOk, kCancel, kWidth, kFirstRowTop + 2 * kRowPitch + kButtonsGap);
    FocusEdit(kCountEdit);
    return 1;
}

void CAddSenderForm::AddCountRow(int row, int label, int edit, int hint, const char* key, int max, int initial)
{
    const int top = kFirstRowTop + row * kRowPitch;
    AddRowLabel(label, key, kSection, kLabelLeft, kLabelWidth, top);
    if (CMorvEditEx* field = AddRowEdit(edit, EMorvControlKind::NumericEdit, kEditLeft, kEditWidth, top)) {
        field->SetEditMode(EEditMode::Integer);
        field->SetStepValue(1, initial, max, 1);
        field->SetText(std::to_string(initial));
    }
    AddRowLabel(hint, "AddSender_Hint", kSection, kHintLeft, kHintWidth, top);
    SetControlKey(hint, "AddSender_Hint", kSection, {}, {max});
    SetControlTextColor(hint, CMorvSkin::Instance().GetColors().clrOfflineText);
}

int CAddSenderForm::TakeCount(int edit, const char* rangeKey, int max)
{
    const std::optional<int> value = senderdlg::ParseCount(GetControlText(edit), 1, max);
    if (value)
        return *value;
    Warn(plat::Format(GetLanguageString(rangeKey, kSection), max));
    FocusEdit(edit);
    return 0;
}

void CAddSenderForm::OnOK()
{
    const int senders = TakeCount(kCountEdit, "AddSender_CountRange", m_nMaxSenders);
    if (senders == 0)
        return;
    const int ports = TakeCount(kPortEdit, "AddSender_PortRange", m_nMaxPorts);
    if (ports == 0)
        return;
    m_nSenders = senders;
    m_nPorts = ports;
    EndDialog(IDYES);
}
