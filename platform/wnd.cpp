#include "platform/wnd.h"

#include "platform/app.h"
#include "platform/messages.h"
#include "platform/qt/widgets.h"
#include "platform/services.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWindow>

#include <algorithm>
#include <climits>

namespace {

constexpr const char* kRawTextProperty = "brewdialRawText";

void SetWidgetText(QWidget* w, const std::string& text) {
    const QString q = QString::fromStdString(text);
    if (w->isWindow()) {
        w->setWindowTitle(q);
    } else if (auto* edit = qobject_cast<LineEdit*>(w)) {
        edit->SetTextAsProgram(q);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(w)) {
        multi->setPlainText(q);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setProperty(kRawTextProperty, q);
        label->setText(WithoutMnemonic(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(q);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(q);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(combo->findText(q));
    }
}

std::string WidgetText(const QWidget* w) {
    QString q;
    if (w->isWindow()) {
        q = w->windowTitle();
    } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        q = edit->text();
    } else if (auto* multi = qobject_cast<const QPlainTextEdit*>(w)) {
        q = multi->toPlainText();
    } else if (auto* label = qobject_cast<const QLabel*>(w)) {
        const QVariant raw = label->property(kRawTextProperty);
        q = raw.isValid() ? raw.toString() : label->text();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        q = button->text();
    } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        q = group->title();
    } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        q = combo->currentText();
    }
    return q.toStdString();
}

} // namespace

CWnd::~CWnd() {
    if (m_widget && m_ownsWidget) {
        if (AfxGetApp()) {
            GetServices().timers.KillAllTimers(*this);
        }
        QWidget* w = m_widget;
        ReleaseWidget();
        delete w;
    }
    delete m_guard;
}

void CWnd::SetWidget(QWidget* widget) {
    ReleaseWidget();
    m_widget = widget;
    m_ownsWidget = true;
    m_guard = new QObject;
    QObject::connect(widget, &QObject::destroyed, m_guard, [this] { m_widget = nullptr; });
}

void CWnd::AttachControl(QWidget* widget, int id) {
    ReleaseWidget();
    m_id = id;
    if (!widget) {
        return;
    }
    m_widget = widget;
    m_ownsWidget = false;
    m_guard = new QObject;
    QObject::connect(widget, &QObject::destroyed, m_guard, [this] { m_widget = nullptr; });
}

void CWnd::ReleaseWidget() {
    delete m_guard;
    m_guard = nullptr;
    m_widget = nullptr;
}

void CWnd::DetachWidget() {
    ReleaseWidget();
}

void CWnd::SetWindowText(const std::string& text) {
    if (m_widget) {
        SetWidgetText(m_widget, text);
    }
}

std::string CWnd::GetWindowText() const {
    return m_widget ? WidgetText(m_widget) : std::string();
}

void CWnd::ShowWindow(int swCmd) {
    if (!m_widget) {
        return;
    }
    switch (swCmd) {
    case SW_HIDE:
        m_widget->hide();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        m_widget->showNormal();
        break;
    default:
        m_widget->show();
        break;
    }
}

bool CWnd::IsWindowVisible() const {
    return m_widget && m_widget->isVisible();
}

DWORD CWnd::GetStyle() const {
    if (!m_widget) {
        return 0;
    }
    return (m_widget->isHidden() ? 0 : WS_VISIBLE) | (m_widget->isEnabled() ? 0 : WS_DISABLED);
}

bool CWnd::IsIconic() const {
    return m_widget && m_widget->isMinimized();
}

void CWnd::EnableWindow(bool enable) {
    if (m_widget) {
        m_widget->setEnabled(enable);
    }
}

bool CWnd::IsWindowEnabled() const {
    return m_widget && m_widget->isEnabled();
}

void CWnd::SetWindowPos(bool topmost, int x, int y) {
    if (!m_widget) {
        return;
    }
    auto* host = qobject_cast<WindowHost*>(m_widget);
    if (host) {
        host->SetMovingByProgram(true);
    }
    if (topmost && m_widget->isWindow() && !(m_widget->windowFlags() & Qt::WindowStaysOnTopHint)) {
        const bool visible = m_widget->isVisible();
        m_widget->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        m_widget->setVisible(visible);
    }
    // Just after it is shown, a window's frame is not known yet, and moving it would put its
    // client area at (x, y); its frame position asks the window manager to put the frame there.
    const bool unframed = m_widget->isWindow() && m_widget->isVisible() && m_widget->windowHandle() &&
                          !m_widget->windowHandle()->isExposed();
    m_widget->move(x, y);
    if (unframed) {
        m_widget->windowHandle()->setFramePosition(QPoint(x, y));
    }
    if (host) {
        host->SetMovingByProgram(false);
    }
}

CRect CWnd::GetWindowRect() const {
    if (!m_widget) {
        return {};
    }
    // Corner and size, not a QRect: a window placed near the end of int range has its far edges
    // beyond it, which a QRect cannot hold. They stop at INT_MAX.
    const bool window = m_widget->isWindow();
    const QPoint at = window ? m_widget->pos() : m_widget->mapToGlobal(QPoint(0, 0));
    const QSize size = window ? m_widget->frameSize() : m_widget->size();
    auto farEdge = [](int start, int extent) {
        return static_cast<int>(std::min<long long>(static_cast<long long>(start) + extent, INT_MAX));
    };
    return CRect{at.x(), at.y(), farEdge(at.x(), size.width()), farEdge(at.y(), size.height())};
}

CRect CWnd::GetClientRect() const {
    return m_widget ? CRect{0, 0, m_widget->width(), m_widget->height()} : CRect{};
}

void CWnd::ScreenToClient(CRect& rect) const {
    if (!m_widget) {
        return;
    }
    const QPoint origin = m_widget->mapToGlobal(QPoint(0, 0));
    rect = CRect{rect.left - origin.x(), rect.top - origin.y(), rect.right - origin.x(),
                 rect.bottom - origin.y()};
}

void CWnd::SetForegroundWindow() {
    if (m_widget) {
        m_widget->raise();
        m_widget->activateWindow();
    }
}

void CWnd::RedrawWindow() {
    if (m_widget) {
        m_widget->update();
    }
}

void CWnd::SetIcon(HICON icon) {
    if (m_widget) {
        m_widget->setWindowIcon(IconResource(icon));
    }
}

void CWnd::AppendSystemMenu(UINT id, const std::string& text) {
    m_systemMenu.emplace_back(id, text);
}

void CWnd::ShowSystemMenu(CPoint at) {
    if (m_systemMenu.empty()) {
        return;
    }
    std::vector<PopupMenuItem> items;
    for (const auto& [id, text] : m_systemMenu) {
        items.push_back(PopupMenuItem{id, text, false});
    }
    const UINT chosen = GetServices().modal.TrackPopupMenu(items, at, this);
    if (chosen != 0) {
        DispatchSysCommand(chosen);
    }
}

BOOL CWnd::DestroyWindow() {
    if (!m_widget) {
        return FALSE;
    }
    OnDestroy();
    GetServices().timers.KillAllTimers(*this);
    QWidget* w = m_widget;
    const bool owned = m_ownsWidget;
    ReleaseWidget();
    if (owned) {
        // Deleted once the event that led here has finished with its widgets.
        w->hide();
        w->deleteLater();
    }
    if (CWinApp* app = AfxGetApp()) {
        app->OnWindowDestroyed(this);
    }
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT ms) {
    GetServices().timers.SetTimer(*this, id, ms);
    return id;
}

void CWnd::KillTimer(UINT_PTR id) {
    GetServices().timers.KillTimer(*this, id);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessage(message, wParam, lParam);
}

bool CWnd::DispatchCommand(UINT) {
    return false;
}

bool CWnd::DispatchNotify(int, UINT) {
    return false;
}

LRESULT CWnd::DispatchMessage(UINT, WPARAM, LPARAM) {
    return 0;
}

void CWnd::OnTimer(UINT_PTR) {}

void CWnd::OnClose() {
    DestroyWindow();
}

void CWnd::OnDestroy() {}

void CWnd::OnMouseMove(UINT, CPoint) {}

void CWnd::OnCaptureChanged() {}

void CWnd::OnSysCommand(UINT, LPARAM) {}

void CWnd::OnPaint() {}

Services& CWnd::GetServices() const {
    return AfxGetApp()->GetServices();
}
