#include "indicators/led_timer_dlg.h"

#include "indicators/snap_to_work_area.h"
#include "indicators/two_digits.h"
#include "platform/services.h"
#include "res/resource.h"

CLedTimerDlg::CLedTimerDlg(CWinApp& app) : CDialog(IDD_LEDTIMER, app) {}

void CLedTimerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LED_PROGRESS, m_progress);
}

BOOL CLedTimerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_bCaptureArmed = false;
    m_nQuarters = 0;
    m_nElapsedMin = 0;
    m_nElapsedSec = 0;
    return TRUE;
}

void CLedTimerDlg::UpdateCaption() {
    if (++m_nQuarters != 4) {
        return;
    }
    if (++m_nElapsedSec == 60) {
        m_nElapsedSec = 0;
        ++m_nElapsedMin;
    }
    m_strCaption = m_strPrefix + ": " + TwoDigits(m_nElapsedMin) + ":" + TwoDigits(m_nElapsedSec);
    SetWindowText(m_strCaption);
    m_nQuarters = 0;
}

void CLedTimerDlg::ShowPaused(bool paused) {
    if (paused) {
        m_strCaption = GetWindowText();
        SetWindowText("Paused");
    } else {
        SetWindowText(m_strCaption);
    }
}

void CLedTimerDlg::OnMouseMove(UINT, CPoint) {
    if (m_bSnap == 1) {
        SnapToWorkArea(*this, GetServices().display.WorkArea());
    }
}

void CLedTimerDlg::OnCaptureChanged() {
    if (CaptureEndsDrag(m_bCaptureArmed) && m_bSnap == 1) {
        SetTimer(IDT_SNAP, 50); // once the dropped window has settled
    }
}

void CLedTimerDlg::OnTimer(UINT_PTR id) {
    if (id == IDT_SNAP) {
        SnapToWorkArea(*this, GetServices().display.WorkArea());
        KillTimer(IDT_SNAP);
    }
}
