// The Start command: arming, starting and ending runs of the three modes.
#include "indicators/countup_dlg.h"
#include "platform/messages.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

#include <climits>
#include <utility>

namespace {

class StartCommandTest : public RunFixture {};

TEST_F(StartCommandTest, TimeModeArmsTheTypedTimeAndTheSecondPressCancelsIt) {
    env->clock.SetTimeOfDay(7, 0);
    Start();
    ArmAlarm("7:05");
    EXPECT_EQ(Running(), Run::Alarm);
    EXPECT_FALSE(TimerPageOpen());
    EXPECT_EQ(env->tray.tip, "Alarm at: 7:05");
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_EQ(ControlText(IDC_START), "Stop Timer");
    EXPECT_EQ(StatusText(1), "Timer active!");
    EXPECT_TRUE(IdleButtons()); // Start stays as this mode's stop button
    EXPECT_TRUE(Dlg().IsWindowVisible());

    Click(IDC_START);
    EXPECT_NE(Running(), Run::Alarm);
    EXPECT_TRUE(TimerPageOpen());
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_EQ(ControlText(IDC_START), "Start Timer");
    EXPECT_EQ(StatusText(1), "Timer inactive!");

    ArmAlarm("7:05"); // goes off at the typed hour and minute, not a minute before
    Advance(4 * 60 * 1000);
    EXPECT_EQ(Running(), Run::Alarm);
    ExpectNotice();
    Advance(60 * 1000);
    EXPECT_EQ(Running(), Run::None);
}

TEST_F(StartCommandTest, RefusedInputShowsAHinweisAndStartsNothing) {
    Start();
    const size_t trayCalls = env->tray.calls.size();
    struct Case {
        int mode;
        const char* input;
        const char* message;
    };
    const Case cases[] = {
        {0, "", "Missing Time!"},         {0, "24:00", "Wrong Timeformat!"}, {0, "9:60", "Wrong Timeformat!"},
        {0, "1230", "Wrong Timeformat!"}, {0, "1a:00", "Wrong Timeformat!"}, {1, "0", "Missing Time!"},
        {1, "abc", "Missing Time!"},      {1, "", "Missing Time!"},
    };
    for (const Case& c : cases) {
        env->modal.ExpectMessageBox();
        EditTimerInput([&](TimerSettings& timer) {
            timer.nMode = c.mode;
            (c.mode == 0 ? timer.strAlarmTime : timer.strMinutes) = c.input;
        });
        if (c.mode == 0) {
            TypeAlarmTime(c.input);
        }
        Click(IDC_START);
        ASSERT_FALSE(env->modal.messageBoxes.empty());
        const MessageBoxCall& box = env->modal.messageBoxes.back();
        EXPECT_EQ(box.text, c.message) << c.input;
        EXPECT_EQ(box.caption, "Hinweis");
        EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
        const TimerSettings& timer = HeldSettings().timer;
        EXPECT_EQ(c.mode == 0 ? timer.strAlarmTime : timer.strMinutes, c.input); // to be corrected
        EXPECT_TRUE(TimerPageOpen()) << c.input;
        EXPECT_EQ(Running(), Run::None) << c.input;
        EXPECT_FALSE(env->clock.IsRunning(Dlg(), IDT_TICK)) << c.input;
        EXPECT_EQ(ControlText(IDC_START), "Start Timer");
        EXPECT_TRUE(IdleButtons());
    }
    EXPECT_EQ(env->modal.messageBoxes.size(), std::size(cases));
    EXPECT_EQ(env->tray.calls.size(), trayCalls);
}

TEST_F(StartCommandTest, CountdownShowsItsTextsAndButtonsAndTheSecondPressEndsIt) {
    StartWith({{"LED-timer", 1}, {"DisplayIcon", 1}});
    StartCountdown("1");
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute");
    EXPECT_EQ(env->tray.icon, IDI_STAGE1);
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 1 minute");
    EXPECT_EQ(ControlText(IDC_START), "Stop Timer");
    EXPECT_EQ(StatusText(1), "Timer active!");
    EXPECT_TRUE(RunButtons());
    EXPECT_EQ(env->clock.Period(Dlg(), IDT_TICK), 250u);
    EXPECT_EQ(CountdownTicks(), 240);
    Click(IDC_PAUSE);
    Click(IDC_PAUSE);
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute"); // the run's tip again after a pause

    Click(IDC_STOP);
    EXPECT_FALSE(Running() == Run::Countdown || Shows(Window::LedTimer) || TrayShowsProgress());
    EXPECT_EQ(env->clock.TimerCount(), 1u); // only the main dialog's clock
    EXPECT_TRUE(TimerPageOpen());
    EXPECT_FALSE(env->clock.IsRunning(Dlg(), IDT_TICK));
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_EQ(ControlText(IDC_START), "Start Timer");
    EXPECT_EQ(StatusText(1), "Timer inactive!");
    EXPECT_TRUE(IdleButtons());

    StartCountdown("25");
    EXPECT_EQ(env->tray.tip, "Timer set to: 25 minutes");
    EXPECT_EQ(CountdownTicks(), 6000);
    EXPECT_EQ(BarRange(Led().m_progress), std::make_pair(0, 1500));
    EXPECT_EQ(TicksCounted(), 0);
    Click(IDC_STOP);

    StartCountdown("05"); // the minutes as typed
    EXPECT_EQ(env->tray.tip, "Timer set to: 05 minutes");
    EXPECT_EQ(CountdownTicks(), 1200);
    Click(IDC_STOP);

    // Years of minutes: as long a countdown as the tick count holds, every indicator sane.
    StartCountdown("99999999999");
    const int longest = INT_MAX / 240;
    EXPECT_EQ(CountdownTicks(), longest * 240);
    EXPECT_EQ(BarRange(Led().m_progress).second, longest * 60);
    Ticks(4);
    EXPECT_EQ(BarPosition(Led().m_progress), 1);
    EXPECT_EQ(env->tray.icon, IDI_STAGE1);
}

TEST_F(StartCommandTest, RunsStartHiddenWhenAsked) {
    StartWith({{"Ausblenden", 1}});
    StartCountdown("3");
    EXPECT_FALSE(Dlg().IsWindowVisible());
    DoubleClickTray();
    Click(IDC_STOP);

    ArmAlarm("12:00");
    EXPECT_FALSE(Dlg().IsWindowVisible());
    DoubleClickTray();
    Click(IDC_START);

    StartCountup();
    EXPECT_FALSE(Dlg().IsWindowVisible());
}

TEST_F(StartCommandTest, CountupLeavesTheTrayAloneAndItsStopButtonKeepsThePlace) {
    Start();
    const size_t trayCalls = env->tray.calls.size();
    StartCountup();
    ASSERT_EQ(Running(), Run::Countup);
    EXPECT_FALSE(TimerPageOpen());
    EXPECT_EQ(env->tray.calls.size(), trayCalls);
    EXPECT_EQ(ControlText(IDC_START), "Stop Countup");
    EXPECT_EQ(StatusText(1), "Countup running");
    EXPECT_TRUE(RunButtons());
    CCountupDlg* window = &CountupWindow();
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(Place(*window), std::make_pair(100, 100)); // no stored place yet
    MoveTo(*window, 333, 222);

    Click(IDC_STOP);
    EXPECT_NE(Running(), Run::Countup);
    EXPECT_FALSE(Shows(Window::Countup));
    EXPECT_EQ(env->clock.TimerCount(), 1u); // only the main dialog's clock
    EXPECT_TRUE(TimerPageOpen());
    EXPECT_TRUE(IdleButtons());
    EXPECT_EQ(ControlText(IDC_START), "Start Timer");
    EXPECT_EQ(StatusText(1), "Timer inactive!");
    EXPECT_EQ(env->tray.tip, "Brewdial");
    // On disk at once: a crash or kill right after it keeps the place.
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "PosCountX", -1), 333);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "PosCountY", -1), 222);

    StartCountup();
    EXPECT_EQ(Place(CountupWindow()), std::make_pair(333, 222));
    EXPECT_EQ(CountupTime(), "00:00:00");
}

// The LED-Timer opens at its stored place, also off the screen.
TEST_F(StartCommandTest, StoppedCountdownKeepsTheLedPlaceForTheNextRunAndTheProfile) {
    StartWith({{"LED-timer", 1}, {"links", -500}, {"oben", 5000}});
    StartCountdown("2");
    EXPECT_EQ(Place(Led()), std::make_pair(-500, 5000));
    MoveTo(Led(), 400, 300);
    Click(IDC_STOP);
    EXPECT_FALSE(Shows(Window::LedTimer));
    StartCountdown("2");
    EXPECT_EQ(Place(Led()), std::make_pair(400, 300));

    // Closing the program with the window open keeps the place it was opened at.
    MoveTo(Led(), 10, 500);
    Click(IDC_CLOSE);
    EXPECT_FALSE(Shows(Window::LedTimer));
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "links", -1), 400);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "oben", -1), 300);
}

// Off the screen, or so far out that the window's right and bottom edges lie beyond int: the
// count-up window opens at its stored place and its Stop button keeps it.
TEST_F(StartCommandTest, ACountupWindowOpensAtAnyStoredPlaceAndKeepsIt) {
    const std::pair<int, int> places[] = {{3000, -40}, {INT_MAX, INT_MAX}, {INT_MAX - 50, INT_MAX - 50}};
    for (const auto& [x, y] : places) {
        SCOPED_TRACE(x);
        TearDown();
        SetUp();
        StartWith({{"PosCountX", x}, {"PosCountY", y}});
        StartCountup();
        const CRect r = CountupWindow().GetWindowRect();
        EXPECT_EQ(std::make_pair(r.left, r.top), std::make_pair(x, y));
        EXPECT_GE(r.right, r.left);
        EXPECT_GE(r.bottom, r.top);
        if (x == INT_MAX) {
            EXPECT_EQ(r.right, INT_MAX);
            EXPECT_EQ(r.bottom, INT_MAX);
        }
        Click(IDC_STOP);
        EXPECT_EQ(Profile().GetProfileInt("Daten", "PosCountX", -1), x);
        EXPECT_EQ(Profile().GetProfileInt("Daten", "PosCountY", -1), y);
    }
}

} // namespace
