#pragma once
// CMainSettingDlg: the long page of the monitoring settings, stacking the
// general, sender, receiver and e-mail sections, inside the settings frame
// (CMainSettingFrameDlg). It edits a working copy of the host's settings
// read when it is made; the caller stores that copy after the frame closes
// (settings/settings_store.h). Recipient changes, the sending account and
// the video-input check forced on for a fibre sender are stored in the
// host at once; each of those is written alone into the host's record, and
// the working copy follows, so nothing else the user is still editing is
// stored early and nothing stored is taken back at the close.
//
// To the frame it sends kMsgWheel for a wheel turn over the page (while no
// edit had the focus at the last mouse move) and kMsgHeightChanged when the
// page grew or shrank.
#include "controls/base_dlg.h"
#include "host/vistrano_settings.h"
#include "settings/setting_page_layout.h"

class CMainSettingDlg : public CMorvBaseDlg {
public:
    static constexpr UINT kMsgWheel = 0x1D00;
    static constexpr UINT kMsgHeightChanged = 0x1D01;

    // fiber: the current sender is a fibre sender (no video-input row, no
    // receiver section, the video-input check forced on).
    explicit CMainSettingDlg(bool fiber);

    // Lays the page out at a scroll offset (0 at the top, negative below).
    void LayoutPage(int offset);
    int GetOffset() const { return m_nOffset; }
    int GetPageHeight() const { return m_layout.nHeight; }
    const setting_page::SPageLayout& GetLayout() const { return m_layout; }

    // Brings what is typed in the edits into the working copy, each edit
    // showing the value it now holds.
    void CommitEdits();
    // Copies the working copy into the caller's record.
    void GetInterfaceData(CMonitorInterfaceData& out) const;

    // Re-reads every text, the recipient table's headers too.
    int SetLanguage() override;

protected:
    int InitControls() override;
    int InitFinish() override;
    void OnClickCheck(int index) override;
    void OnClickLabel(int index) override;
    void OnClickButton(int index) override;
    void OnClickTableRow(int index, int row) override;
    void OnEditChange(UINT id) override;
    void OnEditKillFocus(UINT id) override;
    bool PreTranslateMessage(MSG* msg) override;

private:
    void AddControls();
    void ShowWorkingCopy();
    void ShowEdit(int index);
    void ShowDependents(int box);
    void BoxChanged(int box);
    void RebuildTable();
    void SelectRecipient(int row);
    void TellFrame(UINT message, WPARAM wParam = 0);

    void AddRecipient();
    void DeleteRecipient();
    void ModifyRecipient();
    void OpenSendingAccount();
    void SendTestMail();
    void StoreRecipients();
    // Stored, laid out again, and the frame told of the new height.
    void RecipientCountChanged();
    bool HasSelection() const;
    // A message of the e-mail section.
    void ShowMessage(const std::string& text);

    bool m_bFiber;
    bool m_bFahrenheit;
    bool m_bChinese;
    CMonitorInterfaceData m_data; // the working copy
    setting_page::SPageLayout m_layout;
    int m_nOffset = 0;
    int m_nSelected = -1;
    int m_nFilling = 0;              // the page itself is writing its edits
    bool m_bEditFocusAtMove = false; // an edit had the focus at the last mouse move
};
