// The quarter-second tick of a countdown: counts it, drives the indicators, and ends the run.
#include "app/timer_dlg.h"
#include "engine/countdown_length.h"
#include "indicators/led_timer_dlg.h"
#include "tray/status_icons.h"

#include <climits>

void CTimerDlg::OnCountdownTick() {
    if (!m_bTimerRunning) {
        return;
    }
    if (m_bPaused) {
        return; // a paused tick is not counted: the remaining time stands still
    }
    ++m_nTicks;
    if (m_bLedOpen) {
        m_pLedWnd->m_progress.SetPos(m_nTicks / kTicksPerSecond); // whole seconds elapsed
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

UINT CTimerDlg::QuietExpirations(UINT_PTR id) {
    return id == IDT_TICK && m_bTimerRunning ? QuietTicksAhead() : 0;
}

// A tick changes something when it moves the LED-Timer (each fourth tick: a whole second),
// the 3D-Timer's disk (every tick), the tray's status icon or ends the run. A paused run
// changes nothing.
UINT CTimerDlg::QuietTicksAhead() const {
    if (m_bPaused) {
        return UINT_MAX;
    }
    if (m_b3DOpen) {
        return 0;
    }
    constexpr UINT kLookAhead = kTicksPerMinute; // a long run with nothing to show wakes once a minute
    UINT quiet = 0;
    for (int tick = m_nTicks + 1; tick < m_nTotalTicks && quiet < kLookAhead; ++tick, ++quiet) {
        if ((m_bLedOpen && tick % kTicksPerSecond == 0) ||
            (m_bIconStatus && StatusIconStepsAt(m_nIconStage, tick, m_nTotalTicks))) {
            break;
        }
    }
    return quiet;
}

void CTimerDlg::ExpireCountdown() {
    // The run is over before the notice opens, so nothing its modal loop delivers finds it.
    m_bInactive = true;
    m_bTimerRunning = false;
    KillTimer(IDT_TICK);
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
