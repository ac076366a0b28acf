#include "settings/main_setting_dlg.h"

#include "controls/edit.h"
#include "controls/msg_box.h"
#include "controls/skin.h"
#include "controls/time_edit.h"
#include "host/host_enums.h"
#include "host/vistrano_config.h"
#include "host/vistrano_label.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "module/host_notify.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "settings/mail_receiver_dlg.h"
#include "settings/mail_sender_dlg.h"
#include "settings/recipient_rules.h"
#include "settings/setting_edits.h"

#include <cmath>

using namespace setting_page;

namespace {

constexpr UINT kMainSettingTemplate = 2014;
constexpr int kChineseLanguage = 2052;
constexpr int kMessageIconStyle = 5;

bool IsMonitoring() { return g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(); }

// Reads the host's record, lets `change` write into it and stores what changed.
template <class Change>
void StoreInHost(Change change)
{
    CMonitorInterfaceData stored;
    g_pMonitorData->GetInterfaceData(stored);
    change(stored);
    StoreMonitorRecord(stored);
}

std::string Text(const char* key, const char* section = "Monitoring") { return GetLanguageString(key, section); }

} // namespace

CMainSettingDlg::CMainSettingDlg(bool fiber)
    : CMorvBaseDlg(kMainSettingTemplate, nullptr), m_bFiber(fiber),
      m_bFahrenheit(g_pConfigData && g_pConfigData->IsEnableFahrenheit()),
      m_bChinese(g_pConfigData && g_pConfigData->GetLanguageType() == kChineseLanguage)
{
    SetLanguageLookup(GetLanguageString);
    g_pMonitorData->GetInterfaceData(m_data);
    // A fibre sender has no video-input row: its check is always on.
    if (m_bFiber && !m_data.senderSetting.bVideoInputError) {
        m_data.senderSetting.bVideoInputError = 1;
        StoreInHost([](CMonitorInterfaceData& d) { d.senderSetting.bVideoInputError = 1; });
    }
}

int CMainSettingDlg::InitControls()
{
    ++m_nFilling;
    AddControls();
    --m_nFilling;
    return 1;
}

int CMainSettingDlg::InitFinish()
{
    LayoutPage(0);
    ShowWorkingCopy();
    return 1;
}

void CMainSettingDlg::AddControls()
{
    // The rows a fibre sender does not have are left out of the layout and so never made.
    m_layout = LayoutSettingPage({g_dDpiScale, m_bFiber, m_bChinese, 0, 0});
    for (const SSettingControl& c : SettingControls()) {
        if (!m_layout.rects.count(c.nIndex))
            continue;
        SMorvControl& control = c.pszKey ? AddKeyedControl(c.nIndex, c.eKind, c.pszKey, c.pszSection, {}, c.nItemId)
                                         : AddControl(c.nIndex, c.eKind, {}, c.pszText ? c.pszText : "", c.nItemId);
        if (c.pszSuffix || c.nFormatArg) {
            std::vector<plat::FormatArg> args;
            if (c.nFormatArg)
                args.emplace_back(c.nFormatArg);
            SetControlKey(c.nIndex, c.pszKey, c.pszSection, c.pszSuffix ? c.pszSuffix : "", std::move(args));
        }
        if (c.eKind == EMorvControlKind::TimeEdit) {
            control.nMinSeconds = kMinRefreshSeconds;
            control.nMaxSeconds = kMaxRefreshSeconds;
            UpdateControl(c.nIndex);
        }
    }
    for (const SSettingEdit& e : SettingEdits()) {
        if (SMorvControl* control = GetControl(e.nIndex)) {
            control->editRules = SettingEditRules(e.eValue, m_bFahrenheit, e.get(m_data));
            UpdateControl(e.nIndex);
        }
    }
    for (const SSettingBox& b : SettingBoxes()) {
        if (b.bRelabel && GetControl(b.nBox))
            LinkCheckLabel(b.nLabel, b.nBox);
    }
    if (m_bFahrenheit)
        SetControlText(kTemperatureUnit, "°F");
}

void CMainSettingDlg::LayoutPage(int offset)
{
    m_nOffset = offset;
    const int recipients = static_cast<int>(m_data.emailSetting.arrMail.size());
    m_layout = LayoutSettingPage({g_dDpiScale, m_bFiber, m_bChinese, recipients, offset});
    SetRedraw(false);
    for (const auto& [index, rect] : m_layout.rects)
        SetControlRect(index, rect);
    RebuildTable();
    SetRedraw(true);
    Invalidate();
}

void CMainSettingDlg::RebuildTable()
{
    // Shown from the working copy: it holds every recipient change the
    // moment it is stored, where the page state's copy waits for the next
    // monitoring round.
    SetTable(kRecipientTable,
             MakeRecipientTable(m_data.emailSetting.arrMail, Text("Common_Name", "Common"), Text("SidePanel_Form_Mail"),
                                m_layout.nRowHeight));
    if (m_nSelected > static_cast<int>(m_data.emailSetting.arrMail.size()))
        m_nSelected = -1;
    if (m_nSelected > 0)
        SelectRecipient(m_nSelected);
}

void CMainSettingDlg::ShowWorkingCopy()
{
    ++m_nFilling;
    for (const SSettingBox& b : SettingBoxes()) {
        if (!GetControl(b.nBox))
            continue;
        SetCheck(b.nBox, b.field(m_data) ? 1 : 0);
        ShowDependents(b.nBox);
    }
    for (const SSettingEdit& e : SettingEdits())
        ShowEdit(e.nIndex);
    if (CMorvTimeEdit* edit = GetTimeEdit(kRefreshEdit))
        edit->SetTotalSeconds(RefreshSecondsOf(m_data.nRefreshInterval));
    --m_nFilling;
}

void CMainSettingDlg::ShowEdit(int index)
{
    const SMorvControl* control = GetControl(index);
    const SSettingEdit* edit = control ? FindSettingEditByItem(control->nDlgItemId) : nullptr;
    if (!edit)
        return;
    ++m_nFilling;
    SetControlText(index, SettingEditText(*edit, m_data, m_bFahrenheit));
    --m_nFilling;
}

void CMainSettingDlg::ShowDependents(int box)
{
    const SSettingBox* b = FindSettingBox(box);
    if (!b || b->nFirstDependent < 0)
        return;
    const bool on = GetCheck(box) != 0;
    for (int i = b->nFirstDependent; i <= b->nLastDependent; ++i)
        ShowControl(i, on);
}

int CMainSettingDlg::SetLanguage()
{
    CMorvBaseDlg::SetLanguage();
    RebuildTable();
    return 1;
}

// ---- Boxes -------------------------------------------------------------------

void CMainSettingDlg::OnClickCheck(int index) { BoxChanged(index); }

void CMainSettingDlg::OnClickLabel(int index)
{
    // A box's label switches it too.
    if (const SSettingBox* b = FindBoxOfLabel(index); b && GetControl(b->nBox)) {
        SetCheck(b->nBox, GetCheck(b->nBox) ? 0 : 1);
        BoxChanged(b->nBox);
    }
}

void CMainSettingDlg::BoxChanged(int box)
{
    const SSettingBox* b = FindSettingBox(box);
    if (!b)
        return;
    b->field(m_data) = GetCheck(box) ? 1 : 0;
    ShowDependents(box);
    // The view no longer shows a quantity that is not watched.
    const SCurrentObject current = g_pModuleData->GetCurrentObject();
    if (!IsTargetWatched(current.nRenderType, m_data))
        g_pModuleData->SetCurrentObject(current.nScope, current.bValid, RENDER_RECEIVER, current.nSender,
                                        current.nPort);
    // The change is stored, and the project marked, once, when the frame
    // closes (settings/settings_store.h).
    if (!IsMonitoring())
        g_pHostLabel->Notify(UPDATE_ALL, 0, 0, 0);
}

// ---- Edits -------------------------------------------------------------------

void CMainSettingDlg::OnEditChange(UINT id)
{
    if (m_nFilling)
        return;
    if (id == kRefreshItem) {
        if (const CMorvTimeEdit* edit = GetTimeEdit(kRefreshEdit))
            m_data.nRefreshInterval = RefreshSecondsOf(edit->GetTotalSeconds());
        return;
    }
    const SSettingEdit* edit = FindSettingEditByItem(id);
    if (!edit || !TakeSettingEditText(*edit, GetControlText(edit->nIndex), m_data, m_bFahrenheit))
        return;
    // Stepping goes on from the value typed.
    if (edit->eValue == ESettingValue::Voltage)
        if (CMorvEditEx* window = GetEdit(edit->nIndex))
            window->SetStepValue(kMinVoltage, std::trunc(edit->get(m_data)), kMaxVoltage, 1);
}

void CMainSettingDlg::OnEditKillFocus(UINT id)
{
    // A text left unfinished (empty, past its bounds) shows the value the
    // setting kept.
    if (const SSettingEdit* edit = FindSettingEditByItem(id))
        ShowEdit(edit->nIndex);
}

void CMainSettingDlg::CommitEdits()
{
    for (const SSettingEdit& e : SettingEdits()) {
        if (CMorvEditEx* edit = GetEdit(e.nIndex)) {
            edit->Normalize();
            TakeSettingEditText(e, edit->GetText(), m_data, m_bFahrenheit);
            ShowEdit(e.nIndex);
        }
    }
    if (const CMorvTimeEdit* edit = GetTimeEdit(kRefreshEdit))
        m_data.nRefreshInterval = RefreshSecondsOf(edit->GetTotalSeconds());
}

void CMainSettingDlg::GetInterfaceData(CMonitorInterfaceData& out) const
{
    out.nRefreshInterval = m_data.nRefreshInterval;
    out.senderSetting = m_data.senderSetting;
    out.receiverSetting = m_data.receiverSetting;
    out.emailSetting = m_data.emailSetting;
}

// ---- Recipients --------------------------------------------------------------

void CMainSettingDlg::OnClickTableRow(int index, int row)
{
    if (index == kRecipientTable && row >= 1 && row <= static_cast<int>(m_data.emailSetting.arrMail.size())
        && row != m_nSelected)
        SelectRecipient(row);
}

void CMainSettingDlg::SelectRecipient(int row)
{
    const SSkinColors& colors = CMorvSkin::Instance().GetColors();
    if (m_nSelected > 0 && m_nSelected != row)
        SetTableRowColors(kRecipientTable, m_nSelected, kSkinColor, kSkinColor);
    m_nSelected = row;
    SetTableRowColors(kRecipientTable, row, colors.clrTextOnSelection, colors.clrSelection);
}

void CMainSettingDlg::StoreRecipients()
{
    StoreInHost([this](CMonitorInterfaceData& d) { d.emailSetting.arrMail = m_data.emailSetting.arrMail; });
}

void CMainSettingDlg::RecipientCountChanged()
{
    StoreRecipients();
    LayoutPage(m_nOffset);
    TellFrame(kMsgHeightChanged);
}

bool CMainSettingDlg::HasSelection() const
{
    return m_nSelected >= 1 && m_nSelected <= static_cast<int>(m_data.emailSetting.arrMail.size());
}

void CMainSettingDlg::ShowMessage(const std::string& text)
{
    MsgBox(this, text, Text("EMail_Title"), MB_OK, 0, kMessageIconStyle);
}

void CMainSettingDlg::AddRecipient()
{
    std::vector<SMailInfo>& list = m_data.emailSetting.arrMail;
    if (!CanAddRecipient(list)) {
        ShowMessage(plat::Format(Text("Email_Add_Address_Max"), kMaxMailRecipients));
        return;
    }
    std::string name, address;
    CMailReceiverDlg dlg(CMailReceiverDlg::kAdd, name, address, this);
    if (dlg.DoModal() != IDOK)
        return;
    if (HasRecipientAddress(list, address)) {
        ShowMessage(Text("Email_Add_Address_Same"));
        return;
    }
    list.push_back({name, address});
    RecipientCountChanged();
}

void CMainSettingDlg::DeleteRecipient()
{
    std::vector<SMailInfo>& list = m_data.emailSetting.arrMail;
    if (!HasSelection())
        return;
    list.erase(list.begin() + (m_nSelected - 1));
    m_nSelected = -1;
    RecipientCountChanged();
}

void CMainSettingDlg::ModifyRecipient()
{
    std::vector<SMailInfo>& list = m_data.emailSetting.arrMail;
    if (!HasSelection())
        return;
    SMailInfo& chosen = list[static_cast<std::size_t>(m_nSelected - 1)];
    std::string name = chosen.strName, address = chosen.strAddress;
    CMailReceiverDlg dlg(CMailReceiverDlg::kModify, name, address, this);
    if (dlg.DoModal() != IDOK)
        return;
    // Its own row is not compared: keeping the address is no clash.
    if (HasRecipientAddress(list, address, m_nSelected - 1)) {
        ShowMessage(Text("Email_Modify_Address_Same"));
        return;
    }
    if (chosen.strName == name && chosen.strAddress == address)
        return;
    chosen = {name, address};
    StoreRecipients();
    RebuildTable();
}

void CMainSettingDlg::OpenSendingAccount()
{
    const CRect button = GetControl(kSendingAccount)->rect;
    CMailSenderDlg dlg(button.right, button.bottom, this);
    dlg.DoModal();
    // The dialog stores the account in the host (its default button even
    // when it is cancelled); the working copy takes it over, or the close
    // would store the account the page was opened with over it.
    CMonitorInterfaceData stored;
    g_pMonitorData->GetInterfaceData(stored);
    SEmailSetting& mail = m_data.emailSetting;
    mail.bSSL = stored.emailSetting.bSSL;
    mail.nPort = stored.emailSetting.nPort;
    mail.strSender = stored.emailSetting.strSender;
    mail.strPassword = stored.emailSetting.strPassword;
    mail.strSmtp = stored.emailSetting.strSmtp;
}

void CMainSettingDlg::SendTestMail()
{
    // Sent with what the host holds: the account and the recipients are
    // stored the moment they change.
    const bool sent = g_pMonitorData->SendMailToEmail("0") != 0;
    ShowMessage(Text(sent ? "EMail_Test_Sent" : "EMail_Test_Failed"));
}

void CMainSettingDlg::OnClickButton(int index)
{
    switch (index) {
    case kAdd: AddRecipient(); break;
    case kDelete: DeleteRecipient(); break;
    case kModify: ModifyRecipient(); break;
    case kSendingAccount: OpenSendingAccount(); break;
    case kTest: SendTestMail(); break;
    default: break;
    }
}

// ---- Wheel -------------------------------------------------------------------

void CMainSettingDlg::TellFrame(UINT message, WPARAM wParam)
{
    if (CWnd* frame = GetParent())
        frame->SendMessage(message, wParam, 0);
}

bool CMainSettingDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_MOUSEMOVE) {
        m_bEditFocusAtMove = IsFocusOnEdit();
    } else if (msg->message == WM_LBUTTONDOWN && msg->hwnd == this) {
        // A press beside the edits ends the typing, and the wheel scrolls again.
        SetFocus();
    } else if (msg->message == WM_MOUSEWHEEL && !m_bEditFocusAtMove) {
        // The wheel scrolls the page, unless an edit was being typed in.
        TellFrame(kMsgWheel, msg->wParam);
        return true;
    }
    return CMorvBaseDlg::PreTranslateMessage(msg);
}
