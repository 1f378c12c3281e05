// Any text typed as the alarm time: never a crash, and an accepted time is a time of day.
#include "engine/time_parser.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    AlarmTime time{-1, -1};
    const AlarmTimeResult result = ParseAlarmTime(text, time);
    if (result == AlarmTimeResult::Ok) {
        if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59) {
            __builtin_trap();
        }
    } else if (time.hour != -1 || time.minute != -1) {
        __builtin_trap(); // a refused text leaves the time as it was
    }
    if ((result == AlarmTimeResult::Missing) != text.empty()) {
        __builtin_trap();
    }
    return 0;
}
