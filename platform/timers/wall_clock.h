#pragma once
// The system's wall clock at full precision. The time of day and the minute timer both read it,
// so a reading taken when the minute timer wakes is never behind the minute it woke for (the
// coarse clock behind std::time can still say the second before).
#include <ctime>
#include <functional>

using WallClock = std::function<timespec()>;

timespec ReadWallClock();

inline bool Before(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}
