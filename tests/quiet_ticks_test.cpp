// The countdown's ticks that change nothing on their own, for which the program need not wake:
// what the dialog calls quiet must indeed change nothing, and the run keeps exact time whatever
// the user does meanwhile.
#include "indicators/countup_dlg.h"
#include "platform/fake/user_input.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

#include <climits>
#include <tuple>

namespace {

class QuietTicksTest : public RunFixture {
protected:
    // How many ticks after the next one the program sleeps through, as it is about to wait.
    UINT QuietAhead() {
        const long long wake = env->clock.WakesIn(Dlg(), IDT_TICK).value_or(0);
        const long long due = env->clock.DueIn(Dlg(), IDT_TICK).value_or(0);
        return wake - due > 24LL * 3600 * 1000 ? UINT_MAX : static_cast<UINT>((wake - due) / 250);
    }

    // Everything a tick can change that someone can see or hear (the clock goes on its own).
    auto Seen() {
        std::string led;
        int ledPos = -1;
        if (Shows(Window::LedTimer)) {
            led = Led().GetWindowText();
            ledPos = BarPosition(Led().m_progress);
        }
        return std::make_tuple(env->tray.icon, env->tray.tip, led, ledPos, StatusText(1),
                               env->sound.calls.size(), env->modal.Pending(), Running() == Run::Countdown);
    }

    // Runs the countdown tick by tick to its end, each one taken when due; returns the longest
    // stretch called quiet.
    UINT RunCheckingQuietTicks(int totalTicks) {
        UINT longest = 0;
        UINT quietLeft = 0;
        ExpectNotice();
        for (int tick = 1; tick <= totalTicks; ++tick) {
            const auto before = Seen();
            Ticks(1);
            env->clock.DeliverDue();
            if (quietLeft > 0) {
                EXPECT_EQ(Seen(), before) << "tick " << tick << " was called quiet";
                --quietLeft;
            }
            if (tick < totalTicks) {
                EXPECT_EQ(TicksCounted(), tick);
                quietLeft = QuietAhead();
                longest = std::max(longest, quietLeft);
            }
        }
        EXPECT_NE(Running(), Run::Countdown); // ended at the last counted tick, on time
        return longest;
    }
};

TEST_F(QuietTicksTest, WhatIsCalledQuietChangesNothingWhateverShowsTheRun) {
    struct Row {
        int led, icons, hide;
        UINT firstQuiet, longest;
    };
    const Row rows[] = {
        {1, 0, 1, 3, 3},     // the LED-Timer moves once a second
        {0, 1, 1, 30, 29},   // the next eighth of the status icon shows at tick 31
        {0, 0, 1, 239, 238}, // only the end shows
        {0, 0, 0, 239, 238}, // the shown dialog's clock wakes on its own
        {0, 1, 0, 30, 29},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "LED " << row.led << " icons " << row.icons << " hide " << row.hide);
        TearDown();
        SetUp();
        env->clock.SetTimeOfDay(7, 5, 30); // a new minute half way through
        StartWith({{"LED-timer", row.led}, {"DisplayIcon", row.icons}, {"Ausblenden", row.hide}});
        StartCountdown("1");
        EXPECT_EQ(QuietAhead(), row.firstQuiet);
        EXPECT_EQ(RunCheckingQuietTicks(240), row.longest);
        if (!row.hide) {
            EXPECT_EQ(StatusText(0), "7:06");
        }
    }
    StartCountdown("90"); // a long run wakes at least once a minute
    EXPECT_EQ(QuietAhead(), 240u);
}

TEST_F(QuietTicksTest, APausedRunIsAllQuietAndAnOpen3DTimerNeverIs) {
    StartWith({{"LED-timer", 1}, {"Ausblenden", 1}});
    StartCountdown("1");
    Ticks(5);
    CommandFromTray(ID_MENU_PAUSE);
    EXPECT_EQ(QuietAhead(), UINT_MAX);
    Advance(10 * 1000);
    EXPECT_EQ(Dlg().m_nTicks, 5);
    CommandFromTray(ID_MENU_PAUSE);
    EXPECT_EQ(Dlg().m_nTicks, 5); // the ticks of the pause came first, and did not count
    EXPECT_EQ(QuietAhead(), 2u);  // ticks 6 and 7; 8 moves the LED-Timer
    Ticks(3);
    EXPECT_EQ(BarPosition(Led().m_progress), 2);

    // An open 3D-Timer turns its disk with every tick.
    HeldSettings().options.n3DTimer = 1;
    CommandFromTray(ID_QUICKTIMER1);
    ASSERT_TRUE(Shows(Window::Timer3D));
    for (int tick = 1; tick <= 5; ++tick) {
        Ticks(1);
        EXPECT_EQ(QuietAhead(), 0u) << tick;
    }
}

// Whatever the user does to the windows during a run, and however late the process gets to
// run, it ends on its nominal tick and time.
TEST_F(QuietTicksTest, ARunEndsOnTimeWhateverTheUserShowsHidesOrPauses) {
    enum class Dialog { Shown, Hidden, HiddenThenShown };
    int rowsRun = 0;
    for (Dialog dialog : {Dialog::Shown, Dialog::Hidden, Dialog::HiddenThenShown}) {
        for (int led = 0; led <= 1; ++led) {
            for (int icons = 0; icons <= 1; ++icons) {
                for (int threeD = 0; threeD <= 1; ++threeD) {
                    for (bool pause : {false, true}) {
                        SCOPED_TRACE(testing::Message()
                                     << "dialog " << static_cast<int>(dialog) << " LED " << led << " icons "
                                     << icons << " 3D " << threeD << " pause " << pause);
                        TearDown();
                        SetUp();
                        StartWith({{"LED-timer", led},
                                   {"DisplayIcon", icons},
                                   {"3D", threeD},
                                   {"Ausblenden", dialog == Dialog::Shown ? 0 : 1}});
                        long long endedAt = -1;
                        int ticksAtEnd = -1;
                        ExpectNotice([&](CDialog&) {
                            endedAt = env->clock.NowMs();
                            ticksAtEnd = Dlg().m_nTicks;
                        });
                        StartCountdown("2");
                        ASSERT_EQ(Shows(Window::Timer3D), threeD == 1);
                        // Moments a quarter second does not divide, in a quiet stretch.
                        Advance(10 * 1000 + 130);
                        if (dialog == Dialog::HiddenThenShown) {
                            DoubleClickTray();
                            Advance(20 * 1000 + 70);
                            CloseBox(Dlg());
                            Advance(9 * 1000 + 3);
                            DoubleClickTray();
                        }
                        long long paused = 0;
                        if (pause) {
                            Advance(1111);
                            if (Dlg().IsWindowVisible()) {
                                Click(IDC_PAUSE);
                            } else {
                                CommandFromTray(ID_MENU_PAUSE);
                            }
                            Advance(7 * 1000 + 77);
                            paused = 7 * 1000 + 77;
                            CommandFromTray(ID_MENU_PAUSE);
                        }
                        env->clock.Stall(5 * 1000 + 11); // stopped, or a busy machine
                        Advance(3 * 60 * 1000);
                        EXPECT_EQ(ticksAtEnd, 2 * 240);
                        // The pause moves the end by its length, to within a tick.
                        EXPECT_NEAR(endedAt, 120 * 1000 + paused, 250);
                        ++rowsRun;
                    }
                }
            }
        }
    }
    EXPECT_EQ(rowsRun, 48);
}

TEST_F(QuietTicksTest, ACountUpShowsTheSecondsThatPassedWhateverTheUserShowsOrHides) {
    StartWith({{"Ausblenden", 1}});
    StartCountup();
    Advance(10 * 1000 + 130);
    DoubleClickTray();
    Advance(20 * 1000 + 70);
    CloseBox(Dlg());
    Advance(31 * 1000);
    ASSERT_TRUE(Shows(Window::Countup));
    EXPECT_EQ(CountupWindow().GetDlgItem(IDC_COUNT_TIME)->GetWindowText(), "00:01:01");
}

} // namespace
