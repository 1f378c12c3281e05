// Any text where a number belongs: its leading decimal digits, held to int, as a second, plainly
// written reading of the same digits says.
#include "settings/settings.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

long long Expected(const std::string& text) {
    size_t end = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    size_t first = 0;
    while (first < end && text[first] == '0') {
        ++first;
    }
    const std::string digits = text.substr(first, end - first);
    if (digits.empty()) {
        return 0;
    }
    const std::string max = std::to_string(INT_MAX);
    if (digits.size() > max.size() || (digits.size() == max.size() && digits > max)) {
        return INT_MAX;
    }
    return std::stoll(digits);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (LeadingNumber(text) != Expected(text)) {
        __builtin_trap();
    }
    return 0;
}
