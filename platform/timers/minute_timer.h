#pragma once
// A one-shot wake-up for the moment the local time reads a new minute. It waits on the wall
// clock, not on the monotonic clock of QTimer: after a sleep of the machine or a change of the
// system time it is due at once, where a timer of "the seconds left in this minute" would come
// up to a minute late and miss that minute. It is delivered only once the wall clock it was
// given reads the new minute, so whoever it wakes reads that minute too.
#include "platform/timers/wall_clock.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QSocketNotifier;

class MinuteTimer : public QObject {
public:
    explicit MinuteTimer(std::function<void()> onDue, WallClock wallClock = ReadWallClock);
    ~MinuteTimer() override;
    // Arms (again) for the next minute boundary of the local time.
    void Start();
    void Stop();
    // Milliseconds until it is due, or -1 when it is not armed.
    long long RemainingMs() const;

private:
    void Arm();
    void Expired();

    std::function<void()> m_onDue;
    WallClock m_wallClock;
    timespec m_due{};                      // the boundary it waits for
    int m_fd = -1;                         // a timerfd on the wall clock
    QSocketNotifier* m_notifier = nullptr; // its readiness, in the event loop
    QTimer m_fallback;                     // where the system has no timerfd
};
