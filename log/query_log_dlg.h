#pragma once
// CQueryLogDlg: a month calendar in which the days that have a monitoring
// log file are marked; "Open" hands the chosen day's log to the program
// the desktop opens such files with. Shown modally; closing answers 0.
#include "controls/base_dlg.h"
#include "controls/calendar.h"

#include <cstdint>
#include <string>
#include <vector>

class CQueryLogDlg : public CMorvBaseDlg {
public:
    // Control indices.
    enum { kTitle = 0, kOpen = 2, kCancel = 3 };

    explicit CQueryLogDlg(CWnd* pParent = nullptr);
    ~CQueryLogDlg() override;

    // The folder the host writes the daily logs into.
    const std::string& GetLogFolder() const { return m_strLogFolder; }
    // The days found at set-up, packed, ascending.
    const std::vector<int32_t>& GetLogDates() const { return m_arrLogDates; }
    CCusCalendar& GetCalendar() { return m_calendar; }

protected:
    int OnSetBaseDlgInfo() override;
    int InitControls() override;
    int InitFinish() override;
    void OnClickButton(int index) override;
    // The dialog has no OK: Enter does nothing, Escape closes with 0.
    void OnOK() override {}
    void OnCancel() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PlaceDialog();
    void FindLogDates();
    void LayoutControls();
    void UpdateOpenButton();
    void OpenChosenLog();

    std::string m_strLogFolder;
    CCusCalendar m_calendar;
    std::vector<int32_t> m_arrLogDates;
};
