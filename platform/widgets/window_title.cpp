#include "platform/widgets/window_title.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

namespace {

// The event mask this program selected on a native window, asked of the server once per window:
// a round trip each second would cost the very wake-ups this saves.
constexpr const char* kMaskedWindowProperty = "brewdialMaskedWindow";
constexpr const char* kEventMaskProperty = "brewdialEventMask";

xcb_connection_t* XcbConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

std::optional<uint32_t> SelectedEvents(QWidget* window, xcb_connection_t* connection, xcb_window_t id) {
    if (window->property(kMaskedWindowProperty).toUInt() == id) {
        return window->property(kEventMaskProperty).toUInt();
    }
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr);
    if (!reply) {
        return std::nullopt;
    }
    const uint32_t mask = reply->your_event_mask;
    std::free(reply);
    window->setProperty(kMaskedWindowProperty, static_cast<uint>(id));
    window->setProperty(kEventMaskProperty, static_cast<uint>(mask));
    return mask;
}

} // namespace

void SetWindowTitleQuietly(QWidget* window, const QString& title) {
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    xcb_connection_t* connection = id != 0 ? XcbConnection() : nullptr;
    const std::optional<uint32_t> mask = connection ? SelectedEvents(window, connection, id) : std::nullopt;
    if (!mask || (*mask & XCB_EVENT_MASK_PROPERTY_CHANGE) == 0) {
        window->setWindowTitle(title);
        return;
    }
    const uint32_t quiet = *mask & ~uint32_t{XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &quiet);
    window->setWindowTitle(title);
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &*mask);
    xcb_flush(connection);
}
