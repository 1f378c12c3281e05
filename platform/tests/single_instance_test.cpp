// One program per user and display: the first start listens, later starts hand over to it,
// and nothing left by a program that died stands in the way.
#include "platform/hand_over.h"
#include "platform/session/instance_socket.h"
#include "platform/session/single_instance.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <future>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kMax = 8947848;

// Runs the event loop until done says so, or limitMs have gone.
template <typename Done> bool RunLoopUntil(Done done, int limitMs = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < limitMs) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// Connects as a stranger would, says message and reads until the other side closes (3 s at
// most): what it answered, and whether it closed.
std::pair<std::string, bool> SayToTheInstance(const QString& path, const QByteArray& message) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        return {"(no connection)", false};
    }
    send(fd, message.constData(), static_cast<size_t>(message.size()), MSG_NOSIGNAL);
    std::string got;
    bool closed = false;
    pollfd p{fd, POLLIN, 0};
    while (!closed && poll(&p, 1, 3000) > 0) {
        char buffer[256];
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        closed = n <= 0;
        got.append(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    }
    close(fd);
    return {got, closed};
}

// A later start in its own thread: its hand-over blocks until the listening side answers.
std::future<SingleInstance::Outcome> LaterStart(const QString& path, StartRequest request) {
    return std::async(std::launch::async, [path, request] {
        SingleInstance later(path, kMax);
        return later.Claim(request);
    });
}

// What arrives at the listening instance until the later start is done.
SingleInstance::Outcome HandOver(const QString& path, const StartRequest& request,
                                 std::vector<StartRequest>& received) {
    std::future<SingleInstance::Outcome> later = LaterStart(path, request);
    RunLoopUntil([&] { return later.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    RunLoopUntil([&] { return !received.empty(); });
    return later.get();
}

TEST(SingleInstance, TheSocketIsNamedByUserAndDisplay) {
    EXPECT_EQ(InstanceSocketPath("/run/user/1000", 1000, ":0"), "/run/user/1000/brewdial-1000-:0");
    EXPECT_EQ(InstanceSocketPath("/r", 1000, ":0.0"), "/r/brewdial-1000-:0") << "the screen does not count";
    EXPECT_EQ(InstanceSocketPath("/r", 7, "localhost:10.0"), "/r/brewdial-7-localhost:10");
    EXPECT_EQ(InstanceSocketPath("/r", 7, "host.example:1"), "/r/brewdial-7-host.example:1");
    EXPECT_EQ(InstanceSocketPath("/r", 7, "wayland-0"), "/r/brewdial-7-wayland-0");
    EXPECT_EQ(InstanceSocketPath("/r", 7, "/run/user/7/wayland-1"), "/r/brewdial-7-_run_user_7_wayland-1");
    EXPECT_EQ(InstanceSocketPath("/r", 7, ""), "/r/brewdial-7-none");
    EXPECT_NE(InstanceSocketPath("/r", 7, ":0"), InstanceSocketPath("/r", 8, ":0"));
    EXPECT_NE(InstanceSocketPath("/r", 7, ":0"), InstanceSocketPath("/r", 7, ":1"));
    EXPECT_EQ(InstanceSocketPath("/r", 7, QString(300, QLatin1Char('x'))).size(),
              QString("/r/brewdial-7-").size() + 64);
}

TEST(SingleInstance, WithoutARuntimeFolderTheSocketGoesIntoAPrivateOneOrNowhere) {
    QTemporaryDir temp;
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    const QString folder = temp.filePath(QStringLiteral("brewdial-%1").arg(getuid()));
    struct Case {
        const char* what;
        std::function<void()> prepare;
        bool usable;
    };
    const Case cases[] = {
        {"made for the purpose", [] {}, true},
        {"found private and the user's own", [] {}, true},
        {"open to others", [&] { chmod(QFile::encodeName(folder).constData(), 0755); }, false},
        {"owned by another user",
         [&] {
             chmod(QFile::encodeName(folder).constData(), 0700);
             if (chown(QFile::encodeName(folder).constData(), getuid() + 1, getgid()) != 0) {
                 rmdir(QFile::encodeName(folder).constData()); // cannot be had unprivileged
                 EXPECT_EQ(symlink("/", QFile::encodeName(folder).constData()), 0);
             }
         },
         false},
    };
    for (const Case& c : cases) {
        c.prepare();
        const QString path = InstanceSocketPath(QString(), getuid(), QStringLiteral(":3"));
        if (c.usable) {
            EXPECT_EQ(path, folder + QStringLiteral("/brewdial-%1-:3").arg(getuid())) << c.what;
            struct stat info;
            ASSERT_EQ(lstat(QFile::encodeName(folder).constData(), &info), 0) << c.what;
            EXPECT_EQ(info.st_mode & 0777, 0700u) << c.what;
        } else {
            EXPECT_TRUE(path.isEmpty()) << c.what << ": " << path.toStdString();
        }
    }
    // With no folder at all the program runs alone, and says why.
    SingleInstance alone(QString(), kMax);
    EXPECT_EQ(alone.Claim(StartRequest{}), SingleInstance::Outcome::Alone);
    EXPECT_FALSE(alone.Error().isEmpty());
    qputenv("TMPDIR", savedTemp);
}

TEST(SingleInstance, ConnectionsBeyondTheBoundAreRefusedAtOnce) {
    QTemporaryDir runtime;
    const QString path = runtime.filePath(QStringLiteral("brewdial-test"));
    SingleInstance first(path, kMax);
    ASSERT_EQ(first.Claim(StartRequest{}), SingleInstance::Outcome::Listening);
    // Strangers that connect and say nothing.
    std::vector<int> silent;
    for (int i = 0; i < 40; ++i) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
        connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        silent.push_back(fd);
        RunLoopUntil([] { return false; }, 1); // the listener takes what waits
    }
    const auto refused = [&] {
        int n = 0;
        for (int fd : silent) {
            char byte;
            n += recv(fd, &byte, 1, MSG_PEEK) == 0;
        }
        return n;
    };
    EXPECT_TRUE(RunLoopUntil([&] { return refused() >= 24; })) << refused() << " refused";
    EXPECT_EQ(refused(), 24) << "16 are heard, the rest refused";
    for (int fd : silent) {
        close(fd);
    }
    // Once they are gone a later start is heard again.
    std::vector<StartRequest> received;
    first.OnRequest([&](const StartRequest& r) { received.push_back(r); });
    EXPECT_EQ(HandOver(path, StartRequest{}, received), SingleInstance::Outcome::HandedOver);
}

TEST(SingleInstance, LaterStartsHandTheirRequestToTheFirst) {
    QTemporaryDir runtime;
    const QString path = runtime.filePath(QStringLiteral("brewdial-test"));
    SingleInstance first(path, kMax);
    ASSERT_EQ(first.Claim(StartRequest{}), SingleInstance::Outcome::Listening) << first.Error().toStdString();
    std::vector<StartRequest> received;
    first.OnRequest([&](const StartRequest& r) { received.push_back(r); });

    StartRequest countdown;
    countdown.countdownMinutes = 25;
    EXPECT_EQ(HandOver(path, countdown, received), SingleInstance::Outcome::HandedOver);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], countdown);

    // A start that asks for nothing brings up the running program's dialog.
    received.clear();
    EXPECT_EQ(HandOver(path, StartRequest{}, received), SingleInstance::Outcome::HandedOver);
    ASSERT_EQ(received.size(), 1u);
    StartRequest show;
    show.show = true;
    EXPECT_EQ(received[0], show);

    // Once the first stops listening, a later start becomes the instance itself.
    first.StopListening();
    SingleInstance next(path, kMax);
    EXPECT_EQ(next.Claim(StartRequest{}), SingleInstance::Outcome::Listening);
}

TEST(SingleInstance, TheRequestArrivesThroughTheEventLoopAfterTheAnswer) {
    QTemporaryDir runtime;
    const QString path = runtime.filePath(QStringLiteral("brewdial-test"));
    SingleInstance first(path, kMax);
    ASSERT_EQ(first.Claim(StartRequest{}), SingleInstance::Outcome::Listening);
    bool laterWasDone = false;
    std::future<SingleInstance::Outcome> later;
    int calls = 0;
    first.OnRequest([&](const StartRequest&) {
        ++calls;
        // A request that opens a modal dialog here must not keep the later start waiting.
        laterWasDone = later.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    });
    StartRequest quick;
    quick.quickTimer = 2;
    later = LaterStart(path, quick);
    ASSERT_TRUE(RunLoopUntil([&] { return calls > 0; }));
    EXPECT_TRUE(laterWasDone);
    EXPECT_EQ(later.get(), SingleInstance::Outcome::HandedOver);
    EXPECT_EQ(calls, 1);
}

TEST(SingleInstance, NothingLeftByADeadProgramBlocksAStart) {
    QTemporaryDir runtime;
    const QString path = runtime.filePath(QStringLiteral("brewdial-test"));
    // A socket whose program died: the file is there, nobody listens.
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    std::memcpy(address.sun_path, name.constData(), name.size());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    ASSERT_TRUE(QFile::exists(path));
    // A lock file left empty by a start killed while creating it, a while ago.
    QFile lock(path + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    lock.close();

    QElapsedTimer took;
    took.start();
    SingleInstance start(path, kMax);
    EXPECT_EQ(start.Claim(StartRequest{}), SingleInstance::Outcome::Listening) << start.Error().toStdString();
    EXPECT_LT(took.elapsed(), 1000);
    std::vector<StartRequest> received;
    start.OnRequest([&](const StartRequest& r) { received.push_back(r); });
    EXPECT_EQ(HandOver(path, StartRequest{}, received), SingleInstance::Outcome::HandedOver);
}

TEST(SingleInstance, AMessageOfAnyOtherFormIsDroppedUntaken) {
    QTemporaryDir runtime;
    const QString path = runtime.filePath(QStringLiteral("brewdial-test"));
    SingleInstance first(path, 60);
    ASSERT_EQ(first.Claim(StartRequest{}), SingleInstance::Outcome::Listening);
    int calls = 0;
    first.OnRequest([&](const StartRequest&) { ++calls; });
    for (const QByteArray& message :
         {QByteArray("hello\n"), QByteArray("brewdial/1 countdown=61 quick=0 show=0\n"),
          QByteArray(4000, 'x')}) {
        auto answer = std::async(std::launch::async, [&] { return SayToTheInstance(path, message); });
        RunLoopUntil([&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        const auto [got, dropped] = answer.get();
        EXPECT_TRUE(got.empty()) << message.left(40).toStdString();
        EXPECT_TRUE(dropped) << message.left(40).toStdString();
    }
    RunLoopUntil([] { return false; }, 50);
    EXPECT_EQ(calls, 0);
}

} // namespace
