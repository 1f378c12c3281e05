#include "platform/qt/single_instance.h"

#include "platform/hand_over.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

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

} // namespace

QString InstanceSocketPath(const QString& runtimeDir, unsigned uid, const QString& display) {
    return QStringLiteral("%1/brewdial-%2-%3").arg(runtimeDir).arg(uid).arg(DisplayKey(display));
}

SingleInstance::SingleInstance(QString socketPath, int maxMinutes)
    : m_path(std::move(socketPath)), m_maxMinutes(maxMinutes) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

SingleInstance::Outcome SingleInstance::Claim(const StartRequest& request) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Only one start at a time decides between handing over and listening.
        QLockFile lock(m_path + QStringLiteral(".lock"));
        lock.setStaleLockTime(kStaleLockMs);
        if (!lock.tryLock(2 * kStaleLockMs)) {
            m_error = QStringLiteral("%1.lock cannot be taken").arg(m_path);
            return Outcome::Alone;
        }
        QLocalSocket socket;
        socket.connectToServer(m_path);
        if (!socket.waitForConnected(kConnectMs)) {
            // Nobody listens: a socket left by a program that died must not be in the way.
            QLocalServer::removeServer(m_path);
            if (m_server.listen(m_path)) {
                return Outcome::Listening;
            }
            m_error = QStringLiteral("%1: %2").arg(m_path, m_server.errorString());
            return Outcome::Alone;
        }
        lock.unlock();
        switch (Deliver(socket, request)) {
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

SingleInstance::Delivery SingleInstance::Deliver(QLocalSocket& socket, const StartRequest& request) {
    StartRequest handed = request;
    if (handed.Empty()) {
        handed.show = true;
    }
    socket.write(QByteArray::fromStdString(EncodeHandOver(handed)));
    QByteArray answer;
    QElapsedTimer waited;
    waited.start();
    while (!answer.contains('\n') && waited.elapsed() < kAnswerMs) {
        const bool more = socket.waitForReadyRead(static_cast<int>(kAnswerMs - waited.elapsed()));
        answer += socket.readAll();
        if (!more && socket.state() != QLocalSocket::ConnectedState) {
            break;
        }
    }
    if (answer == kHandOverTaken) {
        return Delivery::Taken;
    }
    return socket.state() == QLocalSocket::ConnectedState || !answer.isEmpty() ? Delivery::Unanswered
                                                                               : Delivery::Dropped;
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(*socket); });
        // A start that connects and says nothing is not waited for.
        QTimer::singleShot(kAnswerMs, socket, &QLocalSocket::abort);
    }
}

void SingleInstance::Read(QLocalSocket& socket) {
    if (!socket.canReadLine()) {
        if (socket.bytesAvailable() > static_cast<qint64>(kHandOverMaxSize)) {
            socket.abort();
        }
        return;
    }
    const QByteArray line = socket.readLine(kHandOverMaxSize + 1);
    const std::optional<StartRequest> request = DecodeHandOver(line.toStdString(), m_maxMinutes);
    if (!request) {
        socket.abort();
        return;
    }
    socket.write(kHandOverTaken);
    socket.flush();
    socket.disconnectFromServer();
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
