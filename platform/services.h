#pragma once
// Every effect on the outside world goes through one of these services. main() builds the
// Qt implementations; each test builds fresh test doubles.
#include "platform/dialog_template.h"
#include "platform/profile_store.h"
#include "platform/types.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CWnd;
class CDialog;

// Window timers, per window and id, delivered to CWnd::OnTimer.
class TimerService {
public:
    virtual ~TimerService() = default;
    virtual void SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) = 0;
    // A one-shot timer due when the local time next reads a new minute: at the next minute
    // boundary, or at once when the clock is set or the machine wakes from sleep. KillTimer
    // ends it like any other; setting either kind replaces the other under the same id.
    virtual void SetMinuteTimer(CWnd& wnd, UINT_PTR id) = 0;
    // Every expiration reaches CWnd::OnTimer exactly once and in order, late rather than never.
    // Those the window calls quiet (CWnd::QuietExpirations, asked whenever the program is about
    // to wait) need not wake the program: they come, each in turn, with the next one that is not
    // quiet, or when DeliverDue asks for everything due by now.
    virtual void DeliverDue() = 0;
    virtual void KillTimer(CWnd& wnd, UINT_PTR id) = 0;
    virtual void KillAllTimers(CWnd& wnd) = 0;
};

struct TimeOfDay {
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
};

class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual TimeOfDay Now() = 0;
};

struct PopupMenuItem {
    UINT id = 0; // 0 is a separator
    std::string text;
    bool grayed = false;
};

// Everything that runs a nested, modal loop.
class ModalService {
public:
    virtual ~ModalService() = default;
    // Runs an initialised dialog until EndDialog; returns its result.
    virtual int RunModal(CDialog& dlg) = 0;
    virtual void EndModal(CDialog& dlg, int result) = 0;
    virtual int MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) = 0;
    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<std::string> OpenFile(CWnd* owner, const std::string& filter,
                                                const std::string& defaultExt) = 0;
    // The chosen colour, or nothing when the user cancels; the picker starts on black.
    virtual std::optional<COLORREF> ChooseColor(CWnd* owner) = 0;
    // The chosen command, or 0 when the menu was dismissed.
    virtual UINT TrackPopupMenu(const std::vector<PopupMenuItem>& items, CPoint at, CWnd* owner) = 0;
};

struct NotifyIconData {
    CWnd* window = nullptr;
    UINT id = 0;
    UINT flags = 0; // NIF_MESSAGE | NIF_ICON | NIF_TIP
    UINT callbackMessage = 0;
    HICON icon = 0;
    std::string tip;
    // The items of the icon's popup menu as they stand now, for tray hosts that show an item's
    // menu themselves instead of reporting the right-click; kept from the call that gives it.
    std::function<std::vector<PopupMenuItem>()> popup;
};

// The notification area. Clicks come back to the window as its callback message.
class TrayService {
public:
    virtual ~TrayService() = default;
    virtual bool NotifyIcon(DWORD message, const NotifyIconData& data) = 0;
};

class SoundService {
public:
    virtual ~SoundService() = default;
    // Plays a WAV file (SND_FILENAME), synchronously or with SND_ASYNC. Never a default sound.
    virtual bool PlaySound(const std::string& path, UINT flags) = 0;
    // A sound is coming: whatever playing needs is made ready, so the sound starts at once.
    virtual void PrepareToPlay() = 0;
};

// A mode of the display: colour bits per pixel and size in pixels.
struct DEVMODE {
    DWORD dmBitsPerPel = 0;
    DWORD dmPelsWidth = 0;
    DWORD dmPelsHeight = 0;
};

class DisplayService {
public:
    virtual ~DisplayService() = default;
    // The screen without task bars and panels, in screen pixels.
    virtual CRect WorkArea() = 0;
    virtual CPoint CursorPos() = 0;
    // The display's modes by index, from 0; false past the last one.
    virtual bool EnumDisplaySettings(DWORD index, DEVMODE& mode) = 0;
    // Changes the display to one of its modes for this session only, or with null back to the
    // mode it had before; a DISP_CHANGE_ result. Whatever is still changed when the service ends
    // is changed back then.
    virtual int ChangeDisplaySettings(const DEVMODE* mode) = 0;
    // Hides the mouse pointer over the program's windows, or shows it again. Calls are counted as
    // Windows counts them: the pointer shows while the count is 0 or more. Returns the count.
    virtual int ShowCursor(BOOL show) = 0;
};

// What a window's OpenGL rendering context offers once it is made.
class GlRenderingContext {
public:
    virtual ~GlRenderingContext() = default; // deletes the context
    // Makes it the thread's current context, drawing into its window; false when it cannot be.
    virtual bool MakeCurrent() = 0;
};

// A window's device context set up for OpenGL: double-buffered RGBA with 24 colour bits and the
// depth bits asked for.
class GlDeviceContext {
public:
    virtual ~GlDeviceContext() = default; // releases it; its rendering context goes first
    // A rendering context for it, or null when none can be made.
    virtual std::unique_ptr<GlRenderingContext> CreateContext() = 0;
    // Shows the frame drawn into the back buffer.
    virtual void SwapBuffers() = 0;
    // How many of the surface's pixels make one of the window's: what OpenGL counts in.
    virtual double DevicePixelRatio() const { return 1.0; }
};

class RenderingService {
public:
    virtual ~RenderingService() = default;
    // The device context of a window made with CWnd::CreateEx, with its OpenGL pixel format set;
    // null when the window has none or no such pixel format can be had.
    virtual std::unique_ptr<GlDeviceContext> GetDC(CWnd& wnd, int depthBits) = 0;
};

class SystemService {
public:
    virtual ~SystemService() = default;
    // True when both the OpenGL and the GLU library can be found.
    virtual bool OpenGlLibrariesAvailable() = 0;
};

struct Services {
    TimerService& timers;
    LocalClock& clock;
    ModalService& modal;
    TrayService& tray;
    SoundService& sound;
    DisplayService& display;
    ProfileStore& profile;
    SystemService& system;
    RenderingService& rendering;
};
