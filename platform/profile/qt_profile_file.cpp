#include "platform/profile/qt_profile_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Empty for a regular file of at most kMaxProfileBytes.
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

std::string NotWritableBecause(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        return errno == ENOENT ? std::string() : std::strerror(errno);
    }
    return S_ISREG(st.st_mode) ? std::string() : WhatItIs(st);
}

bool ReplaceProfileFile(const QString& path, const QByteArray& bytes) {
    // Written beside the file under a temporary name, made durable, then renamed over it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return false; // QSaveFile removes what it had written
    }
    return file.commit();
}
