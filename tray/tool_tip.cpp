#include "tray/tool_tip.h"

std::string FirstCharacters(const std::string& utf8, size_t count) {
    size_t chars = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter && chars++ == count) {
            return utf8.substr(0, i);
        }
    }
    return utf8;
}
