#pragma once
// Message maps: each class keeps one table binding notifications, commands and registered
// messages to its member functions, in the order they are declared.
#include "platform/types.h"

#include <functional>
#include <vector>

class CWnd;
class CCmdTarget;

enum class MapKind { Clicked, SelChange, CloseUp, Command, Message };

struct MessageEntry {
    MapKind kind;
    UINT id; // control id, command id or message number
    std::function<LRESULT(void* self, WPARAM, LPARAM)> call;
};

using MessageMap = std::vector<MessageEntry>;

template <class T> MessageEntry OnClicked(int controlId, void (T::*fn)()) {
    return {MapKind::Clicked, static_cast<UINT>(controlId), [fn](void* self, WPARAM, LPARAM) {
                (static_cast<T*>(self)->*fn)();
                return LRESULT{0};
            }};
}

template <class T> MessageEntry OnSelChange(int controlId, void (T::*fn)()) {
    return {MapKind::SelChange, static_cast<UINT>(controlId), [fn](void* self, WPARAM, LPARAM) {
                (static_cast<T*>(self)->*fn)();
                return LRESULT{0};
            }};
}

template <class T> MessageEntry OnCloseUp(int controlId, void (T::*fn)()) {
    return {MapKind::CloseUp, static_cast<UINT>(controlId), [fn](void* self, WPARAM, LPARAM) {
                (static_cast<T*>(self)->*fn)();
                return LRESULT{0};
            }};
}

template <class T> MessageEntry OnCommand(UINT commandId, void (T::*fn)()) {
    return {MapKind::Command, commandId, [fn](void* self, WPARAM, LPARAM) {
                (static_cast<T*>(self)->*fn)();
                return LRESULT{0};
            }};
}

template <class T> MessageEntry OnMessage(UINT message, LRESULT (T::*fn)(WPARAM, LPARAM)) {
    return {MapKind::Message, message,
            [fn](void* self, WPARAM w, LPARAM l) { return (static_cast<T*>(self)->*fn)(w, l); }};
}

// Finds the entry of the given kind and id; null when the map has none.
const MessageEntry* FindEntry(const MessageMap& map, MapKind kind, UINT id);
