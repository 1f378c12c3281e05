#include "platform/messages.h"
#include "platform/qt/qt_services.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

// A WAV file's length from its header, or a negative number when it is no PCM WAV file.
int WavDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray head = file.read(44);
    if (head.size() < 44 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return -1;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(head.constData());
    const quint32 byteRate = b[28] | (b[29] << 8) | (b[30] << 16) | (static_cast<quint32>(b[31]) << 24);
    if (byteRate == 0) {
        return -1;
    }
    return static_cast<int>(qMin<qint64>(file.size() * 1000 / byteRate, 10 * 60 * 1000));
}

} // namespace

QtSoundService::QtSoundService(std::function<bool()> hasOutput) : m_hasOutput(std::move(hasOutput)) {
    if (!m_hasOutput) {
        m_hasOutput = [] { return !QMediaDevices::audioOutputs().isEmpty(); };
    }
}

QtSoundService::~QtSoundService() {
    delete m_async;
}

bool QtSoundService::PlaySound(const std::string& path, UINT flags) {
    const QString file = QString::fromStdString(path);
    const int durationMs = WavDurationMs(file);
    // Without an output device QSoundEffect claims to play forever, so nothing is started.
    if (path.empty() || durationMs < 0 || !m_hasOutput()) {
        return false;
    }
    if (flags & SND_ASYNC) {
        delete m_async;
        m_async = new QSoundEffect;
        m_async->setSource(QUrl::fromLocalFile(file));
        m_async->play();
        return true;
    }
    QSoundEffect effect;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying()) {
            loop.quit();
        }
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error) {
            loop.quit();
        }
    });
    effect.setSource(QUrl::fromLocalFile(file));
    effect.play();
    guard.start(durationMs + 2000);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return effect.status() != QSoundEffect::Error;
}
