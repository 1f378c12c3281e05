#include "platform/tray/tray_activation.h"

#include "platform/messages.h"

UINT TrayMouseMessage(QSystemTrayIcon::ActivationReason reason, TrayProtocol protocol) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::Trigger:
        return protocol == TrayProtocol::StatusNotifierItem ? WM_LBUTTONDBLCLK : 0;
    case QSystemTrayIcon::Context:
        return WM_RBUTTONDOWN;
    default:
        return 0;
    }
}
