#include "platform/timers/minute_timer.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// The wall-clock second at which the local time next reads a new minute.
std::time_t NextMinute(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    return now - local.tm_sec + 60;
}

long long MsUntil(const timespec& due, const timespec& now) {
    return (due.tv_sec - now.tv_sec) * 1000LL + (due.tv_nsec - now.tv_nsec + 999999) / 1000000;
}

} // namespace

MinuteTimer::MinuteTimer(std::function<void()> onDue, WallClock wallClock)
    : m_onDue(std::move(onDue)), m_wallClock(std::move(wallClock)) {
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QSocketNotifier::activated, this, &MinuteTimer::Expired);
    } else {
        m_fallback.setSingleShot(true);
        m_fallback.setTimerType(Qt::PreciseTimer);
        connect(&m_fallback, &QTimer::timeout, this, &MinuteTimer::Expired);
    }
}

MinuteTimer::~MinuteTimer() {
    if (m_fd >= 0) {
        delete m_notifier;
        close(m_fd);
    }
}

void MinuteTimer::Start() {
    m_due = timespec{NextMinute(m_wallClock().tv_sec), 0};
    Arm();
}

void MinuteTimer::Arm() {
    if (m_fd < 0) {
        m_fallback.start(static_cast<int>(std::max(MsUntil(m_due, m_wallClock()), 0LL)));
        return;
    }
    itimerspec when{};
    when.it_value = m_due;
    // Cancelled on a change of the system time, which the read then reports as ECANCELED.
    if (timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr) != 0) {
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &when, nullptr);
    }
    m_notifier->setEnabled(true);
}

void MinuteTimer::Stop() {
    if (m_fd < 0) {
        m_fallback.stop();
        return;
    }
    m_notifier->setEnabled(false);
    const itimerspec disarmed{};
    timerfd_settime(m_fd, 0, &disarmed, nullptr);
}

long long MinuteTimer::RemainingMs() const {
    if (m_fd < 0) {
        return m_fallback.isActive() ? m_fallback.remainingTime() : -1;
    }
    itimerspec when{};
    if (!m_notifier->isEnabled() || timerfd_gettime(m_fd, &when) != 0) {
        return -1;
    }
    return when.it_value.tv_sec * 1000LL + (when.it_value.tv_nsec + 999999) / 1000000;
}

void MinuteTimer::Expired() {
    if (m_fd >= 0) {
        std::uint64_t expirations = 0;
        const bool timeChanged = read(m_fd, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
        if (expirations == 0 && !timeChanged) {
            return; // not due after all
        }
        if (timeChanged) {
            m_due = m_wallClock(); // the clock was set: whatever minute it reads now is new
        }
    }
    if (Before(m_wallClock(), m_due)) {
        Arm(); // woken before the clock it is read from reaches the minute
        return;
    }
    if (m_fd >= 0) {
        m_notifier->setEnabled(false);
    }
    m_onDue();
}
