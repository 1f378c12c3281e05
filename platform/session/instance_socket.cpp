#include "platform/session/instance_socket.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

bool Address(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    return true;
}

int NewSocket() {
    return socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

bool Await(int fd, short events, int ms) {
    pollfd p{fd, events, 0};
    int ready = 0;
    do {
        ready = poll(&p, 1, ms);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

int ConnectTo(const QString& path, int ms) {
    sockaddr_un address;
    const int fd = NewSocket();
    if (fd < 0 || !Address(path, address)) {
        if (fd >= 0) {
            close(fd);
        }
        return -1;
    }
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return fd;
    }
    int error = errno;
    if (error == EINPROGRESS || error == EAGAIN) {
        socklen_t size = sizeof error;
        error = Await(fd, POLLOUT, ms) && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0
                    ? error
                    : ETIMEDOUT;
        if (error == 0) {
            return fd;
        }
    }
    close(fd);
    return -1;
}

namespace {

QString DisplayKey(QString display) {
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    const qsizetype dot = colon < 0 ? -1 : display.indexOf(QLatin1Char('.'), colon + 1);
    if (dot > colon) {
        display.truncate(dot); // the screen number: one display has one instance
    }
    for (QChar& c : display) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           QStringLiteral(".:-_").contains(c);
        if (!plain) {
            c = QLatin1Char('_');
        }
    }
    return display.isEmpty() ? QStringLiteral("none") : display.left(64);
}

// A folder only this user can enter: made with mode 0700, or found so and owned by the user.
bool PrivateFolder(const QByteArray& path, unsigned uid) {
    if (mkdir(path.constData(), S_IRWXU) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info;
    return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == uid &&
           (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// Without a runtime folder (XDG_RUNTIME_DIR unset and the usual stand-in taken by someone
// else) the socket goes into a private folder in the temporary one; empty when there is none.
QString RuntimeFolder(const QString& runtimeDir, unsigned uid) {
    if (!runtimeDir.isEmpty()) {
        return runtimeDir;
    }
    QString temp = qEnvironmentVariable("TMPDIR");
    if (!temp.startsWith(QLatin1Char('/'))) {
        temp = QStringLiteral("/tmp");
    }
    const QString folder = QStringLiteral("%1/brewdial-%2").arg(temp).arg(uid);
    return PrivateFolder(QFile::encodeName(folder), uid) ? folder : QString();
}

// The display the program's windows go to: the X display when there is one (the program
// prefers it), else the Wayland display.
QString DisplayName() {
    const QString x = qEnvironmentVariable("DISPLAY");
    return x.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : x;
}

} // namespace

QString InstanceSocketPath(const QString& runtimeDir, unsigned uid, const QString& display) {
    const QString folder = RuntimeFolder(runtimeDir, uid);
    if (folder.isEmpty()) {
        return {};
    }
    return QStringLiteral("%1/brewdial-%2-%3").arg(folder).arg(uid).arg(DisplayKey(display));
}

QString OwnInstanceSocketPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return InstanceSocketPath(runtime, getuid(), DisplayName());
}
