#include "platform/messages.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate MainDialogTemplate() {
    DialogTemplate t;
    t.id = IDD_TIMER_DIALOG;
    t.caption = "Brewdial";
    t.cx = 182;
    t.cy = 140;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.exStyle = WS_EX_APPWINDOW;
    t.controls = {
        {IDC_TAB, ControlKind::TabControl, "", 1, 4, 180, 106, WS_TABSTOP | TCS_MULTILINE},
        {IDC_CLOSE, ControlKind::PushButton, "Close", 124, 114, 50, 12, WS_TABSTOP},
        {IDC_START, ControlKind::PushButton, "Start Timer", 9, 114, 107, 12, WS_TABSTOP},
        {IDC_PAUSE, ControlKind::PushButton, "Pause", 11, 114, 50, 12, WS_TABSTOP, 0, true},
        {IDC_STOP, ControlKind::PushButton, "Stop", 65, 114, 50, 12, WS_TABSTOP, 0, true},
    };
    return t;
}
