#pragma once
// CMailSenderDlg: the account alert mail is sent from (address, password,
// SMTP server, SSL, port). It shows the host's record and stores into it
// directly, and only the fields the user changed.
#include "platform/geometry.h"
#include "settings/mail_account.h"
#include "settings/mail_form_dlg.h"

class CMailSenderDlg : public CMailFormDlg {
public:
    // Control indices.
    enum {
        kTitle = 0,
        kAddressLabel = 1,
        kAddressEdit = 2,
        kPasswordLabel = 3,
        kPasswordEdit = 4,
        kSmtpLabel = 5,
        kSmtpEdit = 6,
        kSslLabel = 7,
        kSslCheck = 8,
        kPortLabel = 9,
        kPortEdit = 10,
        kOk = 11,
        kCancel = 12,
        kDefault = 13,
    };

    // x, y: where the dialog opens, in the parent's client coordinates.
    CMailSenderDlg(int x, int y, CWnd* pParent);

protected:
    int InitControls() override;
    int InitFinish() override;
    void OnClickButton(int index) override;
    // Enter and the OK button: check and store; the dialog stays open on
    // an address or port it cannot take.
    void OnOK() override;

private:
    void PlaceDialog();
    void ShowHostAccount();
    void ShowAccount(const SMailAccountFields& fields);
    SMailAccountFields ReadAccount() const;
    void RestoreDefaultAccount();

    CPoint m_ptOpenAt;
    // The fields as last shown: a field the user left as it was is not taken.
    SMailAccountFields m_shown;
};
