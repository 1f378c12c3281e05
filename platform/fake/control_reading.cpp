#include "platform/fake/control_reading.h"

#include "platform/widgets/status_bar.h"
#include "platform/widgets/tab_control.h"
#include "platform/widgets/wnd_access.h"

#include <QComboBox>
#include <QProgressBar>
#include <QTabBar>

int BarPosition(const CProgressCtrl& bar) {
    auto* widget = qobject_cast<QProgressBar*>(WndAccess::Widget(bar));
    return widget ? widget->value() : 0;
}

std::pair<int, int> BarRange(const CProgressCtrl& bar) {
    auto* widget = qobject_cast<QProgressBar*>(WndAccess::Widget(bar));
    return widget ? std::make_pair(widget->minimum(), widget->maximum()) : std::make_pair(0, 0);
}

std::vector<std::string> ListItems(const CComboBox& list) {
    std::vector<std::string> items;
    if (auto* combo = qobject_cast<QComboBox*>(WndAccess::Widget(list))) {
        for (int i = 0; i < combo->count(); ++i) {
            items.push_back(combo->itemText(i).toStdString());
        }
    }
    return items;
}

std::vector<std::string> TabTexts(const CTabCtrl& tabs) {
    std::vector<std::string> texts;
    if (auto* control = qobject_cast<TabControlWidget*>(WndAccess::Widget(tabs))) {
        QTabBar* bar = control->Bar();
        for (int i = 0; i < bar->count(); ++i) {
            texts.push_back(bar->tabText(i).toStdString());
        }
    }
    return texts;
}

std::string StatusBarText(const CStatusBarCtrl& bar, int part) {
    auto* widget = qobject_cast<StatusBarWidget*>(WndAccess::Widget(bar));
    return widget ? widget->Text(part).toStdString() : std::string();
}
