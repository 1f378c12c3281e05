#include "platform/tray/tray_service.h"
#include "platform/messages.h"
#include "platform/tray/tray_icon_entry.h"

QtTrayService::QtTrayService() = default;

QtTrayService::~QtTrayService() = default;

bool QtTrayService::NotifyIcon(DWORD message, const NotifyIconData& data) {
    m_removed.clear();
    const auto key = std::make_pair(data.window, data.id);
    auto found = m_icons.find(key);
    if (message == NIM_ADD) {
        if (found != m_icons.end()) {
            return false;
        }
        auto entry = std::make_unique<TrayIconEntry>(data.window, data.id);
        entry->Update(data);
        return m_icons.emplace(key, std::move(entry)).first->second->Show();
    }
    if (found == m_icons.end()) {
        return false;
    }
    if (message == NIM_DELETE) {
        // The icon goes from the notification area at once, but its object only later: the
        // deletion may come from a command of its own menu or click, still on the stack.
        found->second->Hide();
        m_removed.push_back(std::move(found->second));
        m_icons.erase(found);
        return true;
    }
    found->second->Update(data);
    return true;
}
