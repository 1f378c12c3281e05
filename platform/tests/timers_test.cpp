// The real window timers: quiet expirations that wait, and the minute timer on the wall clock.
#include "platform/timers/local_clock.h"
#include "platform/timers/minute_timer.h"
#include "platform/timers/timer_service.h"
#include "platform/timers/window_timer.h"
#include "platform/wnd.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTime>

#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <limits>
#include <vector>

namespace {

TEST(ExpirySchedule, EveryExpirationIsTakenOnceAndInOrderWhateverTheWakeWaitsFor) {
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

    // Busy, stopped or asleep long past the awaited expiration: every one due comes late, none
    // is dropped, and the period keeps its phase.
    int delivered = 0;
    while (s.TakeDue(5000)) {
        ++delivered;
    }
    EXPECT_EQ(delivered, 17); // 1000, 1250, ... 5000
    EXPECT_EQ(s.NextDue(), 5250);
    EXPECT_EQ(s.WakeAt(), 5250);

    // All quiet, for ever: the wake lies as far off as a clock can tell, not wrapped round.
    s.Start(0, 60LL * 1000 * 1000 * 1000);
    s.Defer(UINT_MAX);
    EXPECT_EQ(s.WakeAt(), std::numeric_limits<long long>::max());
}

// A window timer on a clock the test moves, whose window calls `quiet` expirations quiet.
struct TimerOnTestClock {
    long long nowNs = 0;
    unsigned quiet = 0;
    std::vector<long long> fired; // the test clock's ms at each delivery
    std::function<void()> onFire;
    WindowTimer timer{[this] {
                          fired.push_back(nowNs / 1000000);
                          if (onFire) {
                              onFire();
                          }
                      },
                      [this] { return quiet; }, [this] { return nowNs; }};
};

TEST(WindowTimer, QuietExpirationsWaitAndComeWhenCaughtUpOrWhenTheTimerEnds) {
    TimerOnTestClock t;
    t.timer.Start(250);
    EXPECT_EQ(t.timer.ArmedWaitMs(), 250);
    t.quiet = 3;
    t.timer.Rearm();
    EXPECT_EQ(t.timer.ArmedWaitMs(), 1000); // asleep through three quarter seconds
    EXPECT_FALSE(t.timer.IsDue());

    t.nowNs = 600 * 1000000LL;
    EXPECT_TRUE(t.timer.IsDue());
    t.timer.CatchUp();
    EXPECT_EQ(t.fired, (std::vector<long long>{600, 600})); // the ones due at 250 and 500
    EXPECT_EQ(t.timer.ArmedWaitMs(), 150 + 3 * 250);        // the window still says 3 quiet

    // A delivery that stops the timer ends the delivery, even with more due.
    t.onFire = [&] { t.timer.Stop(); };
    t.nowNs = 2000 * 1000000LL;
    t.timer.CatchUp();
    EXPECT_EQ(t.fired.size(), 3u);
    EXPECT_FALSE(t.timer.IsActive());
    EXPECT_FALSE(t.timer.Waking());
    t.timer.CatchUp();
    EXPECT_EQ(t.fired.size(), 3u);

    // Late with nothing quiet, every expiration that was due still comes.
    t.onFire = {};
    t.quiet = 0;
    t.timer.Start(100);
    t.nowNs += 350 * 1000000LL;
    t.timer.CatchUp();
    EXPECT_EQ(t.fired.size(), 6u);
    EXPECT_EQ(t.timer.ArmedWaitMs(), 50);

    // Set anew inside a delivery, the timer counts from then, without the old due ones.
    t.onFire = [&] {
        t.onFire = {};
        t.timer.Start(1000);
    };
    t.nowNs += 250 * 1000000LL;
    t.timer.CatchUp();
    EXPECT_EQ(t.fired.size(), 7u);
    EXPECT_EQ(t.timer.ArmedWaitMs(), 1000);
}

// A window whose timer 2 has the given number of quiet expirations ahead.
class QuietWindow : public CWnd {
public:
    UINT quiet = 0;

protected:
    UINT QuietExpirations(UINT_PTR id) override { return id == 2 ? quiet : 0; }
};

TEST(QtTimers, WindowTimersArePreciseAndAskTheirWindowBeforeTheLoopWaits) {
    QtTimerService timers;
    QuietWindow first;
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

    first.quiet = 3;
    EXPECT_EQ(tick->ArmedWaitMs(), 250); // not asked while the program is still busy
    emit QAbstractEventDispatcher::instance()->aboutToBlock();
    EXPECT_GT(tick->ArmedWaitMs(), 900);
    EXPECT_EQ(timers.Find(second, 2)->ArmedWaitMs(), 1000);
    timers.SetTimer(first, 2, 50); // setting it again changes its period and wakes at once
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

// The minute timer wakes on the kernel's wall clock; the time of day is read from the one given
// here, made to lag by half a second: nothing is delivered until that reading shows the new
// minute, and then it does.
TEST(QtTimers, AMinuteTimerIsDeliveredOnlyOnceTheClockItIsReadFromShowsTheNewMinute) {
    timespec reading = ReadWallClock();
    reading.tv_sec -= 120; // two minutes ago, so that the kernel has long passed the boundary
    std::tm local{};
    localtime_r(&reading.tv_sec, &local);
    const std::time_t boundary = reading.tv_sec - local.tm_sec + 60;
    reading = timespec{boundary - 1, 500 * 1000 * 1000};
    const WallClock lagging = [&reading] { return reading; };
    QtLocalClock clock(lagging);
    std::vector<int> minutesSeen;
    MinuteTimer timer([&] { minutesSeen.push_back(clock.Now().minute); }, lagging);
    timer.Start();
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(minutesSeen.empty());
    EXPECT_EQ(clock.Now().minute, local.tm_min);

    reading = timespec{boundary, 0};
    for (int i = 0; i < 20 && minutesSeen.empty(); ++i) {
        QCoreApplication::processEvents();
    }
    std::tm atBoundary{};
    localtime_r(&boundary, &atBoundary);
    EXPECT_EQ(minutesSeen, std::vector<int>{atBoundary.tm_min});
}

} // namespace
