#pragma once
// Starts the program the way the desktop does, on test doubles, and offers the user's verbs.
#include "app/timer_app.h"
#include "app/timer_dlg.h"
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
    std::string StatusText(int part) { return Dlg().m_statusBar.GetText(part); }
    std::string ControlText(int controlId);
    bool ControlVisible(int controlId);
    bool Ended() const { return app->MainWindowGone(); }

    TempFolder dir;
    std::string profilePath;
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<CTimerApp> app;
};
