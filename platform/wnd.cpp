#include "platform/wnd.h"

#include "platform/app.h"
#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "platform/widgets/art.h"
#include "platform/widgets/frame_window.h"
#include "platform/widgets/wnd_access.h"

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
