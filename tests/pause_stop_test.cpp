// Pausing, resuming and stopping a countdown or a count-up with the dialog's buttons.
#include "indicators/countup_dlg.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

namespace {

class PauseStopTest : public RunFixture {};

TEST_F(PauseStopTest, PausedCountdownStandsStillAndEndsLaterByThePause) {
    StartWith({{"LED-timer", 1}});
    StartCountdown("1");
    Advance(20 * 1000);
    Click(IDC_PAUSE);
    EXPECT_TRUE(Paused());
    EXPECT_EQ(ControlText(IDC_PAUSE), "Resume");
    EXPECT_EQ(StatusText(1), "Timer paused");
    EXPECT_EQ(env->tray.tip, "Timer paused");
    EXPECT_EQ(env->tray.icon, IDI_PAUSED);
    EXPECT_EQ(Led().GetWindowText(), "Paused");

    Advance(30 * 1000);
    EXPECT_EQ(TicksCounted(), 80);
    EXPECT_EQ(BarPosition(Led().m_progress), 20);
    EXPECT_EQ(Led().GetWindowText(), "Paused");
    EXPECT_TRUE(env->clock.IsRunning(Dlg(), IDT_TICK));

    Click(IDC_PAUSE);
    EXPECT_FALSE(Paused());
    EXPECT_EQ(ControlText(IDC_PAUSE), "Pause");
    EXPECT_EQ(StatusText(1), "Timer active"); // no exclamation mark after a resume
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute");
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 1 minute: 00:20");
    Advance(1000);
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 1 minute: 00:21");

    Advance(38 * 1000 + 750);
    EXPECT_EQ(Running(), Run::Countdown);
    ExpectNotice();
    Ticks(1); // 40 s after the resume
    EXPECT_NE(Running(), Run::Countdown);
}

TEST_F(PauseStopTest, ResumeShowsTheStatusIconOfTheStageReached) {
    StartWith({{"DisplayIcon", 1}});
    StartCountdown("2");
    Advance(60 * 1000 + 250); // just past half the run
    Click(IDC_PAUSE);
    EXPECT_EQ(env->tray.icon, IDI_PAUSED);
    Click(IDC_PAUSE);
    EXPECT_EQ(env->tray.icon, IDI_STAGE5);
    EXPECT_EQ(env->tray.tip, "Timer set to: 2 minutes");
}

TEST_F(PauseStopTest, EndingAPausedCountdownLeavesNoPauseBehind) {
    StartWith({{"DisplayIcon", 1}, {"Iconmode", 1}});
    StartCountdown("1");
    Click(IDC_PAUSE);
    DoubleClickTray(); // "start timer": the Start command's toggle
    EXPECT_FALSE(Paused() || Running() == Run::Countdown || TrayShowsProgress());
    EXPECT_EQ(ControlText(IDC_PAUSE), "Pause");
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_TRUE(IdleButtons());
    StartCountdown("1");
    Ticks(2);
    EXPECT_EQ(TicksCounted(), 2);
}

TEST_F(PauseStopTest, PausedCountupFreezesAndCountsOnASecondAfterTheResume) {
    Start();
    StartCountup();
    CCountupDlg* window = &CountupWindow();
    Advance(3500);
    Click(IDC_PAUSE);
    EXPECT_EQ(ControlText(IDC_PAUSE), "Resume");
    EXPECT_EQ(StatusText(1), "Countup paused");
    EXPECT_EQ(env->tray.tip, "Countup paused");
    EXPECT_EQ(env->tray.icon, IDI_PAUSED);
    Advance(10 * 1000);
    EXPECT_EQ(window->m_strTime, "00:00:03");

    Click(IDC_PAUSE);
    EXPECT_EQ(ControlText(IDC_PAUSE), "Pause");
    EXPECT_EQ(StatusText(1), "Countup running");
    EXPECT_EQ(env->tray.tip, "Countup running");
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    Advance(999);
    EXPECT_EQ(window->m_strTime, "00:00:03");
    Advance(1);
    EXPECT_EQ(window->m_strTime, "00:00:04");

    // Stopped while paused, the next count-up starts unpaused.
    Click(IDC_PAUSE);
    Click(IDC_STOP);
    EXPECT_FALSE(Paused() || Running() == Run::Countup);
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_EQ(env->tray.tip, "Brewdial");
}

TEST_F(PauseStopTest, PauseDoesNothingToATimeOfDayAlarmOrWhenIdle) {
    Start();
    Dlg().OnPause();
    EXPECT_FALSE(Paused());
    ArmAlarm("23:59");
    const size_t trayCalls = env->tray.calls.size();
    Dlg().OnPause();
    EXPECT_FALSE(Paused());
    EXPECT_EQ(ControlText(IDC_PAUSE), "Pause");
    EXPECT_EQ(StatusText(1), "Timer active!");
    EXPECT_EQ(env->tray.calls.size(), trayCalls);
}

} // namespace
