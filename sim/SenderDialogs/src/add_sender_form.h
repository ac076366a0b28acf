#pragma once
// CAddSenderForm: asks how many senders to add and how many ports each
// has. OK checks both numbers against their bounds and ends the dialog
// with 6 (yes); a number out of bounds is reported and the form stays.
#include "sender_form_dlg.h"

class CAddSenderForm : public CSenderFormDlg {
public:
    // Control indices.
    enum {
        kTitle = 0,
        kCountLabel = 1,
        kCountEdit = 2,
        kCountHint = 3,
        kPortLabel = 4,
        kPortEdit = 5,
        kPortHint = 6,
        kOk = 7,
        kCancel = 8,
    };

    // Sender counts 1..maxSenders, port counts 1..maxPorts; the edits start
    // at 1 sender and initialPorts ports.
    CAddSenderForm(int maxSenders, int maxPorts, int initialPorts, CWnd* pParent);

    // What was confirmed; 0 until OK accepted the numbers.
    int GetSenderCount() const { return m_nSenders; }
    int GetPortCount() const { return m_nPorts; }

protected:
    int InitControls() override;
    // Enter and the OK button.
    void OnOK() override;

private:
    void AddCountRow(int row, int label, int edit, int hint, const char* key, int max, int initial);
    // The edit's number within 1..max, or 0 after telling the user.
    int TakeCount(int edit, const char* rangeKey, int max);

    int m_nMaxSenders;
    int m_nMaxPorts;
    int m_nInitialPorts;
    int m_nSenders = 0;
    int m_nPorts = 0;
};
