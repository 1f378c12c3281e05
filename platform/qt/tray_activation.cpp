#include "platform/qt/tray_activation.h"

#include "platform/messages.h"

UINT TrayMouseMessage(QSystemTrayIcon::ActivationReason reason, TrayProtocol protocol) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::Trigger:
        return protocol == TrayProtocol::StatusNotifierItem ? WM_LBUTTONDBLCLK : 0;
    case QSystemTrayIcon::Context:
        // A StatusNotifierItem host shows the item's exported menu itself.
        return protocol == TrayProtocol::XEmbed ? WM_RBUTTONDOWN : 0;
    default:
        return 0;
    }
}
