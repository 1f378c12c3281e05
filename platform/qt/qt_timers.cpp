#include "platform/qt/qt_services.h"
#include "platform/qt/wnd_access.h"

#include <QTimer>

QtTimerService::~QtTimerService() {
    for (auto& [key, timer] : m_timers) {
        delete timer;
    }
}

void QtTimerService::SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) {
    QTimer*& timer = m_timers[{&wnd, id}];
    if (!timer) {
        timer = new QTimer;
        // Coarse timers fire up to 5 % early, and the countdown counts these ticks.
        timer->setTimerType(Qt::PreciseTimer);
        CWnd* target = &wnd;
        QObject::connect(timer, &QTimer::timeout, timer, [target, id] { WndAccess::Timer(*target, id); });
    }
    timer->start(static_cast<int>(ms));
}

const QTimer* QtTimerService::Find(const CWnd& wnd, UINT_PTR id) const {
    auto found = m_timers.find({const_cast<CWnd*>(&wnd), id});
    return found == m_timers.end() ? nullptr : found->second;
}

void QtTimerService::KillTimer(CWnd& wnd, UINT_PTR id) {
    auto found = m_timers.find({&wnd, id});
    if (found != m_timers.end()) {
        found->second->stop();
        found->second->deleteLater(); // may be inside its own timeout
        m_timers.erase(found);
    }
}

void QtTimerService::KillAllTimers(CWnd& wnd) {
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->first.first == &wnd) {
            it->second->stop();
            it->second->deleteLater();
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
}
