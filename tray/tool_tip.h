#pragma once
#include <string>

// The notification area shows at most 63 characters of a tip.
constexpr size_t kMaxTipChars = 63;

// The tip cut to its first 63 characters; a character is never split.
std::string CutToolTip(const std::string& utf8);
