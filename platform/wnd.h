#pragma once
// A window: a top-level window, a dialog or one of a dialog's controls.
#include "platform/types.h"

#include <string>
#include <utility>
#include <vector>

class QObject;
class QWidget;
class CWinApp;
struct Services;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    bool IsCreated() const { return m_widget != nullptr; }
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void ShowWindow(int swCmd);
    bool IsWindowVisible() const; // this window and all its parents shown
    DWORD GetStyle() const;       // WS_VISIBLE and WS_DISABLED of this window alone
    bool IsIconic() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    // Moves the window's top-left corner, keeps its size, and keeps or makes it topmost.
    void SetWindowPos(bool topmost, int x, int y);
    CRect GetWindowRect() const; // screen pixels, frame included
    CRect GetClientRect() const;
    // Turns a rectangle in screen pixels into one relative to this window's client area.
    void ScreenToClient(CRect& rect) const;
    void SetForegroundWindow();
    void RedrawWindow();
    void SetIcon(HICON icon);
    // The window's system menu, offered as a context menu on its background.
    void AppendSystemMenu(UINT id, const std::string& text);
    const std::vector<std::pair<UINT, std::string>>& SystemMenu() const { return m_systemMenu; }
    void ShowSystemMenu(CPoint at);
    virtual BOOL DestroyWindow();

    UINT_PTR SetTimer(UINT_PTR id, UINT ms);
    void KillTimer(UINT_PTR id);

    // A registered window message, such as a tray callback.
    LRESULT SendMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int GetDlgCtrlID() const { return m_id; }

    // Called by the layer.
    QWidget* Widget() const { return m_widget; }
    void AttachControl(QWidget* widget, int id);
    void DetachWidget();
    void DispatchTimer(UINT_PTR id) { OnTimer(id); }
    void DispatchClose() { OnClose(); }
    void DispatchMouseMove(CPoint point) { OnMouseMove(0, point); }
    void DispatchCaptureChanged() { OnCaptureChanged(); }
    void DispatchSysCommand(UINT id) { OnSysCommand(id, 0); }
    void DispatchPaint() { OnPaint(); }
    virtual bool DispatchCommand(UINT id);
    virtual bool DispatchNotify(int controlId, UINT code);
    virtual LRESULT DispatchMessage(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual void OnTimer(UINT_PTR id);
    virtual void OnClose();
    virtual void OnDestroy();
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnCaptureChanged();
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    // The window paints its client area; the background and the controls are already drawn.
    virtual void OnPaint();

    Services& GetServices() const;
    void SetWidget(QWidget* widget);

private:
    void ReleaseWidget();
    QWidget* m_widget = nullptr;
    QObject* m_guard = nullptr; // notices when Qt deletes the widget with its parent
    std::vector<std::pair<UINT, std::string>> m_systemMenu;
    bool m_ownsWidget = false;
    int m_id = 0;
};
