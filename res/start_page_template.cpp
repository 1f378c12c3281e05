#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/page_form.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate StartPageTemplate() {
    DialogTemplate t = PageForm(IDD_STARTPAGE, 167, 86);
    t.controls = {
        {IDC_CLOSE_AFTER_ALARM, ControlKind::CheckBox, "close after alarm", 47, 9, 89, 10, WS_TABSTOP},
        {IDC_START_MINIMIZED, ControlKind::CheckBox, "start minimized", 47, 19, 80, 10, WS_TABSTOP},
        {IDC_MINIMIZE_AFTER_START, ControlKind::CheckBox, "minimize after timer start", 47, 29, 105, 10,
         WS_TABSTOP},
        {-1, ControlKind::GroupBox, "Start && Alarm Options", 38, 0, 129, 51},
        {IDC_START_STAY, ControlKind::CheckBox, "start and stay minimized", 47, 39, 110, 10, WS_TABSTOP},
        {-1, ControlKind::GroupBox, "Systray-Icon doubleclick:", 38, 52, 129, 34},
        {IDC_DBLCLICK_MAXIMIZE, ControlKind::RadioButton, "maximize", 47, 63, 42, 10, WS_GROUP | WS_TABSTOP},
        {IDC_DBLCLICK_START, ControlKind::RadioButton, "start timer", 47, 73, 43, 10},
        {-1, ControlKind::StaticBitmap, "", 0, 2, 30, 84, SS_SUNKEN | WS_GROUP, IDB_STARTPAGE},
    };
    return t;
}
