#pragma once
// Starts the program the way the desktop does, on test doubles, and offers the user's verbs.
#include "app/timer_app.h"
#include "app/timer_dlg.h"
#include "platform/fake/fake_services.h"

#include <QTemporaryDir>

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

    void Click(int controlId);
    void Command(UINT id);
    void Advance(long long ms) { env->clock.Advance(ms); }
    std::string StatusText(int part) { return Dlg().m_statusBar.GetText(part); }
    std::string ControlText(int controlId);
    bool ControlVisible(int controlId);
    bool Ended() const { return app->MainWindowGone(); }

    QTemporaryDir dir;
    std::string profilePath;
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<CTimerApp> app;
};
