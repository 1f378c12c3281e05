// The main dialog's side of the LED-Timer window: opened with a countdown, closed with it.
#include "app/timer_dlg.h"
#include "indicators/led_timer_dlg.h"

void CTimerDlg::OpenLedTimer(const std::string& tip, int minutes) {
    m_pLedWnd = std::make_unique<CLedTimerDlg>(App());
    m_bLedOpen = true;
    m_pLedWnd->Create();
    m_pLedWnd->m_progress.SetRange32(0, minutes * 60); // seconds
    m_pLedWnd->m_progress.SetPos(0);
    m_pLedWnd->SetWindowText(tip);
    m_pLedWnd->m_bSnap = m_settings.options.nSnapLed;
    m_pLedWnd->SetWindowPos(true, m_settings.nLedLeft, m_settings.nLedTop);
    m_pLedWnd->m_strPrefix = tip;
}

void CTimerDlg::CloseLedTimer() {
    if (!m_bLedOpen) {
        return;
    }
    const CRect r = m_pLedWnd->GetWindowRect();
    m_settings.nLedLeft = r.left;
    m_settings.nLedTop = r.top;
    DestroyLedTimer();
}

void CTimerDlg::DestroyLedTimer() {
    if (!m_bLedOpen) {
        return;
    }
    m_pLedWnd->DestroyWindow();
    m_pLedWnd.reset();
    m_bLedOpen = false;
}
