#include "platform/session/single_instance.h"

#include "platform/hand_over.h"
#include "platform/session/instance_socket.h"

#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kConnectMs = 1000;
// How long a later start waits for the running instance to take its request; the running
// instance answers from whatever loop it is in, also under a modal dialog.
constexpr int kAnswerMs = 5000;
// A lock file whose owner is gone is seen at once by its process id. This age only frees an
// empty one, left by a start killed between creating and writing it.
constexpr int kStaleLockMs = 3000;
// A running instance that went away while a start was handing over is looked for again.
constexpr int kAttempts = 3;
// Later starts heard at once; more are refused at once (a start says one short line).
constexpr size_t kMaxConnections = 16;
// With no descriptor left to take a start with, the listener rests this long before it
// tries again (or until one of its own connections closes).
constexpr int kNoDescriptorMs = 500;

} // namespace

// A later start that connected: what it has said so far, and how long it may take to say it.
class SingleInstance::Connection {
public:
    Connection(int socket, SingleInstance& owner) : fd(socket), notifier(socket, QSocketNotifier::Read) {
        QObject::connect(&notifier, &QSocketNotifier::activated, &owner,
                         [this, &owner] { owner.Read(*this); });
        // A start that connects and says nothing is not waited for.
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &owner, [this, &owner] { owner.Drop(*this); });
        deadline.start(kAnswerMs);
    }
    ~Connection() { close(fd); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    int fd;
    QSocketNotifier notifier;
    QTimer deadline;
    std::string said;
};

SingleInstance::SingleInstance(QString socketPath, int maxMinutes)
    : m_path(std::move(socketPath)), m_maxMinutes(maxMinutes) {}

SingleInstance::~SingleInstance() {
    StopListening();
}

SingleInstance::Outcome SingleInstance::Claim(const StartRequest& request) {
    if (m_path.isEmpty()) {
        m_error = QStringLiteral("no private runtime folder for the instance socket");
        return Outcome::Alone;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Only one start at a time decides between handing over and listening.
        QLockFile lock(m_path + QStringLiteral(".lock"));
        lock.setStaleLockTime(kStaleLockMs);
        if (!lock.tryLock(2 * kStaleLockMs)) {
            m_error = QStringLiteral("%1.lock cannot be taken").arg(m_path);
            return Outcome::Alone;
        }
        const int fd = ConnectTo(m_path, kConnectMs);
        if (fd < 0) {
            // Nobody listens: a socket left by a program that died must not be in the way.
            return Listen() ? Outcome::Listening : Outcome::Alone;
        }
        lock.unlock();
        StartRequest handed = request;
        if (handed.Empty()) {
            handed.show = true;
        }
        const Delivery delivery = Deliver(fd, EncodeHandOver(handed));
        close(fd);
        switch (delivery) {
        case Delivery::Taken:
            return Outcome::HandedOver;
        case Delivery::Unanswered:
            m_error = QStringLiteral("the running Brewdial did not answer");
            return Outcome::NoAnswer;
        case Delivery::Dropped:
            break;
        }
    }
    m_error = QStringLiteral("the running Brewdial went away while taking the request");
    return Outcome::NoAnswer;
}

bool SingleInstance::Listen() {
    sockaddr_un address;
    if (!Address(m_path, address)) {
        m_error = QStringLiteral("%1: the path is too long for a socket").arg(m_path);
        return false;
    }
    unlink(address.sun_path);
    const int fd = NewSocket();
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || listen(fd, 8) != 0) {
        m_error = QStringLiteral("%1: %2").arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        if (fd >= 0) {
            close(fd);
        }
        return false;
    }
    m_listener = fd;
    m_listening = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_listening.get(), &QSocketNotifier::activated, this, &SingleInstance::Accept);
    m_resume.setSingleShot(true);
    connect(&m_resume, &QTimer::timeout, this, &SingleInstance::ResumeListening);
    return true;
}

void SingleInstance::StopListening() {
    m_resume.stop();
    m_listening.reset();
    m_connections.clear();
    if (m_listener >= 0) {
        close(m_listener);
        m_listener = -1;
        unlink(QFile::encodeName(m_path).constData());
    }
}

// Sends the message and waits for the answer of the running instance.
SingleInstance::Delivery SingleInstance::Deliver(int fd, const std::string& message) {
    if (send(fd, message.data(), message.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(message.size())) {
        return Delivery::Dropped;
    }
    std::string answer;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kAnswerMs);
    while (answer.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Await(fd, POLLIN, static_cast<int>(left.count()))) {
            return Delivery::Unanswered; // still connected, or said only part of an answer
        }
        char buffer[64];
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return answer.empty() ? Delivery::Dropped : Delivery::Unanswered;
        }
        answer.append(buffer, static_cast<size_t>(got));
    }
    return answer == kHandOverTaken ? Delivery::Taken : Delivery::Unanswered;
}

void SingleInstance::Accept() {
    for (;;) {
        const int fd = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                // The start stays readable: listening on would spin until a descriptor frees.
                m_listening->setEnabled(false);
                m_resume.start(kNoDescriptorMs);
            }
            return;
        }
        if (m_connections.size() >= kMaxConnections) {
            close(fd); // refused at once: that start says the running one did not answer
            continue;
        }
        m_connections.push_back(std::make_unique<Connection>(fd, *this));
    }
}

void SingleInstance::ResumeListening() {
    m_resume.stop();
    if (m_listening) {
        m_listening->setEnabled(true);
    }
}

void SingleInstance::Read(Connection& connection) {
    char buffer[kHandOverMaxSize + 1];
    const ssize_t got = recv(connection.fd, buffer, sizeof buffer, 0);
    if (got <= 0) {
        if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            Drop(connection);
        }
        return;
    }
    connection.said.append(buffer, static_cast<size_t>(got));
    const size_t end = connection.said.find('\n');
    if (end == std::string::npos) {
        if (connection.said.size() > kHandOverMaxSize) {
            Drop(connection);
        }
        return;
    }
    const std::optional<StartRequest> request =
        DecodeHandOver(connection.said.substr(0, end + 1), m_maxMinutes);
    if (request) {
        const std::string taken = kHandOverTaken;
        send(connection.fd, taken.data(), taken.size(), MSG_NOSIGNAL);
    }
    Drop(connection);
    if (!request) {
        return;
    }
    // The answer goes first: a request that opens a modal dialog must not keep the start waiting.
    QMetaObject::invokeMethod(
        this,
        [this, taken = *request] {
            if (m_handler) {
                m_handler(taken);
            }
        },
        Qt::QueuedConnection);
}

// Closes the connection once the notifier that may be calling has returned.
void SingleInstance::Drop(Connection& connection) {
    connection.notifier.setEnabled(false);
    connection.deadline.stop();
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
        if (it->get() == &connection) {
            std::unique_ptr<Connection> gone = std::move(*it);
            m_connections.erase(it);
            QMetaObject::invokeMethod(
                this,
                [this, closing = std::shared_ptr<Connection>(std::move(gone))]() mutable {
                    closing.reset();
                    if (m_resume.isActive()) {
                        ResumeListening(); // a descriptor is free again
                    }
                },
                Qt::QueuedConnection);
            return;
        }
    }
}
