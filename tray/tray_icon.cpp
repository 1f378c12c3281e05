#include "app/timer_dlg.h"
#include "platform/app.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "res/resource.h"
#include "tray/tool_tip.h"

bool CTimerDlg::Notify(DWORD message, CWnd* wnd, UINT id, UINT flags, UINT callbackMessage, HICON icon,
                       const std::string& tip) {
    NotifyIconData data{wnd, id, flags, callbackMessage, icon, CutToolTip(tip), {}};
    if (message == NIM_ADD) {
        data.popup = [this] { return TrayPopupItems(); }; // for hosts that show the menu themselves
    }
    return GetServices().tray.NotifyIcon(message, data);
}

bool CTimerDlg::AddTrayIcon(CWnd* wnd, UINT id, HICON icon, const char* tip) {
    return Notify(NIM_ADD, wnd, id, NIF_MESSAGE | NIF_ICON | NIF_TIP, WM_TRAYNOTIFY, icon, tip ? tip : "");
}

bool CTimerDlg::ModifyTrayIcon(const std::string& tip, UINT callbackMessage, CWnd* wnd, UINT id, HICON icon) {
    return Notify(NIM_MODIFY, wnd, id, NIF_MESSAGE | NIF_ICON | NIF_TIP, callbackMessage, icon, tip);
}

bool CTimerDlg::SetTrayIcon(CWnd* wnd, UINT id, HICON icon) {
    return Notify(NIM_MODIFY, wnd, id, NIF_ICON, 0, icon, "");
}

bool CTimerDlg::DeleteTrayIcon(CWnd* wnd, UINT id) {
    return Notify(NIM_DELETE, wnd, id, 0, 0, 0, "");
}
