#include "platform/qt/window_timer.h"

#include <algorithm>
#include <chrono>
#include <limits>

void ExpirySchedule::Start(long long now, long long period) {
    m_period = std::max(period, 1LL);
    m_next = now + m_period;
    m_quiet = 0;
}

void ExpirySchedule::Defer(unsigned quiet) {
    m_quiet = quiet;
}

long long ExpirySchedule::WakeAt() const {
    const long long far = std::numeric_limits<long long>::max();
    return m_quiet > (far - m_next) / m_period ? far : m_next + m_quiet * m_period;
}

bool ExpirySchedule::TakeDue(long long now) {
    if (now < m_next) {
        return false;
    }
    m_next += m_period;
    if (m_quiet > 0) {
        --m_quiet;
    } else if (m_next <= now) {
        m_next = now + m_period;
    }
    return true;
}

namespace {

constexpr long long kNsPerMs = 1000 * 1000;
// A wait longer than this wakes the program early; the expirations due then are delivered.
constexpr long long kLongestWaitMs = 60 * 60 * 1000;

} // namespace

WindowTimer::WindowTimer(std::function<void()> fire, std::function<long long()> nowNs)
    : m_fire(std::move(fire)), m_nowNs(std::move(nowNs)) {
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
    Arm();
}

void WindowTimer::Stop() {
    ++m_starts;
    m_active = false;
    m_delivering = false;
    m_wake.stop();
}

void WindowTimer::Defer(unsigned quiet) {
    m_schedule.Defer(quiet);
    if (m_active && !m_delivering) {
        Arm();
    }
}

void WindowTimer::CatchUp() {
    if (m_active && !m_delivering) {
        Deliver();
    }
}

void WindowTimer::Deliver() {
    const unsigned starts = m_starts;
    m_delivering = true;
    // Each delivery may stop the timer, set it anew or run a modal loop.
    while (m_active && m_schedule.TakeDue(Now())) {
        m_fire();
    }
    if (starts == m_starts) { // else stopped or set anew meanwhile, and armed if need be
        m_delivering = false;
        Arm();
    }
}

void WindowTimer::Arm() {
    // Rounded up: the program wakes when the expiration is due, not a moment before.
    const long long waitNs = std::max(m_schedule.WakeAt() - Now(), 0LL);
    const long long waitMs = std::min((waitNs + kNsPerMs - 1) / kNsPerMs, kLongestWaitMs);
    m_wake.start(static_cast<int>(waitMs));
}
