// The typed time of day of a Time-mode alarm.
#include "engine/time_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Accepted {
    const char* text;
    int hour;
    int minute;
};

TEST(TimeParser, AcceptsWhatSumsToAValidTime) {
    const Accepted cases[] = {
        {"7:05", 7, 5},    {"07:5", 7, 5},  {"07:05", 7, 5}, {":30", 0, 30},
        {"12:", 12, 0},    {"123:4", 6, 4}, // a three-character part sums its digits
        {"23:59", 23, 59}, {"0:00", 0, 0},  {":", 0, 0},     {"9:9", 9, 9},
    };
    for (const Accepted& c : cases) {
        AlarmTime t{-1, -1};
        ASSERT_EQ(ParseAlarmTime(c.text, t), AlarmTimeResult::Ok) << c.text;
        EXPECT_EQ(t.hour, c.hour) << c.text;
        EXPECT_EQ(t.minute, c.minute) << c.text;
    }
}

TEST(TimeParser, RefusesEverythingElseWithoutTouchingTheTime) {
    AlarmTime unused;
    EXPECT_EQ(ParseAlarmTime("", unused), AlarmTimeResult::Missing);
    const std::string wrong[] = {
        "24:00",
        "9:60",
        "1a:00",
        "12:3:",
        "12:300",
        "1230",
        "::::",
        "a:b",
        " 7:05",
        "7:05 ",
        "-1:05",
        "ü:05",     // one character, not a digit
        "\xff:0",   // not UTF-8 at all
        "12:3\xc3", // cut inside a character
        std::string("1\0:05", 5),
        std::string(100000, '1'),
        std::string(10000, ':'),
    };
    for (const std::string& text : wrong) {
        AlarmTime t{3, 4};
        EXPECT_EQ(ParseAlarmTime(text, t), AlarmTimeResult::WrongFormat) << text.substr(0, 20);
        EXPECT_EQ(t.hour, 3);
        EXPECT_EQ(t.minute, 4);
    }
}

} // namespace
