#pragma once
// A window timer whose quiet expirations wait. Whenever the timer goes to sleep it asks its
// window how many of the next expirations change nothing on their own, and sleeps through
// them; they are delivered, each in turn and in order, when the first one that is not quiet is
// due, or earlier when the window is about to hear of something else. The window sees every
// expiration exactly once; the program wakes only for those that matter.
#include "platform/timers/expiry_schedule.h"

#include <QObject>
#include <QTimer>

#include <functional>

class WindowTimer : public QObject {
public:
    // quiet tells how many expirations from the next one on change nothing (none if unset);
    // nowNs reads the monotonic clock in nanoseconds, by default the system's.
    explicit WindowTimer(std::function<void()> fire, std::function<unsigned()> quiet = {},
                         std::function<long long()> nowNs = {});
    // Fires every periodMs from now.
    void Start(int periodMs);
    void Stop();
    // Delivers the expirations that are due by now.
    void CatchUp();
    // Asks the window again which expirations are quiet, and wakes for the first that is not.
    void Rearm();
    bool IsActive() const { return m_active; }
    // Active, not delivering, and with an expiration due by now.
    bool IsDue() const;
    long long NextDueNs() const { return m_schedule.NextDue(); }
    // Whether the program will wake for it.
    bool Waking() const { return m_wake.isActive(); }
    int Period() const { return m_period; }
    Qt::TimerType Type() const { return m_wake.timerType(); }
    // The wait in milliseconds from when the timer last went to sleep to when it wakes.
    int ArmedWaitMs() const { return m_wake.interval(); }

private:
    void Deliver();
    void Arm();
    long long Now() const { return m_nowNs(); }

    std::function<void()> m_fire;
    std::function<unsigned()> m_quiet;
    std::function<long long()> m_nowNs;
    QTimer m_wake;             // single shot, armed for the first expiration that is not quiet
    long long m_armedFor = -1; // the wake it is armed for, on the monotonic clock
    ExpirySchedule m_schedule;
    int m_period = 0;
    unsigned m_starts = 0; // counts Start and Stop: a delivery ends when its timer was set anew
    bool m_active = false;
    bool m_delivering = false;
};
