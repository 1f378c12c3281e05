#include "platform/profile/qt_profile_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileIdentity IdentityOfStat(const struct stat& st) {
    FileIdentity id;
    id.exists = true;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modifiedNs = ModifiedNs(st);
    return id;
}

std::string WhatItIs(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "not a regular file";
}

std::string TooLarge() {
    return "larger than " + std::to_string(kMaxProfileBytes / (1024 * 1024)) + " MB";
}

std::string Unreadable(int error) {
    return std::string("unreadable (") + std::strerror(error) + ")";
}

// Reads the whole regular file open at fd, refusing it if it grows past the limit meanwhile.
std::string ReadAll(int fd, QByteArray& out) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Unreadable(errno);
        }
        if (n == 0) {
            return {};
        }
        if (out.size() + n > kMaxProfileBytes) {
            return TooLarge();
        }
        out.append(buffer, n);
    }
}

} // namespace

bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.exists == b.exists && a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modifiedNs == b.modifiedNs;
}

bool operator!=(const FileIdentity& a, const FileIdentity& b) {
    return !(a == b);
}

long long ModifiedNs(const struct stat& st) {
    return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

FileIdentity IdentityOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? IdentityOfStat(st) : FileIdentity{};
}

ProfileBytes ReadProfileFile(const QString& path) {
    ProfileBytes result;
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a device can have effects of its own.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        if (errno != ENOENT) {
            result.problem = Unreadable(errno);
        }
        return result; // nothing there: a first run
    }
    result.identity = IdentityOfStat(st);
    if (!S_ISREG(st.st_mode)) {
        result.problem = WhatItIs(st.st_mode);
        return result;
    }
    if (st.st_size > kMaxProfileBytes) {
        result.problem = TooLarge();
        return result;
    }
    // Should a pipe have taken the file's place since, opening it does not wait for a writer;
    // what is open is then looked at again.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.problem = Unreadable(errno);
        return result;
    }
    if (::fstat(fd, &st) != 0) {
        result.problem = Unreadable(errno);
    } else if (!S_ISREG(st.st_mode)) {
        result.problem = WhatItIs(st.st_mode);
    } else {
        result.identity = IdentityOfStat(st);
        result.problem = ReadAll(fd, result.bytes);
    }
    ::close(fd);
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
    return S_ISREG(st.st_mode) ? std::string() : WhatItIs(st.st_mode);
}

bool ReplaceProfileFile(const QString& path, const QByteArray& bytes) {
    // Written beside the file under a temporary name, made durable, then renamed over it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
