#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/page_form.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate TimerPageTemplate() {
    DialogTemplate t = PageForm(IDD_TIMERPAGE, 170, 86);
    constexpr DWORD kSpin = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    t.controls = {
        {IDC_ALARM_GROUP, ControlKind::GroupBox, "Alarm-Type && Setting:", 4, 2, 161, 49},
        {IDC_MODE_TIME, ControlKind::RadioButton, "Time", 11, 13, 31, 10, WS_GROUP | WS_TABSTOP},
        {IDC_MODE_TIMER, ControlKind::RadioButton, "Timer", 11, 25, 33, 10},
        {IDC_MODE_COUNTUP, ControlKind::RadioButton, "Countup", 11, 39, 43, 10},
        {IDC_ALARM_AT_LABEL, ControlKind::Static, "Alarm at:", 57, 14, 30, 8},
        {IDC_ALARMTIME, ControlKind::Edit, "", 91, 9, 30, 12, ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP},
        {IDC_24H_LABEL, ControlKind::Static, "24h Format", 125, 14, 36, 8},
        {IDC_IN_LABEL, ControlKind::Static, "in", 78, 28, 9, 8},
        {IDC_MINUTES, ControlKind::Edit, "", 91, 24, 20, 12, ES_CENTER | ES_NUMBER | WS_TABSTOP},
        {IDC_MINUTES_SPIN, ControlKind::UpDown, "", 111, 24, 11, 12, kSpin},
        {IDC_MINUTES_LABEL, ControlKind::Static, "minute(s)", 126, 28, 29, 8},
        {IDC_MESSAGE_LABEL, ControlKind::Static, "Messagetext:", 27, 52, 65, 8},
        {IDC_MESSAGE, ControlKind::Edit, "", 25, 62, 119, 24,
         ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP},
    };
    return t;
}
