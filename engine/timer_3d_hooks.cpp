// The main dialog's side of the 3D-Timer window: opened with a countdown, fed its ticks and
// pauses, closed with it.
#include "app/timer_dlg.h"
#include "gl3d/timer_3d_wnd.h"

bool CTimerDlg::Open3DTimer(const std::string& title, int minutes) {
    const Disk3DSettings& disk = m_settings.disk3D;
    const CRect stored{m_settings.n3DLeft, m_settings.n3DTop, m_settings.n3DRight, m_settings.n3DBottom};
    const unsigned countdown = m_nCountdownsStarted;
    // Its display-mode and "Fehler" boxes run modal loops, in which the tray may stop the run,
    // start another or end the program.
    auto opened = std::make_unique<C3DTimerWnd>(App(), stored, title, disk.nLight, disk.nDiskType,
                                                m_settings.options.nFullscreen);
    if (!IsCreated() || !m_bTimerRunning || countdown != m_nCountdownsStarted) {
        Destroy3DTimer(*opened); // its run is over: nothing more of this start may happen
        return false;
    }
    m_p3DWnd = std::move(opened);
    C3DTimerWnd& wnd = *m_p3DWnd;
    wnd.m_bSpinX = disk.nSpinX;
    wnd.m_bSpinY = disk.nSpinY;
    wnd.m_bSpinZ = disk.nSpinZ;
    wnd.m_nMinutes = minutes;
    for (int i = 0; i < 3; ++i) {
        wnd.m_colMulti[i] = disk.colMulti[i];
    }
    wnd.m_colCurrent = disk.colOne;
    for (int i = 0; i < 2; ++i) {
        wnd.m_colSecMin[i] = disk.colSecMin[i];
    }
    wnd.m_dParts = LeadingNumber(disk.strParts);
    wnd.m_nSkip = LeadingNumber(disk.strSkip);
    m_b3DOpen = true;
    return true;
}

void CTimerDlg::Close3DTimer() {
    if (!m_b3DOpen) {
        return;
    }
    Destroy3DTimer(*m_p3DWnd);
    m_p3DWnd.reset();
    m_b3DOpen = false;
}

void CTimerDlg::Destroy3DTimer(C3DTimerWnd& wnd) {
    if (wnd.IsCreated() && wnd.m_bFullscreen == 0) {
        const CRect r = wnd.GetWindowRect();
        m_settings.n3DLeft = r.left;
        m_settings.n3DTop = r.top;
        m_settings.n3DRight = r.right;
        m_settings.n3DBottom = r.bottom;
    }
    wnd.DestroyWindow();
}

void CTimerDlg::Update3DTimer() {
    if (m_b3DOpen) {
        m_p3DWnd->m_dRemaining = RemainingAngle(m_nTicks, m_nTotalTicks);
        m_p3DWnd->UpdateTimeText();
    }
}

void CTimerDlg::Show3DPaused(bool paused) {
    if (m_b3DOpen) {
        m_p3DWnd->ShowPaused(paused ? TRUE : FALSE);
    }
}
