#include "platform/messages.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/tray_activation.h"
#include "platform/qt/widgets.h"
#include "platform/wnd.h"

#include <QSystemTrayIcon>

QtTrayService::~QtTrayService() {
    for (auto& [key, entry] : m_icons) {
        delete entry.icon;
    }
}

bool QtTrayService::NotifyIcon(DWORD message, const NotifyIconData& data) {
    const auto key = std::make_pair(data.window, data.id);
    auto found = m_icons.find(key);
    if (message == NIM_DELETE) {
        if (found == m_icons.end()) {
            return false;
        }
        found->second.icon->hide();
        delete found->second.icon;
        m_icons.erase(found);
        return true;
    }
    if (message == NIM_ADD) {
        if (found != m_icons.end()) {
            return false;
        }
        auto* icon = new QSystemTrayIcon;
        found = m_icons.emplace(key, Entry{icon, 0}).first;
        CWnd* window = data.window;
        const UINT id = data.id;
        Entry* entry = &found->second;
        // Only the double-click and the right button reach the window, as the shell reports them.
        QObject::connect(icon, &QSystemTrayIcon::activated, icon,
                         [window, id, entry](QSystemTrayIcon::ActivationReason reason) {
                             if (const UINT mouse = TrayMouseMessage(reason, TrayProtocol::XEmbed)) {
                                 window->SendMessage(entry->callbackMessage, id, mouse);
                             }
                         });
    } else if (found == m_icons.end()) {
        return false;
    }
    Entry& entry = found->second;
    if (data.flags & NIF_MESSAGE) {
        entry.callbackMessage = data.callbackMessage;
    }
    if (data.flags & NIF_ICON) {
        entry.icon->setIcon(IconResource(data.icon));
    }
    if (data.flags & NIF_TIP) {
        entry.icon->setToolTip(QString::fromStdString(data.tip));
    }
    if (message == NIM_ADD) {
        entry.icon->show();
        return QSystemTrayIcon::isSystemTrayAvailable();
    }
    return true;
}
