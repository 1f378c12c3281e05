#include "platform/display/windowing_platform.h"

#include "platform/diagnostics.h"
#include "platform/display/windowing_choice.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QString>

#include <X11/Xlib.h>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool XServerAnswers() {
    if (!std::getenv("DISPLAY")) {
        return false;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

// As the Wayland client library finds the compositor: a socket named by WAYLAND_DISPLAY, in
// XDG_RUNTIME_DIR unless the name is a path.
bool WaylandAnswers() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty()) {
        return false;
    }
    const QByteArray path =
        QFile::encodeName(name.startsWith('/') ? name : qEnvironmentVariable("XDG_RUNTIME_DIR") + '/' + name);
    sockaddr_un address{};
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answers = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return answers;
}

bool WaylandPluginInstalled() {
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(':', Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString& folder : folders) {
        if (!QDir(folder + QStringLiteral("/platforms"))
                 .entryList({QStringLiteral("libqwayland-*.so")})
                 .isEmpty()) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string ChooseWindowingPlatform() {
    const char* user = std::getenv("QT_QPA_PLATFORM");
    WindowingEnvironment env;
    env.userChoice = user ? user : "";
    if (env.userChoice.empty()) {
        env.xServerAnswers = XServerAnswers();
        env.waylandAnswers = !env.xServerAnswers && WaylandAnswers();
        env.waylandPlugin = env.waylandAnswers && WaylandPluginInstalled();
    }
    const WindowingChoice choice = ChooseWindowing(env);
    if (!choice.platform.empty()) {
        setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
    }
    if (!choice.notice.empty()) {
        ReportProblem(choice.notice);
    }
    return choice.error;
}
