#include "platform/widgets/window_host.h"

#include "platform/app.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "platform/widgets/wnd_access.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace {
constexpr UINT kMoveSettleMs = 250; // moves that stop this long end a drag
} // namespace

WindowHost::WindowHost(CWnd& owner, QWidget* parent, bool child) : QDialog(parent), m_owner(owner) {
    if (child) {
        setWindowFlags(Qt::Widget);
    }
    setMouseTracking(true);
}

TimerService& WindowHost::Timers() const {
    return WndAccess::App(m_owner).GetServices().timers;
}

void WindowHost::ExpectPlacement(const QPoint& place) {
    m_placement = place;
    m_placing = true;
    Timers().SetTimer(m_owner, kMoveSettledTimer, kMoveSettleMs);
}

void WindowHost::MovesSettled() {
    Timers().KillTimer(m_owner, kMoveSettledTimer);
    if (m_placing) {
        m_placing = false; // the program's placement is over, wherever the window manager put it
        return;
    }
    // A move of the user's that has stopped is the end of a drag: the two capture changes
    // Windows sends.
    WndAccess::CaptureChanged(m_owner);
    WndAccess::CaptureChanged(m_owner);
}

void WindowHost::Fill(const QRect& rect, const QColor& color) {
    m_filled.erase(std::remove_if(m_filled.begin(), m_filled.end(),
                                  [&](const Filled& f) { return rect.contains(f.rect); }),
                   m_filled.end());
    m_filled.push_back(Filled{rect, color});
    if (!m_painting) {
        update(rect);
    }
}

void WindowHost::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    m_painting = true; // what the window paints now needs no further update
    WndAccess::Paint(m_owner);
    m_painting = false;
    QPainter painter(this);
    for (const Filled& f : m_filled) {
        painter.fillRect(f.rect, f.color);
    }
}

void WindowHost::keyPressEvent(QKeyEvent* event) {
    if (!isWindow()) {
        event->ignore(); // a page passes keys on to the dialog it lies in
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            WndAccess::Command(m_owner, IDOK);
        }
        return;
    case Qt::Key_Escape:
        WndAccess::Command(m_owner, IDCANCEL);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WindowHost::closeEvent(QCloseEvent* event) {
    event->ignore(); // the window decides itself what closing means
    WndAccess::Close(m_owner);
}

void WindowHost::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    WndAccess::MouseMove(m_owner, CPoint{p.x(), p.y()});
}

// Only the window system's reports can be moves of the user's: Qt's own move events follow the
// program's calls. Of those reports, the program's placement arrives where the program put the
// window; until it does, the window manager's own steps (mapping the window first where it
// chose) belong to the placement too.
void WindowHost::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (!isWindow() || !isVisible() || !event->spontaneous()) {
        return;
    }
    if (m_placement && frameGeometry().topLeft() == *m_placement) {
        if (m_placing) {
            m_placing = false;
            Timers().KillTimer(m_owner, kMoveSettledTimer);
        }
        return;
    }
    if (!m_placing) {
        m_placement.reset(); // the user moves the window
    }
    Timers().SetTimer(m_owner, kMoveSettledTimer, kMoveSettleMs);
}

void WindowHost::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (isWindow() && !event->spontaneous()) {
        ExpectPlacement(frameGeometry().topLeft());
    }
}

void WindowHost::contextMenuEvent(QContextMenuEvent* event) {
    if (!WndAccess::HasSystemMenu(m_owner) && !isWindow()) {
        event->ignore(); // a page's background belongs to the dialog it lies in
        return;
    }
    const QPoint p = event->globalPos();
    WndAccess::ShowSystemMenu(m_owner, CPoint{p.x(), p.y()});
}

void WndAccess::Timer(CWnd& wnd, UINT_PTR id) {
    if (id != kMoveSettledTimer) {
        wnd.OnTimer(id);
    } else if (auto* host = qobject_cast<WindowHost*>(Widget(wnd))) {
        host->MovesSettled();
    }
}
