#pragma once
// The real services, over Qt and the desktop.
#include "platform/app.h"
#include "platform/qt/wall_clock.h"
#include "platform/services.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QTimer;
class TrayIconEntry;
class WindowTimer;
class MinuteTimer;
class SoundPlayer;
class SoundThread;
class QDialog;

class QtTimerService : public TimerService {
public:
    // Minute timers wait on the wall clock that the time of day is read from.
    explicit QtTimerService(WallClock wallClock = ReadWallClock) : m_wallClock(std::move(wallClock)) {}
    ~QtTimerService() override;
    void SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) override;
    void SetMinuteTimer(CWnd& wnd, UINT_PTR id) override;
    void DeliverDue() override;
    void KillTimer(CWnd& wnd, UINT_PTR id) override;
    void KillAllTimers(CWnd& wnd) override;
    // The timer behind a window's id, or null; for looking at how it was made.
    const WindowTimer* Find(const CWnd& wnd, UINT_PTR id) const;
    const MinuteTimer* FindMinuteTimer(const CWnd& wnd, UINT_PTR id) const;

private:
    using Key = std::pair<CWnd*, UINT_PTR>;
    void WatchTheEventLoop();
    WallClock m_wallClock;
    std::map<Key, WindowTimer*> m_timers;
    std::map<Key, MinuteTimer*> m_minuteTimers;
    std::unique_ptr<QObject> m_loopWatch; // ends the watch with the service
};

class QtLocalClock : public LocalClock {
public:
    explicit QtLocalClock(WallClock wallClock = ReadWallClock) : m_wallClock(std::move(wallClock)) {}
    TimeOfDay Now() override;

private:
    WallClock m_wallClock;
};

// The icon of a message box of the given MB_ type.
QMessageBox::Icon MessageBoxIcon(UINT type);

class QtModalService : public ModalService {
public:
    int RunModal(CDialog& dlg) override;
    void EndModal(CDialog& dlg, int result) override;
    int MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) override;
    std::optional<std::string> OpenFile(CWnd* owner, const std::string& filter,
                                        const std::string& defaultExt) override;
    std::optional<COLORREF> ChooseColor(CWnd* owner) override;
    UINT TrackPopupMenu(const std::vector<PopupMenuItem>& items, CPoint at, CWnd* owner) override;
};

class QtTrayService : public TrayService {
public:
    QtTrayService();
    ~QtTrayService() override;
    bool NotifyIcon(DWORD message, const NotifyIconData& data) override;

private:
    std::map<std::pair<CWnd*, UINT>, std::unique_ptr<TrayIconEntry>> m_icons;
    std::vector<std::unique_ptr<TrayIconEntry>> m_removed; // deleted with the next call, or at the end
};

// Sound through Qt Multimedia, which lives in a player library loaded on first use. The file
// and the sound server are reached on a thread of its own; a sound that has not started within
// kSoundAnswerMs is given up.
class QtSoundService : public SoundService {
public:
    // serverAnswers tells whether a sound server takes connections now (by default its socket
    // is tried); playerLibrary is the player's file (by default beside the program or where
    // it is installed). Both are used on the sound thread. answerMs: how long a sound may take to
    // start.
    static constexpr int kSoundAnswerMs = 2000;
    explicit QtSoundService(std::function<bool()> serverAnswers = {}, std::string playerLibrary = {},
                            int answerMs = kSoundAnswerMs);
    // Ends the process when the sound thread is held up by the server: see there.
    ~QtSoundService() override;
    // Asynchronously: true when the sound is asked for (it may still turn out unplayable).
    // Synchronously: waits until the sound has ended, was given up or the session ends.
    bool PlaySound(const std::string& path, UINT flags) override;
    void PrepareToPlay() override;
    bool PlayerLoaded() const { return m_createPlayer.load() != nullptr; }

private:
    struct Request;
    SoundThread& Thread();
    // On the sound thread.
    void Play(const std::shared_ptr<Request>& request);
    bool StartPlaying(Request& request);
    bool LoadPlayerLibrary();
    // On the user interface's thread.
    void Answered(const std::shared_ptr<Request>& request, bool playing, bool ended);
    void GiveUp(const std::shared_ptr<Request>& request);
    bool WaitForTheEnd(const std::shared_ptr<Request>& request);
    void StopPlaying();

    std::function<bool()> m_serverAnswers;
    std::string m_playerLibrary;
    int m_answerMs;
    std::atomic<SoundPlayer* (*)()> m_createPlayer{nullptr};
    std::unique_ptr<SoundPlayer> m_player; // made at the first sound, when a server answers
    std::unique_ptr<QObject> m_answers;    // the thread's answers arrive through it
    std::shared_ptr<Request> m_waitingFor; // the sound played to its end
    std::function<void()> m_endWait;       // ends that wait
    std::unique_ptr<QTimer> m_guard;       // the wait's bound once the sound plays
    std::unique_ptr<SoundThread> m_thread; // first to go: nothing it runs finds the rest gone
};

class XRandrModes;

class QtDisplayService : public DisplayService {
public:
    QtDisplayService();
    ~QtDisplayService() override; // changes the display mode back
    CRect WorkArea() override;
    CPoint CursorPos() override;
    // Modes come from XRandR on an X server; elsewhere the display offers none.
    bool EnumDisplaySettings(DWORD index, DEVMODE& mode) override;
    int ChangeDisplaySettings(const DEVMODE* mode) override;
    int ShowCursor(BOOL show) override;

private:
    XRandrModes* Modes();
    std::unique_ptr<XRandrModes> m_modes;
    bool m_modesTried = false;
    int m_cursorCount = 0;
};

class QtRenderingService : public RenderingService {
public:
    std::unique_ptr<GlDeviceContext> GetDC(CWnd& wnd, int depthBits) override;
};

class QtSystemService : public SystemService {
public:
    bool OpenGlLibrariesAvailable() override;
};

class QtMessageLoop : public MessageLoop {
public:
    int Run() override;
    void Quit(int exitCode) override;
};
