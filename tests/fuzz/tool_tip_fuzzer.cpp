// Any tip text: the cut is a prefix of at most 63 characters, never ends inside a character, and
// takes all 63 when the text has more.
#include "tray/tool_tip.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

size_t Characters(const std::string& text) {
    size_t n = 0;
    for (const char byte : text) {
        n += StartsCharacter(byte) ? 1 : 0;
    }
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string cut = CutToolTip(text);
    if (cut.size() > text.size() || text.compare(0, cut.size(), cut) != 0) {
        __builtin_trap();
    }
    if (Characters(cut) > kMaxTipChars) {
        __builtin_trap();
    }
    if (cut.size() < text.size() && (Characters(cut) != kMaxTipChars || !StartsCharacter(text[cut.size()]))) {
        __builtin_trap();
    }
    return 0;
}
