#include "platform/widgets/frame_window.h"

#include "platform/messages.h"
#include "platform/widgets/wnd_access.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace {

// How long after a placement the window manager may still be framing the window.
constexpr qint64 kSettleMs = 2000;

// A side of a rectangle, computed wide so that no stored value overflows; at least 1 pixel.
int Side(int from, int to) {
    const long long side = static_cast<long long>(to) - from;
    return static_cast<int>(std::clamp<long long>(side, 1, QWIDGETSIZE_MAX));
}

Qt::WindowFlags FlagsFor(DWORD style, DWORD exStyle) {
    Qt::WindowFlags flags = (exStyle & WS_EX_TOOLWINDOW) ? Qt::Tool : Qt::Window;
    if ((style & WS_POPUP) && !(style & WS_CAPTION)) {
        flags |= Qt::FramelessWindowHint;
    } else {
        // An overlapped window always has a caption; the close button comes with a system menu.
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (style & WS_MAXIMIZEBOX) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
        if (style & WS_SYSMENU) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        }
    }
    if (exStyle & WS_EX_TOPMOST) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

} // namespace

FrameWindow::FrameWindow(CWnd& owner) : QWidget(nullptr), m_owner(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void FrameWindow::SetStyles(DWORD style, DWORD exStyle) {
    setWindowFlags(FlagsFor(style, exStyle));
}

void FrameWindow::Place(const CRect& rect, bool visible) {
    m_wholeSize = QSize(Side(rect.left, rect.right), Side(rect.top, rect.bottom));
    m_wholeCorner = QPoint(rect.left, rect.top);
    const bool frameless = windowFlags() & Qt::FramelessWindowHint;
    // The client area is placed, not the frame: the frame Qt knows may still be the one of
    // the styles before. Once the window manager has put the frame on, the client area is
    // fitted into the rectangle again.
    m_fitPending = !frameless;
    m_settling.start();
    const QMargins frame = frameless || !windowHandle() ? QMargins() : windowHandle()->frameMargins();
    setGeometry(ClientRect(frame));
    setVisible(visible);
    FitToFrame();
}

CRect FrameWindow::WholeRect() const {
    const QRect r = windowHandle() ? windowHandle()->frameGeometry() : frameGeometry();
    return CRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect FrameWindow::ClientRect(const QMargins& frame) const {
    return QRect(m_wholeCorner + QPoint(frame.left(), frame.top()),
                 QSize(std::max(1, m_wholeSize.width() - frame.left() - frame.right()),
                       std::max(1, m_wholeSize.height() - frame.top() - frame.bottom())));
}

void FrameWindow::SetSurface(QWidget* surface) {
    m_surface = surface;
    surface->setGeometry(rect());
    surface->show();
}

void FrameWindow::FitToFrame() {
    if (!m_fitPending || !windowHandle()) {
        return;
    }
    if (m_settling.elapsed() > kSettleMs) {
        m_fitPending = false; // moves and sizes from now on are the user's
        return;
    }
    const QMargins frame = windowHandle()->frameMargins();
    const QRect wanted = ClientRect(frame);
    if (!frame.isNull() && windowHandle()->geometry() != wanted) {
        setGeometry(wanted);
    }
}

void FrameWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_surface) {
        m_surface->setGeometry(rect());
    }
    WndAccess::Size(m_owner, width(), height());
    FitToFrame();
}

void FrameWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FitToFrame();
}

void FrameWindow::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Qt::white);
    if (!m_surface) {
        WndAccess::Paint(m_owner); // a surface paints itself
    }
    FitToFrame();
}

void FrameWindow::keyPressEvent(QKeyEvent* event) {
    WndAccess::KeyDown(m_owner, event->nativeVirtualKey(), event->isAutoRepeat());
}

void FrameWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    WndAccess::MouseMove(m_owner, CPoint{p.x(), p.y()});
}

void FrameWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the window decides itself what closing means
    WndAccess::Close(m_owner);
}
