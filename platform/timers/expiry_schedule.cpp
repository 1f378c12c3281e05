#include "platform/timers/expiry_schedule.h"

#include <algorithm>
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
    m_quiet = std::max(m_quiet - 1, 0LL);
    return true;
}
