#pragma once
// The program started with chosen options, with verbs for runs: start, tick, the alarm notice.
#include "indicators/countup_dlg.h"
#include "indicators/led_timer_dlg.h"
#include "tests/app_fixture.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

class RunFixture : public AppFixture {
protected:
    // Stores these profile values (section "Daten"), then starts the program.
    void StartWith(std::initializer_list<std::pair<const char*, int>> values);
    // Changes what the Start command takes from the Timer page. A shown Timer page is left and
    // entered again around the change, so that it shows the new values and hands them on.
    void EditTimerInput(const std::function<void(TimerSettings&)>& edit);
    // Chooses the mode and its input, then presses Start.
    void StartCountdown(const std::string& minutes);
    void ArmAlarm(const std::string& time);
    void TypeAlarmTime(const std::string& time);
    void StartCountup();
    void Ticks(int quarterSeconds) { Advance(250LL * quarterSeconds); }
    // Queues the alarm notice; whileOpen runs inside its modal loop, then the user clicks OK.
    void ExpectNotice(std::function<void(CDialog&)> whileOpen = {});
    static std::string NoticeText(CDialog& notice);
    CLedTimerDlg& Led() { return *Dlg().m_pLedWnd; }
    CCountupDlg& CountupWindow() { return *Dlg().m_pCountupWnd; }
    bool IdleButtons();
    bool RunButtons();
    // Moves a window so that its top-left corner is at (x, y) and returns its rectangle there.
    static CRect MoveTo(CWnd& wnd, int x, int y);
    // Where a window's top-left corner is.
    static std::pair<int, int> Place(const CWnd& wnd);
};
