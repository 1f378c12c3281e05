#include "platform/sound/sound_thread.h"

#include <QObject>
#include <QThread>

namespace {

// How long the program's end waits for a sound thread held up by the sound server.
constexpr unsigned long kEndWaitMs = 1000;

} // namespace

SoundThread::SoundThread() : m_thread(std::make_unique<QThread>()), m_context(std::make_unique<QObject>()) {
    m_thread->setObjectName(QStringLiteral("sound"));
    m_context->moveToThread(m_thread.get());
    m_thread->start();
}

SoundThread::~SoundThread() {
    Finish();
}

bool SoundThread::Finish() {
    if (!m_thread) {
        return true;
    }
    Run([] { QThread::currentThread()->quit(); });
    if (m_thread->wait(kEndWaitMs)) {
        m_context.reset();
        m_thread.reset();
        return true;
    }
    // Held up inside the sound server: destroying a running thread would abort the program.
    static_cast<void>(m_context.release());
    static_cast<void>(m_thread.release());
    return false;
}

void SoundThread::Run(std::function<void()> work) {
    if (m_context) {
        QMetaObject::invokeMethod(m_context.get(), std::move(work), Qt::QueuedConnection);
    }
}
