#include "platform/qt/qt_profile_lock.h"

#include <QFile>
#include <QList>
#include <QSysInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
    if (n <= 0) {
        return false;
    }
    const QList<QByteArray> lines = QByteArray(buffer, n).split('\n');
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

} // namespace

ProfileWriteLock::ProfileWriteLock(const QString& profilePath)
    : m_lock(profilePath + QStringLiteral(".lock")) {
    RemoveDeadOwnersLock(profilePath + QStringLiteral(".lock"));
    m_held = m_lock.tryLock(kLiveWriterWaitMs);
}

bool RemoveDeadOwnersLock(const QString& lockPath) {
    const QByteArray name = QFile::encodeName(lockPath);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return false;
    }
    return !(S_ISREG(st.st_mode) && OwnerMayBeAlive(name)) && ::unlink(name.constData()) == 0;
}
