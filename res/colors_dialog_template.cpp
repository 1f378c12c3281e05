#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/resource.h"
#include "res/resources.h"

DialogTemplate ColorsDialogTemplate() {
    DialogTemplate t;
    t.id = IDD_COLORS;
    t.caption = "Config Colors";
    t.cx = 192;
    t.cy = 121;
    t.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    constexpr DWORD kSwatch = SS_ETCHEDFRAME;
    t.controls = {
        {IDOK, ControlKind::DefPushButton, "OK", 10, 100, 50, 14, WS_TABSTOP},
        {-1, ControlKind::Static, "Colors for Multi-Color-Disk:", 10, 5, 83, 8},
        {IDC_COLOR1, ControlKind::PushButton, "Color 1", 33, 15, 30, 15, WS_TABSTOP},
        {IDC_COLOR2, ControlKind::PushButton, "Color 2", 93, 15, 30, 15, WS_TABSTOP},
        {IDC_COLOR3, ControlKind::PushButton, "Color 3", 153, 15, 30, 15, WS_TABSTOP},
        {-1, ControlKind::Static, "Color for One-Color-Disk:", 10, 35, 78, 8},
        {IDC_COLOR4, ControlKind::PushButton, "Color", 33, 46, 30, 15, WS_TABSTOP},
        {-1, ControlKind::Static, "Colors for Sec/Min-Disk:", 10, 65, 78, 8},
        {IDC_COLOR5, ControlKind::PushButton, "Color 1", 33, 76, 30, 15, WS_TABSTOP},
        {IDC_COLOR6, ControlKind::PushButton, "Color 2", 93, 76, 30, 15, WS_TABSTOP},
        {IDC_SWATCH1, ControlKind::Static, "", 10, 15, 20, 15, kSwatch},
        {IDC_SWATCH2, ControlKind::Static, "", 70, 15, 20, 15, kSwatch},
        {IDC_SWATCH4, ControlKind::Static, "", 10, 46, 19, 15, kSwatch},
        {IDC_SWATCH5, ControlKind::Static, "", 10, 76, 20, 15, kSwatch},
        {IDC_SWATCH6, ControlKind::Static, "", 70, 76, 20, 15, kSwatch},
        {IDC_SWATCH3, ControlKind::Static, "", 130, 15, 20, 15, kSwatch},
    };
    return t;
}
