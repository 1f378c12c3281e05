#include "platform/timers/window_timer.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr long long kNsPerMs = 1000 * 1000;
// A wait longer than this wakes the program early; the expirations due then are delivered.
constexpr long long kLongestWaitNs = 60LL * 60 * 1000 * kNsPerMs;

} // namespace

WindowTimer::WindowTimer(std::function<void()> fire, std::function<unsigned()> quiet,
                         std::function<long long()> nowNs)
    : m_fire(std::move(fire)), m_quiet(std::move(quiet)), m_nowNs(std::move(nowNs)) {
    if (!m_nowNs) {
        m_nowNs = [] {
            return std::chrono::duration_cast<std::chrono::nanoseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        };
    }
    m_wake.setSingleShot(true);
    // Coarse timers fire up to 5 % early, and a countdown counts these expirations.
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &WindowTimer::Deliver);
}

void WindowTimer::Start(int periodMs) {
    ++m_starts;
    m_active = true;
    m_delivering = false;
    m_period = periodMs;
    m_schedule.Start(Now(), periodMs * kNsPerMs);
    // The window is still setting itself up: it is asked about quiet expirations once it is done.
    m_wake.stop();
    m_armedFor = m_schedule.NextDue();
    m_wake.start(periodMs);
}

void WindowTimer::Stop() {
    ++m_starts;
    m_active = false;
    m_delivering = false;
    m_wake.stop();
}

void WindowTimer::CatchUp() {
    if (IsDue()) {
        Deliver();
    }
}

void WindowTimer::Rearm() {
    if (m_active && !m_delivering) {
        Arm();
    }
}

bool WindowTimer::IsDue() const {
    return m_active && !m_delivering && m_schedule.NextDue() <= Now();
}

void WindowTimer::Deliver() {
    const unsigned starts = m_starts;
    m_delivering = true;
    // Each delivery may stop the timer, set it anew or run a modal loop.
    while (m_active && m_schedule.TakeDue(Now())) {
        m_fire();
        if (starts != m_starts) {
            return; // stopped or set anew meanwhile, and armed if need be
        }
    }
    m_delivering = false;
    Arm();
}

void WindowTimer::Arm() {
    m_schedule.Defer(m_quiet ? m_quiet() : 0);
    const long long wakeAt = m_schedule.WakeAt();
    if (m_wake.isActive() && wakeAt == m_armedFor) {
        return; // asleep for that already
    }
    m_armedFor = wakeAt;
    // Rounded up: the program wakes when the expiration is due, not a moment before.
    const long long waitNs = std::min(std::max(wakeAt - Now(), 0LL), kLongestWaitNs);
    m_wake.start(static_cast<int>((waitNs + kNsPerMs - 1) / kNsPerMs));
}
