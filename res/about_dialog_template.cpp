#include "brewdial_version.h"
#include "platform/messages.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate AboutDialogTemplate() {
    DialogTemplate t;
    t.id = IDD_ABOUTBOX;
    t.caption = "Brewdial";
    t.cx = 218;
    t.cy = 90;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.controls = {
        {-1, ControlKind::Static, "", 5, 5, 31, 80, SS_SUNKEN},
        {-1, ControlKind::StaticIcon, "", 10, 60, 20, 20, 0, IDR_MAINFRAME},
        {-1, ControlKind::Static, std::string("Brewdial, Version ") + kBrewdialVersion, 55, 5, 100, 8},
        {-1, ControlKind::Static, "Comments and suggestions", 55, 25, 117, 8},
        {-1, ControlKind::Static, "are welcome: please write", 55, 34, 117, 8},
        {-1, ControlKind::Static, "to the Brewdial authors.", 55, 43, 117, 8},
        {-1, ControlKind::Static, "Thanks for using Brewdial!", 55, 55, 117, 8},
        {-1, ControlKind::Static, "© 2026 the Brewdial authors", 55, 67, 117, 8},
        {IDOK, ControlKind::DefPushButton, "OK", 179, 3, 32, 14, WS_TABSTOP},
    };
    return t;
}
