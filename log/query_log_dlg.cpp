#include "log/query_log_dlg.h"

#include "host/vistrano_language.h"
#include "log/log_dates.h"
#include "module/app_message.h"
#include "module/module_folders.h"
#include "module/module_globals.h"
#include "platform/format.h"
#include "platform/shell.h"

#include <array>

namespace {

constexpr UINT kQueryLogTemplate = 2020;
constexpr const char* kLogSubFolder = "MonitoringRecord//";

// Design lengths.
constexpr int kWidth = 370;
constexpr int kHeight = 228;
constexpr int kMargin = 15;
constexpr int kTitleHeight = 40;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;

// How the desktop shows the opened log: shown normally.
constexpr int kShowNormally = 5;

} // namespace

CQueryLogDlg::CQueryLogDlg(CWnd* pParent)
    : CMorvBaseDlg(kQueryLogTemplate, pParent), m_strLogFolder(GetConfigFolder() + kLogSubFolder)
{
    SetLanguageLookup(GetLanguageString);
}

CQueryLogDlg::~CQueryLogDlg() = default;

int CQueryLogDlg::OnSetBaseDlgInfo()
{
    SetBaseDlgInfo(1, 0);
    return 1;
}

int CQueryLogDlg::InitControls()
{
    AddKeyedControl(kTitle, EMorvControlKind::Title, "MonitorLogQuery", "Monitoring");
    AddKeyedControl(kOpen, EMorvControlKind::Button, "Open", "Monitoring").nStyle = ButtonPrimary;
    AddKeyedControl(kCancel, EMorvControlKind::Button, "Cancel", "Common");
    SetWindowText(GetControlText(kTitle));

    PlaceDialog();
    FindLogDates();

    CCusCalendar::SetDrawText({}, {}, {},
                              {GetLanguageString("Sunday", "Common"), GetLanguageString("Monday", "Common"),
                               GetLanguageString("Tuesday", "Common"), GetLanguageString("Wednesday", "Common"),
                               GetLanguageString("Thursday", "Common"), GetLanguageString("Friday", "Common"),
                               GetLanguageString("Saturday", "Common")});
    if (!m_calendar.Init(this, nullptr, CCusCalendar::kStyleChild))
        return 0;
    m_calendar.SetShowPartialDate(1);
    std::vector<SShowDate> marks;
    marks.reserve(m_arrLogDates.size());
    for (int32_t packed : m_arrLogDates) {
        SShowDate mark;
        UnpackLogDate(packed, mark.nYear, mark.nMonth, mark.nDay);
        marks.push_back(mark);
    }
    m_calendar.SetNeedShowDate(marks);

    LayoutControls();
    return 1;
}

int CQueryLogDlg::InitFinish()
{
    UpdateOpenButton();
    return 1;
}

void CQueryLogDlg::PlaceDialog()
{
    const int width = Px(kWidth);
    const int height = Px(kHeight);
    CWnd* owner = GetOwner();
    if (owner && owner->IsWindow() && owner->IsWindowVisible()) {
        SetWindowPos(0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        CenterWindow();
        return;
    }
    // No window to stand over: the middle of the area a maximised window has.
    const CRect area = plat::GetScreenWorkArea();
    SetWindowPos(area.left + (area.Width() - width) / 2, area.top + (area.Height() - height) / 2, width, height,
                 SWP_NOZORDER);
}

void CQueryLogDlg::FindLogDates()
{
    // A folder that cannot be read gives no entries and so no days.
    std::vector<plat::DirEntry> entries;
    plat::ListDirectory(m_strLogFolder, entries);
    m_arrLogDates = LogDatesOf(entries);
}

void CQueryLogDlg::LayoutControls()
{
    const int right = Px(kWidth) - Px(kMargin);
    const int bottom = Px(kHeight) - Px(kMargin);
    const int top = Px(kTitleHeight);
    const int buttonLeft = right - Px(kButtonWidth);
    SetControlRect(kTitle, {Px(kMargin), 0, right, top});
    m_calendar.MoveWindow({Px(kMargin), top, buttonLeft - Px(kMargin), bottom});
    SetControlRect(kOpen, {buttonLeft, top, right, top + Px(kButtonHeight)});
    SetControlRect(kCancel, {buttonLeft, bottom - Px(kButtonHeight), right, bottom});
}

void CQueryLogDlg::UpdateOpenButton()
{
    int year = 0, month = 0, day = 0;
    m_calendar.GetDate(year, month, day);
    EnableControl(kOpen, HasLogDate(m_arrLogDates, PackLogDate(year, month, day)));
}

void CQueryLogDlg::OpenChosenLog()
{
    int year = 0, month = 0, day = 0;
    m_calendar.GetDate(year, month, day);
    // The file is not looked for again; when the desktop cannot open it
    // (the day was marked by a file of another kind, or nothing opens text
    // files) the user is told, and the dialog stays open.
    const std::string path = m_strLogFolder + LogFileName(year, month, day);
    if (!plat::ShellOpen(path, "open", kShowNormally))
        AppMessageBox(this, plat::Format(GetLanguageString("MonitorLog_OpenFailed", "Monitoring"), path), MB_OK,
                      GetControlText(kTitle));
}

void CQueryLogDlg::OnClickButton(int index)
{
    if (index == kOpen)
        OpenChosenLog();
    else if (index == kCancel)
        EndDialog(0);
}

void CQueryLogDlg::OnCancel() { EndDialog(0); }

LRESULT CQueryLogDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CALENDAR_DATECHANGED) {
        UpdateOpenButton();
        return 0;
    }
    return CMorvBaseDlg::WindowProc(message, wParam, lParam);
}
