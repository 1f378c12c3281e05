#pragma once
// One icon in the notification area, as a window added it: its Qt icon, the callback its clicks
// come back with, and on hosts that show the item's own menu, that menu.
#include "platform/services.h"
#include "platform/tray/tray_activation.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include <memory>

class TrayIconEntry {
public:
    TrayIconEntry(CWnd* window, UINT id);
    ~TrayIconEntry();
    TrayIconEntry(const TrayIconEntry&) = delete;
    TrayIconEntry& operator=(const TrayIconEntry&) = delete;

    // Takes the fields the flags name; NIF_ICON and NIF_TIP show at once.
    void Update(const NotifyIconData& data);
    // Puts the icon in the notification area; false when no tray host shows it.
    bool Show();
    // Takes the icon out of the notification area; its clicks and menu reach no one any more.
    void Hide();

private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    // The exported menu, made afresh from the window's popup items.
    void RefreshMenu();

    CWnd* m_window;
    UINT m_id;
    UINT m_callbackMessage = 0;
    std::function<std::vector<PopupMenuItem>()> m_popup;
    TrayProtocol m_protocol = TrayProtocol::XEmbed;
    QSystemTrayIcon m_icon;
    std::unique_ptr<QMenu> m_menu; // only for a StatusNotifierItem host
    bool m_refreshQueued = false;
};
