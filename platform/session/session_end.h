#pragma once
// The end of the session asks the program to end the way its own Close does: SIGTERM, SIGINT
// and SIGHUP, and the session manager's quit. The request comes through the event loop, never
// from inside a signal handler, and only once every modal loop has been closed.
#include <QObject>

#include <csignal>
#include <functional>

class QSocketNotifier;

class SessionEnd : public QObject {
    Q_OBJECT
public:
    // end runs when the session ends, from the main event loop. One object per process: it
    // owns the three signals until it goes.
    explicit SessionEnd(std::function<void()> end);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

    // The session ends: end runs once the loops opened for modal dialogs, popup menus or
    // sounds have returned.
    void Request();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadSignals();
    void TryToEnd();

    std::function<void()> m_end;
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
    struct sigaction m_previous[3] = {};
};
