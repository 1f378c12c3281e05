#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/page_form.h"
#include "res/resource.h"
#include "res/resources.h"

// In keyboard order: the three captions, the three minute counts, the button.
DialogTemplate MenuPageTemplate() {
    DialogTemplate t = PageForm(IDD_MENUPAGE, 170, 87);
    constexpr DWORD kCaption = ES_AUTOHSCROLL | WS_TABSTOP;
    constexpr DWORD kMinutes = ES_NUMBER | WS_TABSTOP;
    t.controls = {
        {IDC_MENU1_LABEL, ControlKind::Static, "Menu 1:", 46, 18, 27, 8},
        {IDC_MENU1_TEXT, ControlKind::Edit, "", 76, 14, 45, 12, kCaption},
        {IDC_MENU2_LABEL, ControlKind::Static, "Menu 2:", 46, 33, 27, 8},
        {IDC_MENU2_TEXT, ControlKind::Edit, "", 76, 29, 45, 12, kCaption},
        {IDC_MENU3_LABEL, ControlKind::Static, "Menu 3:", 46, 48, 27, 8},
        {IDC_MENU3_TEXT, ControlKind::Edit, "", 76, 44, 45, 12, kCaption},
        {IDC_MENU1_MIN, ControlKind::Static, "min", 150, 19, 12, 8},
        {IDC_MENU1_MINUTES, ControlKind::Edit, "", 126, 14, 20, 12, kMinutes},
        {IDC_MENU2_MIN, ControlKind::Static, "min", 150, 34, 12, 8},
        {IDC_MENU2_MINUTES, ControlKind::Edit, "", 126, 29, 20, 12, kMinutes},
        {IDC_MENU3_MIN, ControlKind::Static, "min", 150, 49, 12, 8},
        {IDC_MENU3_MINUTES, ControlKind::Edit, "", 126, 44, 20, 12, kMinutes},
        {-1, ControlKind::GroupBox, "Popup-Menu:", 38, 0, 129, 65},
        {-1, ControlKind::StaticBitmap, "", 0, 2, 31, 84, SS_SUNKEN, IDB_MENUPAGE},
        {IDC_ABOUT, ControlKind::PushButton, "About Brewdial", 104, 69, 62, 14, WS_TABSTOP},
    };
    return t;
}
