#include "engine/time_parser.h"

#include <vector>

namespace {

constexpr size_t kMaxChars = 5;
constexpr int kNotADigit = 99;

// The text split into its characters, each one UTF-8 sequence.
std::vector<std::string> Characters(const std::string& utf8) {
    std::vector<std::string> chars;
    for (const char c : utf8) {
        const bool continues = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (continues && !chars.empty()) {
            chars.back() += c;
        } else {
            chars.emplace_back(1, c);
        }
    }
    return chars;
}

int PartValue(const std::vector<std::string>& chars, size_t first, size_t end) {
    const bool twoChars = end - first == 2;
    int sum = 0;
    for (size_t i = first; i < end; ++i) {
        const std::string& c = chars[i];
        if (c.size() != 1 || c[0] < '0' || c[0] > '9') {
            sum += kNotADigit;
            continue;
        }
        const int digit = c[0] - '0';
        sum += (i == first && twoChars) ? digit * 10 : digit;
    }
    return sum;
}

} // namespace

AlarmTimeResult ParseAlarmTime(const std::string& text, AlarmTime& time) {
    if (text.empty()) {
        return AlarmTimeResult::Missing;
    }
    const std::vector<std::string> chars = Characters(text);
    size_t colon = 0;
    while (colon < chars.size() && chars[colon] != ":") {
        ++colon;
    }
    if (chars.size() > kMaxChars || colon == chars.size()) {
        return AlarmTimeResult::WrongFormat;
    }
    const int hour = PartValue(chars, 0, colon);
    const int minute = PartValue(chars, colon + 1, chars.size());
    if (hour > 23 || minute > 59) {
        return AlarmTimeResult::WrongFormat;
    }
    time = AlarmTime{hour, minute};
    return AlarmTimeResult::Ok;
}
