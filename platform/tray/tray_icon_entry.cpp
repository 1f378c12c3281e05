#include "platform/tray/tray_icon_entry.h"

#include "platform/messages.h"
#include "platform/tray/tray_host_pointer.h"
#include "platform/widgets/art.h"
#include "platform/widgets/dialog_controls.h"
#include "platform/wnd.h"

#include <QDBusConnection>
#include <QDBusInterface>

namespace {

// Qt shows its tray icons as StatusNotifierItems when, at the first one, the session bus has a
// watcher with a host registered; it keeps that choice for the life of the process, and so does
// this answer.
TrayProtocol ProtocolQtChooses() {
    static const TrayProtocol protocol = [] {
        QDBusInterface watcher(
            QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.kde.StatusNotifierWatcher"), QDBusConnection::sessionBus());
        const bool host = watcher.isValid() && watcher.property("IsStatusNotifierHostRegistered").toBool();
        return host ? TrayProtocol::StatusNotifierItem : TrayProtocol::XEmbed;
    }();
    return protocol;
}

} // namespace

TrayIconEntry::TrayIconEntry(CWnd* window, UINT id) : m_window(window), m_id(id) {
    QObject::connect(&m_icon, &QSystemTrayIcon::activated, &m_icon,
                     [this](QSystemTrayIcon::ActivationReason reason) { OnActivated(reason); });
}

TrayIconEntry::~TrayIconEntry() {
    m_icon.hide();
}

void TrayIconEntry::Update(const NotifyIconData& data) {
    if (data.flags & NIF_MESSAGE) {
        m_callbackMessage = data.callbackMessage;
    }
    if (data.flags & NIF_ICON) {
        m_icon.setIcon(IconResource(data.icon));
    }
    if (data.flags & NIF_TIP) {
        m_icon.setToolTip(QString::fromStdString(data.tip));
    }
    if (data.popup) {
        m_popup = data.popup;
    }
    // The run state behind the menu changes with what the icon shows, but the window may still
    // be changing it: the menu is made again once the message that led here is done, so that a
    // host that opens it without asking first finds it current.
    if (m_menu && !m_refreshQueued) {
        m_refreshQueued = true;
        QMetaObject::invokeMethod(
            &m_icon,
            [this] {
                m_refreshQueued = false;
                RefreshMenu();
            },
            Qt::QueuedConnection);
    }
}

bool TrayIconEntry::Show() {
    m_protocol = ProtocolQtChooses();
    if (m_protocol == TrayProtocol::StatusNotifierItem) {
        ListenForTrayHostPointer();
        // No right-click reaches a StatusNotifierItem on many hosts: they show its menu instead,
        // so it must be there when the item registers. An XEmbed tray would pop up an attached
        // menu itself, beside the program's own.
        m_menu = std::make_unique<QMenu>();
        QObject::connect(m_menu.get(), &QMenu::aboutToShow, m_menu.get(), [this] { RefreshMenu(); });
        RefreshMenu();
        m_icon.setContextMenu(m_menu.get());
    }
    m_icon.show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIconEntry::Hide() {
    m_icon.hide();
    m_icon.disconnect();
    m_popup = nullptr; // a refresh still queued finds nothing to ask
    if (m_menu) {
        m_menu->disconnect();
        for (QAction* action : m_menu->actions()) {
            action->disconnect();
        }
    }
}

// The window hears of a click, and of a command of the exported menu, once the event that
// brought it is done: what it does then (a popup's own loop, the icon's removal as the program
// ends) must not run inside the icon's own event handling.
// A host that asks for the menu says where; an XEmbed tray's click is under the cursor.
void TrayIconEntry::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    const std::optional<QPoint> pointer =
        reason == QSystemTrayIcon::Context && m_protocol == TrayProtocol::StatusNotifierItem
            ? TakeTrayHostPointer()
            : std::nullopt;
    if (const UINT mouse = TrayMouseMessage(reason, m_protocol)) {
        CWnd* window = m_window;
        const UINT message = m_callbackMessage;
        const WPARAM id = m_id;
        QMetaObject::invokeMethod(
            &m_icon,
            [window, message, id, mouse, pointer] {
                const TrayHostPointerScope at(pointer);
                window->SendMessage(message, id, mouse);
            },
            Qt::QueuedConnection);
    }
}

void TrayIconEntry::RefreshMenu() {
    if (!m_menu || !m_popup) {
        return;
    }
    m_menu->clear();
    for (const PopupMenuItem& item : m_popup()) {
        if (item.id == 0) {
            m_menu->addSeparator();
            continue;
        }
        QAction* action = m_menu->addAction(WithoutMnemonic(item.text));
        action->setEnabled(!item.grayed);
        const UINT command = item.id;
        CWnd* window = m_window;
        QObject::connect(
            action, &QAction::triggered, &m_icon,
            [window, command] { window->SendMessage(WM_COMMAND, command, 0); }, Qt::QueuedConnection);
    }
}
