// The countdown's ticks that change nothing on their own, for which the program need not wake:
// what the dialog calls quiet must indeed change nothing, and every tick is still counted.
#include "res/resource.h"
#include "tests/run_fixture.h"

#include <climits>
#include <tuple>

namespace {

class QuietTicksTest : public RunFixture {
protected:
    // Everything a tick can change that someone can see or hear.
    auto Seen() {
        std::string led;
        int ledPos = -1;
        if (Dlg().m_bLedOpen) {
            led = Led().GetWindowText();
            ledPos = Led().m_progress.GetPos();
        }
        return std::make_tuple(env->tray.icon, env->tray.tip, led, ledPos, StatusText(0), StatusText(1),
                               env->sound.calls.size(), env->modal.Pending(), Dlg().m_bTimerRunning);
    }

    // Runs the countdown tick by tick to its end; returns the longest stretch called quiet.
    UINT RunCheckingQuietTicks(int totalTicks) {
        UINT longest = 0;
        UINT quietLeft = 0;
        ExpectNotice();
        for (int tick = 1; tick <= totalTicks; ++tick) {
            const auto before = Seen();
            Ticks(1);
            if (quietLeft > 0) {
                EXPECT_EQ(Seen(), before) << "tick " << tick << " was called quiet";
                --quietLeft;
            }
            if (tick < totalTicks) {
                EXPECT_EQ(Dlg().m_nTicks, tick);
                const std::optional<UINT> quiet = env->clock.Quiet(Dlg(), IDT_TICK);
                EXPECT_TRUE(quiet.has_value()) << "tick " << tick;
                quietLeft = quiet.value_or(0);
                longest = std::max(longest, quietLeft);
            }
        }
        EXPECT_FALSE(Dlg().m_bTimerRunning); // ended at the last counted tick, on time
        return longest;
    }
};

TEST_F(QuietTicksTest, WhatIsCalledQuietChangesNothingWhateverShowsTheRun) {
    env->clock.SetTimeOfDay(7, 5, 30); // a new minute half way through
    StartWith({{"LED-timer", 1}, {"DisplayIcon", 0}, {"Ausblenden", 1}});
    StartCountdown("1");
    EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), 3u); // the LED-Timer moves once a second
    EXPECT_EQ(RunCheckingQuietTicks(240), 3u);

    TearDown();
    SetUp();
    StartWith({{"LED-timer", 0}, {"DisplayIcon", 1}, {"Ausblenden", 1}});
    StartCountdown("1");
    EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), 30u); // the next eighth shows at tick 31
    EXPECT_EQ(RunCheckingQuietTicks(240), 29u);

    TearDown();
    SetUp();
    StartWith({{"LED-timer", 0}, {"DisplayIcon", 0}, {"Ausblenden", 1}});
    StartCountdown("1");
    EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), 239u); // only the end shows
    EXPECT_EQ(RunCheckingQuietTicks(240), 238u);
    StartCountdown("90"); // a long run wakes at least once a minute
    EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), 240u);
    Ticks(6);
    CommandFromTray(ID_MENU_MAXIMIZE); // the clock shows again and needs the tick
    EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), 1u);
    CommandFromTray(ID_MENU_STOP);

    // With the dialog shown, its clock rides on the tick at least once a second.
    TearDown();
    SetUp();
    env->clock.SetTimeOfDay(7, 5, 30);
    StartWith({{"LED-timer", 0}, {"DisplayIcon", 1}, {"Ausblenden", 0}});
    StartCountdown("1");
    EXPECT_TRUE(Dlg().IsWindowVisible());
    EXPECT_EQ(RunCheckingQuietTicks(240), 3u);
}

TEST_F(QuietTicksTest, APausedRunIsAllQuietAndAnOpen3DTimerNeverIs) {
    StartWith({{"LED-timer", 1}, {"Ausblenden", 1}});
    StartCountdown("1");
    Ticks(5);
    CommandFromTray(ID_MENU_PAUSE);
    EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), UINT_MAX);
    Advance(10 * 1000);
    EXPECT_EQ(Dlg().m_nTicks, 5);
    EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), UINT_MAX);
    CommandFromTray(ID_MENU_PAUSE);
    EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), 2u); // ticks 6 and 7; 8 moves the LED-Timer
    Ticks(3);
    EXPECT_EQ(Led().m_progress.GetPos(), 2);

    // An open 3D-Timer turns its disk with every tick.
    Dlg().m_settings.options.n3DTimer = 1;
    CommandFromTray(ID_QUICKTIMER1);
    ASSERT_TRUE(Dlg().m_b3DOpen);
    for (int tick = 1; tick <= 5; ++tick) {
        Ticks(1);
        EXPECT_EQ(env->clock.Quiet(Dlg(), IDT_TICK), 0u) << tick;
    }
}

TEST_F(QuietTicksTest, WaitingTicksStillShowEverythingOnTimeAndPauseCountsThoseDueFirst) {
    env->clock.deferQuietTimers = true; // as on the desktop
    StartWith({{"LED-timer", 1}, {"DisplayIcon", 1}, {"Ausblenden", 1}});
    StartCountdown("1");
    Advance(3 * 250);
    EXPECT_EQ(Dlg().m_nTicks, 0); // asleep through three quiet ticks
    Advance(250);
    EXPECT_EQ(Dlg().m_nTicks, 4); // and all four counted at once
    EXPECT_EQ(Led().m_progress.GetPos(), 1);
    EXPECT_EQ(Led().GetWindowText(), "Timer set to: 1 minute: 00:01");

    Advance(7749 - 1000);
    EXPECT_EQ(env->tray.icon, IDI_STAGE1);
    Advance(1); // tick 31, at 7.75 s
    EXPECT_EQ(env->tray.icon, IDI_STAGE2);
    EXPECT_EQ(Dlg().m_nTicks, 31);

    Advance(10300 - 7750); // tick 41 is due at 10.25 s, but quiet: it waits
    EXPECT_EQ(Dlg().m_nTicks, 40);
    CommandFromTray(ID_MENU_PAUSE);
    EXPECT_EQ(Dlg().m_nTicks, 41); // counted before the pause, as it came before it
    Advance(5000);
    CommandFromTray(ID_MENU_PAUSE);
    EXPECT_EQ(Dlg().m_nTicks, 41);

    long long endedAt = -1;
    ExpectNotice([&](CDialog&) { endedAt = env->clock.NowMs(); });
    Advance(60 * 1000);
    // The ticks of the pause did not count: 60 s of ticks plus the pause, to the quarter second.
    EXPECT_EQ(endedAt, 65 * 1000);
}

} // namespace
