// Where a window is, and whether it shows and takes input.
#include "platform/wnd.h"

#include "platform/messages.h"
#include "platform/widgets/frame_window.h"
#include "platform/widgets/window_host.h"
#include "platform/widgets/wnd_access.h"

#include <QWindow>

#include <algorithm>
#include <climits>

void CWnd::SetWindowPos(bool topmost, const CRect& rect) {
    auto* frame = qobject_cast<FrameWindow*>(WndAccess::Widget(*this));
    if (!frame) {
        return;
    }
    if (topmost) {
        frame->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    frame->Place(rect, true);
}

void CWnd::ShowWindow(int swCmd) {
    QWidget* w = WndAccess::Widget(*this);
    if (!w) {
        return;
    }
    switch (swCmd) {
    case SW_HIDE:
        w->hide();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        w->showNormal();
        break;
    default:
        w->show();
        break;
    }
}

bool CWnd::IsWindowVisible() const {
    const QWidget* w = WndAccess::Widget(*this);
    return w && w->isVisible();
}

DWORD CWnd::GetStyle() const {
    const QWidget* w = WndAccess::Widget(*this);
    if (!w) {
        return 0;
    }
    return (w->isHidden() ? 0 : WS_VISIBLE) | (w->isEnabled() ? 0 : WS_DISABLED);
}

void CWnd::EnableWindow(bool enable) {
    if (QWidget* w = WndAccess::Widget(*this)) {
        w->setEnabled(enable);
    }
}

bool CWnd::IsWindowEnabled() const {
    const QWidget* w = WndAccess::Widget(*this);
    return w && w->isEnabled();
}

void CWnd::SetWindowPos(bool topmost, int x, int y) {
    QWidget* w = WndAccess::Widget(*this);
    if (!w) {
        return;
    }
    if (topmost && w->isWindow() && !(w->windowFlags() & Qt::WindowStaysOnTopHint)) {
        const bool visible = w->isVisible();
        w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        w->setVisible(visible);
    }
    // Just after it is shown, a window's frame is not known yet, and moving it would put its
    // client area at (x, y); its frame position asks the window manager to put the frame there.
    const bool unframed =
        w->isWindow() && w->isVisible() && w->windowHandle() && !w->windowHandle()->isExposed();
    auto* host = qobject_cast<WindowHost*>(w);
    if (host && w->isVisible() && (unframed || w->frameGeometry().topLeft() != QPoint(x, y))) {
        host->ExpectPlacement(QPoint(x, y));
    }
    w->move(x, y);
    if (unframed) {
        w->windowHandle()->setFramePosition(QPoint(x, y));
    }
}

CRect CWnd::GetWindowRect() const {
    const QWidget* w = WndAccess::Widget(*this);
    if (!w) {
        return {};
    }
    if (auto* frame = qobject_cast<const FrameWindow*>(w)) {
        return frame->WholeRect(); // its frame changes with its styles
    }
    // Corner and size, not a QRect: a window placed near the end of int range has its far edges
    // beyond it, which a QRect cannot hold. They stop at INT_MAX.
    const bool window = w->isWindow();
    const QPoint at = window ? w->pos() : w->mapToGlobal(QPoint(0, 0));
    const QSize size = window ? w->frameSize() : w->size();
    auto farEdge = [](int start, int extent) {
        return static_cast<int>(std::min<long long>(static_cast<long long>(start) + extent, INT_MAX));
    };
    return CRect{at.x(), at.y(), farEdge(at.x(), size.width()), farEdge(at.y(), size.height())};
}

CRect CWnd::GetClientRect() const {
    const QWidget* w = WndAccess::Widget(*this);
    return w ? CRect{0, 0, w->width(), w->height()} : CRect{};
}

void CWnd::ScreenToClient(CRect& rect) const {
    const QWidget* w = WndAccess::Widget(*this);
    if (!w) {
        return;
    }
    const QPoint origin = w->mapToGlobal(QPoint(0, 0));
    rect = CRect{rect.left - origin.x(), rect.top - origin.y(), rect.right - origin.x(),
                 rect.bottom - origin.y()};
}

void CWnd::SetForegroundWindow() {
    if (QWidget* w = WndAccess::Widget(*this)) {
        w->raise();
        w->activateWindow();
    }
}
