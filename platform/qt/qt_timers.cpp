#include "platform/qt/minute_timer.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/window_timer.h"
#include "platform/qt/wnd_access.h"

#include <vector>

namespace {

void Halt(WindowTimer* timer) {
    timer->Stop();
}

void Halt(MinuteTimer* timer) {
    timer->Stop();
}

// Stops a timer that may be inside its own timeout, and lets it go when the event loop can.
template <typename Timer>
void Discard(std::map<std::pair<CWnd*, UINT_PTR>, Timer*>& timers, std::pair<CWnd*, UINT_PTR> key) {
    auto found = timers.find(key);
    if (found != timers.end()) {
        Halt(found->second);
        found->second->deleteLater();
        timers.erase(found);
    }
}

template <typename Timer>
const Timer* FindIn(const std::map<std::pair<CWnd*, UINT_PTR>, Timer*>& timers, const CWnd& wnd,
                    UINT_PTR id) {
    auto found = timers.find({const_cast<CWnd*>(&wnd), id});
    return found == timers.end() ? nullptr : found->second;
}

} // namespace

QtTimerService::~QtTimerService() {
    for (auto& [key, timer] : m_timers) {
        delete timer;
    }
    for (auto& [key, timer] : m_minuteTimers) {
        delete timer;
    }
}

void QtTimerService::SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) {
    Discard(m_minuteTimers, {&wnd, id});
    WindowTimer*& timer = m_timers[{&wnd, id}];
    if (!timer) {
        CWnd* target = &wnd;
        timer = new WindowTimer([target, id] { WndAccess::Timer(*target, id); });
    }
    timer->Start(static_cast<int>(ms));
}

void QtTimerService::DeferTimer(CWnd& wnd, UINT_PTR id, UINT quiet) {
    if (auto found = m_timers.find({&wnd, id}); found != m_timers.end()) {
        found->second->Defer(quiet);
    }
}

void QtTimerService::CatchUpTimer(CWnd& wnd, UINT_PTR id) {
    if (auto found = m_timers.find({&wnd, id}); found != m_timers.end()) {
        found->second->CatchUp();
    }
}

void QtTimerService::SetMinuteTimer(CWnd& wnd, UINT_PTR id) {
    Discard(m_timers, {&wnd, id});
    MinuteTimer*& timer = m_minuteTimers[{&wnd, id}];
    if (!timer) {
        CWnd* target = &wnd;
        timer = new MinuteTimer([target, id] { WndAccess::Timer(*target, id); });
    }
    timer->Start();
}

const WindowTimer* QtTimerService::Find(const CWnd& wnd, UINT_PTR id) const {
    return FindIn(m_timers, wnd, id);
}

const MinuteTimer* QtTimerService::FindMinuteTimer(const CWnd& wnd, UINT_PTR id) const {
    return FindIn(m_minuteTimers, wnd, id);
}

void QtTimerService::KillTimer(CWnd& wnd, UINT_PTR id) {
    Discard(m_timers, {&wnd, id});
    Discard(m_minuteTimers, {&wnd, id});
}

void QtTimerService::KillAllTimers(CWnd& wnd) {
    std::vector<UINT_PTR> ids;
    for (const auto& [key, timer] : m_timers) {
        if (key.first == &wnd) {
            ids.push_back(key.second);
        }
    }
    for (const auto& [key, timer] : m_minuteTimers) {
        if (key.first == &wnd) {
            ids.push_back(key.second);
        }
    }
    for (UINT_PTR id : ids) {
        KillTimer(wnd, id);
    }
}
