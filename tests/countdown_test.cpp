// A countdown's ticks, its indicators and its expiry.
#include "platform/messages.h"
#include "res/resource.h"
#include "tests/run_fixture.h"
#include "tray/tool_tip.h"

#include <vector>

namespace {

class CountdownTest : public RunFixture {};

TEST_F(CountdownTest, StatusIconEmptiesInEighthsAndShowsTheEmptyDiscWithTheNotice) {
    StartWith({{"DisplayIcon", 1}});
    StartCountdown("1");
    // The tick from which each stage shows, and its icon.
    const std::vector<std::pair<int, HICON>> stages = {
        {1, IDI_STAGE1},   {31, IDI_STAGE2},  {61, IDI_STAGE3},  {91, IDI_STAGE4},
        {121, IDI_STAGE5}, {151, IDI_STAGE6}, {181, IDI_STAGE7}, {211, IDI_STAGE8},
    };
    for (size_t s = 0; s < stages.size(); ++s) {
        const int last = s + 1 < stages.size() ? stages[s + 1].first - 1 : 239;
        for (int tick = stages[s].first; tick <= last; ++tick) {
            Ticks(1);
            ASSERT_EQ(env->tray.icon, stages[s].second) << "tick " << tick;
        }
    }
    EXPECT_EQ(env->tray.tip, "Timer set to: 1 minute");
    HICON iconWithNotice = 0;
    ExpectNotice([&](CDialog&) { iconWithNotice = env->tray.icon; });
    Ticks(1);
    EXPECT_EQ(iconWithNotice, IDI_STAGE9);
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_FALSE(TrayShowsProgress());
}

TEST_F(CountdownTest, FiveMinuteRunEndsAfterExactly1200CountedTicks) {
    StartWith({{"LED-timer", 1}});
    StartCountdown("5");
    EXPECT_EQ(BarRange(Led().m_progress), std::make_pair(0, 300));

    Advance(150 * 1000);
    EXPECT_EQ(BarPosition(Led().m_progress), 150);
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 5 minutes: 02:30");

    Ticks(1199 - 600);
    EXPECT_EQ(TicksCounted(), 1199);
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_EQ(env->modal.Pending(), 0u);

    int ticksAtNotice = 0;
    ExpectNotice([&](CDialog&) { ticksAtNotice = TicksCounted(); });
    Ticks(1);
    EXPECT_EQ(ticksAtNotice, 1200);
    EXPECT_NE(Running(), Run::Countdown);

    // The next run counts from the beginning again.
    StartCountdown("5");
    EXPECT_EQ(TicksCounted(), 0);
    Ticks(3);
    EXPECT_EQ(TicksCounted(), 3);
}

TEST_F(CountdownTest, LedShowsWholeSecondsAndItsCaptionClockEverySecond) {
    StartWith({{"LED-timer", 1}});
    StartCountdown("1");
    for (int tick = 1; tick <= 3; ++tick) {
        Ticks(1);
        EXPECT_EQ(BarPosition(Led().m_progress), 0) << tick;
        EXPECT_EQ(Led().GetWindowText(), "Timer set to: 1 minute") << tick;
    }
    Ticks(1);
    EXPECT_EQ(BarPosition(Led().m_progress), 1);
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 1 minute: 00:01");
    Advance(58 * 1000);
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 1 minute: 00:59");
    ExpectNotice([](CDialog& notice) { EXPECT_EQ(NoticeText(notice), "Hier Text eingeben."); });
    Advance(1000);
    EXPECT_FALSE(Shows(Window::LedTimer));
}

TEST_F(CountdownTest, ExpirySettlesTheRunBeforeTheNoticeAndRestoresAfterIt) {
    Profile().WriteProfileString("Daten", "Meldungstext", "Stored at the last close");
    StartWith({{"LED-timer", 1}, {"Ausblenden", 1}});
    EditTimerInput([](TimerSettings& timer) { timer.strMessage = "Tea is ready"; });
    StartCountdown("1");
    EXPECT_FALSE(Dlg().IsWindowVisible());
    MoveTo(Led(), 222, 111);
    Ticks(239);

    ExpectNotice([&](CDialog& notice) {
        EXPECT_EQ(NoticeText(notice), "Tea is ready");
        EXPECT_EQ(notice.GetWindowText(), "Hinweis");
        EXPECT_TRUE(RunSettled());
        EXPECT_TRUE(Shows(Window::Notice));
        EXPECT_FALSE(Shows(Window::LedTimer));
        EXPECT_FALSE(env->clock.IsRunning(Dlg(), IDT_TICK));
        EXPECT_EQ(HeldSettings().nLedLeft, 222);
        EXPECT_EQ(HeldSettings().nLedTop, 111);
        // Time goes on while the notice is open: the clock runs, nothing else starts or counts.
        Advance(10 * 1000);
        EXPECT_EQ(TicksCounted(), 240);
        EXPECT_FALSE(Dlg().IsWindowVisible());
    });
    Ticks(1);
    EXPECT_FALSE(Shows(Window::Notice));
    EXPECT_TRUE(Dlg().IsWindowVisible());
    EXPECT_TRUE(IdleButtons());
    EXPECT_EQ(ControlText(IDC_START), "Start Timer");
    EXPECT_EQ(StatusText(1), "Timer inactive!");
    EXPECT_EQ(env->tray.tip, "Brewdial");
    EXPECT_FALSE(Ended());
}

TEST_F(CountdownTest, StartAndStayMinimizedKeepsTheDialogHiddenAfterTheAlarm) {
    StartWith({{"startstay", 1}, {"Iconmode", 1}, {"Timermode", 1}, {"Minuten", 1}});
    EXPECT_FALSE(Dlg().IsWindowVisible());
    DoubleClickTray(); // "start timer"
    ASSERT_EQ(Running(), Run::Countdown);
    ExpectNotice();
    Advance(60 * 1000);
    EXPECT_NE(Running(), Run::Countdown);
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_TRUE(IdleButtons());
}

TEST_F(CountdownTest, CloseAfterAlarmShowsTheNoticeThenSavesAndEnds) {
    StartWith({{"Ende", 1}, {"DisplayIcon", 1}});
    StartCountdown("1");
    bool endedWhileOpen = true;
    ExpectNotice([&](CDialog&) { endedWhileOpen = Ended(); });
    Advance(60 * 1000);
    EXPECT_FALSE(endedWhileOpen);
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(env->tray.present);
    EXPECT_EQ(env->tray.calls.back().message, NIM_DELETE);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Timermode", -1), 1);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), 1);
}

TEST_F(CountdownTest, SoundPlaysTheStoredFileOnlyWithSoundOnAndANamedSound) {
    struct Case {
        int play;
        const char* name;
        bool plays;
    };
    for (const Case c : {Case{1, "Gong", true}, Case{1, "", false}, Case{0, "Gong", false}}) {
        TearDown();
        SetUp();
        Profile().WriteProfileString("Daten", "Soundname", c.name);
        Profile().WriteProfileString("Daten", "Soundwav", "/no/such/dir/gong.wav");
        StartWith({{"Sound", c.play}});
        StartCountdown("1");
        EXPECT_EQ(env->sound.prepared, c.plays ? 1 : 0) << "the player is made ready as the run starts";
        size_t soundsWithNotice = 99;
        ExpectNotice([&](CDialog&) { soundsWithNotice = env->sound.calls.size(); });
        Advance(60 * 1000);
        ASSERT_EQ(soundsWithNotice, c.plays ? 1u : 0u) << c.play << c.name;
        if (c.plays) {
            EXPECT_EQ(env->sound.calls[0].path, "/no/such/dir/gong.wav");
            EXPECT_EQ(env->sound.calls[0].flags, SND_FILENAME | SND_NODEFAULT | SND_ASYNC);
            EXPECT_EQ(env->sound.calls[0].flags, 0x20003u);
        }
    }
}

TEST_F(CountdownTest, RunStartedInsideTheNoticeGoesOn) {
    StartWith({{"Ende", 1}, {"DisplayIcon", 1}});
    StartCountdown("1");
    ExpectNotice([&](CDialog&) {
        HeldSettings().options.nDisplayIcon = 0; // as if turned off since
        CommandFromTray(ID_QUICKTIMER2);
    });
    Advance(60 * 1000);
    EXPECT_FALSE(Ended());
    EXPECT_EQ(Running(), Run::Countdown);
    EXPECT_TRUE(RunButtons());
    EXPECT_EQ(ControlText(IDC_START), "Stop Timer");
    EXPECT_EQ(StatusText(1), "Timer active!");
    EXPECT_EQ(env->tray.tip, "Timer set to: 3 minutes");
    // No status icons were asked for this time, so none appear.
    Advance(60 * 1000);
    EXPECT_EQ(TicksCounted(), 240);
    EXPECT_EQ(env->tray.icon, IDR_MAINFRAME);
    ExpectNotice();
    Advance(2 * 60 * 1000);
    EXPECT_TRUE(Ended());
}

TEST_F(CountdownTest, ProgramClosedInsideTheNoticeStaysClosed) {
    StartWith({{"Ende", 1}, {"LED-timer", 1}});
    StartCountdown("1");
    size_t trayCallsAtClose = 0;
    ExpectNotice([&](CDialog&) {
        CommandFromTray(ID_MENU_EXIT);
        trayCallsAtClose = env->tray.calls.size();
    });
    Advance(60 * 1000);
    EXPECT_TRUE(Ended());
    // Nothing of the alarm sequence follows: no tray call, no second Close.
    EXPECT_EQ(env->tray.calls.size(), trayCallsAtClose);
    EXPECT_EQ(env->tray.calls.back().message, NIM_DELETE);
    EXPECT_EQ(env->clock.TimerCount(), 0u);
}

} // namespace

namespace {

class NoticeTextTest : public RunFixture {};

TEST_F(NoticeTextTest, AHugeStoredMessageGoesIntoTheNoticeOnlyAsFarAsItCanShow) {
    std::string message;
    for (int i = 0; i < 100000; ++i) {
        message += "Tee \xc3\xbc"; // five characters, six bytes: 600 KB in all
    }
    Profile().WriteProfileString("Daten", "Meldungstext", message);
    StartWith({{"Ende", 1}});
    StartCountdown("1");
    ExpectNotice([&](CDialog& notice) {
        const std::string shown = NoticeText(notice);
        EXPECT_EQ(shown, message.substr(0, 1200)); // the first 1000 characters
        EXPECT_EQ(shown, FirstCharacters(message, 1000));
    });
    Advance(60 * 1000);
    ASSERT_TRUE(Ended());
    EXPECT_EQ(ReopenProfile()->GetProfileString("Daten", "Meldungstext", ""), message); // kept whole
}

} // namespace
