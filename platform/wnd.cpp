#include "platform/wnd.h"

#include "platform/app.h"
#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "platform/widgets/art.h"
#include "platform/widgets/dialog_controls.h"
#include "platform/widgets/edits.h"
#include "platform/widgets/frame_window.h"
#include "platform/widgets/text_shaping.h"
#include "platform/widgets/window_host.h"
#include "platform/widgets/window_title.h"
#include "platform/widgets/wnd_access.h"

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
        SetWindowTitleQuietly(w, q);
    } else if (auto* edit = qobject_cast<LineEdit*>(w)) {
        edit->SetTextAsProgram(q);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(w)) {
        multi->setPlainText(q);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setProperty(kRawTextProperty, q);
        label->setText(WithoutMnemonic(text));
        ShapeAsTextNeeds(label, label->text());
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

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_link && m_link->owned && m_link->widget) {
        if (m_pApp) {
            GetServices().timers.KillAllTimers(*this);
        }
        delete m_link->widget.data();
    }
}

QWidget* WndAccess::Widget(const CWnd& wnd) {
    return wnd.m_link ? wnd.m_link->widget.data() : nullptr;
}

void WndAccess::Own(CWnd& wnd, QWidget* widget, CWinApp& app) {
    wnd.m_link = std::make_unique<WidgetLink>();
    wnd.m_link->widget = widget;
    wnd.m_link->owned = true;
    wnd.m_pApp = &app;
}

void WndAccess::Attach(CWnd& wnd, QWidget* widget, int id, CWinApp& app) {
    wnd.m_link = std::make_unique<WidgetLink>();
    wnd.m_link->widget = widget;
    wnd.m_id = id;
    wnd.m_pApp = &app;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    auto* dialog = dynamic_cast<CDialog*>(parent);
    CWnd* item = dialog ? dialog->GetDlgItem(static_cast<int>(id)) : nullptr;
    QWidget* w = item ? WndAccess::Widget(*item) : nullptr;
    if (!w) {
        return FALSE;
    }
    WndAccess::Attach(*this, w, static_cast<int>(id), dialog->App());
    return TRUE;
}

bool CWnd::IsCreated() const {
    return WndAccess::Widget(*this) != nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const std::string& title, DWORD style, const CRect& rect) {
    if (IsCreated()) {
        return FALSE;
    }
    auto* frame = new FrameWindow(*this);
    WndAccess::Own(*this, frame, App());
    frame->setWindowTitle(QString::fromStdString(title));
    frame->SetStyles(style, exStyle);
    frame->Place(rect, (style & WS_VISIBLE) != 0);
    return TRUE;
}

void CWnd::SetWindowStyle(DWORD style, DWORD exStyle) {
    if (auto* frame = qobject_cast<FrameWindow*>(WndAccess::Widget(*this))) {
        frame->SetStyles(style, exStyle);
    }
}

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

void CWnd::SetWindowText(const std::string& text) {
    if (QWidget* w = WndAccess::Widget(*this)) {
        SetWidgetText(w, text);
    }
}

std::string CWnd::GetWindowText() const {
    const QWidget* w = WndAccess::Widget(*this);
    return w ? WidgetText(w) : std::string();
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

void CWnd::RedrawWindow() {
    if (QWidget* w = WndAccess::Widget(*this)) {
        w->update();
    }
}

void CWnd::SetIcon(HICON icon) {
    if (QWidget* w = WndAccess::Widget(*this)) {
        w->setWindowIcon(IconResource(icon));
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
        OnSysCommand(chosen, 0);
    }
}

BOOL CWnd::DestroyWindow() {
    QWidget* w = WndAccess::Widget(*this);
    if (!w) {
        return FALSE;
    }
    OnDestroy();
    GetServices().timers.KillAllTimers(*this);
    const bool owned = m_link->owned;
    m_link.reset();
    if (owned) {
        // Deleted once the event that led here has finished with its widgets.
        w->hide();
        w->deleteLater();
    }
    App().OnWindowDestroyed(this);
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT ms) {
    GetServices().timers.SetTimer(*this, id, ms);
    return id;
}

void CWnd::SetMinuteTimer(UINT_PTR id) {
    GetServices().timers.SetMinuteTimer(*this, id);
}

void CWnd::KillTimer(UINT_PTR id) {
    GetServices().timers.KillTimer(*this, id);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    GetServices().timers.DeliverDue(); // the expirations due before this message come first
    if (message == WM_COMMAND) {
        return OnCmdMsg(static_cast<UINT>(wParam)) ? 1 : 0;
    }
    return OnRegisteredMessage(message, wParam, lParam);
}

bool CWnd::OnCmdMsg(UINT) {
    return false;
}

bool CWnd::OnNotify(int, UINT) {
    return false;
}

LRESULT CWnd::OnRegisteredMessage(UINT, WPARAM, LPARAM) {
    return 0;
}

void CWnd::OnTimer(UINT_PTR) {}

UINT CWnd::QuietExpirations(UINT_PTR) {
    return 0;
}

void CWnd::OnShowWindow(BOOL, UINT) {}

void CWnd::OnClose() {
    DestroyWindow();
}

void CWnd::OnDestroy() {}

void CWnd::OnSize(UINT, int, int) {}

void CWnd::OnKeyDown(UINT, UINT, UINT) {}

void CWnd::OnMouseMove(UINT, CPoint) {}

void CWnd::OnCaptureChanged() {}

void CWnd::OnSysCommand(UINT, LPARAM) {}

void CWnd::OnPaint() {}

CWinApp& CWnd::App() const {
    return *m_pApp;
}

Services& CWnd::GetServices() const {
    return App().GetServices();
}
