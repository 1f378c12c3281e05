#include "platform/message_map.h"

const MessageMap& CCmdTarget::GetMessageMap() const {
    static const MessageMap empty;
    return empty;
}

bool CCmdTarget::RunMapEntry(MapKind kind, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    for (const MessageEntry& entry : GetMessageMap()) {
        if (entry.kind == kind && entry.id == id) {
            const LRESULT r = entry.call(*this, wParam, lParam);
            if (result) {
                *result = r;
            }
            return true;
        }
    }
    return false;
}
