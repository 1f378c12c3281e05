#pragma once
// The time of day typed for a Time-mode alarm, read the way the program always has.
#include <string>

enum class AlarmTimeResult { Ok, Missing, WrongFormat };

struct AlarmTime {
    int hour = 0;
    int minute = 0;
};

// Reads "hh:mm". Each part is the sum of its characters: a digit counts ten times when it
// opens a two-character part, once otherwise; any other character counts 99, so it never
// passes the range check. An empty part is 0. Texts over five characters or without ":" are
// wrong. On Ok, time holds the hour (0-23) and minute (0-59).
AlarmTimeResult ParseAlarmTime(const std::string& text, AlarmTime& time);
