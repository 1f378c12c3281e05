#pragma once
// Test doubles of the services: a virtual clock, scripted modal loops, a recording tray and
// sound, a fixed screen, and the real profile store in a temporary folder.
#include "platform/app.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "platform/timers/expiry_schedule.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Window timers and the time of day on one virtual clock that only Advance moves. The window
// timers keep the real timers' schedule: quiet expirations wait for the first one that is not,
// or for DeliverDue, and every expiration comes exactly once.
class VirtualClock : public TimerService, public LocalClock {
public:
    void SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) override;
    void SetMinuteTimer(CWnd& wnd, UINT_PTR id) override;
    void DeliverDue() override;
    void KillTimer(CWnd& wnd, UINT_PTR id) override;
    void KillAllTimers(CWnd& wnd) override;
    TimeOfDay Now() override;

    // Moves time on, waking the program when the real timers would and delivering what is due.
    void Advance(long long ms);
    // The process is stopped or too busy to run for ms: time passes and nothing is delivered;
    // what came due meanwhile comes at the next Advance.
    void Stall(long long ms) { m_now += ms; }
    // Sets the time of day, as a change of the system time does: minute timers are due at once.
    void SetTimeOfDay(int hour, int minute, int second = 0);
    long long NowMs() const { return m_now; }
    bool IsRunning(const CWnd& wnd, UINT_PTR id) const;
    // The period of a repeating timer; nothing for a minute timer or none.
    std::optional<UINT> Period(const CWnd& wnd, UINT_PTR id) const;
    bool IsMinuteTimer(const CWnd& wnd, UINT_PTR id) const;
    // Milliseconds until the timer's next expiration is due.
    std::optional<long long> DueIn(const CWnd& wnd, UINT_PTR id) const;
    // Milliseconds until the program wakes for the timer, its window asked as before a wait.
    std::optional<long long> WakesIn(const CWnd& wnd, UINT_PTR id);
    // The program's timers, without the one the layer keeps for each window.
    size_t TimerCount() const;

private:
    using Key = std::pair<CWnd*, UINT_PTR>;
    struct Timer {
        UINT period = 0;                   // 0: a minute timer, which fires once
        long long minuteDue = 0;           // when a minute timer is due
        ExpirySchedule schedule;           // a repeating timer's expirations
        unsigned long long generation = 0; // tells a timer set anew under the same key
        unsigned long long serial = 0;     // orders timers due at the same moment
        bool delivering = false;
    };
    const Timer* Find(const CWnd& wnd, UINT_PTR id) const;
    static long long WakeAt(const Timer& t);
    static long long NextDue(const Timer& t);
    void Rearm();
    void Deliver(Key key);
    std::map<Key, Timer> m_timers;
    long long m_now = 0;
    long long m_dayStartMs = 0; // virtual time at which the day's clock read 0:00:00
    unsigned long long m_serial = 0;
};

struct MessageBoxCall {
    std::string text;
    std::string caption;
    UINT type = 0;
};

// Modal loops answered by a queue of scripts. A script runs while its loop is "open", so it
// may advance the clock, press the dialog's buttons or send commands, exactly as the user
// could. As with the real loop, a dialog returns only when it has ended itself.
class ScriptedModal : public ModalService {
public:
    using DialogScript = std::function<void(CDialog&)>;
    void ExpectDialog(int templateId, DialogScript script);
    // whileOpen runs while the box or the file dialog is open, before it is answered.
    void ExpectMessageBox(int answer = 1, std::function<void()> whileOpen = {});
    void ExpectOpenFile(std::optional<std::string> path, std::function<void()> whileOpen = {});
    void ExpectColor(std::optional<COLORREF> color);
    void ExpectPopup(std::function<UINT(const std::vector<PopupMenuItem>&)> choose);

    int RunModal(CDialog& dlg) override;
    void EndModal(CDialog& dlg, int result) override;
    int MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) override;
    std::optional<std::string> OpenFile(CWnd* owner, const std::string& filter,
                                        const std::string& defaultExt) override;
    std::optional<COLORREF> ChooseColor(CWnd* owner) override;
    UINT TrackPopupMenu(const std::vector<PopupMenuItem>& items, CPoint at, CWnd* owner) override;

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<std::string> fileFilters;
    std::vector<CPoint> popupPlaces; // the top-left corner of each popup menu opened
    // Calls no script was queued for, dialogs that never ended, and user actions the real
    // desktop would have refused.
    std::vector<std::string> failures;
    size_t Pending() const { return m_queue.size(); }
    // The innermost dialog whose modal loop is running, or null.
    CDialog* OpenDialog() const { return m_open.empty() ? nullptr : m_open.back().dialog; }

private:
    enum class Kind { Dialog, MessageBox, OpenFile, Color, Popup };
    struct Answer {
        Kind kind = Kind::Dialog;
        int templateId = 0;
        DialogScript dialog;
        int messageBoxAnswer = 1;
        std::optional<std::string> path;
        std::optional<COLORREF> color;
        std::function<UINT(const std::vector<PopupMenuItem>&)> popup;
        std::function<void()> whileOpen;
    };
    std::optional<Answer> Take(Kind kind, const std::string& what);
    struct Open {
        CDialog* dialog;
        std::optional<int> result; // set when the dialog ends itself
    };
    std::deque<Answer> m_queue;
    std::vector<Open> m_open; // innermost last
};

struct TrayCall {
    DWORD message;
    NotifyIconData data;
};

class RecordingTray : public TrayService {
public:
    bool NotifyIcon(DWORD message, const NotifyIconData& data) override;
    // What the notification area shows now.
    bool present = false;
    HICON icon = 0;
    std::string tip;
    UINT callbackMessage = 0;
    CWnd* window = nullptr;
    UINT id = 0;
    std::vector<TrayCall> calls;
    // The menu a StatusNotifierItem host shows on a right-click, made when it opens.
    std::vector<PopupMenuItem> ExportedMenu() const;
    // The user picks an item of that menu; the window hears the command after it closes.
    void ChooseFromExportedMenu(UINT command);
    bool hostAvailable = true; // what an add answers: a tray host shows the icon
    std::function<std::vector<PopupMenuItem>()> popup;
    std::function<void(DWORD message)> onNotify; // runs before a call takes effect
    // A mouse event on the icon, delivered as the shell would; a click where no icon shows is
    // refused and recorded.
    void Click(UINT mouseMessage);
    std::vector<std::string> failures;
};

struct SoundCall {
    std::string path;
    UINT flags;
};

class RecordingSound : public SoundService {
public:
    bool PlaySound(const std::string& path, UINT flags) override;
    void PrepareToPlay() override { ++prepared; }
    std::vector<SoundCall> calls;
    int prepared = 0;
};

// A screen of fixed size with a list of display modes, as a desktop offers them.
class FixedDisplay : public DisplayService {
public:
    CRect WorkArea() override { return workArea; }
    CPoint CursorPos() override { return cursor; }
    bool EnumDisplaySettings(DWORD index, DEVMODE& mode) override;
    // A mode not offered is refused with DISP_CHANGE_BADMODE, as the real display does.
    int ChangeDisplaySettings(const DEVMODE* mode) override;
    int ShowCursor(BOOL show) override;

    CRect workArea{0, 0, 1024, 738};
    CPoint cursor{900, 700};
    std::vector<DEVMODE> modes{{24, 1024, 768}}; // offered, in this order
    int changeResult = DISP_CHANGE_SUCCESSFUL;   // what a change to an offered mode answers
    std::optional<DEVMODE> changedTo;            // the mode in effect; none: the original one
    std::vector<std::optional<DEVMODE>> changes; // each change asked for; none: back to the original
    int cursorCount = 0;                         // the pointer shows while it is 0 or more
};

// OpenGL on a desktop that draws nothing: a device context whose rendering context cannot be
// made, or none at all. Only windows made with CWnd::CreateEx have a device context.
class FakeRendering : public RenderingService {
public:
    enum class Offer { NoDeviceContext, NoRenderingContext };
    std::unique_ptr<GlDeviceContext> GetDC(CWnd& wnd, int depthBits) override;
    Offer offer = Offer::NoRenderingContext;
    std::vector<int> depthBitsAsked;
    int liveDeviceContexts = 0; // given out and not yet released
};

class FakeSystem : public SystemService {
public:
    bool OpenGlLibrariesAvailable() override { return openGl; }
    bool openGl = true;
};

class FakeMessageLoop : public MessageLoop {
public:
    int Run() override { return 0; }
    void Quit(int exitCode) override { quitCode = exitCode; }
    std::optional<int> quitCode;
};

// One fresh set of doubles; the profile lives in the given ini file.
class FakeEnvironment {
public:
    explicit FakeEnvironment(const std::string& profilePath);
    ~FakeEnvironment();
    Services& GetServices() { return *m_services; }
    ProfileStore& Profile() { return *m_profile; }

    VirtualClock clock;
    ScriptedModal modal;
    RecordingTray tray;
    RecordingSound sound;
    FixedDisplay display;
    FakeSystem system;
    FakeRendering rendering;
    FakeMessageLoop loop;

private:
    std::unique_ptr<ProfileStore> m_profile;
    std::unique_ptr<Services> m_services;
};
