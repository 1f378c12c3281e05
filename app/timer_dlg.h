#pragma once
// The main dialog: it holds every setting, the run state of the three alarm types, the tray
// icon, the shown tab page and the indicator windows.
//
// Its members are defined in the folder of the subsystem they belong to:
//   app/timer_dlg.cpp             construction, initialisation, the Close sequence, the clock
//   engine/start_command.cpp      the Start command and its branches
//   engine/tick.cpp               the countdown's tick and its expiry
//   engine/alarm.cpp              the time-of-day alarm; sound, notice and restore of both alarms
//   engine/pause_stop.cpp         Pause and Stop
//   engine/stop_all.cpp           "Stop Timer", "Countup" and the quick timers
//   engine/run_display.cpp        the buttons, status text and tray of a run
//   engine/led_timer_control.cpp  the LED-Timer window
//   engine/timer_3d_hooks.cpp     the 3D-Timer window
//   tray/tray_icon.cpp            adding, changing and deleting the tray icon
//   tray/status_icons.cpp         the status icon's eighths
//   tray/tray_notify.cpp          the tray's double-click and popup menu
//   tray/main_window.cpp          the close box, restoring the dialog, the system menu
//   ui/tab_switching.cpp          the tab pages
//   ui/page_hooks.cpp             what the engine asks of the shown page
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/services.h"
#include "settings/settings.h"

#include <memory>
#include <string>
#include <vector>

class CLedTimerDlg;
class CCountupDlg;
class CTimerPage;
class CStartPage;
class COptionsPage;
class CMenuPage;
class C3DOptionsPage;
class C3DTimerWnd;

// Window timers of the main dialog.
constexpr UINT_PTR IDT_CLOCK = 1; // at each new minute: the status-bar clock and the time-of-day alarm
constexpr UINT_PTR IDT_TICK = 2;  // every quarter second while a countdown runs

class CTimerDlg : public CDialog {
public:
    explicit CTimerDlg(CWinApp& app);
    ~CTimerDlg() override;

    Settings m_settings;

    // Run state.
    std::unique_ptr<C3DTimerWnd> m_p3DWnd;
    std::unique_ptr<CLedTimerDlg> m_pLedWnd;
    std::unique_ptr<CCountupDlg> m_pCountupWnd;
    // The shown page, one of the five below; the others are null.
    CDialog* m_pCurrentPage = nullptr;
    std::unique_ptr<CTimerPage> m_pTimerPage;
    std::unique_ptr<CStartPage> m_pStartPage;
    std::unique_ptr<COptionsPage> m_pOptionsPage;
    std::unique_ptr<CMenuPage> m_pMenuPage;
    std::unique_ptr<C3DOptionsPage> m_p3DOptionsPage;
    std::vector<std::unique_ptr<CDialog>> m_retiredPages; // pages whose windows are gone
    int m_nTicks = 0;      // quarter-second ticks counted so far in this countdown
    int m_nTotalTicks = 0; // ticks of the whole countdown, minutes x kTicksPerMinute
    int m_nIconStage = 1;  // eighths of the countdown the tray icon shows as elapsed, plus one
    bool m_bLedOpen = false;
    bool m_b3DOpen = false;
    unsigned m_nCountdownsStarted = 0; // tells a start interrupted by a modal loop whether it still stands
    bool m_bIconStatus = false;
    bool m_bPaused = false;
    bool m_bInactive = true;
    bool m_bAlarmArmed = false;
    bool m_bTimerRunning = false;
    bool m_bCountupRunning = false;
    std::string m_strStatus;
    int m_nAlarmMinute = 0;
    int m_nAlarmHour = 0;
    std::string m_strTip;
    HICON m_hIcon = 0;
    HICON m_hStatusIcon = 0;

    // User interface.
    CStatusBarCtrl m_statusBar;
    CTabCtrl m_tabCtrl;
    std::string m_strClock;
    bool m_bTrayIcon = false;
    bool m_bTrayPopupOpen = false;
    bool m_bTrayHostFound = false; // a tray host showed the icon added at start-up

    // Tray icon.
    bool AddTrayIcon(CWnd* wnd, UINT id, HICON icon, const char* tip);
    bool ModifyTrayIcon(const std::string& tip, UINT callbackMessage, CWnd* wnd, UINT id, HICON icon);
    bool SetTrayIcon(CWnd* wnd, UINT id, HICON icon);
    bool DeleteTrayIcon(CWnd* wnd, UINT id);
    // Mouse events on the tray icon: the double-click restores the dialog or runs the Start
    // command, as the Start/Tray page says.
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    // Shows the main dialog restored and in front.
    void RestoreWindow();
    // The tray's popup menu, built afresh from the run state, and the command chosen in it.
    void ShowTrayPopup();
    // The popup's items as the run state and the settings have them now.
    std::vector<PopupMenuItem> TrayPopupItems();

    // The shown page's edits into the settings, as a run starts (the Menu page is not asked).
    void SaveShownPageForStart();
    // The Timer page, while shown, enables its inputs from m_bInactive.
    void RefreshTimerPage();
    // The shown page's edits into the settings, as the dialog hides (the 3D page is not asked).
    void SaveShownPageOnHide();

    // Tab switching: the shown page goes, writing its values back, and the selected one comes.
    void OnSelChangeTab();
    void DestroyShownPage();
    // The shown page's window goes, writing its values back; the object is kept until the dialog
    // goes.
    void RetireShownPage();

    // Ends the program: tray icon off, settings written, window destroyed.
    void CloseProgram();
    void OnCloseButton();

    // Timer engine.
    void OnStartTimer();   // button 1005: starts a run in the chosen mode, or ends the active one
    void OnPause();        // button 1006: pauses or resumes a countdown or count-up
    void OnStop();         // button 1007: ends the countdown or count-up, unpaused
    void StopAll();        // "Stop Timer": ends whatever runs
    void RestartCountup(); // "Countup": a fresh count-up, whatever ran before
    // A quick timer of the tray menu: a countdown of the given minutes, whatever ran before.
    void StartQuickTimer(std::string minutes);
    void CheckAlarmTime();
    void OnCountdownTick();
    // Steps the tray's status icon after a counted tick.
    void AdvanceStatusIcon();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnTimer(UINT_PTR id) override;
    void OnShowWindow(BOOL bShow, UINT nStatus) override;
    void OnClose() override;
    void OnSysCommand(UINT id, LPARAM lParam) override;
    const MessageMap& GetMessageMap() const override;

private:
    void UpdateClock();
    // Sets the clock's timer for what can see or needs the clock now; run whenever the dialog
    // is shown or hidden, an alarm is armed or disarmed, or the countdown's tick starts or stops.
    void ScheduleClock();
    bool AlarmIsThisMinute();
    // A fixed warning about the user's input, captioned "Hinweis".
    void WarnUser(const std::string& text);
    bool Notify(DWORD message, CWnd* wnd, UINT id, UINT flags, UINT callbackMessage, HICON icon,
                const std::string& tip);
    void SaveShownPage(bool menuPage, bool diskPage);

    // Start command branches. The ways each kind of run ends are shared with "Stop Timer".
    void EndCountup(bool savePosition);
    void StopCountdown();
    void CancelAlarm();
    void StartRun();
    void ArmAlarm();
    void StartCountdown();
    void StartCountup();
    void HideOnStart();

    // Alarm sequences.
    void ExpireCountdown();
    // Tells the tick timer how many of the ticks ahead change nothing on their own, so that the
    // program need not wake for them; they are counted all the same.
    UINT QuietExpirations(UINT_PTR id) override;
    UINT QuietTicksAhead() const;
    void PrepareAlarmSound();
    void PlayAlarmSound();
    void ShowAlarmNotice();
    bool NoticeEndedTheSequence() const;
    void RestoreMainDialog();

    // The LED-Timer window of a countdown.
    void OpenLedTimer(const std::string& tip, int minutes);
    void CloseLedTimer();   // remembers where it stood
    void DestroyLedTimer(); // as the program closes: the position is not kept

    // The 3D-Timer window of a countdown.
    // False when the run ended, or another began, while the window was being made.
    bool Open3DTimer(const std::string& title, int minutes);
    void Close3DTimer();
    // Destroys the window, keeping where it stood in windowed mode for the next one; the place
    // a full-screen window leaves is not kept.
    void Destroy3DTimer(C3DTimerWnd& wnd);
    void Update3DTimer();
    void Show3DPaused(bool paused);

    // What the dialog and the tray show of a run.
    void SetButtonText(int id, const std::string& text);
    void ShowRunButtons(bool running);
    void ShowStatus(const std::string& text);
    void ShowIdleTexts();
    void ShowInTray(const std::string& tip, HICON icon);
    void ShowIdleTray();
    void ClearPause();
};

// The clock text of the status bar: "7:05", "13:45", "0:00".
std::string ClockText(int hour, int minute);
