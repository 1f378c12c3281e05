#include "platform/qt/minute_timer.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// The wall-clock second at which the local time next reads a new minute.
std::time_t NextMinute(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    return now - local.tm_sec + 60;
}

} // namespace

MinuteTimer::MinuteTimer(std::function<void()> onDue) : m_onDue(std::move(onDue)) {
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QSocketNotifier::activated, this, &MinuteTimer::Expired);
    } else {
        m_fallback.setSingleShot(true);
        m_fallback.setTimerType(Qt::PreciseTimer);
        connect(&m_fallback, &QTimer::timeout, this, [this] { m_onDue(); });
    }
}

MinuteTimer::~MinuteTimer() {
    if (m_fd >= 0) {
        delete m_notifier;
        close(m_fd);
    }
}

void MinuteTimer::Start() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::time_t due = NextMinute(now.tv_sec);
    if (m_fd < 0) {
        const long long ms = (due - now.tv_sec) * 1000LL - now.tv_nsec / 1000000;
        m_fallback.start(static_cast<int>(ms));
        return;
    }
    itimerspec when{};
    when.it_value.tv_sec = due;
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
    std::uint64_t expirations = 0;
    if (read(m_fd, &expirations, sizeof expirations) < 0 && errno != ECANCELED) {
        return; // not due after all
    }
    m_notifier->setEnabled(false);
    m_onDue();
}
