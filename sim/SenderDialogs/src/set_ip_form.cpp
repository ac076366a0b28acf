#include "set_ip_form.h"

#include "controls/edit.h"
#include "host/vistrano_language.h"
#include "platform/format.h"

#include <algorithm>
#include <string>

namespace {

constexpr UINT kSetIPTemplate = 2102;

// Design lengths.
constexpr int kMinWidth = 420;
constexpr int kLeft = 40;
constexpr int kLabelWidth = 96;
constexpr int kEditLeft = kLabelWidth + 8;
constexpr int kEditWidth = 150;
constexpr int kColumnPitch = kEditLeft + kEditWidth + 30;
constexpr int kRightMargin = 24;
constexpr int kHintTop = 46;
constexpr int kFirstRowTop = 84;
constexpr int kButtonsGap = 16;
// The longest dotted address.
constexpr int kAddressChars = 15;

} // namespace

CSetIPForm::CSetIPForm(std::vector<senderdlg::SAddressRow> rows, std::vector<senderdlg::SAddressEntry> taken,
                       bool readOnly, CWnd* pParent)
    : CSenderFormDlg(kSetIPTemplate, pParent), m_rows(std::move(rows)), m_taken(std::move(taken)), m_bReadOnly(readOnly)
{}

int CSetIPForm::InitControls()
{
    const int count = static_cast<int>(m_rows.size());
    const int columns = std::max(1, (count + kRowsPerColumn - 1) / kRowsPerColumn);
    const int rowsShown = std::min(count, kRowsPerColumn);
    const int width = std::max(kMinWidth, kLeft + columns * kColumnPitch - 30 + kRightMargin);

    AddTitle(kTitle, "SetIP_Title", kSection, width);
    AddRowLabel(kHint, m_bReadOnly ? "SetIP_HintReadOnly" : "SetIP_Hint", kSection, kLeft, width - kLeft - kRightMargin,
                kHintTop);
    for (int r = 0; r < count; ++r) {
        const senderdlg::SAddressRow& row = m_rows[static_cast<std::size_t>(r)];
        const int left = kLeft + (r / kRowsPerColumn) * kColumnPitch;
        const int top = kFirstRowTop + (r % kRowsPerColumn) * kRowPitch;
        AddRowLabel(LabelIndex(r), "Sender", "Common", left, kLabelWidth, top);
        SetControlKey(LabelIndex(r), "Sender", "Common", std::to_string(row.nSender));
        if (CMorvEditEx* edit = AddRowEdit(EditIndex(r), EMorvControlKind::Edit, left + kEditLeft, kEditWidth, top))
            edit->SetLimitText(kAddressChars);
        SetControlText(EditIndex(r), row.strAddress);
        EnableControl(EditIndex(r), row.bEditable);
    }
    AddButtonsAndSize(kOk, m_bReadOnly ? -1 : kCancel, width, kFirstRowTop + rowsShown * kRowPitch + kButtonsGap);
    const auto first = std::find_if(m_rows.begin(), m_rows.end(), [](const auto& r) { return r.bEditable; });
    if (first != m_rows.end())
        FocusEdit(EditIndex(static_cast<int>(first - m_rows.begin())));
    return 1;
}

void CSetIPForm::OnOK()
{
    if (m_bReadOnly) {
        OnCancel();
        return;
    }
    std::vector<senderdlg::SAddressEntry> entries;
    std::vector<senderdlg::SAddressEntry> taken = m_taken;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const senderdlg::SAddressRow& row = m_rows[r];
        if (row.bEditable)
            entries.push_back({row.nSender, GetControlText(EditIndex(static_cast<int>(r)))});
        else if (!row.strAddress.empty())
            taken.push_back({row.nSender, row.strAddress});
    }
    senderdlg::SAddressCheck check = senderdlg::CheckAddresses(entries, taken);
    if (check.eFault != senderdlg::EAddressFault::None) {
        Report(check);
        return;
    }
    m_addresses = std::move(check.addresses);
    EndDialog(IDOK);
}

void CSetIPForm::Report(const senderdlg::SAddressCheck& check)
{
    if (check.eFault == senderdlg::EAddressFault::Malformed)
        Warn(plat::Format(GetLanguageString("SetIP_Invalid", kSection), check.nSender));
    else
        Warn(plat::Format(GetLanguageString("SetIP_Duplicate", kSection), check.nSender, check.nOtherSender));
    FocusEdit(EditIndex(check.nSender - m_rows.front().nSender));
}
