#pragma once
// Where a StatusNotifierItem host says the pointer was when it asked for the item's menu. Qt
// hears the host's ContextMenu(x, y) call but tells only that it came; the place is read off
// the call itself, just before Qt handles it.
#include <QPoint>

#include <optional>

// Starts reading the hosts' calls; more calls do nothing.
void ListenForTrayHostPointer();
// The place of the latest ContextMenu call not yet taken, in the desktop's logical pixels.
std::optional<QPoint> TakeTrayHostPointer();

// While one lives, the cursor is where the host said: the window that hears of the click reads
// the cursor's position, as it would when a tray reports a click on the icon under it.
class TrayHostPointerScope {
public:
    explicit TrayHostPointerScope(std::optional<QPoint> pointer);
    ~TrayHostPointerScope();
    TrayHostPointerScope(const TrayHostPointerScope&) = delete;
    TrayHostPointerScope& operator=(const TrayHostPointerScope&) = delete;
};
// The place a scope set, if one lives.
std::optional<QPoint> TrayHostPointer();

// A point in the screens' device pixels (as the host gives it) in Qt's logical pixels.
QPoint LogicalFromDevicePixels(QPoint device);
