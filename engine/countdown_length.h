#pragma once
// How long a countdown may run: it counts quarter-second ticks in an int.
#include <climits>

constexpr int kTicksPerSecond = 4;
constexpr int kTickMs = 1000 / kTicksPerSecond;
constexpr int kTicksPerMinute = kTicksPerSecond * 60;
// The longest countdown the program takes, from the Start command or the command line.
constexpr int kMaxCountdownMinutes = INT_MAX / kTicksPerMinute;
