#pragma once
// Starts the program the way the desktop does, on test doubles, and offers the user's verbs.
#include "app/timer_app.h"
#include "app/timer_dlg.h"
#include "platform/fake/control_reading.h"
#include "platform/fake/fake_services.h"
#include "platform/messages.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program; a test may fill the profile before.
    void Start();
    CTimerDlg& Dlg() { return *app->m_pTimerDlg; }
    ProfileStore& Profile() { return env->Profile(); }
    // A profile as another run of the program reads it from disk.
    std::unique_ptr<ProfileStore> ReopenProfile() const;

    // Clicks a button of the main dialog, as the user does: refused when it is hidden,
    // disabled or behind a modal dialog.
    void Click(int controlId);
    // A menu command that comes from outside the dialog, such as the tray's popup menu.
    void CommandFromTray(UINT id);
    // A double-click on the tray icon: with the default setting it brings back the dialog.
    void DoubleClickTray() { env->tray.Click(WM_LBUTTONDBLCLK); }
    void Advance(long long ms) { env->clock.Advance(ms); }
    // The quarter-second ticks the countdown has counted by now, the quiet ones it slept
    // through included, as the user would find them when looking.
    int TicksCounted() {
        env->clock.DeliverDue();
        return Dlg().m_nTicks;
    }
    // The ticks of the whole countdown: the program's own count, which no window shows whole.
    int CountdownTicks() { return Dlg().m_nTotalTicks; }
    std::string StatusText(int part) { return StatusBarText(Dlg().m_statusBar, part); }
    std::string ControlText(int controlId);
    bool ControlVisible(int controlId);
    bool Ended() const { return app->MainWindowGone(); }

    // The run the main dialog shows, read from its status bar and its buttons: a countdown and an
    // alarm both say "Timer active!", and only a countdown shows the Pause button.
    enum class Run { None, Alarm, Countdown, Countup };
    Run Running();
    // The program holds no run, whatever the dialog still shows: an alarm ends its run before
    // the notice opens, and the dialog's texts follow only after it.
    bool RunSettled() {
        return Dlg().m_bInactive && !Dlg().m_bTimerRunning && !Dlg().m_bAlarmArmed &&
               !Dlg().m_bCountupRunning;
    }
    // The Pause button offers "Resume".
    bool Paused();
    // The shown Timer page takes a new run's input: its mode buttons are enabled.
    bool TimerPageOpen();

    // The windows the user sees beside the main dialog.
    enum class Window { LedTimer, Countup, Timer3D, Notice };
    bool Shows(Window window);
    C3DTimerWnd& Timer3DWindow() { return *Dlg().m_p3DWnd; }
    // The count-up window's time, as it reads.
    std::string CountupTime();
    // The tray shows a countdown's progress (one of the status icons of its eighths).
    bool TrayShowsProgress() const;

    // The settings as the program holds them now: what Close would store. A test may change one
    // as a page would hand it on.
    Settings& HeldSettings() { return Dlg().m_settings; }
    // Clicks the tab of the given index.
    void SelectTab(int index);
    // The shown tab page, and its template; 0 when no page shows.
    CDialog& Page();
    int ShownPageTemplate() { return Dlg().m_pCurrentPage ? Dlg().m_pCurrentPage->TemplateId() : 0; }
    CTabCtrl& Tabs() { return Dlg().m_tabCtrl; }

    TempFolder dir;
    std::string profilePath;
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<CTimerApp> app;
};
