#pragma once
// How long a countdown may run: it counts quarter-second ticks in an int.
#include <climits>

constexpr int kTicksPerMinute = 4 * 60;
// The longest countdown the program takes, from the Start command or the command line.
constexpr int kMaxCountdownMinutes = INT_MAX / kTicksPerMinute;
