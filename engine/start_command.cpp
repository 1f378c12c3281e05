// The Start command: ends the active run, or starts one in the mode chosen on the Timer page.
#include "app/timer_dlg.h"
#include "engine/countdown_length.h"
#include "engine/time_parser.h"
#include "indicators/countup_dlg.h"
#include "platform/app.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "res/resource.h"

#include <algorithm>

void CTimerDlg::WarnUser(const std::string& text) {
    GetServices().modal.MessageBox(this, text, "Hinweis", MB_OK | MB_ICONEXCLAMATION);
}

void CTimerDlg::OnStartTimer() {
    m_nIconStage = 1;
    SaveShownPageForStart();
    if (m_bCountupRunning) {
        EndCountup(true);
    } else if (m_bTimerRunning) {
        StopCountdown();
    } else if (m_bAlarmArmed) {
        CancelAlarm();
    } else {
        StartRun();
    }
}

void CTimerDlg::EndCountup(bool savePosition) {
    ShowRunButtons(false);
    if (savePosition) {
        m_pCountupWnd->SavePosition(); // only the Start command's toggle keeps the place
    }
    m_pCountupWnd.reset();
    m_bInactive = true;
    RefreshTimerPage();
    ShowIdleTexts();
    m_bCountupRunning = false;
    ClearPause();
    ShowIdleTray(); // replaces the pause icon of a paused count-up
}

void CTimerDlg::StopCountdown() {
    Close3DTimer();
    m_bInactive = true;
    RefreshTimerPage();
    CloseLedTimer();
    m_bTimerRunning = false;
    KillTimer(IDT_TICK);
    ClearPause();
    ShowIdleTexts();
    ShowIdleTray();
    m_bIconStatus = false;
    ShowRunButtons(false);
}

void CTimerDlg::CancelAlarm() {
    m_bInactive = true;
    RefreshTimerPage();
    m_bAlarmArmed = false;
    ScheduleClock();
    ShowIdleTexts();
    ShowIdleTray();
}

void CTimerDlg::StartRun() {
    m_nAlarmHour = 0;
    m_nAlarmMinute = 0;
    switch (m_settings.timer.nMode) {
    case static_cast<int>(TimerMode::Time):
        ArmAlarm();
        break;
    case static_cast<int>(TimerMode::Timer):
        StartCountdown();
        break;
    case static_cast<int>(TimerMode::Countup):
        StartCountup();
        break;
    default:
        break;
    }
}

void CTimerDlg::HideOnStart() {
    if (m_settings.start.nMinimizeAfterStart == 1 || m_settings.start.nStartStayMinimized == 1) {
        ShowWindow(SW_HIDE);
    }
}

void CTimerDlg::ArmAlarm() {
    const std::string& text = m_settings.timer.strAlarmTime;
    AlarmTime time;
    switch (ParseAlarmTime(text, time)) {
    case AlarmTimeResult::Missing:
        WarnUser("Missing Time!");
        return;
    case AlarmTimeResult::WrongFormat:
        WarnUser("Wrong Timeformat!");
        return;
    case AlarmTimeResult::Ok:
        break;
    }
    m_nAlarmHour = time.hour;
    m_nAlarmMinute = time.minute;
    m_bAlarmArmed = true;
    m_bInactive = false;
    ScheduleClock();
    HideOnStart();
    CWinApp* app = &App();
    SetButtonText(IDC_START, app->LoadString(IDS_STOP)); // Start stays visible as this mode's stop
    ShowStatus(app->LoadString(IDS_ACTIVE));
    ShowInTray("Alarm at: " + text, m_hIcon);
    RefreshTimerPage();
    PrepareAlarmSound();
}

void CTimerDlg::StartCountdown() {
    const std::string& typed = m_settings.timer.strMinutes;
    const int minutes = std::min(LeadingNumber(typed), kMaxCountdownMinutes);
    if (minutes < 1) {
        WarnUser("Missing Time!"); // a countdown of no minutes would never end
        return;
    }
    ++m_nCountdownsStarted;
    m_bTimerRunning = true;
    m_bInactive = false;
    HideOnStart();
    CWinApp* app = &App();
    SetButtonText(IDC_START, app->LoadString(IDS_STOP));
    ShowStatus(app->LoadString(IDS_ACTIVE));

    const bool one = minutes == 1;
    const std::string tip = "Timer set to: " + typed + (one ? " minute" : " minutes");
    const std::string title3D = "3D-Timer (" + typed + (one ? " minute)" : " minutes)");
    m_nTicks = 0;
    m_hIcon = IDR_MAINFRAME;
    ShowInTray(tip, m_hIcon);
    m_strTip = tip;
    ShowRunButtons(true);
    if (m_settings.options.n3DTimer == 1 && !Open3DTimer(title3D, minutes)) {
        return;
    }
    if (m_settings.options.nDisplayIcon == 1) {
        m_hStatusIcon = IDI_STAGE1;
        SetTrayIcon(this, kTrayIconId, m_hStatusIcon);
        m_bIconStatus = true;
        m_nIconStage = 1;
    }
    if (m_settings.options.nLedTimer == 1) {
        OpenLedTimer(tip, minutes);
    }
    RefreshTimerPage();
    SetTimer(IDT_TICK, kTickMs);
    m_nTotalTicks = minutes * kTicksPerMinute;
    PrepareAlarmSound();
}

void CTimerDlg::StartCountup() {
    ShowRunButtons(true);
    m_pCountupWnd = std::make_unique<CCountupDlg>(App());
    m_pCountupWnd->Create();
    HideOnStart();
    m_bInactive = false;
    RefreshTimerPage();
    SetButtonText(IDC_START, "Stop Countup");
    ShowStatus("Countup running");
    m_bCountupRunning = true;
}
