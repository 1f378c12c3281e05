#include "platform/message_map.h"

const MessageEntry* FindEntry(const MessageMap& map, MapKind kind, UINT id) {
    for (const MessageEntry& entry : map) {
        if (entry.kind == kind && entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}
