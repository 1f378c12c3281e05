#include "platform/widgets/message_loop.h"

#include <QApplication>

int QtMessageLoop::Run() {
    return QApplication::exec();
}

void QtMessageLoop::Quit(int exitCode) {
    QCoreApplication::exit(exitCode);
}
