#pragma once
// Which expirations of a repeating timer are due at a given time, and when to wake for them;
// times in any one unit of a monotonic clock. Every expiration is taken exactly once and in
// order: one that comes late, because the process was busy, stopped or held it back as quiet,
// is taken late, never dropped. The real window timers and their test double share this code.
class ExpirySchedule {
public:
    void Start(long long now, long long period);
    // The next `quiet` expirations, from the first one not yet taken, change nothing on their
    // own: the wake may wait for the one after them. Quiet ones still come, in turn, when due.
    void Defer(unsigned quiet);
    // When to wake: at the first expiration that is not quiet.
    long long WakeAt() const;
    // When the first expiration not yet taken is due.
    long long NextDue() const { return m_next; }
    // Takes the first expiration not yet taken when it is due at now.
    bool TakeDue(long long now);

private:
    long long m_period = 1;
    long long m_next = 0;  // when the first expiration not yet taken is due
    long long m_quiet = 0; // how many expirations from it on may wait
};
