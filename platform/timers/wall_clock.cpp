#include "platform/timers/wall_clock.h"

timespec ReadWallClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}
