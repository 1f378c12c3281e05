// What the main dialog and the tray show of the run: button captions and visibility, the
// status text and the tray's tip and icon.
#include "app/timer_dlg.h"
#include "platform/app.h"
#include "platform/messages.h"
#include "res/resource.h"

void CTimerDlg::SetButtonText(int id, const std::string& text) {
    if (CWnd* button = GetDlgItem(id)) {
        button->SetWindowText(text);
    }
}

void CTimerDlg::ShowRunButtons(bool running) {
    const int shown[] = {IDC_PAUSE, IDC_STOP};
    for (const int id : shown) {
        if (CWnd* button = GetDlgItem(id)) {
            button->ShowWindow(running ? SW_SHOW : SW_HIDE);
        }
    }
    if (CWnd* start = GetDlgItem(IDC_START)) {
        start->ShowWindow(running ? SW_HIDE : SW_SHOW);
    }
}

void CTimerDlg::ShowStatus(const std::string& text) {
    m_strStatus = text;
    m_statusBar.SetText(m_strStatus, 1);
}

void CTimerDlg::ShowIdleTexts() {
    CWinApp* app = &App();
    SetButtonText(IDC_START, app->LoadString(IDS_START));
    ShowStatus(app->LoadString(IDS_INACTIVE));
}

void CTimerDlg::ShowInTray(const std::string& tip, HICON icon) {
    ModifyTrayIcon(tip, WM_TRAYNOTIFY, this, kTrayIconId, icon);
}

void CTimerDlg::ShowIdleTray() {
    ShowInTray("Brewdial", m_hIcon);
}

void CTimerDlg::ClearPause() {
    m_bPaused = false;
    SetButtonText(IDC_PAUSE, "Pause");
}
