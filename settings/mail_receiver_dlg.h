#pragma once
// CMailReceiverDlg: one recipient of the alert mail, added or modified.
// It edits the caller's name and address and writes them back only when
// OK finds a valid address.
#include "settings/mail_form_dlg.h"

#include <string>

class CMailReceiverDlg : public CMailFormDlg {
public:
    enum EMode { kAdd = 0, kModify = 1 };
    // Control indices.
    enum { kTitle = 0, kNameLabel = 1, kNameEdit = 2, kAddressLabel = 3, kAddressEdit = 4, kOk = 5, kCancel = 6 };

    // The edits start with the caller's strings; after OK (1) they hold
    // what was entered, after Cancel (2) they are as they were.
    CMailReceiverDlg(int nMode, std::string& strName, std::string& strAddress, CWnd* pParent);

protected:
    int InitControls() override;
    int InitFinish() override;
    void OnClickButton(int index) override;
    // Enter and the OK button.
    void OnOK() override;

private:
    int m_nMode;
    std::string& m_strName;
    std::string& m_strAddress;
};
