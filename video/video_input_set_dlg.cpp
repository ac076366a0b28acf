#include "video/video_input_set_dlg.h"

#include "controls/density.h"
#include "controls/msg_box.h"
#include "controls/pop_menu.h"
#include "controls/scroll_bar.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "host/vistrano_label.h"
#include "host/vistrano_language.h"
#include "module/host_notify.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "platform/format.h"
#include "platform/shell.h"
#include "video/signal_format.h"
#include "video/signal_format_set_dlg.h"

#include <algorithm>

namespace {

constexpr UINT kVideoInputTemplate = 2024;
constexpr UINT kScrollBarId = 1100;
constexpr int kMessageIconStyle = 5;

// Design lengths: the title row, the table under it, the buttons under that.
constexpr int kMargin = 20;
constexpr int kTitleHeight = 40;
constexpr int kTableTop = kTitleHeight + 15;
constexpr int kColumnWidths[] = {100, 140, 140, 230};
constexpr int kTableWidth = 100 + 140 + 140 + 230;
constexpr int kRowHeight = 30;
constexpr int kCheckSide = 20;
constexpr int kCellInset = 4;
constexpr int kScrollWidth = 14;
constexpr int kScrollGap = 4;
constexpr int kSelectorWidth = 200;
constexpr int kSelectorHeight = 24;
constexpr int kButtonWidth = 80;
constexpr int kWideButtonWidth = 160;
constexpr int kButtonHeight = 24;
constexpr int kButtonSpacing = 10;
constexpr int kButtonsGap = 20;
constexpr int kBottomMargin = 15;
constexpr int kMenuItemHeight = 26;
constexpr int kMenuWidth = 240;

int RowCount(const std::vector<SVideoInputRow>& rows) { return static_cast<int>(rows.size()); }

// The live signal texts that say there is none.
bool IsNoSignal(const std::string& text)
{
    if (text.empty() || text.find("unknow video") != std::string::npos)
        return true;
    for (const char* key : {"Table1_NoSignal", "Unconnected"}) {
        const std::string none = GetLanguageString(key, "Common");
        if (!none.empty() && text.find(none) != std::string::npos)
            return true;
    }
    return false;
}

// The sender as the hardware describes it now: model code (the detection
// record's when the host has one, else the sender logic's), whether it is
// a video-source device, and its inputs.
SSenderInputs HardwareInputs(int sender, const CMonitorDetectData& detect)
{
    int model = 0;
    if (const SDetectSenderData* record = detect.GetSenderData(g_pModuleData->GetSenderDetectId(sender)))
        model = record->byType;
    else
        model = g_pSenderLogic->GetSenderTypeCode(sender);
    const bool connected = g_pSenderLogic->IsConnected(sender) != 0;
    const bool videoSource = g_pSenderLogic->IsVideoSourceDevice(sender) != 0;
    return ReadSenderInputs(*g_pVideoSourceLogic, static_cast<uint32_t>(sender), model, connected, videoSource);
}

CMonitorDetectData HostDetectData()
{
    CMonitorDetectData detect;
    g_pMonitorData->GetDetectData(detect);
    return detect;
}

} // namespace

CVideoInputSetDlg::CVideoInputSetDlg(int sender, CWnd* pParent) : CMorvBaseDlg(kVideoInputTemplate, pParent)
{
    SetLanguageLookup(GetLanguageString);
    m_inputs.dwSender = static_cast<uint32_t>(sender < 0 ? g_pProjectData->GetCurSenderIndex() : sender);
}

CVideoInputSetDlg::~CVideoInputSetDlg() = default;

int CVideoInputSetDlg::OnSetBaseDlgInfo()
{
    SetBaseDlgInfo(1, 0);
    return 1;
}

int CVideoInputSetDlg::InitControls()
{
    AddControl(kTitle, EMorvControlKind::Title);
    AddControl(kSenderSelector, EMorvControlKind::Button);
    AddControl(kTable, EMorvControlKind::Table);
    AddKeyedControl(kApplyAll, EMorvControlKind::Button, "ApplyAllSender", "Common");
    AddKeyedControl(kApply, EMorvControlKind::Button, "VideoInput_Apply", "Monitoring");
    AddKeyedControl(kOk, EMorvControlKind::Button, "OK", "Common").nStyle = ButtonPrimary;
    AddKeyedControl(kCancel, EMorvControlKind::Button, "Cancel", "Common");
    m_scrollBar = std::make_unique<CMorvScrollBar>();
    m_scrollBar->Create(this, {}, kScrollBarId, true);
    Load(GetSender());
    return 1;
}

int CVideoInputSetDlg::InitFinish()
{
    CenterWindow();
    return 1;
}

int CVideoInputSetDlg::SetLanguage()
{
    CMorvBaseDlg::SetLanguage();
    Layout();
    return 1;
}

void CVideoInputSetDlg::Load(int sender)
{
    CMonitorInterfaceData data;
    g_pMonitorData->GetInterfaceData(data);
    m_inputs = HardwareInputs(sender, HostDetectData());
    // Settings made for another model describe inputs this one may not have.
    ResetOnModelChange(data.senderSetting, m_inputs.dwSender, m_inputs.nModel);
    m_rows = RowsOf(m_inputs, data.senderSetting);
    m_firstRow = 0;

    CSender* s = g_pProjectData->GetSender(sender);
    SetControlKey(kTitle, "VideoInput_Ttile", "Monitoring", {}, {s ? s->GetSenderName() : std::string()});
    SetWindowText(GetControlText(kTitle));
    SetControlText(kSenderSelector, g_pProjectData->GetShowSenderName(sender, 0));
    CreateRowControls();
    Layout();
}

void CVideoInputSetDlg::CreateRowControls()
{
    for (int i = 0; i < static_cast<int>(kMaxVideoInputs); ++i)
        for (int base : {kEnableCheck, kResolutionCheck, kFormatCell})
            RemoveControl(base + i);
    for (int i = 0; i < RowCount(m_rows); ++i) {
        const SVideoInputRow& row = m_rows[static_cast<std::size_t>(i)];
        AddControl(kEnableCheck + i, EMorvControlKind::CheckBox).nCheck = row.bEnabled;
        AddControl(kResolutionCheck + i, EMorvControlKind::CheckBox).nCheck = row.bResolutionCheck;
        SMorvControl& cell = AddControl(kFormatCell + i, EMorvControlKind::Button, {}, row.strFormat);
        cell.strImageFolder = "ToolBar\\Setting\\";
        cell.bEnabled = row.bResolutionCheck != 0;
    }
}

void CVideoInputSetDlg::Layout()
{
    const int count = RowCount(m_rows);
    const int shown = std::min(count, kVisibleRows);
    const bool scrolls = count > shown;
    const int tableRight = kMargin + kTableWidth;
    const int width = tableRight + (scrolls ? kScrollGap + kScrollWidth : 0) + kMargin;
    const int tableBottom = kTableTop + (shown + 1) * kRowHeight;
    const int buttonsTop = tableBottom + kButtonsGap;

    const int selectorLeft = width - kMargin - kSelectorWidth;
    SetControlRect(kTitle, {Px(kMargin), 0, Px(selectorLeft - kButtonSpacing), Px(kTitleHeight)});
    const int selectorTop = (kTitleHeight - kSelectorHeight) / 2;
    SetControlRect(kSenderSelector,
                   {Px(selectorLeft), Px(selectorTop), Px(width - kMargin), Px(selectorTop + kSelectorHeight)});

    SMorvTable table;
    table.columnWeights.assign(std::begin(kColumnWidths), std::end(kColumnWidths));
    for (const char* key :
         {"VideoInput_Input", "VideoInput_InputEnable", "VideoInput_ResolutionEnable", "VideoInput_Resolution"})
        table.headers.push_back(GetLanguageString(key, "Monitoring"));
    for (int r = m_firstRow; r < m_firstRow + shown; ++r)
        table.rows.push_back({{m_rows[static_cast<std::size_t>(r)].strName}, kSkinColor, kSkinColor});
    table.nRowHeight = Px(kRowHeight);
    SetControlRect(kTable, {Px(kMargin), Px(kTableTop), Px(tableRight), Px(kTableTop) + (shown + 1) * Px(kRowHeight)});
    SetTable(kTable, std::move(table));
    for (int i = 0; i < count; ++i)
        ShowRow(i);

    m_scrollBar->ShowWindow(scrolls ? SW_SHOW : SW_HIDE);
    if (scrolls) {
        const int scrollLeft = tableRight + kScrollGap;
        m_scrollBar->MoveWindow(
            {Px(scrollLeft), Px(kTableTop + kRowHeight), Px(scrollLeft + kScrollWidth), Px(tableBottom)});
        m_scrollBar->SetScrollRange(0, count - shown);
        m_scrollBar->SetPageStep(shown);
        m_scrollBar->SetLineStep(1);
        m_scrollBar->SetScrollPos(m_firstRow);
    }

    const int right = width - kMargin;
    auto button = [&](int index, int r, int w) {
        SetControlRect(index, {Px(r - w), Px(buttonsTop), Px(r), Px(buttonsTop + kButtonHeight)});
    };
    button(kCancel, right, kButtonWidth);
    button(kOk, right - kButtonWidth - kButtonSpacing, kButtonWidth);
    button(kApply, right - 2 * (kButtonWidth + kButtonSpacing), kButtonWidth);
    button(kApplyAll, kMargin + kWideButtonWidth, kWideButtonWidth);
    SetWindowPos(0, 0, Px(width), Px(buttonsTop + kButtonHeight + kBottomMargin), SWP_NOMOVE | SWP_NOZORDER);
    Invalidate();
}

void CVideoInputSetDlg::ShowRow(int row)
{
    const SMorvControl* table = GetControl(kTable);
    const int shownRow = row - m_firstRow + 1; // 0 is the header
    const bool visible = shownRow >= 1 && shownRow <= std::min(RowCount(m_rows), kVisibleRows);
    for (int base : {kEnableCheck, kResolutionCheck, kFormatCell})
        ShowControl(base + row, visible);
    if (!visible)
        return;
    for (int column : {1, 2}) {
        const CRect cell = morv::TableCellRect(*table, shownRow, column);
        const int left = (cell.left + cell.right - Px(kCheckSide)) / 2;
        SetControlRect(column == 1 ? kEnableCheck + row : kResolutionCheck + row,
                       {left, cell.top, left + Px(kCheckSide), cell.bottom});
    }
    CRect cell = morv::TableCellRect(*table, shownRow, 3);
    cell.DeflateRect(Px(kCellInset), Px(kCellInset));
    SetControlRect(kFormatCell + row, cell);
}

void CVideoInputSetDlg::ScrollTo(int firstRow)
{
    const int last = std::max(0, RowCount(m_rows) - kVisibleRows);
    firstRow = std::clamp(firstRow, 0, last);
    if (firstRow == m_firstRow)
        return;
    m_firstRow = firstRow;
    Layout();
}

LRESULT CVideoInputSetDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_VSCROLL) {
        ScrollTo(m_scrollBar->GetScrollPos());
        return 0;
    }
    return CMorvBaseDlg::WindowProc(message, wParam, lParam);
}

bool CVideoInputSetDlg::OnMouseWheel(UINT /*flags*/, short delta, CPoint /*pt*/)
{
    if (RowCount(m_rows) <= kVisibleRows)
        return false;
    ScrollTo(m_firstRow - delta / 120 * 3);
    return true;
}

void CVideoInputSetDlg::OnClickCheck(int index)
{
    if (index >= kEnableCheck && index < kEnableCheck + RowCount(m_rows)) {
        m_rows[static_cast<std::size_t>(index - kEnableCheck)].bEnabled = GetCheck(index);
    } else if (index >= kResolutionCheck && index < kResolutionCheck + RowCount(m_rows)) {
        const int row = index - kResolutionCheck;
        m_rows[static_cast<std::size_t>(row)].bResolutionCheck = GetCheck(index);
        EnableControl(kFormatCell + row, GetCheck(index) != 0);
    }
}

void CVideoInputSetDlg::OnClickButton(int index)
{
    if (index >= kFormatCell && index < kFormatCell + RowCount(m_rows))
        ChooseFormat(index - kFormatCell);
    else if (index == kSenderSelector)
        ChooseSender();
    else if (index == kApplyAll)
        Store(true);
    else if (index == kApply)
        Store(false);
    else if (index == kOk)
        OnOK();
    else if (index == kCancel)
        OnCancel();
}

void CVideoInputSetDlg::OnOK()
{
    if (Store(false))
        EndDialog(IDOK);
}

void CVideoInputSetDlg::ChooseFormat(int row)
{
    const SVideoInputRow& r = m_rows[static_cast<std::size_t>(row)];
    const std::string signal = g_pVideoSourceLogic->GetSignalText(GetSender(), r.input);
    if (IsNoSignal(signal)) {
        OpenFormatDialog(row);
        return;
    }
    CCusPopMenu menu;
    menu.SetItemHeight(Px(kMenuItemHeight));
    menu.SetMenuWidth(Px(kMenuWidth));
    menu.AppendMenu(MF_STRING, kMenuSetFormat, GetLanguageString("Set", "Common") + "...");
    // A live signal that cannot be read as a format within the bounds is
    // shown, but cannot be taken: the row would hold a format OK cannot store.
    menu.AppendMenu(ParseUsableSignalFormat(signal) ? MF_STRING : MF_GRAYED, kMenuSetToSignal,
                    GetLanguageString("SetTo", "Monitoring") + signal);
    CRect cell = GetControl(kFormatCell + row)->rect;
    ClientToScreen(cell);
    const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, cell.left, cell.bottom, this);
    if (chosen == kMenuSetFormat) {
        OpenFormatDialog(row);
    } else if (chosen == kMenuSetToSignal) {
        m_rows[static_cast<std::size_t>(row)].strFormat = signal;
        SetControlText(kFormatCell + row, signal);
    }
}

void CVideoInputSetDlg::OpenFormatDialog(int row)
{
    SVideoInputRow& r = m_rows[static_cast<std::size_t>(row)];
    CSignalFormatSetDlg dlg(r.strFormat, this);
    if (dlg.DoModal() != IDOK)
        return;
    r.strFormat = dlg.GetFormatText();
    SetControlText(kFormatCell + row, r.strFormat);
}

void CVideoInputSetDlg::ChooseSender()
{
    CCusPopMenu menu;
    menu.SetItemHeight(Px(kMenuItemHeight));
    menu.SetMenuWidth(Px(kMenuWidth));
    const int count = g_pProjectData->GetSenderCount();
    for (int i = 0; i < count; ++i) {
        if (!g_pSenderLogic->IsConnected(i))
            continue;
        const CSender* sender = g_pProjectData->GetSender(i);
        std::string name = sender ? sender->GetSenderName() : std::string();
        if (name.empty())
            name = plat::Format("%s%d", GetLanguageString("Sender", "Common"), i + 1);
        menu.AppendMenu(i == GetSender() ? MF_CHECKED : MF_STRING, kMenuFirstSender + static_cast<UINT>(i), name);
    }
    CRect selector = GetControl(kSenderSelector)->rect;
    ClientToScreen(selector);
    const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, selector.left, selector.bottom, this);
    const int sender = static_cast<int>(chosen) - static_cast<int>(kMenuFirstSender);
    if (chosen >= kMenuFirstSender && sender < count && sender != GetSender())
        Load(sender);
}

bool CVideoInputSetDlg::CheckRows()
{
    const int bad = FirstUnusableRow(m_rows);
    if (bad < 0)
        return true;
    const SVideoInputRow& row = m_rows[static_cast<std::size_t>(bad)];
    MsgBox(this, plat::Format(GetLanguageString("VideoInput_BadFormat", "Monitoring"), row.strName, row.strFormat),
           plat::GetApplicationTitle(), MB_OK, 0, kMessageIconStyle);
    return false;
}

bool CVideoInputSetDlg::Store(bool allSenders)
{
    if (!CheckRows())
        return false;
    CMonitorInterfaceData data;
    g_pMonitorData->GetInterfaceData(data);
    if (allSenders) {
        const CMonitorDetectData detect = HostDetectData();
        std::vector<SSenderInputs> senders;
        for (int i = 0; i < g_pProjectData->GetSenderCount(); ++i)
            senders.push_back(i == GetSender() ? m_inputs : HardwareInputs(i, detect));
        StoreRowsForAll(data.senderSetting, m_rows, senders);
    } else {
        StoreRows(data.senderSetting, m_inputs, m_rows);
    }
    StoreMonitorRecord(data);
    if (g_pHostLabel)
        g_pHostLabel->Notify(-1, 0, 0, 0);
    if (allSenders)
        MsgBox(this, GetLanguageString("Succeed_Set", "Common"), plat::GetApplicationTitle(), MB_OK, 0,
               kMessageIconStyle);
    return true;
}

int ShowVideoInputSetDlg(CWnd* parent, int sender)
{
    if (!g_pProjectData || !g_pMonitorData || !g_pSenderLogic || !g_pVideoSourceLogic || !g_pModuleData)
        return IDCANCEL;
    const int index = sender < 0 ? g_pProjectData->GetCurSenderIndex() : sender;
    if (index < 0 || index >= g_pProjectData->GetSenderCount())
        return IDCANCEL;
    CVideoInputSetDlg dlg(index, parent);
    return dlg.DoModal() == IDOK ? IDOK : IDCANCEL;
}
