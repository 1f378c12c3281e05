#include "platform/qt/qt_services.h"
#include "platform/qt/tray_host_pointer.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <ctime>
#include <dlfcn.h>

TimeOfDay QtLocalClock::Now() {
    const std::time_t now = m_wallClock().tv_sec;
    std::tm local{};
    localtime_r(&now, &local);
    return TimeOfDay{local.tm_hour, local.tm_min};
}

CRect QtDisplayService::WorkArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return CRect{0, 0, 640, 480};
    }
    const QRect r = screen->availableGeometry();
    return CRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

CPoint QtDisplayService::CursorPos() {
    const QPoint p = TrayHostPointer().value_or(QCursor::pos());
    return CPoint{p.x(), p.y()};
}

bool QtSystemService::OpenGlLibrariesAvailable() {
    bool found = true;
    for (const char* library : {"libGL.so.1", "libGLU.so.1"}) {
        void* handle = dlopen(library, RTLD_LAZY | RTLD_LOCAL);
        found = found && handle != nullptr;
        if (handle) {
            dlclose(handle);
        }
    }
    return found;
}

int QtMessageLoop::Run() {
    return QApplication::exec();
}

void QtMessageLoop::Quit(int exitCode) {
    QCoreApplication::exit(exitCode);
}
