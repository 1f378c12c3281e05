#pragma once
// The profile file itself: read only when it is a regular file of a sane size, never waiting on
// what else may sit at its path; written whole, by one writer at a time, only over a regular
// file or where there is none.
#include <QByteArray>
#include <QString>

#include <string>

// Anything larger is not a profile this program wrote.
constexpr long long kMaxProfileBytes = 1024 * 1024;
// A live writer holds the lock only for the moment it takes to write a small file.
constexpr int kLiveWriterWaitMs = 5000;

struct ProfileBytes {
    QByteArray bytes;
    std::string problem; // why the file was not read; empty when it was read or there is none
};
ProfileBytes ReadProfileFile(const QString& path);

// Replaces the file (or the one its link points to) at once: a reader, or a kill at any moment,
// finds the old file or the new one, never a part. Only the lock's holder may call it.
bool ReplaceProfileFile(const QString& path, const QByteArray& bytes);

// Holds <profile>.lock while it lives and removes it after. The system lets go of the lock when
// its holder dies, so a writer killed while it wrote never holds up the next; a live writer is
// waited for, a few seconds at most.
class ProfileWriteLock {
public:
    explicit ProfileWriteLock(const QString& profilePath);
    ~ProfileWriteLock();
    bool Held() const { return m_fd >= 0; }

private:
    QByteArray m_name;
    int m_fd = -1;
};
