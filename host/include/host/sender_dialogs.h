#pragma once
// The host's sender dialogs: adding several senders at once, and setting
// sender addresses without hardware.
#include "host/host_api.h"

#include <memory>

class CWnd;

// Asks how many senders to add and how many ports each has.
class HOST_API CCustomAddSenderDlg {
public:
    explicit CCustomAddSenderDlg(CWnd* parent);
    ~CCustomAddSenderDlg();
    CCustomAddSenderDlg(const CCustomAddSenderDlg&) = delete;
    CCustomAddSenderDlg& operator=(const CCustomAddSenderDlg&) = delete;

    // Shows the dialog modally; 6 (yes) when the user confirmed.
    int DoModal();
    // What the user entered; valid after DoModal answered 6.
    int GetSenderCount() const;
    int GetPortCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Sets the address of the senders from `firstSender` (1-based) on, before
// they are connected.
class HOST_API CSetIPOfflineDlg {
public:
    CSetIPOfflineDlg(int firstSender, int senderCount, int editExisting, int readOnly, CWnd* parent);
    ~CSetIPOfflineDlg();
    CSetIPOfflineDlg(const CSetIPOfflineDlg&) = delete;
    CSetIPOfflineDlg& operator=(const CSetIPOfflineDlg&) = delete;

    // Shows the dialog modally; 1 when the addresses were set.
    int DoModal();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
