#include "settings/mail_receiver_dlg.h"

#include "settings/address_patterns.h"

namespace {

constexpr UINT kMailReceiverTemplate = 2022;
constexpr int kRows = 2;

} // namespace

CMailReceiverDlg::CMailReceiverDlg(int nMode, std::string& strName, std::string& strAddress, CWnd* pParent)
    : CMailFormDlg(kMailReceiverTemplate, pParent), m_nMode(nMode), m_strName(strName), m_strAddress(strAddress)
{}

int CMailReceiverDlg::InitControls()
{
    AddTitle(kTitle, m_nMode == kModify ? "EmailReceiverDlg_ModifyTitle" : "EmailReceiverDlg_AddTitle");
    AddRow(kNameLabel, kNameEdit, EMorvControlKind::Edit, "EmailReceiverDlg_Name", "Monitoring", 0);
    AddRow(kAddressLabel, kAddressEdit, EMorvControlKind::Edit, "EmailReceiverDlg_Address", "Monitoring", 1);
    AddButton(kOk, "OK", "Common", kRows, 1, true);
    AddButton(kCancel, "Cancel", "Common", kRows, 0, false);
    SizeToRows(kRows);
    SetControlText(kNameEdit, m_strName);
    SetControlText(kAddressEdit, m_strAddress);
    return 1;
}

int CMailReceiverDlg::InitFinish()
{
    CenterWindow();
    return 1;
}

void CMailReceiverDlg::OnOK()
{
    const std::string address = GetControlText(kAddressEdit);
    if (!IsValidRecipientAddress(address)) {
        ShowMessage(kTitle, "EmailReceiverDlg_Legal");
        return;
    }
    m_strAddress = address;
    m_strName = GetControlText(kNameEdit);
    EndDialog(IDOK);
}

void CMailReceiverDlg::OnClickButton(int index)
{
    if (index == kOk)
        OnOK();
    else if (index == kCancel)
        OnCancel();
}
