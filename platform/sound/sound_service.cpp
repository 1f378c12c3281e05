#include "platform/sound/sound_service.h"

#include "platform/diagnostics.h"
#include "platform/messages.h"
#include "platform/sound/sound_file.h"
#include "platform/sound/sound_player.h"
#include "platform/sound/sound_thread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

bool SocketAnswers(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool answers = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

// Whether a PulseAudio server (or PipeWire's) takes connections now. Trying its socket takes no
// time; Qt Multimedia, asked while there is none, would stay silent for good.
bool SoundServerAnswers() {
    if (const char* server = std::getenv("PULSE_SERVER"); server && *server) {
        return true; // a server of the user's choosing: the sound library finds it
    }
    std::vector<std::string> sockets;
    if (const char* runtime = std::getenv("PULSE_RUNTIME_PATH"); runtime && *runtime) {
        sockets.push_back(std::string(runtime) + "/native");
    }
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        sockets.push_back(std::string(runtime) + "/pulse/native");
    }
    sockets.emplace_back("/run/pulse/native"); // a server for the whole system
    for (const std::string& path : sockets) {
        if (SocketAnswers(path)) {
            return true;
        }
    }
    return false;
}

// Beside the program in the build folder, else where the install rules put it.
std::string DefaultPlayerLibrary() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QStringLiteral("/" BREWDIAL_SOUND_PLAYER_FILE);
    if (QFileInfo::exists(beside)) {
        return beside.toStdString();
    }
    return (folder + QStringLiteral("/" BREWDIAL_SOUND_PLAYER_INSTALLED "/" BREWDIAL_SOUND_PLAYER_FILE))
        .toStdString();
}

} // namespace

QtSoundService::QtSoundService(std::function<bool()> serverAnswers, std::string playerLibrary, int answerMs)
    : m_serverAnswers(std::move(serverAnswers)), m_playerLibrary(std::move(playerLibrary)),
      m_answerMs(answerMs) {
    if (!m_serverAnswers) {
        m_serverAnswers = SoundServerAnswers;
    }
    // The sound server shows the alarm as Brewdial's event sound. Qt names its connection
    // itself, which only the override replaces; a user's own setting stays.
    setenv("PULSE_PROP_OVERRIDE",
           "application.name=Brewdial application.icon_name=net.quorvane.Brewdial media.role=event", 0);
}

// One sound asked for. Its fields but `cancelled` are used on the user interface's thread only.
struct QtSoundService::Request {
    std::string path;
    bool toEnd = false;
    std::atomic<bool> cancelled{false}; // given up or replaced: not started, or stopped
    bool answered = false;              // the sound thread has said whether it plays
    bool played = false;
    int durationMs = 0;
};

QtSoundService::~QtSoundService() {
    if (!m_thread) {
        return;
    }
    m_thread->Run([this] { m_player.reset(); });
    if (!m_thread->Finish()) {
        // Held up by the sound server inside Qt Multimedia, the thread holds locks that Qt
        // Multimedia's exit handlers take: they would wait for the server too. The service goes
        // as the program ends, its Close done and the profile written: the process ends here.
        std::fflush(nullptr);
        std::_Exit(0);
    }
}

SoundThread& QtSoundService::Thread() {
    if (!m_thread) {
        m_answers = std::make_unique<QObject>();
        m_guard = std::make_unique<QTimer>();
        m_guard->setSingleShot(true);
        m_thread = std::make_unique<SoundThread>();
    }
    return *m_thread;
}

void QtSoundService::PrepareToPlay() {
    Thread().Run([this] { LoadPlayerLibrary(); });
}

bool QtSoundService::LoadPlayerLibrary() {
    if (m_createPlayer.load()) {
        return true;
    }
    if (m_playerLibrary.empty()) {
        m_playerLibrary = DefaultPlayerLibrary();
    }
    // Kept for the life of the process: Qt Multimedia cannot be unloaded safely.
    void* library = dlopen(m_playerLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = library ? dlsym(library, kCreateSoundPlayer) : nullptr;
    if (!entry) {
        ReportProblem(std::string("the sound player cannot be loaded: ") + dlerror());
        return false;
    }
    m_createPlayer = reinterpret_cast<SoundPlayer* (*)()>(entry);
    return true;
}

bool QtSoundService::PlaySound(const std::string& path, UINT flags) {
    if (path.empty()) {
        return false; // never a default sound
    }
    auto request = std::make_shared<Request>();
    request->path = path;
    request->toEnd = !(flags & SND_ASYNC);
    Thread().Run([this, request] { Play(request); });
    QTimer::singleShot(m_answerMs, m_answers.get(), [this, request] { GiveUp(request); });
    return request->toEnd ? WaitForTheEnd(request) : true;
}

// On the sound thread: the file, the server and the player, each of which may keep it waiting.
void QtSoundService::Play(const std::shared_ptr<Request>& request) {
    const bool playing = !request->cancelled && StartPlaying(*request);
    const auto answer = [this, request](bool nowPlaying, bool ended) {
        QMetaObject::invokeMethod(
            m_answers.get(), [this, request, nowPlaying, ended] { Answered(request, nowPlaying, ended); },
            Qt::QueuedConnection);
    };
    if (!playing) {
        answer(false, true);
        return;
    }
    answer(true, false);
    const QString file = QString::fromStdString(request->path);
    if (!request->toEnd) {
        m_player->PlayAsync(file);
    } else {
        m_player->PlayToEnd(file, request->durationMs + m_answerMs);
        answer(false, true);
    }
    if (request->cancelled) {
        m_player->Stop(); // given up while the server kept the player waiting
    }
}

bool QtSoundService::StartPlaying(Request& request) {
    const SoundFile file = InspectSoundFile(request.path);
    if (!file.problem.empty()) {
        ReportProblem(file.problem);
    }
    if (file.durationMs < 0) {
        return false;
    }
    request.durationMs = file.durationMs;
    if (!m_serverAnswers()) {
        ReportProblem("no sound server is running; " + request.path + " is not played");
        return false;
    }
    if (!m_player) {
        if (!LoadPlayerLibrary()) {
            return false;
        }
        m_player.reset(m_createPlayer.load()());
    }
    // Without an output device a sound effect claims to play for ever, so nothing is started.
    if (!m_player->HasOutput()) {
        if (!request.cancelled) { // else said when it was given up
            ReportProblem("the sound server offers no output; " + request.path + " is not played");
        }
        return false;
    }
    return !request.cancelled;
}

void QtSoundService::Answered(const std::shared_ptr<Request>& request, bool playing, bool ended) {
    request->answered = true;
    request->played = request->played || playing;
    if (request != m_waitingFor) {
        return;
    }
    if (ended) {
        m_endWait();
    } else if (playing) {
        m_guard->start(request->durationMs + m_answerMs); // as the sound thread waits
    }
}

void QtSoundService::GiveUp(const std::shared_ptr<Request>& request) {
    if (request->answered || request->cancelled) {
        return;
    }
    request->cancelled = true;
    ReportProblem("the sound did not start within " + std::to_string(m_answerMs) + " ms (the sound server " +
                  "does not answer); " + request->path + " is not played");
    if (request == m_waitingFor) {
        m_endWait();
    }
}

namespace {

// Sees the session's end (a signal, the session manager) arrive, and lets it go on.
class QuitWatch : public QObject {
public:
    explicit QuitWatch(std::function<void()> seen) : m_seen(std::move(seen)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::Quit) {
            m_seen();
        }
        return false;
    }

private:
    std::function<void()> m_seen;
};

} // namespace

// A loop of its own until the sound has ended: the windows are drawn, the timers run, and the
// end of the session stops the sound.
bool QtSoundService::WaitForTheEnd(const std::shared_ptr<Request>& request) {
    QEventLoop loop;
    bool ended = false;
    m_waitingFor = request;
    m_endWait = [&] {
        ended = true;
        loop.quit();
    };
    const QMetaObject::Connection guard =
        QObject::connect(m_guard.get(), &QTimer::timeout, &loop, &QEventLoop::quit);
    QuitWatch sessionEnd([&] { loop.quit(); });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(guard);
    m_guard->stop();
    m_waitingFor.reset();
    m_endWait = nullptr;
    if (!ended || request->cancelled) {
        request->cancelled = true;
        StopPlaying();
        return false;
    }
    return request->played;
}

void QtSoundService::StopPlaying() {
    Thread().Run([this] {
        if (m_player) {
            m_player->Stop();
        }
    });
}
