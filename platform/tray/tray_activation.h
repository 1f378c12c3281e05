#pragma once
// How a click on the tray icon reaches the window that owns it.
#include "platform/types.h"

#include <QSystemTrayIcon>

// The two ways a desktop shows tray icons. An XEmbed tray reports a left double-click as
// DoubleClick and a right-click as Context. A StatusNotifierItem host has no double-click: it
// asks the item to activate on a left click, which Qt reports as Trigger; on a right-click it
// either shows the menu the item exports or asks the item for its menu, which Qt reports as
// Context.
enum class TrayProtocol { XEmbed, StatusNotifierItem };

// The mouse message of the shell's tray callback for an activation: WM_LBUTTONDBLCLK,
// WM_RBUTTONDOWN, or 0 for activations the program does not hear of.
UINT TrayMouseMessage(QSystemTrayIcon::ActivationReason reason, TrayProtocol protocol);
