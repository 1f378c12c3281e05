#include "platform/profile/qt_profile_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <QSysInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

long long ModifiedNs(const struct stat& st) {
    return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

// QLockFile writes "pid\napplication\nhost\n..."; a writer killed between creating the file and
// writing it leaves it empty.
bool OwnerMayBeAlive(const QByteArray& lockName) {
    const int fd = ::open(lockName.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    char buffer[1024];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    const QList<QByteArray> lines = QByteArray(buffer, n > 0 ? n : 0).split('\n');
    bool ok = false;
    const qlonglong pid = lines.value(0).toLongLong(&ok);
    if (!ok || pid <= 0 || pid > INT_MAX) {
        return false;
    }
    const QByteArray host = lines.value(2);
    if (!host.isEmpty() && QString::fromUtf8(host) != QSysInfo::machineHostName()) {
        return true; // a process on another machine cannot be looked at from here
    }
    return !(::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

// Removes what a writer killed between writing and renaming left beside the profile: regular
// files named like it plus a dot and six letters (the temporary names of an atomic write),
// written no earlier than sinceNs. The temporary file is made beside the file a link points to.
void RemoveOrphanedTemporaries(const QString& profilePath, long long sinceNs) {
    const QFileInfo profile(profilePath);
    const QFileInfo target(profile.exists() ? profile.canonicalFilePath() : profile.absoluteFilePath());
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
    const QDir dir = target.absoluteDir();
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat st {};
        if (temporary.match(name).hasMatch() && ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
            ModifiedNs(st) >= sinceNs) {
            ::unlink(path.constData());
        }
    }
}

} // namespace

ProfileWriteLock::ProfileWriteLock(const QString& profilePath)
    : m_lock(profilePath + QStringLiteral(".lock")) {
    const long long deadSince = RemoveDeadOwnersLock(profilePath + QStringLiteral(".lock"));
    m_held = m_lock.tryLock(kLiveWriterWaitMs);
    if (m_held && deadSince >= 0) {
        RemoveOrphanedTemporaries(profilePath, deadSince);
    }
}

long long RemoveDeadOwnersLock(const QString& lockPath) {
    const QByteArray name = QFile::encodeName(lockPath);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return -1;
    }
    if (S_ISREG(st.st_mode) && OwnerMayBeAlive(name)) {
        return -1;
    }
    return ::unlink(name.constData()) == 0 ? ModifiedNs(st) : -1;
}
