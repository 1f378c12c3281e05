// The session's end reaches the program through its event loop: signals, the session
// manager's quit, and an event loop that ends otherwise; modal loops are closed first.
#include "platform/session/session_end.h"
#include "platform/widgets/modal_service.h"

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Stands in for the application's own event loop, which the session's end waits for.
class MainLoop {
public:
    // Runs the loop with first called from inside it, until end has been called or a few
    // seconds have gone.
    template <typename First> void Run(First first) {
        QTimer::singleShot(0, first);
        // A test that goes wrong ends too: dialogs left open are closed, then the loop quits.
        QTimer giveUp;
        QObject::connect(&giveUp, &QTimer::timeout, &m_loop, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            } else if (QWidget* open = QApplication::activeModalWidget()) {
                open->close();
            } else {
                m_loop.quit();
            }
        });
        giveUp.start(3000);
        m_loop.exec();
    }
    void Quit() { m_loop.quit(); }

private:
    QEventLoop m_loop;
};

struct Ending {
    int calls = 0;
    int loopLevel = -1; // the level the end ran at: 1 is the main loop
};

TEST(SessionEnd, EachSignalEndsTheProgramThroughTheMainLoop) {
    for (int signo : {SIGTERM, SIGINT, SIGHUP}) {
        MainLoop loop;
        Ending ending;
        SessionEnd end([&] {
            ++ending.calls;
            ending.loopLevel = QThread::currentThread()->loopLevel();
            loop.Quit();
        });
        bool ranInsideTheHandler = false;
        loop.Run([&] {
            raise(signo); // without the handler the process would end here
            ranInsideTheHandler = ending.calls > 0;
        });
        EXPECT_FALSE(ranInsideTheHandler) << signo;
        EXPECT_EQ(ending.calls, 1) << signo;
        EXPECT_EQ(ending.loopLevel, 1) << signo;
    }
    struct sigaction now = {};
    sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << "the signals are given back when the object goes";
}

TEST(SessionEnd, SignalsArrivingTogetherEndOnce) {
    MainLoop loop;
    int calls = 0;
    SessionEnd end([&] { ++calls; });
    loop.Run([&] {
        raise(SIGTERM);
        raise(SIGHUP);
        QTimer::singleShot(100, [&] { loop.Quit(); });
    });
    EXPECT_EQ(calls, 1);
}

TEST(SessionEnd, TheSessionManagersQuitIsTakenAsTheEnd) {
    MainLoop loop;
    int calls = 0;
    SessionEnd end([&] {
        ++calls;
        loop.Quit();
    });
    bool filtered = false;
    loop.Run([&] {
        // Qt would first close every window, and the main dialog only hides: the quit is ours.
        QEvent quit(QEvent::Quit);
        filtered = QCoreApplication::sendEvent(qApp, &quit);
    });
    EXPECT_TRUE(filtered);
    EXPECT_EQ(calls, 1);
}

TEST(SessionEnd, ModalLoopsAreClosedBeforeTheEnd) {
    QtModalService modal;
    MainLoop loop;
    std::vector<std::string> order;
    Ending ending;
    SessionEnd end([&] {
        order.push_back("end");
        ending.loopLevel = QThread::currentThread()->loopLevel();
        loop.Quit();
    });
    loop.Run([&] {
        QTimer::singleShot(0, [] { raise(SIGTERM); });
        modal.MessageBox(nullptr, "Missing Time!", "Hinweis", 0);
        order.push_back("message box closed");
        QTimer::singleShot(0, [] { raise(SIGTERM); });
        const UINT chosen =
            modal.TrackPopupMenu({PopupMenuItem{32776, "Exit", false}}, CPoint{10, 10}, nullptr);
        order.push_back(chosen == 0 ? "menu dismissed" : "menu chose");
    });
    EXPECT_EQ(order, (std::vector<std::string>{"message box closed", "menu dismissed", "end"}));
    EXPECT_EQ(ending.loopLevel, 1);
}

TEST(SessionEnd, AnEventLoopEndedByOthersStillEndsTheProgram) {
    int calls = 0;
    SessionEnd end([&] { ++calls; });
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    EXPECT_EQ(calls, 1);
}

} // namespace
