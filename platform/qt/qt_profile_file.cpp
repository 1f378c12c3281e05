#include "platform/qt/qt_profile_file.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string WhatItIs(const struct stat& st) {
    if (S_ISREG(st.st_mode)) {
        return st.st_size > kMaxProfileBytes ? "larger than 1 MB" : "";
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
    // Looked at before it is opened: opening a device can have effects of its own.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        return {{}, errno == ENOENT ? "" : Unreadable()}; // nothing there: a first run
    }
    if (!WhatItIs(st).empty()) {
        return {{}, WhatItIs(st)};
    }
    // Should a pipe have taken the file's place since, opening it does not wait for a writer; what
    // is open is looked at again, and read no further than the limit even if it grows meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ProfileBytes result{{}, fd < 0 || ::fstat(fd, &st) != 0 ? Unreadable() : WhatItIs(st)};
    for (char buffer[64 * 1024]; result.problem.empty();) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) {
            break;
        }
        if (n < 0 && errno != EINTR) {
            result.problem = Unreadable();
        } else if (n > 0 && result.bytes.size() + n > kMaxProfileBytes) {
            result.problem = "larger than 1 MB";
        } else if (n > 0) {
            result.bytes.append(buffer, n);
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
    if (!result.problem.empty()) {
        result.bytes.clear();
    }
    return result;
}

bool ReplaceProfileFile(const QString& path, const QByteArray& bytes) {
    QByteArray target = QFile::encodeName(path);
    struct stat st {};
    char real[PATH_MAX];
    if (::stat(target.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || !::realpath(target.constData(), real)) {
            return false;
        }
        target = real; // through a link, the file it points to is replaced and the link stays
    } else if (errno != ENOENT) {
        return false;
    }
    // One name for it, beside the file: writers hold the lock, so a name left by a killed writer
    // is the next writer's to reuse.
    const QByteArray temporary = target + ".new";
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool whole = st.st_mode == 0 || ::fchmod(fd, st.st_mode & 07777) == 0;
    for (qsizetype done = 0; whole && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        whole = n > 0 || (n < 0 && errno == EINTR);
        done += n > 0 ? n : 0;
    }
    whole = ::fsync(fd) == 0 && whole;
    whole = ::close(fd) == 0 && whole;
    if (!whole || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}
