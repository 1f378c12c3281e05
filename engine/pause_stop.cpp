// Pause and resume of a countdown or count-up, and the Stop button.
#include "app/timer_dlg.h"
#include "indicators/countup_dlg.h"
#include "indicators/led_timer_dlg.h"
#include "res/resource.h"
#include "tray/status_icons.h"

void CTimerDlg::OnPause() {
    if (m_bTimerRunning) {
        if (!m_bPaused) {
            Show3DPaused(true);
            if (m_bLedOpen) {
                m_pLedWnd->ShowPaused(true);
            }
            SetButtonText(IDC_PAUSE, "Resume");
            ShowStatus("Timer paused");
            m_hStatusIcon = IDI_PAUSED;
            ShowInTray("Timer paused", m_hStatusIcon);
            m_bPaused = true;
        } else {
            Show3DPaused(false);
            if (m_bLedOpen) {
                m_pLedWnd->ShowPaused(false);
            }
            SetButtonText(IDC_PAUSE, "Pause");
            ShowStatus("Timer active");
            if (m_settings.options.nDisplayIcon == 1) {
                if (const HICON stageIcon = StatusIconForStage(m_nIconStage)) {
                    m_hStatusIcon = stageIcon;
                    ShowInTray(m_strTip, m_hStatusIcon);
                }
            } else {
                ShowInTray(m_strTip, m_hIcon);
            }
            m_bPaused = false;
        }
    } else if (m_bCountupRunning) {
        if (!m_bPaused) {
            m_bPaused = true;
            SetButtonText(IDC_PAUSE, "Resume");
            m_hStatusIcon = IDI_PAUSED;
            ShowInTray("Countup paused", m_hStatusIcon);
            m_pCountupWnd->PauseCount();
            ShowStatus("Countup paused");
        } else {
            SetButtonText(IDC_PAUSE, "Pause");
            m_bPaused = false;
            ShowInTray("Countup running", m_hIcon);
            ShowStatus("Countup running");
            m_pCountupWnd->ResumeCount();
        }
    }
}

void CTimerDlg::OnStop() {
    ClearPause();
    OnStartTimer(); // the stop toggle of the run these buttons belong to
}
