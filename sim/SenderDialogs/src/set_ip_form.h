#pragma once
// CSetIPForm: one row per sender with its IPv4 address. OK checks every
// editable row (a dotted address, none twice, none that another sender
// holds), reports the first fault and keeps the form open, or ends the
// dialog with 1. A read-only form shows the addresses and only closes (2).
#include "address_rules.h"
#include "sender_form_dlg.h"

#include <cstdint>
#include <vector>

class CSetIPForm : public CSenderFormDlg {
public:
    // Control indices; row r has its label at LabelIndex(r), its edit at EditIndex(r).
    enum { kTitle = 0, kHint = 1, kOk = 2, kCancel = 3, kFirstRow = 10 };
    static int LabelIndex(int row) { return kFirstRow + 2 * row; }
    static int EditIndex(int row) { return kFirstRow + 2 * row + 1; }
    // Rows stand in columns of this many.
    static constexpr int kRowsPerColumn = 10;

    // taken: addresses of senders without a row, which no row may take.
    CSetIPForm(std::vector<senderdlg::SAddressRow> rows, std::vector<senderdlg::SAddressEntry> taken, bool readOnly,
               CWnd* pParent);

    // After OK: the address of each editable row, in row order.
    const std::vector<uint32_t>& GetAddresses() const { return m_addresses; }

protected:
    int InitControls() override;
    // Enter and the OK button.
    void OnOK() override;

private:
    void Report(const senderdlg::SAddressCheck& check);

    std::vector<senderdlg::SAddressRow> m_rows;
    std::vector<senderdlg::SAddressEntry> m_taken;
    bool m_bReadOnly;
    std::vector<uint32_t> m_addresses;
};
