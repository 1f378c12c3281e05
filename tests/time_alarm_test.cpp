// The alarm at a time of day.
#include "indicators/countup_dlg.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

namespace {

class TimeAlarmTest : public RunFixture {};

TEST_F(TimeAlarmTest, FiresOnTheFirstClockTickThatReadsTheAlarmTime) {
    env->clock.SetTimeOfDay(7, 3, 30);
    Start();
    EditTimerInput([](TimerSettings& timer) { timer.strMessage = "Aufstehen"; });
    ArmAlarm("07:5");
    Advance(89 * 1000); // 7:04:59
    EXPECT_EQ(Running(), Run::Alarm);

    int notices = 0;
    ExpectNotice([&](CDialog& notice) {
        ++notices;
        EXPECT_EQ(NoticeText(notice), "Aufstehen");
        EXPECT_EQ(StatusText(0), "7:05");
        EXPECT_TRUE(RunSettled());
        // The clock ticks on through the whole minute while the notice is open.
        Advance(2 * 60 * 1000);
        EXPECT_EQ(StatusText(0), "7:07");
    });
    Advance(1000);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(ControlText(IDC_START), "Start Timer");
    EXPECT_EQ(StatusText(1), "Timer inactive!");
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_FALSE(Ended());
}

TEST_F(TimeAlarmTest, AMissedMinuteWaitsForTheSameTimeTomorrow) {
    env->clock.SetTimeOfDay(7, 4, 58);
    Start();
    ArmAlarm("7:05");
    env->clock.SetTimeOfDay(7, 6, 0); // the machine slept through the whole minute
    Advance(1000);
    EXPECT_EQ(Running(), Run::Alarm);
    env->clock.SetTimeOfDay(7, 4, 59); // the next day
    ExpectNotice();
    Advance(1000);
    EXPECT_NE(Running(), Run::Alarm);
}

TEST_F(TimeAlarmTest, TheCurrentMinuteFiresWithinASecond) {
    env->clock.SetTimeOfDay(12, 0, 10);
    Start();
    ArmAlarm("12:");
    ExpectNotice();
    Advance(999); // the clock tick is not due yet
    EXPECT_EQ(Running(), Run::Alarm);
    Advance(1);
    EXPECT_NE(Running(), Run::Alarm);
}

TEST_F(TimeAlarmTest, RestoresTheDialogEvenWithStartAndStayMinimized) {
    env->clock.SetTimeOfDay(9, 59, 59);
    StartWith({{"startstay", 1}});
    CommandFromTray(ID_MENU_MAXIMIZE);
    ArmAlarm("10:00");
    EXPECT_FALSE(Dlg().IsWindowVisible());
    ExpectNotice([&](CDialog&) { EXPECT_FALSE(Dlg().IsWindowVisible()); });
    Advance(1000);
    EXPECT_TRUE(Dlg().IsWindowVisible());
}

TEST_F(TimeAlarmTest, CloseAfterAlarmShowsTheNoticeThenSavesAndEnds) {
    env->clock.SetTimeOfDay(9, 59, 59);
    StartWith({{"Ende", 1}, {"Sound", 1}});
    HeldSettings().options.strSoundName = "Wecker";
    HeldSettings().options.strSoundWav = "/tmp/wecker.wav";
    ArmAlarm("10:00");
    EXPECT_EQ(env->sound.prepared, 1); // made ready as the alarm is armed
    bool endedWhileOpen = true;
    ExpectNotice([&](CDialog&) {
        endedWhileOpen = Ended();
        ASSERT_EQ(env->sound.calls.size(), 1u);
        EXPECT_EQ(env->sound.calls[0].path, "/tmp/wecker.wav");
    });
    Advance(1000);
    EXPECT_FALSE(endedWhileOpen);
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(env->tray.present);
    EXPECT_EQ(ReopenProfile()->GetProfileString("Daten", "Soundname", ""), "Wecker");
}

TEST_F(TimeAlarmTest, CountupStartedInsideTheNoticeGoesOn) {
    env->clock.SetTimeOfDay(9, 59, 59);
    StartWith({{"Ende", 1}, {"startstay", 1}});
    CommandFromTray(ID_MENU_MAXIMIZE);
    ArmAlarm("10:00");
    ExpectNotice([&](CDialog&) { CommandFromTray(ID_MENU_COUNTUP); });
    Advance(1000);
    EXPECT_FALSE(Ended());
    ASSERT_EQ(Running(), Run::Countup);
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_TRUE(RunButtons());
    EXPECT_EQ(ControlText(IDC_START), "Stop Countup");
    EXPECT_EQ(StatusText(1), "Countup running");
    Advance(5000);
    EXPECT_EQ(CountupTime(), "00:00:05");
}

} // namespace
