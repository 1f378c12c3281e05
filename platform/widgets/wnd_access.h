#pragma once
// The layer's own access to a window: the widget behind it and the entry points through which
// the widget's events reach the window's handlers. Nothing outside platform/ sees this.
#include "platform/messages.h"
#include "platform/services.h"
#include "platform/wnd.h"

#include <QPointer>
#include <QWidget>

class WidgetLink {
public:
    QPointer<QWidget> widget; // cleared by Qt when the widget goes, also with its parent
    bool owned = false;       // the window deletes it when it is destroyed
};

class WndAccess {
public:
    static QWidget* Widget(const CWnd& wnd);
    // The window takes the widget as its own: destroying the window deletes it.
    static void Own(CWnd& wnd, QWidget* widget, CWinApp& app);
    // The window stands for a control that its dialog's widget owns.
    static void Attach(CWnd& wnd, QWidget* widget, int id, CWinApp& app);
    static CWinApp& App(const CWnd& wnd) { return wnd.App(); }

    // A window timer is due: the window's own, or one the layer keeps for the window.
    static void Timer(CWnd& wnd, UINT_PTR id);
    static UINT QuietExpirations(CWnd& wnd, UINT_PTR id) { return wnd.QuietExpirations(id); }
    static void Shown(CWnd& wnd, bool shown) { wnd.OnShowWindow(shown, 0); }
    static void MouseMove(CWnd& wnd, CPoint point) { wnd.OnMouseMove(0, point); }
    static void CaptureChanged(CWnd& wnd) { wnd.OnCaptureChanged(); }
    static void Paint(CWnd& wnd) { wnd.OnPaint(); }
    static void Size(CWnd& wnd, int cx, int cy) { wnd.OnSize(SIZE_RESTORED, cx, cy); }

    // What the user does reaches the window after every timer expiration due by then, as the
    // messages of a queue would: held-back quiet ones find the state they were due in.
    static void Close(CWnd& wnd) {
        DeliverDueTimers(wnd);
        wnd.OnClose();
    }
    static void SysCommand(CWnd& wnd, UINT id) {
        DeliverDueTimers(wnd);
        wnd.OnSysCommand(id, 0);
    }
    static void KeyDown(CWnd& wnd, UINT nChar, bool repeat) {
        DeliverDueTimers(wnd);
        wnd.OnKeyDown(nChar, 1, repeat ? KF_REPEAT : 0);
    }
    static bool Command(CWnd& wnd, UINT id) {
        DeliverDueTimers(wnd);
        return wnd.OnCmdMsg(id);
    }
    static bool Notify(CWnd& wnd, int controlId, UINT code) {
        DeliverDueTimers(wnd);
        return wnd.OnNotify(controlId, code);
    }
    static bool HasSystemMenu(const CWnd& wnd) { return !wnd.m_systemMenu.empty(); }
    static void ShowSystemMenu(CWnd& wnd, CPoint at) { wnd.ShowSystemMenu(at); }

private:
    static void DeliverDueTimers(CWnd& wnd) { wnd.GetServices().timers.DeliverDue(); }
};
