#include "app/timer_dlg.h"
#include "res/resource.h"
#include "ui/about_dlg.h"

void CTimerDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlg(App());
        dlg.DoModal();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}
