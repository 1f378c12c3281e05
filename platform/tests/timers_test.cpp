// The real minute timer, on the wall clock.
#include "platform/qt/minute_timer.h"
#include "platform/qt/qt_services.h"
#include "platform/wnd.h"

#include <QTime>

#include <gtest/gtest.h>

namespace {

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
