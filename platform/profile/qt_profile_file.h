#pragma once
// The profile file itself: read only when it is a regular file of a sane size, never waiting on
// what else may sit at its path; written only over a regular file or where there is none, and
// always whole.
#include <QByteArray>
#include <QString>

#include <string>

// Anything larger is not a profile this program wrote.
constexpr long long kMaxProfileBytes = 1024 * 1024;

struct ProfileBytes {
    QByteArray bytes;
    std::string problem; // why the file was not read; empty when it was read or there is none
};

// A named pipe, a device, a folder or a larger file is not read (and not opened where that could
// wait or have an effect of its own).
ProfileBytes ReadProfileFile(const QString& path);

// Empty when the path holds a regular file or nothing, so the profile may be written there;
// otherwise what the path holds.
std::string NotWritableBecause(const QString& path);

// Replaces the file (or the one its link points to) at once: a reader, or a kill at any moment,
// finds the old file or the new one, never a part.
bool ReplaceProfileFile(const QString& path, const QByteArray& bytes);
