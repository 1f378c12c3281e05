#include "indicators/countup_dlg.h"

#include "indicators/snap_to_work_area.h"
#include "indicators/two_digits.h"
#include "platform/app.h"
#include "platform/services.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {
constexpr int kDefaultPosition = 100;
}

CCountupDlg::CCountupDlg(CWinApp& app) : CDialog(IDD_COUNTUP, app) {}

void CCountupDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_COUNT_TIME, m_strTime);
}

BOOL CCountupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nCountSeconds = 0;
    m_nCountMinutes = 0;
    m_nCountHours = 0;
    m_bCaptureArmed = false;
    SetTimer(IDT_COUNT, 1000);
    m_strTime = "00:00:00";
    UpdateData(FALSE);
    CWinApp* app = &App();
    m_nPosX = app->GetProfileInt(kProfileSection, "PosCountX", kDefaultPosition);
    m_nPosY = app->GetProfileInt(kProfileSection, "PosCountY", kDefaultPosition);
    SetWindowPos(true, m_nPosX, m_nPosY); // unchecked: a place off the screen stays there
    return TRUE;
}

void CCountupDlg::PauseCount() {
    KillTimer(IDT_COUNT);
}

void CCountupDlg::ResumeCount() {
    SetTimer(IDT_COUNT, 1000);
}

void CCountupDlg::SavePosition() {
    const CRect r = GetWindowRect();
    m_nPosX = r.left;
    m_nPosY = r.top;
    CWinApp* app = &App();
    app->WriteProfileInt(kProfileSection, "PosCountX", m_nPosX);
    app->WriteProfileInt(kProfileSection, "PosCountY", m_nPosY);
}

void CCountupDlg::OnTimer(UINT_PTR id) {
    if (id == IDT_COUNT) {
        if (++m_nCountSeconds == 60) {
            m_nCountSeconds = 0;
            ++m_nCountMinutes;
        }
        if (m_nCountMinutes == 60) {
            m_nCountMinutes = 0;
            if (++m_nCountHours > 99) {
                m_nCountHours = 0; // the display wraps after 99:59:59
            }
        }
        m_strTime =
            TwoDigits(m_nCountHours) + ":" + TwoDigits(m_nCountMinutes) + ":" + TwoDigits(m_nCountSeconds);
        UpdateData(FALSE);
    } else if (id == IDT_SNAP) {
        KillTimer(IDT_SNAP);
        SnapToWorkArea(*this, GetServices().display.WorkArea());
    }
}

void CCountupDlg::OnMouseMove(UINT, CPoint) {
    SnapToWorkArea(*this, GetServices().display.WorkArea()); // this window always snaps
}

void CCountupDlg::OnCaptureChanged() {
    if (CaptureEndsDrag(m_bCaptureArmed)) {
        SetTimer(IDT_SNAP, 50); // once the dropped window has settled
    }
}
