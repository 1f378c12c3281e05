#pragma once
// A window timer whose quiet expirations wait. The window may say that the next few expirations
// change nothing on their own; the timer then sleeps through them and delivers them, each in
// turn and in order, just before the first one that is not quiet, or when the window asks to
// catch up. The window sees every expiration; the program wakes only for those that matter.
#include <QObject>
#include <QTimer>

#include <functional>

// Which expirations are due at a given time, and when to wake for them; times in any one unit
// of a monotonic clock.
class ExpirySchedule {
public:
    void Start(long long now, long long period);
    // The next `quiet` expirations may wait for the one after them.
    void Defer(unsigned quiet);
    // When to wake: at the first expiration that is not quiet.
    long long WakeAt() const;
    // Takes the next expiration when it is due at now. Expirations past the first one that is
    // not quiet, due too after the program was busy, are dropped as a plain timer drops them:
    // the period then starts again from now.
    bool TakeDue(long long now);

private:
    long long m_period = 1;
    long long m_next = 0;  // when the next expiration is due
    long long m_quiet = 0; // how many expirations from the next one on may wait
};

class WindowTimer : public QObject {
public:
    // nowNs reads the monotonic clock in nanoseconds; by default the system's.
    explicit WindowTimer(std::function<void()> fire, std::function<long long()> nowNs = {});
    // Fires every periodMs from now, with no quiet expirations.
    void Start(int periodMs);
    void Stop();
    void Defer(unsigned quiet);
    // Delivers the waiting expirations that are due by now.
    void CatchUp();
    bool IsActive() const { return m_active; }
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
    std::function<long long()> m_nowNs;
    QTimer m_wake; // single shot, armed for the next expiration that is not quiet
    ExpirySchedule m_schedule;
    int m_period = 0;
    unsigned m_starts = 0; // counts Start and Stop: a delivery ends when its timer was set anew
    bool m_active = false;
    bool m_delivering = false;
};
