#include "platform/messages.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate LedTimerTemplate() {
    DialogTemplate t;
    t.id = IDD_LEDTIMER;
    t.caption = "Timer:";
    t.cx = 159;
    t.cy = 12;
    t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL;
    t.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOPARENTNOTIFY;
    t.controls = {
        {IDC_LED_PROGRESS, ControlKind::Progress, "", 3, 2, 152, 9, 0},
    };
    return t;
}
