// The virtual clock: window and minute timers due as the test advances time.
#include "platform/fake/fake_services.h"

#include "platform/widgets/window_host.h"
#include "platform/widgets/wnd_access.h"

#include <algorithm>

void VirtualClock::SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) {
    KillTimer(wnd, id);
    Timer t{};
    t.period = std::max<UINT>(ms, 1);
    t.schedule.Start(m_now, t.period);
    t.generation = t.serial = m_serial++;
    m_timers.emplace(Key{&wnd, id}, t);
}

void VirtualClock::SetMinuteTimer(CWnd& wnd, UINT_PTR id) {
    KillTimer(wnd, id);
    const long long intoMinute = ((m_now - m_dayStartMs) % 60000 + 60000) % 60000;
    Timer t{};
    t.minuteDue = m_now + 60000 - intoMinute;
    t.generation = t.serial = m_serial++;
    m_timers.emplace(Key{&wnd, id}, t);
}

void VirtualClock::KillTimer(CWnd& wnd, UINT_PTR id) {
    m_timers.erase(Key{&wnd, id});
}

void VirtualClock::KillAllTimers(CWnd& wnd) {
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        it = it->first.first == &wnd ? m_timers.erase(it) : std::next(it);
    }
}

size_t VirtualClock::TimerCount() const {
    return static_cast<size_t>(std::count_if(m_timers.begin(), m_timers.end(), [](const auto& entry) {
        return entry.first.second != kMoveSettledTimer;
    }));
}

TimeOfDay VirtualClock::Now() {
    const long long dayMs = 24LL * 3600 * 1000;
    const long long ms = ((m_now - m_dayStartMs) % dayMs + dayMs) % dayMs;
    const long long minutes = ms / 60000;
    return TimeOfDay{static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
}

void VirtualClock::SetTimeOfDay(int hour, int minute, int second) {
    m_dayStartMs = m_now - ((hour * 60LL + minute) * 60 + second) * 1000;
    for (auto& [key, t] : m_timers) {
        if (t.period == 0) {
            t.minuteDue = m_now;
        }
    }
}

long long VirtualClock::WakeAt(const Timer& t) {
    return t.period == 0 ? t.minuteDue : t.schedule.WakeAt();
}

long long VirtualClock::NextDue(const Timer& t) {
    return t.period == 0 ? t.minuteDue : t.schedule.NextDue();
}

// As the real event loop does before it waits: every window says again which of its timers'
// expirations are quiet.
void VirtualClock::Rearm() {
    for (auto& [key, t] : m_timers) {
        if (t.period != 0 && !t.delivering) {
            t.schedule.Defer(WndAccess::QuietExpirations(*key.first, key.second));
        }
    }
}

// Delivers every expiration of one timer due by now, each in turn, until the timer ends.
void VirtualClock::Deliver(Key key) {
    Timer& t = m_timers.at(key);
    if (t.period == 0) {
        m_timers.erase(key);
        WndAccess::Timer(*key.first, key.second);
        return;
    }
    const unsigned long long generation = t.generation;
    t.delivering = true;
    for (;;) {
        // Each delivery may kill or set timers, or advance the clock itself.
        auto found = m_timers.find(key);
        if (found == m_timers.end() || found->second.generation != generation) {
            return;
        }
        if (!found->second.schedule.TakeDue(m_now)) {
            found->second.delivering = false;
            found->second.serial = m_serial++;
            return;
        }
        WndAccess::Timer(*key.first, key.second);
    }
}

void VirtualClock::Advance(long long ms) {
    const long long end = m_now + ms;
    for (;;) {
        Rearm();
        auto next = std::min_element(m_timers.begin(), m_timers.end(), [](const auto& a, const auto& b) {
            const long long wakeA = WakeAt(a.second);
            const long long wakeB = WakeAt(b.second);
            return wakeA != wakeB ? wakeA < wakeB : a.second.serial < b.second.serial;
        });
        if (next == m_timers.end() || WakeAt(next->second) > end) {
            break;
        }
        m_now = std::max(m_now, WakeAt(next->second));
        Deliver(next->first);
        if (m_now > end) {
            return;
        }
    }
    m_now = end;
}

void VirtualClock::DeliverDue() {
    std::vector<std::pair<long long, Key>> due;
    for (const auto& [key, t] : m_timers) {
        if (t.period != 0 && !t.delivering && t.schedule.NextDue() <= m_now) {
            due.emplace_back(t.schedule.NextDue(), key);
        }
    }
    std::sort(due.begin(), due.end());
    for (const auto& [when, key] : due) {
        if (m_timers.count(key) != 0) { // an earlier delivery may have ended it
            Deliver(key);
        }
    }
}

const VirtualClock::Timer* VirtualClock::Find(const CWnd& wnd, UINT_PTR id) const {
    auto found = m_timers.find(Key{const_cast<CWnd*>(&wnd), id});
    return found == m_timers.end() ? nullptr : &found->second;
}

bool VirtualClock::IsRunning(const CWnd& wnd, UINT_PTR id) const {
    return Find(wnd, id) != nullptr;
}

std::optional<UINT> VirtualClock::Period(const CWnd& wnd, UINT_PTR id) const {
    const Timer* t = Find(wnd, id);
    return t && t->period != 0 ? std::optional<UINT>(t->period) : std::nullopt;
}

bool VirtualClock::IsMinuteTimer(const CWnd& wnd, UINT_PTR id) const {
    const Timer* t = Find(wnd, id);
    return t && t->period == 0;
}

std::optional<long long> VirtualClock::DueIn(const CWnd& wnd, UINT_PTR id) const {
    const Timer* t = Find(wnd, id);
    return t ? std::optional<long long>(NextDue(*t) - m_now) : std::nullopt;
}

std::optional<long long> VirtualClock::WakesIn(const CWnd& wnd, UINT_PTR id) {
    Rearm();
    const Timer* t = Find(wnd, id);
    return t ? std::optional<long long>(WakeAt(*t) - m_now) : std::nullopt;
}
