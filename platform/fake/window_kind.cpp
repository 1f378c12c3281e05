#include "platform/fake/window_kind.h"

#include "platform/widgets/wnd_access.h"

WindowKind KindOf(const CWnd& wnd) {
    const QWidget* w = WndAccess::Widget(wnd);
    if (!w) {
        return {};
    }
    const Qt::WindowFlags flags = w->windowFlags();
    WindowKind kind;
    kind.topmost = flags.testFlag(Qt::WindowStaysOnTopHint);
    kind.taskBarButton = w->windowType() != Qt::Tool;
    kind.caption = !flags.testFlag(Qt::FramelessWindowHint);
    kind.maximizeBox = flags.testFlag(Qt::WindowMaximizeButtonHint);
    kind.closeBox = flags.testFlag(Qt::WindowCloseButtonHint);
    return kind;
}
