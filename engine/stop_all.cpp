// The tray menu's run commands: "Stop Timer", "Countup" and the quick timers.
#include "app/timer_dlg.h"
#include "ui/timer_page.h"

void CTimerDlg::StopAll() {
    if (m_bCountupRunning) {
        EndCountup(false);
    }
    if (m_bTimerRunning) {
        StopCountdown();
    }
    if (m_bAlarmArmed) {
        CancelAlarm();
    }
}

void CTimerDlg::RestartCountup() {
    m_settings.timer.nMode = static_cast<int>(TimerMode::Countup);
    if (m_pTimerPage) {
        m_pTimerPage->m_nMode = m_settings.timer.nMode;
        m_pTimerPage->UpdateData(FALSE);
    }
    if (m_bCountupRunning || m_bTimerRunning || m_bAlarmArmed) {
        OnStartTimer(); // ends the active run
    }
    OnStartTimer();
}

void CTimerDlg::StartQuickTimer(std::string minutes) {
    StopAll();
    m_settings.timer.nMode = static_cast<int>(TimerMode::Timer);
    m_settings.timer.strMinutes = std::move(minutes);
    if (m_pTimerPage) {
        m_pTimerPage->ReloadModeAndMinutes();
    }
    UpdateData(FALSE);
    OnStartTimer();
}
