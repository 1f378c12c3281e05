#pragma once
// A window: a top-level window, a dialog or one of a dialog's controls.
#include "platform/message_map.h"
#include "platform/types.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class CWinApp;
class WidgetLink; // the widget behind a window, known only inside the layer
struct Services;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    bool IsCreated() const;
    // Creates a top-level window with no parent and shows it when style has WS_VISIBLE. rect is
    // its whole rectangle on the screen, frame included; its background is white.
    BOOL CreateEx(DWORD exStyle, const std::string& title, DWORD style, const CRect& rect);
    // New styles for a window made with CreateEx; they take effect with its next placement.
    void SetWindowStyle(DWORD style, DWORD exStyle);
    // Places a window made with CreateEx at a whole rectangle on the screen, in its present
    // styles, keeps or makes it topmost, and shows it.
    void SetWindowPos(bool topmost, const CRect& rect);
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void ShowWindow(int swCmd);
    bool IsWindowVisible() const; // this window and all its parents shown
    DWORD GetStyle() const;       // WS_VISIBLE and WS_DISABLED of this window alone
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
    virtual BOOL DestroyWindow();

    UINT_PTR SetTimer(UINT_PTR id, UINT ms);
    // Timer id fires once, as soon as the local time reads a new minute.
    void SetMinuteTimer(UINT_PTR id);
    void KillTimer(UINT_PTR id);

    // A window message: WM_COMMAND (the command id in wParam) or a registered message such as
    // a tray callback.
    LRESULT SendMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int GetDlgCtrlID() const { return m_id; }
    // Makes this object stand for the control of the given id in parent, a dialog.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

protected:
    virtual void OnTimer(UINT_PTR id);
    // How many of timer id's next expirations change nothing on their own, so that the program
    // need not wake for them (see TimerService). None, unless the window knows better.
    virtual UINT QuietExpirations(UINT_PTR id);
    // The window has just been shown or hidden, by the program or by the desktop.
    virtual void OnShowWindow(BOOL bShow, UINT nStatus);
    virtual void OnClose();
    virtual void OnDestroy();
    // The client area changed to cx by cy pixels.
    virtual void OnSize(UINT type, int cx, int cy);
    // A key went down in a window made with CreateEx; nFlags has KF_REPEAT when it is held.
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnCaptureChanged();
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    // The window paints its client area; the background and the controls are already drawn.
    virtual void OnPaint();

    // Routing of commands, control notifications and registered messages; dialogs route them
    // through their message maps.
    virtual bool OnCmdMsg(UINT id);
    virtual bool OnNotify(int controlId, UINT code);
    virtual LRESULT OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The application this window belongs to, and its services.
    CWinApp& App() const;
    Services& GetServices() const;
    void SetApp(CWinApp& app) { m_pApp = &app; }

private:
    friend class WndAccess;
    void ShowSystemMenu(CPoint at);

    std::unique_ptr<WidgetLink> m_link;
    CWinApp* m_pApp = nullptr;
    std::vector<std::pair<UINT, std::string>> m_systemMenu;
    int m_id = 0;
};
