#include "platform/messages.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate CountupTemplate() {
    DialogTemplate t;
    t.id = IDD_COUNTUP;
    t.caption = "Count-Up";
    t.cx = 32;
    t.cy = 9;
    t.pointSize = 10;
    t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL;
    t.exStyle = WS_EX_TOOLWINDOW;
    t.controls = {
        {IDC_COUNT_TIME, ControlKind::Static, "00:00:00", 0, 0, 32, 9, SS_SUNKEN | SS_CENTER},
    };
    return t;
}
