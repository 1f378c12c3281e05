#pragma once
// Texts cut to what a place can show, by characters of UTF-8 text.
#include <string>

// The notification area shows at most 63 characters of a tip.
constexpr size_t kMaxTipChars = 63;

// The first count characters of the text; a character is never split.
std::string FirstCharacters(const std::string& utf8, size_t count);

// The tip cut to its first 63 characters.
inline std::string CutToolTip(const std::string& utf8) {
    return FirstCharacters(utf8, kMaxTipChars);
}
