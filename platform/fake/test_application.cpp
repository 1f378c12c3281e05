#include "platform/fake/test_application.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

int RunWithTestApplication(int& argc, char** argv, const std::function<int()>& run) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir home;
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return run();
}

void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int LiveWidgetCount() {
    ProcessDeferredDeletes();
    return static_cast<int>(QApplication::allWidgets().size());
}

void DeliverWindowSystemEvents() {
    QCoreApplication::processEvents();
}
