#pragma once
// The profile file itself: read only when it is a regular file of a sane size, never waiting on
// what else may sit at its path; written only over a regular file or where there is none, and
// always whole.
#include <QByteArray>
#include <QString>

#include <string>

struct stat;

// Anything larger is not a profile this program wrote.
constexpr long long kMaxProfileBytes = 1024 * 1024;

// Which file a path names (following links), so that a file replaced since it was read is noticed.
struct FileIdentity {
    bool exists = false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNs = 0;
};
bool operator==(const FileIdentity& a, const FileIdentity& b);
bool operator!=(const FileIdentity& a, const FileIdentity& b);
FileIdentity IdentityOf(const QString& path);
long long ModifiedNs(const struct stat& st);

struct ProfileBytes {
    QByteArray bytes;
    FileIdentity identity;
    std::string problem; // why the file was not read; empty when it was read or there is none
};

// The file's bytes when it is a regular file of at most kMaxProfileBytes. A named pipe, a
// device, a folder or a larger file is not read (and not opened where that could wait or have
// an effect of its own).
ProfileBytes ReadProfileFile(const QString& path);

// Empty when the path holds a regular file or nothing, so the profile may be written there;
// otherwise what the path holds.
std::string NotWritableBecause(const QString& path);

// Replaces the file (or the one its link points to) at once: a reader, or a kill at any moment,
// finds the old file or the new one, never a part.
bool ReplaceProfileFile(const QString& path, const QByteArray& bytes);
