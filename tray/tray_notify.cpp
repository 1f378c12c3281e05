// The tray icon's mouse events: the double-click and the popup menu.
#include "app/timer_dlg.h"
#include "platform/app.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "res/resource.h"
#include "ui/menu_page.h"

#include <vector>

namespace {

constexpr size_t kTrayPopup = 1; // the English submenu; the German one is never shown

void SetItemText(std::vector<PopupMenuItem>& items, UINT id, const std::string& text) {
    for (PopupMenuItem& item : items) {
        if (item.id == id) {
            item.text = text;
        }
    }
}

void SetItemGrayed(std::vector<PopupMenuItem>& items, UINT id, bool grayed) {
    for (PopupMenuItem& item : items) {
        if (item.id == id) {
            item.grayed = grayed;
        }
    }
}

} // namespace

LRESULT CTimerDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    if (lParam == WM_LBUTTONDBLCLK && wParam == kTrayIconId) {
        if (m_settings.start.nTrayDblClick == 0) {
            RestoreWindow();
        } else if (m_settings.start.nTrayDblClick == 1) {
            OnStartTimer(); // exactly as button 1005
        }
    }
    if (lParam == WM_RBUTTONDOWN) {
        ShowTrayPopup();
    }
    return 0;
}

void CTimerDlg::ShowTrayPopup() {
    if (m_bTrayPopupOpen) {
        return; // a right-click while the menu is open: the open one stays the only one
    }
    const CPoint at = GetServices().display.CursorPos();
    const std::vector<PopupMenuItem> items = TrayPopupItems();
    SetForegroundWindow();
    m_bTrayPopupOpen = true;
    const UINT chosen = GetServices().modal.TrackPopupMenu(items, at, this);
    m_bTrayPopupOpen = false;
    if (chosen != 0 && IsCreated()) {
        SendMessage(WM_COMMAND, chosen, 0); // the menu has closed: the command comes after it
    }
}

std::vector<PopupMenuItem> CTimerDlg::TrayPopupItems() {
    std::vector<PopupMenuItem> items;
    for (const MenuItemTemplate& item : App().Resources().menus.at(IDR_TRAYMENU).at(kTrayPopup)) {
        items.push_back(PopupMenuItem{item.id, item.text, false});
    }
    // Captions being edited on the shown Menu page show at once; the page keeps them until a quick
    // timer is chosen or the page is left.
    const UINT quickTimers[3] = {ID_QUICKTIMER1, ID_QUICKTIMER2, ID_QUICKTIMER3};
    for (int i = 0; i < 3; ++i) {
        SetItemText(items, quickTimers[i],
                    m_pMenuPage ? m_pMenuPage->ShownCaption(i) : m_settings.menu.strMenuText[i]);
    }
    SetItemGrayed(items, ID_MENU_PAUSE, !m_bTimerRunning && !m_bCountupRunning);
    if (m_bPaused) {
        SetItemText(items, ID_MENU_PAUSE, "Resume");
    }
    return items;
}
