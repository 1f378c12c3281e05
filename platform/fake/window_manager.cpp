#include "platform/fake/window_manager.h"

#include "platform/fake/test_application.h"
#include "platform/widgets/wnd_access.h"

#include <QWindow>

void MapElsewhereFirst(CWnd& window, int x, int y, const std::function<void()>& meanwhile) {
    QWidget* w = WndAccess::Widget(window);
    QWindow* handle = w && w->isWindow() ? w->windowHandle() : nullptr;
    if (!handle) {
        return;
    }
    const QPoint asked = w->frameGeometry().topLeft();
    handle->setFramePosition(QPoint(x, y)); // past the widget, as the window manager does
    DeliverWindowSystemEvents();
    if (meanwhile) {
        meanwhile();
    }
    handle->setFramePosition(asked);
    DeliverWindowSystemEvents();
}
