#pragma once
#include <string>

// A clock field: a leading "0" below 10, so 7 reads "07"; larger values keep all their digits.
inline std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}
