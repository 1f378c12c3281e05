// The status-bar clock and the clock timer: asleep while nothing can see or needs it, awake at
// the minute boundaries while the dialog shows or an alarm waits, whatever runs.
#include "platform/fake/user_input.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

#include <functional>

namespace {

class ClockTest : public RunFixture {};

TEST_F(ClockTest, SleepsWhileHiddenAndIdleAndCatchesUpTheMomentTheDialogShows) {
    env->clock.SetTimeOfDay(7, 5, 30);
    StartWith({{"Start", 1}}); // only the tray icon shows
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_EQ(env->clock.TimerCount(), 0u); // nothing wakes the program
    Advance(10 * 60 * 1000);
    EXPECT_EQ(StatusText(0), "7:05"); // nobody could see it

    CommandFromTray(ID_MENU_MAXIMIZE);
    EXPECT_EQ(StatusText(0), "7:15"); // at once, not at the next minute
    EXPECT_TRUE(env->clock.IsMinuteTimer(Dlg(), IDT_CLOCK));
    EXPECT_EQ(env->clock.DueIn(Dlg(), IDT_CLOCK), 30 * 1000);
    Advance(30 * 1000 - 1);
    EXPECT_EQ(StatusText(0), "7:15");
    Advance(1);
    EXPECT_EQ(StatusText(0), "7:16");
    EXPECT_EQ(env->clock.DueIn(Dlg(), IDT_CLOCK), 60 * 1000);

    // A change of the system time shows at once.
    env->clock.SetTimeOfDay(21, 30, 15);
    Advance(0);
    EXPECT_EQ(StatusText(0), "21:30");
    EXPECT_EQ(env->clock.DueIn(Dlg(), IDT_CLOCK), 45 * 1000);

    CloseBox(Dlg());
    EXPECT_EQ(env->clock.TimerCount(), 0u);
}

TEST_F(ClockTest, AnArmedAlarmWakesTheHiddenProgramAtTheMinuteBoundariesOnly) {
    env->clock.SetTimeOfDay(7, 5, 30);
    StartWith({{"Ausblenden", 1}}); // the dialog hides as a run starts
    ArmAlarm("7:08");
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_EQ(env->clock.TimerCount(), 1u);
    EXPECT_TRUE(env->clock.IsMinuteTimer(Dlg(), IDT_CLOCK));
    EXPECT_EQ(env->clock.DueIn(Dlg(), IDT_CLOCK), 30 * 1000);
    Advance(90 * 1000); // 7:07:00
    EXPECT_EQ(Running(), Run::Alarm);
    EXPECT_EQ(env->clock.DueIn(Dlg(), IDT_CLOCK), 60 * 1000);

    long long firedAt = -1;
    bool clockWhileOpen = false;
    ExpectNotice([&](CDialog&) {
        firedAt = env->clock.NowMs();
        clockWhileOpen = env->clock.IsRunning(Dlg(), IDT_CLOCK); // hidden, nothing armed
    });
    Advance(60 * 1000);
    EXPECT_EQ(firedAt, 150 * 1000); // 7:08:00.000, the first instant of its minute
    EXPECT_FALSE(clockWhileOpen);
    EXPECT_TRUE(Dlg().IsWindowVisible()); // restored after the notice, with the clock awake
    EXPECT_EQ(StatusText(0), "7:08");
    EXPECT_TRUE(env->clock.IsMinuteTimer(Dlg(), IDT_CLOCK));

    // Armed and stopped again while hidden: the clock goes back to sleep.
    ArmAlarm("9:00");
    EXPECT_TRUE(env->clock.IsRunning(Dlg(), IDT_CLOCK));
    CommandFromTray(ID_MENU_STOP);
    EXPECT_NE(Running(), Run::Alarm);
    EXPECT_EQ(env->clock.TimerCount(), 0u);
}

// Whatever runs, paused or not, the shown dialog's clock turns with the minute on its own
// wake-up; hidden and idle again, nothing wakes.
TEST_F(ClockTest, TheShownClockIsNeverStaleInAnyStateOfARun) {
    struct Row {
        const char* state;
        std::function<void()> enter;
    };
    const Row rows[] = {
        {"idle", [] {}},
        {"alarm armed", [this] { ArmAlarm("23:00"); }},
        {"countdown running", [this] { StartCountdown("10"); }},
        {"countdown paused",
         [this] {
             StartCountdown("10");
             Click(IDC_PAUSE);
         }},
        {"count-up running", [this] { StartCountup(); }},
        {"count-up paused",
         [this] {
             StartCountup();
             Click(IDC_PAUSE);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        TearDown();
        SetUp();
        env->clock.SetTimeOfDay(7, 5, 30);
        StartWith({{"LED-timer", 1}, {"Ausblenden", 0}});
        row.enter();
        ASSERT_TRUE(Dlg().IsWindowVisible());
        Advance(30 * 1000 - 1);
        EXPECT_EQ(StatusText(0), "7:05");
        Advance(1);
        EXPECT_EQ(StatusText(0), "7:06"); // at 7:06:00.000
        Advance(60 * 1000);
        EXPECT_EQ(StatusText(0), "7:07");
    }
    CommandFromTray(ID_MENU_STOP);
    CloseBox(Dlg());
    EXPECT_EQ(env->clock.TimerCount(), 0u);
}

TEST_F(ClockTest, TheClockRunsOnThroughTheNoticeOfACountdown) {
    env->clock.SetTimeOfDay(7, 5, 30);
    StartWith({{"LED-timer", 1}, {"DisplayIcon", 1}});
    StartCountdown("2");
    long long endedAt = -1;
    std::string clockWhileOpen;
    ExpectNotice([&](CDialog&) {
        endedAt = env->clock.NowMs();
        Advance(60 * 1000); // the clock runs on by itself through the notice
        clockWhileOpen = StatusText(0);
    });
    Ticks(479);
    EXPECT_EQ(endedAt, -1);
    Ticks(1);
    EXPECT_EQ(endedAt, 120 * 1000); // 480 counted ticks, the nominal end
    EXPECT_EQ(clockWhileOpen, "7:08");
}

} // namespace
