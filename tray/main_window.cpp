// The main dialog's visibility: the close box only hides it, the tray brings it back, and its
// system menu opens the about box.
#include "app/timer_dlg.h"
#include "platform/messages.h"
#include "res/resource.h"
#include "ui/about_dlg.h"

void CTimerDlg::OnClose() {
    ShowWindow(SW_HIDE); // the program lives on in the tray; nothing is written
    SaveShownPageOnHide();
}

void CTimerDlg::RestoreWindow() {
    ShowWindow(SW_RESTORE);
    ShowWindow(SW_SHOWNORMAL);
    SetForegroundWindow();
}

void CTimerDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlg(App());
        dlg.DoModal();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}
