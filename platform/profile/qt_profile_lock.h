#pragma once
// The lock that keeps writers of the profile apart, and what a writer killed while holding it
// leaves behind.
#include <QLockFile>
#include <QString>

// A live writer holds the lock only for the moment it takes to write a small file.
constexpr int kLiveWriterWaitMs = 5000;

// Holds the profile's lock (the profile's name plus ".lock", as QSettings names it) while it
// lives. A lock left by a dead writer is taken over at once, and the temporary files that writer
// left are removed; a live writer is waited for, a few seconds at most.
class ProfileWriteLock {
public:
    explicit ProfileWriteLock(const QString& profilePath);
    bool Held() const { return m_held; }

private:
    QLockFile m_lock;
    bool m_held = false;
};

// Removes the lock file when no live process owns it: it is empty, names no process, names one
// that does not exist on this host, or is no regular file at all. Returns the removed lock's
// modification time in nanoseconds, or -1 when nothing was removed.
long long RemoveDeadOwnersLock(const QString& lockPath);
