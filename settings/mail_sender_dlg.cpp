#include "settings/mail_sender_dlg.h"

#include "controls/edit.h"
#include "host/vistrano_monitor.h"
#include "module/host_notify.h"
#include "module/module_globals.h"
#include "settings/mail_account.h"

namespace {

constexpr UINT kMailSenderTemplate = 2021;
constexpr int kRows = 5;

} // namespace

CMailSenderDlg::CMailSenderDlg(int x, int y, CWnd* pParent)
    : CMailFormDlg(kMailSenderTemplate, pParent), m_ptOpenAt{x, y}
{}

int CMailSenderDlg::InitControls()
{
    AddTitle(kTitle, "EmailSenderDlg_Title");
    AddRow(kAddressLabel, kAddressEdit, EMorvControlKind::Edit, "EmailSenderDlg_Address", "Monitoring", 0);
    AddRow(kPasswordLabel, kPasswordEdit, EMorvControlKind::Edit, "EmailSenderDlg_Password", "Monitoring", 1);
    AddRow(kSmtpLabel, kSmtpEdit, EMorvControlKind::Edit, "EmailSenderDlg_SMTP", "Monitoring", 2);
    AddRow(kSslLabel, kSslCheck, EMorvControlKind::CheckBox, "EmailSenderDlg_SSL", "Monitoring", 3);
    AddRow(kPortLabel, kPortEdit, EMorvControlKind::NumericEdit, "IP_Port", "Common", 4);
    AddButton(kOk, "OK", "Common", kRows, 1, true);
    AddButton(kCancel, "Cancel", "Common", kRows, 0, false);
    AddWideButton(kDefault, "EmailSenderDlg_Default", "Monitoring", kRows);
    SizeToRows(kRows);

    GetEdit(kPasswordEdit)->SetPassword(true);
    // The port edit takes digits only, up to the largest port.
    SEditRules& port = GetControl(kPortEdit)->editRules;
    port.dMin = kMinMailPort;
    port.dMax = kMaxMailPort;
    port.dBase = kDefaultMailPort;
    UpdateControl(kPortEdit);
    return 1;
}

int CMailSenderDlg::InitFinish()
{
    PlaceDialog();
    ShowHostAccount();
    return 1;
}

void CMailSenderDlg::PlaceDialog()
{
    CPoint at = m_ptOpenAt;
    if (CWnd* owner = GetOwner(); owner && owner->IsWindow())
        owner->ClientToScreen(at);
    // Kept on the screen when the corner it opens at is near an edge.
    const CRect own = GetWindowRect();
    at = plat::KeepOnWorkArea(at, {own.Width(), own.Height()});
    SetWindowPos(at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CMailSenderDlg::ShowHostAccount()
{
    // The host's record, the one OK writes to: the page state's copy is
    // refreshed only by monitoring rounds and would show an older account
    // while monitoring is off.
    CMonitorInterfaceData data;
    g_pMonitorData->GetInterfaceData(data);
    ShowAccount(MailAccountFieldsOf(data.emailSetting));
}

void CMailSenderDlg::ShowAccount(const SMailAccountFields& fields)
{
    SetControlText(kAddressEdit, fields.strAddress);
    SetControlText(kPasswordEdit, fields.strPassword);
    SetControlText(kSmtpEdit, fields.strSmtp);
    SetControlText(kPortEdit, fields.strPort);
    SetCheck(kSslCheck, fields.bSSL);
    // What the edits really show (an edit may hold less than it was given)
    // is what the user's changes are told from.
    m_shown = ReadAccount();
}

SMailAccountFields CMailSenderDlg::ReadAccount() const
{
    SMailAccountFields fields;
    fields.strAddress = GetControlText(kAddressEdit);
    fields.strPassword = GetControlText(kPasswordEdit);
    fields.strSmtp = GetControlText(kSmtpEdit);
    fields.strPort = GetControlText(kPortEdit);
    fields.bSSL = GetCheck(kSslCheck);
    return fields;
}

void CMailSenderDlg::OnOK()
{
    CMonitorInterfaceData data;
    g_pMonitorData->GetInterfaceData(data);
    switch (TakeMailAccount(m_shown, ReadAccount(), data.emailSetting)) {
    case EMailAccountResult::InvalidAddress: ShowMessage(kTitle, "EmailReceiverDlg_Legal"); return;
    case EMailAccountResult::InvalidPort:
        // The edit takes digits only; what is left to refuse is an empty
        // port or 0: the user is told, and the port edit gets the focus.
        ShowMessage(kTitle, "EmailSenderDlg_Port");
        SetFocusTo(kEditIdBase + kPortEdit);
        return;
    case EMailAccountResult::Taken: StoreMonitorRecord(data); break;
    case EMailAccountResult::Unchanged: break;
    }
    EndDialog(IDOK);
}

void CMailSenderDlg::RestoreDefaultAccount()
{
    CMonitorInterfaceData data;
    g_pMonitorData->GetInterfaceData(data);
    SetDefaultMailAccount(data.emailSetting);
    // A stored change is a change of the project, as through OK.
    StoreMonitorRecord(data);
    ShowHostAccount();
}

void CMailSenderDlg::OnClickButton(int index)
{
    switch (index) {
    case kOk: OnOK(); break;
    case kCancel: OnCancel(); break;
    case kDefault: RestoreDefaultAccount(); break;
    default: break;
    }
}
