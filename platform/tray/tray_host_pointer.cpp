#include "platform/tray/tray_host_pointer.h"

#include <QDBusMessage>
#include <QGuiApplication>
#include <QScreen>

#include <utility>

// QtDBus shows every incoming method call to these hooks, on the main thread, before it
// delivers the call. Exported by the library with its public symbols, though not in a header.
void qDBusAddSpyHook(void (*hook)(const QDBusMessage&));

namespace {

std::optional<QPoint> g_requested; // by the latest ContextMenu call
std::optional<QPoint> g_current;   // while a scope lives

void NoteContextMenuCall(const QDBusMessage& message) {
    if (message.type() != QDBusMessage::MethodCallMessage ||
        message.interface() != QLatin1String("org.kde.StatusNotifierItem") ||
        message.member() != QLatin1String("ContextMenu") || message.arguments().size() != 2) {
        return;
    }
    const QList<QVariant> args = message.arguments();
    g_requested = LogicalFromDevicePixels(QPoint(args[0].toInt(), args[1].toInt()));
}

} // namespace

void ListenForTrayHostPointer() {
    static const bool listening = [] {
        qDBusAddSpyHook(&NoteContextMenuCall);
        return true;
    }();
    (void)listening;
}

std::optional<QPoint> TakeTrayHostPointer() {
    return std::exchange(g_requested, std::nullopt);
}

TrayHostPointerScope::TrayHostPointerScope(std::optional<QPoint> pointer) {
    g_current = pointer;
}

TrayHostPointerScope::~TrayHostPointerScope() {
    g_current.reset();
}

std::optional<QPoint> TrayHostPointer() {
    return g_current;
}

// Qt keeps each screen's top-left corner where the device has it and scales what lies beyond.
QPoint LogicalFromDevicePixels(QPoint device) {
    for (QScreen* screen : QGuiApplication::screens()) {
        const QPoint origin = screen->geometry().topLeft();
        const qreal ratio = screen->devicePixelRatio();
        const QRect inDevicePixels(origin, screen->geometry().size() * ratio);
        if (inDevicePixels.contains(device)) {
            return origin + (device - origin) / ratio;
        }
    }
    return device;
}
