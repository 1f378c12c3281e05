#include "platform/timers/local_clock.h"

#include <ctime>

TimeOfDay QtLocalClock::Now() {
    const std::time_t now = m_wallClock().tv_sec;
    std::tm local{};
    localtime_r(&now, &local);
    return TimeOfDay{local.tm_hour, local.tm_min};
}
