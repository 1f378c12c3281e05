#include "platform/diagnostics.h"
#include "platform/messages.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/sound_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

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

QtSoundService::QtSoundService(std::function<bool()> serverAnswers, std::string playerLibrary)
    : m_serverAnswers(std::move(serverAnswers)), m_playerLibrary(std::move(playerLibrary)) {
    if (!m_serverAnswers) {
        m_serverAnswers = SoundServerAnswers;
    }
    // The sound server shows the alarm as Brewdial's event sound. Qt names its connection
    // itself, which only the override replaces; a user's own setting stays.
    setenv("PULSE_PROP_OVERRIDE",
           "application.name=Brewdial application.icon_name=net.quorvane.Brewdial media.role=event", 0);
}

QtSoundService::~QtSoundService() = default;

void QtSoundService::PrepareToPlay() {
    LoadPlayerLibrary();
}

bool QtSoundService::LoadPlayerLibrary() {
    if (m_createPlayer) {
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
    const QString file = QString::fromStdString(path);
    const int durationMs = WavDurationMs(file);
    if (path.empty() || durationMs < 0) {
        return false; // never a default sound
    }
    if (!m_serverAnswers()) {
        ReportProblem("no sound server is running; " + path + " is not played");
        return false;
    }
    if (!m_player) {
        if (!LoadPlayerLibrary()) {
            return false;
        }
        m_player.reset(m_createPlayer());
    }
    // Without an output device a sound effect claims to play for ever, so nothing is started.
    if (!m_player->HasOutput()) {
        ReportProblem("the sound server offers no output; " + path + " is not played");
        return false;
    }
    return (flags & SND_ASYNC) ? m_player->PlayAsync(file) : m_player->PlayToEnd(file, durationMs + 2000);
}

bool QtSoundService::PlayerLoaded() const {
    return m_createPlayer != nullptr;
}
