// The quarter-second tick of a countdown: counts it, drives the indicators, and ends the run.
#include "app/timer_dlg.h"
#include "indicators/led_timer_dlg.h"

void CTimerDlg::OnCountdownTick() {
    if (!m_bTimerRunning || m_bPaused) {
        return; // a paused tick is not counted: the remaining time stands still
    }
    ++m_nTicks;
    if (m_bLedOpen) {
        m_pLedWnd->m_progress.SetPos(m_nTicks / 4); // whole seconds elapsed
        m_pLedWnd->UpdateCaption();
    }
    Update3DTimer();
    if (m_bIconStatus) {
        AdvanceStatusIcon();
    }
    if (m_nTicks == m_nTotalTicks) {
        ExpireCountdown();
    }
}

void CTimerDlg::ExpireCountdown() {
    // The run is over before the notice opens, so nothing its modal loop delivers finds it.
    m_bInactive = true;
    m_bTimerRunning = false;
    KillTimer(IDT_TICK);
    ScheduleClock();       // on its own again, through the notice
    m_bIconStatus = false; // the last status icon stays in the tray while the notice is open
    PlayAlarmSound();
    Close3DTimer();
    CloseLedTimer();
    ShowAlarmNotice();
    if (NoticeEndedTheSequence()) {
        return;
    }
    RefreshTimerPage();
    ShowIdleTexts();
    if (m_settings.start.nStartStayMinimized == 0) {
        RestoreMainDialog();
    }
    ShowIdleTray();
    ShowRunButtons(false);
    if (m_settings.start.nCloseAfterAlarm == 1) {
        OnOK();
    }
}
