// The real window timers: quiet expirations that wait, and the minute timer on the wall clock.
#include "platform/qt/minute_timer.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/window_timer.h"
#include "platform/wnd.h"

#include <QTime>

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <vector>

namespace {

TEST(ExpirySchedule, QuietExpirationsWaitForTheNextOneAndComeInOrder) {
    ExpirySchedule s;
    s.Start(0, 250);
    EXPECT_EQ(s.WakeAt(), 250);
    EXPECT_FALSE(s.TakeDue(249));
    EXPECT_TRUE(s.TakeDue(250));
    EXPECT_FALSE(s.TakeDue(250));

    s.Defer(3); // 500, 750 and 1000 change nothing; 1250 does
    EXPECT_EQ(s.WakeAt(), 1250);
    // Asked early, only what is due so far comes: 500 and 750.
    EXPECT_TRUE(s.TakeDue(800));
    EXPECT_TRUE(s.TakeDue(800));
    EXPECT_FALSE(s.TakeDue(800));
    EXPECT_EQ(s.WakeAt(), 1250);
    int delivered = 0;
    while (s.TakeDue(1250)) {
        ++delivered;
    }
    EXPECT_EQ(delivered, 2); // 1000 and 1250
    EXPECT_EQ(s.WakeAt(), 1500);

    // Busy long past the awaited expiration: those after it are dropped, as a plain timer
    // drops them, and the period starts again from then.
    s.Defer(1);
    delivered = 0;
    while (s.TakeDue(5000)) {
        ++delivered;
    }
    EXPECT_EQ(delivered, 2); // 1500 (quiet) and 1750
    EXPECT_EQ(s.WakeAt(), 5250);

    // All quiet, for ever: the wake lies as far off as a clock can tell, not wrapped round.
    s.Start(0, 60LL * 1000 * 1000 * 1000);
    s.Defer(UINT_MAX);
    EXPECT_EQ(s.WakeAt(), std::numeric_limits<long long>::max());
}

// A window timer on a clock the test moves.
struct TimerOnTestClock {
    long long nowNs = 0;
    std::vector<long long> fired; // the test clock's ms at each delivery
    std::function<void()> onFire;
    WindowTimer timer{[this] {
                          fired.push_back(nowNs / 1000000);
                          if (onFire) {
                              onFire();
                          }
                      },
                      [this] { return nowNs; }};
};

TEST(WindowTimer, CatchUpDeliversTheDueQuietExpirationsAndStopsWhenTheWindowEndsTheTimer) {
    TimerOnTestClock t;
    t.timer.Start(250);
    EXPECT_EQ(t.timer.ArmedWaitMs(), 250);
    t.timer.Defer(3);
    EXPECT_EQ(t.timer.ArmedWaitMs(), 1000); // asleep through three quarter seconds

    t.nowNs = 600 * 1000000LL;
    t.timer.CatchUp();
    EXPECT_EQ(t.fired, (std::vector<long long>{600, 600})); // the ones due at 250 and 500
    EXPECT_EQ(t.timer.ArmedWaitMs(), 400);

    // A delivery that stops the timer ends the delivery, even with more due.
    t.onFire = [&] { t.timer.Stop(); };
    t.nowNs = 2000 * 1000000LL;
    t.timer.CatchUp();
    EXPECT_EQ(t.fired.size(), 3u);
    EXPECT_FALSE(t.timer.IsActive());
    EXPECT_FALSE(t.timer.Waking());
    t.timer.CatchUp();
    EXPECT_EQ(t.fired.size(), 3u);

    // Late with nothing quiet, one expiration comes for all that were due, as with any timer.
    t.onFire = {};
    t.timer.Start(100);
    t.nowNs += 350 * 1000000LL;
    t.timer.CatchUp();
    EXPECT_EQ(t.fired.size(), 4u);
    EXPECT_EQ(t.timer.ArmedWaitMs(), 100);

    // Set anew inside a delivery, the timer counts from then, without the old due ones.
    t.timer.Defer(5);
    t.onFire = [&] {
        t.onFire = {};
        t.timer.Start(1000);
    };
    t.nowNs += 250 * 1000000LL;
    t.timer.CatchUp();
    EXPECT_EQ(t.fired.size(), 5u);
    EXPECT_EQ(t.timer.ArmedWaitMs(), 1000);
}

TEST(QtTimers, WindowTimersArePreciseWithTheirPeriodAndIdsPerWindow) {
    QtTimerService timers;
    CWnd first;
    CWnd second;
    timers.SetTimer(first, 2, 250);
    timers.SetTimer(second, 2, 1000);
    const WindowTimer* tick = timers.Find(first, 2);
    ASSERT_NE(tick, nullptr);
    // A coarse timer may fire 5 % early, and the countdown counts these ticks.
    EXPECT_EQ(tick->Type(), Qt::PreciseTimer);
    EXPECT_EQ(tick->Period(), 250);
    EXPECT_TRUE(tick->IsActive());
    ASSERT_NE(timers.Find(second, 2), nullptr);
    EXPECT_EQ(timers.Find(second, 2)->Period(), 1000);

    timers.DeferTimer(first, 2, 3);
    EXPECT_GT(timers.Find(first, 2)->ArmedWaitMs(), 900);
    timers.SetTimer(first, 2, 50); // setting it again changes its period and ends the deferral
    EXPECT_EQ(timers.Find(first, 2)->Period(), 50);
    EXPECT_EQ(timers.Find(first, 2)->ArmedWaitMs(), 50);
    timers.KillTimer(first, 2);
    EXPECT_EQ(timers.Find(first, 2), nullptr);
    EXPECT_NE(timers.Find(second, 2), nullptr);
    timers.KillAllTimers(second);
    EXPECT_EQ(timers.Find(second, 2), nullptr);
}

TEST(QtTimers, AMinuteTimerWaitsOnTheWallClockForTheNextMinute) {
    QtTimerService timers;
    CWnd window;
    timers.SetMinuteTimer(window, 1);
    const MinuteTimer* minute = timers.FindMinuteTimer(window, 1);
    ASSERT_NE(minute, nullptr);
    EXPECT_EQ(timers.Find(window, 1), nullptr);
    const QTime now = QTime::currentTime();
    const long long expected = 60000 - (now.second() * 1000 + now.msec());
    EXPECT_NEAR(static_cast<double>(minute->RemainingMs()), static_cast<double>(expected), 50.0);
    EXPECT_GT(minute->RemainingMs(), 0);
    EXPECT_LE(minute->RemainingMs(), 60000);

    // The two kinds replace each other under one id, and KillTimer ends either.
    timers.SetTimer(window, 1, 1000);
    EXPECT_EQ(timers.FindMinuteTimer(window, 1), nullptr);
    ASSERT_NE(timers.Find(window, 1), nullptr);
    timers.SetMinuteTimer(window, 1);
    EXPECT_EQ(timers.Find(window, 1), nullptr);
    timers.KillTimer(window, 1);
    EXPECT_EQ(timers.FindMinuteTimer(window, 1), nullptr);
    timers.SetMinuteTimer(window, 1);
    timers.KillAllTimers(window);
    EXPECT_EQ(timers.FindMinuteTimer(window, 1), nullptr);
}

} // namespace
