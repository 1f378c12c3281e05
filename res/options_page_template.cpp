#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/page_form.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate OptionsPageTemplate() {
    DialogTemplate t = PageForm(IDD_OPTIONSPAGE, 172, 86);
    t.controls = {
        {IDC_SOUND_NAME, ControlKind::Edit, "", 44, 10, 73, 12, ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP},
        {IDC_BROWSE_SOUND, ControlKind::PushButton, "...", 119, 10, 13, 13, WS_TABSTOP},
        {IDC_PLAY_SOUND, ControlKind::CheckBox, "play sound", 44, 23, 55, 10, WS_TABSTOP},
        {IDC_PLAY, ControlKind::PushButton, "Play", 135, 10, 28, 13, WS_TABSTOP},
        {-1, ControlKind::GroupBox, "Sound", 38, 0, 129, 35},
        {IDC_LED_TIMER, ControlKind::CheckBox, "LED-Timer", 44, 45, 50, 10, WS_TABSTOP},
        {IDC_SNAP_LED, ControlKind::CheckBox, "snap LED-Timer to viewport", 44, 55, 115, 10, WS_TABSTOP},
        {-1, ControlKind::GroupBox, "Progress Indicator (Timer-Mode):", 38, 35, 129, 51},
        {-1, ControlKind::StaticBitmap, "", 0, 2, 30, 84, SS_SUNKEN, IDB_OPTIONSPAGE},
        {IDC_DISPLAY_ICON, ControlKind::CheckBox, "use icon to display timer status", 44, 65, 111, 10,
         WS_TABSTOP},
        {IDC_3D_TIMER, ControlKind::CheckBox, "3D-Timer", 44, 75, 45, 10, WS_TABSTOP},
        {IDC_FULLSCREEN, ControlKind::CheckBox, "use Fullscreen", 89, 75, 61, 10, WS_TABSTOP},
    };
    return t;
}
