// The 3D-Timer window as a countdown drives it: opened with the run's settings, fed every counted
// tick and each pause, and closed by every way the run ends.
#include "gl3d/timer_3d_wnd.h"
#include "res/resource.h"
#include "tests/run_fixture.h"
#include "tests/settings_equality.h"

#include <functional>

namespace {

class Timer3DHooksTest : public RunFixture {
protected:
    C3DTimerWnd& Wnd() { return Timer3DWindow(); }
    bool Open() { return Shows(Window::Timer3D); }
    bool Closed() { return !Shows(Window::Timer3D); }
};

TEST_F(Timer3DHooksTest, OpensWithTheRunsTitleAndTheDiskSettings) {
    Profile().WriteProfileString("Daten", "Parts", "12 parts");
    Profile().WriteProfileString("Daten", "Skip", "3x");
    Profile().WriteProfileInt("Daten", "MCD2", 0x102030);
    Profile().WriteProfileInt("Daten", "OCD", 0x00FF00);
    Profile().WriteProfileInt("Daten", "SMD2", 0x0000FF);
    StartWith({{"3D", 1}, {"Spinx", 1}, {"Spinz", 1}, {"Light", 1}, {"Type", 3}});
    StartCountdown("05");
    ASSERT_TRUE(Open());
    C3DTimerWnd& wnd = Wnd();
    EXPECT_EQ(wnd.GetWindowText(), "3D-Timer (05 minutes)");
    EXPECT_EQ(wnd.m_strTitle, "3D-Timer (05 minutes)");
    EXPECT_EQ(wnd.m_nMinutes, 5);
    EXPECT_EQ(wnd.m_dParts, 12.0);
    EXPECT_EQ(wnd.m_nSkip, 3);
    EXPECT_EQ(wnd.m_bSpinX, 1);
    EXPECT_EQ(wnd.m_bSpinY, 0);
    EXPECT_EQ(wnd.m_bSpinZ, 1);
    EXPECT_EQ(wnd.m_bLight, 1);
    EXPECT_EQ(wnd.m_nDiskType, 3);
    const Disk3DSettings& disk = HeldSettings().disk3D;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(wnd.m_colMulti[i], disk.colMulti[i]) << i;
    }
    EXPECT_EQ(wnd.m_colMulti[1], ColorFromProfileInt(0x102030));
    EXPECT_EQ(wnd.m_colCurrent, ColorFromProfileInt(0x00FF00));
    EXPECT_EQ(wnd.m_colSecMin[0], disk.colSecMin[0]);
    EXPECT_EQ(wnd.m_colSecMin[1], ColorFromProfileInt(0x0000FF));
    EXPECT_EQ(wnd.m_dRemaining, 360.0);
}

TEST_F(Timer3DHooksTest, NoWindowWithoutTheOption) {
    StartWith({{"3D", 0}});
    StartCountdown("1");
    EXPECT_TRUE(Closed());
}

TEST_F(Timer3DHooksTest, EachTickShrinksTheDiskAndEveryFourthAdvancesTheTitleClock) {
    StartWith({{"3D", 1}});
    StartCountdown("1");
    C3DTimerWnd& wnd = Wnd();
    for (int tick = 1; tick <= 3; ++tick) {
        Ticks(1);
        EXPECT_DOUBLE_EQ(wnd.m_dRemaining, 360.0 - 1.5 * tick);
        EXPECT_EQ(wnd.GetWindowText(), "3D-Timer (1 minute)");
    }
    Ticks(1);
    EXPECT_DOUBLE_EQ(wnd.m_dRemaining, 354.0);
    EXPECT_EQ(wnd.GetWindowText(), "3D-Timer (1 minute): 00:01");
    Ticks(4 * 58);
    EXPECT_EQ(wnd.GetWindowText(), "3D-Timer (1 minute): 00:59");
    EXPECT_DOUBLE_EQ(wnd.m_dRemaining, 6.0);
}

TEST_F(Timer3DHooksTest, PausedTheTitleSaysPausedAndTheDiskStandsStill) {
    StartWith({{"3D", 1}});
    StartCountdown("2");
    Ticks(21);
    C3DTimerWnd& wnd = Wnd();
    ASSERT_EQ(wnd.GetWindowText(), "3D-Timer (2 minutes): 00:05");
    Click(IDC_PAUSE);
    EXPECT_EQ(wnd.GetWindowText(), "Paused");
    const double remaining = wnd.m_dRemaining;
    Ticks(40);
    EXPECT_EQ(wnd.GetWindowText(), "Paused");
    EXPECT_EQ(wnd.m_dRemaining, remaining);
    CommandFromTray(ID_MENU_PAUSE); // resume from the tray
    EXPECT_EQ(wnd.GetWindowText(), "3D-Timer (2 minutes): 00:05");
    Ticks(2);
    EXPECT_EQ(wnd.GetWindowText(), "3D-Timer (2 minutes): 00:05");
    Ticks(1);
    EXPECT_EQ(wnd.GetWindowText(), "3D-Timer (2 minutes): 00:06");
    EXPECT_LT(wnd.m_dRemaining, remaining);
}

TEST_F(Timer3DHooksTest, ClosesAtTheAlarmBeforeTheNoticeShows) {
    StartWith({{"3D", 1}});
    StartCountdown("1");
    Ticks(239);
    ASSERT_TRUE(Open());
    bool closedDuringNotice = false;
    ExpectNotice([&](CDialog&) { closedDuringNotice = Closed(); });
    Ticks(1);
    EXPECT_TRUE(closedDuringNotice);
    EXPECT_TRUE(Closed());
}

TEST_F(Timer3DHooksTest, EveryWayOfEndingOrReplacingTheRunClosesIt) {
    StartWith({{"3D", 1}, {"Menu1I", 2}, {"Iconmode", 1}});
    StartCountdown("1");
    Click(IDC_STOP);
    EXPECT_TRUE(Closed()) << "Stop";

    Click(IDC_START);
    ASSERT_TRUE(Open());
    DoubleClickTray(); // "start timer": the Start command's toggle ends the run
    EXPECT_TRUE(Closed()) << "Start toggle";

    Click(IDC_START);
    Click(IDC_PAUSE);
    CommandFromTray(ID_MENU_STOP);
    EXPECT_TRUE(Closed()) << "Stop Timer";

    Click(IDC_START);
    Ticks(8);
    CommandFromTray(ID_QUICKTIMER1); // a quick timer replaces the run with a fresh window
    ASSERT_TRUE(Open());
    EXPECT_EQ(Wnd().GetWindowText(), "3D-Timer (2 minutes)");
    EXPECT_EQ(Wnd().m_dRemaining, 360.0);
    Ticks(4);
    EXPECT_EQ(Wnd().GetWindowText(), "3D-Timer (2 minutes): 00:01");

    CommandFromTray(ID_MENU_COUNTUP);
    EXPECT_TRUE(Closed()) << "Countup";
    EXPECT_EQ(Running(), Run::Countup);
}

} // namespace

namespace {

// While a full-screen 3D-Timer says that its mode is missing, the tray stays usable: whatever it
// does to the run wins over the rest of the start that opened the box.
class Timer3DStartInterruptedTest : public RunFixture {
protected:
    void StartFullScreen(std::function<void()> whileTheBoxIsOpen) {
        StartWith({{"3D", 1}, {"Full", 1}, {"LED-timer", 1}, {"DisplayIcon", 1}});
        env->modal.ExpectMessageBox(IDOK, std::move(whileTheBoxIsOpen));
        StartCountdown("1");
    }
};

TEST_F(Timer3DStartInterruptedTest, StopTimerInsideTheBoxLeavesNoWindowNorTickBehind) {
    StartFullScreen([&] { CommandFromTray(ID_MENU_STOP); });
    EXPECT_NE(Running(), Run::Countdown);
    EXPECT_FALSE(Shows(Window::Timer3D) || Shows(Window::LedTimer) || TrayShowsProgress());
    EXPECT_FALSE(env->clock.IsRunning(Dlg(), IDT_TICK));
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_TRUE(IdleButtons());
}

TEST_F(Timer3DStartInterruptedTest, AQuickTimerInsideTheBoxIsTheRunThatGoesOn) {
    StartFullScreen([&] {
        env->modal.ExpectMessageBox(); // the quick timer's own 3D-Timer says the same
        CommandFromTray(ID_QUICKTIMER2);
    });
    ASSERT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(env->tray.tip, "Timer set to: 3 minutes");
    EXPECT_EQ(CountdownTicks(), 3 * 240);
    ASSERT_TRUE(Shows(Window::Timer3D));
    EXPECT_EQ(Timer3DWindow().GetWindowText(), "3D-Timer (3 minutes)");
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 3 minutes");
    Ticks(4);
    EXPECT_EQ(Timer3DWindow().GetWindowText(), "3D-Timer (3 minutes): 00:01");
}

TEST_F(Timer3DStartInterruptedTest, ExitInsideTheBoxEndsTheProgramAndStartsNothingMore) {
    StartFullScreen([&] { CommandFromTray(ID_MENU_EXIT); });
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(Shows(Window::LedTimer) || Shows(Window::Timer3D));
    EXPECT_EQ(env->clock.TimerCount(), 0u);
}

} // namespace
