#pragma once
// Every effect on the outside world goes through one of these services. main() builds the
// Qt implementations; each test builds fresh test doubles.
#include "platform/dialog_template.h"
#include "platform/profile_store.h"
#include "platform/types.h"

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
    // The next `quiet` expirations of a timer change nothing on their own: the program need not
    // wake for them. They still reach OnTimer, each in turn, just before the next expiration
    // that is not quiet, or when CatchUpTimer asks for those due by now.
    virtual void DeferTimer(CWnd& wnd, UINT_PTR id, UINT quiet) = 0;
    virtual void CatchUpTimer(CWnd& wnd, UINT_PTR id) = 0;
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

class DisplayService {
public:
    virtual ~DisplayService() = default;
    // The screen without task bars and panels, in screen pixels.
    virtual CRect WorkArea() = 0;
    virtual CPoint CursorPos() = 0;
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
};
