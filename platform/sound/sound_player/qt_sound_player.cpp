// The player library: WAV files through Qt Multimedia's QSoundEffect.
#include "platform/sound/sound_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

namespace {

class QtSoundPlayer : public SoundPlayer {
public:
    bool HasOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    bool PlayAsync(const QString& file) override {
        m_async = std::make_unique<QSoundEffect>();
        QSoundEffect* effect = m_async.get();
        // The sound's samples are kept only while it plays.
        QObject::connect(effect, &QSoundEffect::playingChanged, effect, [this, effect] {
            if (!effect->isPlaying() && m_async.get() == effect) {
                m_async.release()->deleteLater();
            }
        });
        effect->setSource(QUrl::fromLocalFile(file));
        effect->play();
        return true;
    }

    bool PlayToEnd(const QString& file, int guardMs) override {
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
        // Without a device a sound effect would claim to play for ever.
        guard.start(guardMs);
        m_stopToEnd = [&] { loop.quit(); };
        loop.exec();
        m_stopToEnd = nullptr;
        effect.stop();
        return effect.status() != QSoundEffect::Error;
    }

    void Stop() override {
        m_async.reset();
        if (m_stopToEnd) {
            m_stopToEnd();
        }
    }

private:
    std::unique_ptr<QSoundEffect> m_async; // the last asynchronous sound, kept while it plays
    std::function<void()> m_stopToEnd;     // ends the sound played to its end
};

} // namespace

extern "C" __attribute__((visibility("default"))) SoundPlayer* BrewdialCreateSoundPlayer() {
    return new QtSoundPlayer;
}
