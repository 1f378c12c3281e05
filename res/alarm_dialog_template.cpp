#include "platform/messages.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate AlarmDialogTemplate() {
    DialogTemplate t;
    t.id = IDD_ALARM;
    t.caption = "Hinweis";
    t.cx = 138;
    t.cy = 63;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SYSMODAL;
    t.controls = {
        {IDOK, ControlKind::DefPushButton, "OK", 44, 42, 50, 14, WS_TABSTOP},
        {IDC_NOTICE_TEXT, ControlKind::Static, "Timer abgelaufen !", 39, 10, 92, 30, 0},
        {-1, ControlKind::StaticIcon, "", 6, 7, 21, 20, 0, IDR_MAINFRAME},
    };
    return t;
}
