#include "platform/profile/qt_profile_lock.h"

#include "platform/profile/qt_profile_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool IsTemporaryName(const QString& name, const QString& profileName) {
    constexpr qsizetype kRandomLetters = 6;
    if (name.size() != profileName.size() + 1 + kRandomLetters ||
        !name.startsWith(profileName + QLatin1Char('.'))) {
        return false;
    }
    for (qsizetype i = profileName.size() + 1; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) {
            return false;
        }
    }
    return true;
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

void RemoveOrphanedTemporaries(const QString& profilePath, long long sinceNs) {
    // The temporary file is made beside the file a link points to, and named after it.
    const QFileInfo profile(profilePath);
    const QFileInfo target(profile.exists() ? profile.canonicalFilePath() : profile.absoluteFilePath());
    const QDir dir = target.absoluteDir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!IsTemporaryName(name, target.fileName())) {
            continue;
        }
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat st {};
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && ModifiedNs(st) >= sinceNs) {
            ::unlink(path.constData());
        }
    }
}
