#include "platform/timers/timer_service.h"
#include "platform/timers/minute_timer.h"
#include "platform/timers/window_timer.h"
#include "platform/widgets/wnd_access.h"

#include <QAbstractEventDispatcher>

#include <algorithm>
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
    WatchTheEventLoop();
    Discard(m_minuteTimers, {&wnd, id});
    WindowTimer*& timer = m_timers[{&wnd, id}];
    if (!timer) {
        CWnd* target = &wnd;
        timer = new WindowTimer([target, id] { WndAccess::Timer(*target, id); },
                                [target, id] { return WndAccess::QuietExpirations(*target, id); });
    }
    timer->Start(static_cast<int>(ms));
}

// Whatever the program did since it last waited may have changed which expirations are quiet:
// each timer asks its window again before the event loop goes to sleep.
void QtTimerService::WatchTheEventLoop() {
    if (m_loopWatch) {
        return;
    }
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        m_loopWatch = std::make_unique<QObject>();
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_loopWatch.get(), [this] {
            for (auto& [key, timer] : m_timers) {
                timer->Rearm();
            }
        });
    }
}

void QtTimerService::DeliverDue() {
    std::vector<std::pair<long long, Key>> due;
    for (const auto& [key, timer] : m_timers) {
        if (timer->IsDue()) {
            due.emplace_back(timer->NextDueNs(), key);
        }
    }
    std::sort(due.begin(), due.end());
    for (const auto& [when, key] : due) {
        // An earlier delivery may have ended this timer.
        if (auto found = m_timers.find(key); found != m_timers.end()) {
            found->second->CatchUp();
        }
    }
}

void QtTimerService::SetMinuteTimer(CWnd& wnd, UINT_PTR id) {
    Discard(m_timers, {&wnd, id});
    MinuteTimer*& timer = m_minuteTimers[{&wnd, id}];
    if (!timer) {
        CWnd* target = &wnd;
        timer = new MinuteTimer([target, id] { WndAccess::Timer(*target, id); }, m_wallClock);
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
