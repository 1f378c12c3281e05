#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/page_form.h"
#include "res/resource.h"
#include "res/resources.h"

#include <iterator>

DialogTemplate Disk3DPageTemplate() {
    DialogTemplate t = PageForm(IDD_3DOPTIONSPAGE, 172, 86);
    constexpr DWORD kNumber = ES_READONLY | ES_CENTER | WS_TABSTOP;
    constexpr DWORD kSpin = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    t.controls = {
        {-1, ControlKind::StaticBitmap, "", 0, 2, 30, 84, SS_SUNKEN, IDB_3DOPTIONSPAGE},
        {-1, ControlKind::GroupBox, "3D with OpenGL", 38, 0, 129, 86},
        {-1, ControlKind::Static, "Number of Diskparts:", 43, 12, 67, 8},
        {IDC_PARTS, ControlKind::Edit, "", 129, 8, 20, 12, kNumber},
        {IDC_PARTS_SPIN, ControlKind::UpDown, "", 149, 8, 11, 12, kSpin},
        {-1, ControlKind::Static, "Number of Parts to skip:", 43, 25, 76, 8},
        {IDC_SKIP, ControlKind::Edit, "", 129, 22, 20, 12, kNumber},
        {IDC_SKIP_SPIN, ControlKind::UpDown, "", 149, 22, 11, 12, kSpin},
        {IDC_DISK_TYPE, ControlKind::ComboBox, "", 43, 38, 107, 58, WS_VSCROLL | WS_TABSTOP},
        {IDC_SPIN_Z, ControlKind::CheckBox, "Spin Z-Axis", 43, 52, 51, 10, WS_TABSTOP},
        {IDC_SPIN_Y, ControlKind::CheckBox, "Spin Y-Axis", 43, 63, 51, 10, WS_TABSTOP},
        {IDC_SPIN_X, ControlKind::CheckBox, "Spin X-Axis", 43, 73, 51, 10, WS_TABSTOP},
        {IDC_LIGHT, ControlKind::CheckBox, "Light on", 107, 53, 41, 10, WS_TABSTOP},
        {IDC_COLOR, ControlKind::PushButton, "Color", 113, 66, 29, 14, WS_TABSTOP},
    };
    t.comboItems.assign(std::begin(kDiskTypeTexts), std::end(kDiskTypeTexts));
    return t;
}
