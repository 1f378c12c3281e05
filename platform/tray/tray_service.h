#pragma once
// The program's icons in the desktop's tray.
#include "platform/services.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

class TrayIconEntry;

class QtTrayService : public TrayService {
public:
    QtTrayService();
    ~QtTrayService() override;
    bool NotifyIcon(DWORD message, const NotifyIconData& data) override;

private:
    std::map<std::pair<CWnd*, UINT>, std::unique_ptr<TrayIconEntry>> m_icons;
    std::vector<std::unique_ptr<TrayIconEntry>> m_removed; // deleted with the next call, or at the end
};
