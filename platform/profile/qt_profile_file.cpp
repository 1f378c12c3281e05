#include "platform/profile/qt_profile_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

constexpr char kTooLarge[] = "larger than 1 MB";

// Empty for a regular file of at most kMaxProfileBytes.
std::string WhatItIs(const struct stat& st) {
    if (S_ISREG(st.st_mode)) {
        return st.st_size > kMaxProfileBytes ? kTooLarge : "";
    }
    return S_ISDIR(st.st_mode)                          ? "a folder"
           : S_ISFIFO(st.st_mode)                       ? "a named pipe"
           : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
           : S_ISSOCK(st.st_mode)                       ? "a socket"
                                                        : "not a regular file";
}

std::string Unreadable() {
    return std::string("unreadable (") + std::strerror(errno) + ")";
}

} // namespace

ProfileBytes ReadProfileFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened, since opening a device can have effects of its own. Should a
    // pipe take the file's place meanwhile, opening it does not wait, and what is open is looked
    // at again.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        return {{}, errno == ENOENT ? "" : Unreadable()}; // nothing there: a first run
    }
    if (!WhatItIs(st).empty()) {
        return {{}, WhatItIs(st)};
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ||
        ::fstat(fd, &st) != 0) {
        return {{}, Unreadable()};
    }
    if (!WhatItIs(st).empty()) {
        return {{}, WhatItIs(st)};
    }
    QByteArray bytes = file.read(kMaxProfileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return {{}, "unreadable (" + file.errorString().toStdString() + ")"};
    }
    // It may have grown since it was looked at.
    return bytes.size() > kMaxProfileBytes ? ProfileBytes{{}, kTooLarge} : ProfileBytes{bytes, {}};
}

bool ReplaceProfileFile(const QString& path, const QByteArray& bytes) {
    // Written beside the file under a name of its own, made durable, then renamed over it. What a
    // writer killed before the rename left there, the next writer writes anew.
    const QFileInfo link(path);
    const QByteArray name = QFile::encodeName(!link.isSymLink() ? path
                                              : link.exists()   ? link.canonicalFilePath()
                                                                : link.symLinkTarget());
    const QByteArray temporary = name + ".writing";
    // Whatever sits there that is not a regular file is left alone: writing would replace a device
    // node or a pipe by a file.
    struct stat old {};
    const bool existed = ::stat(name.constData(), &old) == 0;
    if (existed ? !S_ISREG(old.st_mode) : errno != ENOENT) {
        return false;
    }
    ::unlink(temporary.constData());
    QFile file;
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    bool written = fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) &&
                   (!existed || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                   file.write(bytes) == bytes.size() && file.flush() && ::fsync(fd) == 0;
    file.close();
    written = written && ::rename(temporary.constData(), name.constData()) == 0;
    if (!written) {
        ::unlink(temporary.constData());
    }
    return written;
}

ProfileWriteLock::ProfileWriteLock(const QString& profilePath)
    : m_name(QFile::encodeName(profilePath + QStringLiteral(".lock"))) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLiveWriterWaitMs);
    do {
        // What is locked must still be what the name holds: the last holder removed it on leaving.
        m_fd = ::open(m_name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        struct stat held {};
        struct stat named {};
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(m_fd, &held) == 0 &&
            ::lstat(m_name.constData(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev) {
            return;
        }
        if (m_fd < 0 && errno == ELOOP) {
            ::unlink(m_name.constData()); // a link is no lock a writer made
        }
        if (m_fd >= 0) {
            ::close(std::exchange(m_fd, -1));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < until);
}

ProfileWriteLock::~ProfileWriteLock() {
    if (Held()) {
        ::unlink(m_name.constData());
        ::close(m_fd);
    }
}
