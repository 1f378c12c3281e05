#include "platform/session/session_end.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// The level of the application's own event loop; a modal dialog's loop runs one deeper.
constexpr int kMainLoopLevel = 1;
// How often a pending end looks again whether the modal loops have returned.
constexpr int kRetryMs = 20;

// The write end of the pipe the signal handler writes to: a signal handler can reach nothing
// else, so this is the one piece of process-wide state here.
int g_signalPipe = -1;

extern "C" void WriteSignalToPipe(int signo) {
    const int saved = errno;
    const char byte = static_cast<char>(signo);
    [[maybe_unused]] const ssize_t written = write(g_signalPipe, &byte, 1);
    errno = saved;
}

} // namespace

SessionEnd::SessionEnd(std::function<void()> end) : m_end(std::move(end)) {
    if (g_signalPipe == -1 && pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        g_signalPipe = m_pipe[1];
        m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::ReadSignals);
        struct sigaction action = {};
        action.sa_handler = WriteSignalToPipe;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int i = 0; i < 3; ++i) {
            sigaction(kSignals[i], &action, &m_previous[i]);
        }
    }
    // The session manager's quit: Qt would first close every window, and the main dialog's
    // close box only hides it, so the quit would never happen.
    qApp->installEventFilter(this);
    // Whoever else ends the event loop: the program still ends through its own Close.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_end(); });
}

SessionEnd::~SessionEnd() {
    if (m_notifier) {
        for (int i = 0; i < 3; ++i) {
            sigaction(kSignals[i], &m_previous[i], nullptr);
        }
        g_signalPipe = -1;
        close(m_pipe[0]);
        close(m_pipe[1]);
    }
}

void SessionEnd::Request() {
    if (!m_requested) {
        m_requested = true;
        QTimer::singleShot(0, this, &SessionEnd::TryToEnd);
    }
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::Quit) {
        Request();
        return true;
    }
    return false;
}

// A signal is taken as the session manager's quit, which whatever waits in a loop of its own
// (a sound played to its end) sees too.
void SessionEnd::ReadSignals() {
    char bytes[16];
    while (read(m_pipe[0], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
}

void SessionEnd::TryToEnd() {
    if (QThread::currentThread()->loopLevel() > kMainLoopLevel) {
        // Inside a modal loop: close what it runs for, as the user would, and look again.
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
        QTimer::singleShot(kRetryMs, this, &SessionEnd::TryToEnd);
        return;
    }
    m_requested = false;
    m_end();
}
