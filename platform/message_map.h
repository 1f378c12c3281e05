#pragma once
// Message maps: each class keeps one table binding notifications, commands and registered
// messages to its member functions, in the order they are declared.
#include "platform/types.h"

#include <functional>
#include <type_traits>
#include <vector>

class CCmdTarget;

enum class MapKind { Clicked, SelChange, CloseUp, Command, Message };

struct MessageEntry {
    MapKind kind;
    UINT id; // control id, command id or message number
    std::function<LRESULT(CCmdTarget& self, WPARAM, LPARAM)> call;
};

using MessageMap = std::vector<MessageEntry>;

// Anything that keeps a message map: windows and the application object.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

protected:
    virtual const MessageMap& GetMessageMap() const;
    // Runs the entry of the given kind and id from this object's own map; false when it has none.
    bool RunMapEntry(MapKind kind, UINT id, WPARAM wParam = 0, LPARAM lParam = 0, LRESULT* result = nullptr);
};

namespace message_map_detail {
// The entry's member function runs on the object whose map holds it: a T or a class derived
// from it, reached by a proper downcast.
template <class T> T& Self(CCmdTarget& target) {
    static_assert(std::is_base_of_v<CCmdTarget, T>, "message maps bind members of command targets");
    return static_cast<T&>(target);
}

template <class T> MessageEntry Notification(MapKind kind, UINT id, void (T::*fn)()) {
    return {kind, id, [fn](CCmdTarget& self, WPARAM, LPARAM) {
                (Self<T>(self).*fn)();
                return LRESULT{0};
            }};
}
} // namespace message_map_detail

template <class T> MessageEntry OnClicked(int controlId, void (T::*fn)()) {
    return message_map_detail::Notification(MapKind::Clicked, static_cast<UINT>(controlId), fn);
}

template <class T> MessageEntry OnSelChange(int controlId, void (T::*fn)()) {
    return message_map_detail::Notification(MapKind::SelChange, static_cast<UINT>(controlId), fn);
}

template <class T> MessageEntry OnCloseUp(int controlId, void (T::*fn)()) {
    return message_map_detail::Notification(MapKind::CloseUp, static_cast<UINT>(controlId), fn);
}

template <class T> MessageEntry OnCommand(UINT commandId, void (T::*fn)()) {
    return message_map_detail::Notification(MapKind::Command, commandId, fn);
}

template <class T> MessageEntry OnMessage(UINT message, LRESULT (T::*fn)(WPARAM, LPARAM)) {
    return {MapKind::Message, message, [fn](CCmdTarget& self, WPARAM w, LPARAM l) {
                return (message_map_detail::Self<T>(self).*fn)(w, l);
            }};
}
