// The real services over Qt, where they can be tried without a desktop: the tray's click
// mapping, file filters and the sound service.
#include "platform/messages.h"
#include "platform/session/session_end.h"
#include "platform/sound/sound_file.h"
#include "platform/sound/sound_service.h"
#include "platform/tray/tray_activation.h"
#include "platform/widgets/file_filter.h"
#include "platform/wnd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(QtTray, AnXEmbedTrayHearsTheDoubleClickAndTheRightButtonOnly) {
    using R = QSystemTrayIcon::ActivationReason;
    EXPECT_EQ(TrayMouseMessage(R::DoubleClick, TrayProtocol::XEmbed), WM_LBUTTONDBLCLK);
    EXPECT_EQ(TrayMouseMessage(R::Context, TrayProtocol::XEmbed), WM_RBUTTONDOWN);
    // Qt reports a double-click as Trigger then DoubleClick: the Trigger must not count too.
    EXPECT_EQ(TrayMouseMessage(R::Trigger, TrayProtocol::XEmbed), 0u);
    EXPECT_EQ(TrayMouseMessage(R::MiddleClick, TrayProtocol::XEmbed), 0u);
    EXPECT_EQ(TrayMouseMessage(R::Unknown, TrayProtocol::XEmbed), 0u);
}

TEST(QtTray, AStatusNotifierHostsActivateIsTheDoubleClickAndItsContextMenuTheRightButton) {
    using R = QSystemTrayIcon::ActivationReason;
    EXPECT_EQ(TrayMouseMessage(R::Trigger, TrayProtocol::StatusNotifierItem), WM_LBUTTONDBLCLK);
    // A host that does not draw the exported menu asks for the program's own popup.
    EXPECT_EQ(TrayMouseMessage(R::Context, TrayProtocol::StatusNotifierItem), WM_RBUTTONDOWN);
    EXPECT_EQ(TrayMouseMessage(R::MiddleClick, TrayProtocol::StatusNotifierItem), 0u);
}

TEST(QtFileDialog, FiltersBecomeQtsForm) {
    EXPECT_EQ(QtFileFilter("Wav Dateien (*.wav)|*.wav||"), QStringLiteral("Wav Dateien (*.wav)"));
    EXPECT_EQ(QtFileFilter("Texts|*.txt|All (*.*)|*.*||"), QStringLiteral("Texts (*.txt);;All (*.*)"));
    EXPECT_EQ(QtFileFilter(""), QString());
    EXPECT_EQ(QtFileFilter("|*.wav||"), QString());
}

// A minute of silence, 8 kHz, 8 bit, mono: a play that waits for it, or for a device that never
// ends it, takes a minute, which no machine's slowness comes near.
constexpr int kWavSeconds = 60;

QString WriteWav(const QTemporaryDir& dir) {
    const quint32 samples = 8000 * kWavSeconds;
    QByteArray wav("RIFF");
    auto le32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) {
            wav.append(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    };
    auto le16 = [&](quint16 v) {
        wav.append(static_cast<char>(v & 0xFF));
        wav.append(static_cast<char>(v >> 8));
    };
    le32(36 + samples);
    wav.append("WAVEfmt ");
    le32(16);
    le16(1);
    le16(1);
    le32(8000);
    le32(8000);
    le16(1);
    le16(8);
    wav.append("data");
    le32(samples);
    wav.append(QByteArray(samples, static_cast<char>(0x80)));
    const QString path = dir.filePath(QStringLiteral("silence.wav"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(wav);
    return path;
}

// Runs the event loop until done says so, or a few seconds have gone.
template <typename Done> bool RunLoopUntil(Done done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return done();
}

size_t Lines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(QtSound, OnlyARegularWavFileOfASaneSizeIsOpened) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)).toStdString(); };
    QFile notes(QString::fromStdString(path("notes.txt")));
    notes.open(QIODevice::WriteOnly);
    notes.write("not a sound");
    notes.close();
    ASSERT_EQ(mkfifo(path("pipe.wav").c_str(), 0600), 0);
    QFile::copy(WriteWav(dir), QString::fromStdString(path("huge.wav")));
    ASSERT_EQ(truncate(path("huge.wav").c_str(), kMaxSoundFileBytes + 1), 0);
    struct Case {
        std::string path;
        bool plays;
        const char* says; // empty: nothing is said
    };
    for (const Case& c : {Case{WriteWav(dir).toStdString(), true, ""}, Case{path("notes.txt"), false, ""},
                          Case{path("missing.wav"), false, ""}, Case{"", false, ""},
                          Case{path("pipe.wav"), false, "is not a regular file"},
                          Case{dir.path().toStdString(), false, "is not a regular file"},
                          Case{"/dev/zero", false, "is not a regular file"},
                          Case{path("huge.wav"), false, "is larger than 32 MB"}}) {
        // A FIFO opened for reading waits for a writer: the test gives it one rather than hang.
        auto looked = std::async(std::launch::async, [&] { return InspectSoundFile(c.path); });
        if (looked.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            ADD_FAILURE() << c.path << " kept the caller waiting";
            close(open(c.path.c_str(), O_WRONLY | O_NONBLOCK));
        }
        const SoundFile file = looked.get();
        EXPECT_EQ(file.durationMs >= 0, c.plays) << c.path;
        EXPECT_EQ(file.problem.empty(), *c.says == 0) << c.path << ": " << file.problem;
        EXPECT_NE(file.problem.find(c.says), std::string::npos) << file.problem;
    }
}

TEST(QtSound, NothingPlaysAndNothingWaitsWithoutAServerOrAWavFile) {
    QTemporaryDir dir;
    const std::string wav = WriteWav(dir).toStdString();
    QtSoundService silent([] { return false; }, BREWDIAL_SOUND_PLAYER);
    // Without a device a sound effect claims to play for ever: a synchronous play must not wait.
    EXPECT_FALSE(silent.PlaySound(wav, SND_FILENAME | SND_NODEFAULT));
    EXPECT_TRUE(silent.PlaySound(wav, SND_FILENAME | SND_NODEFAULT | SND_ASYNC)) << "asked for";
    EXPECT_FALSE(silent.PlayerLoaded()); // Qt Multimedia is not even loaded without a server

    QtSoundService speaker([] { return true; }, BREWDIAL_SOUND_PLAYER);
    EXPECT_FALSE(speaker.PlaySound(dir.filePath(QStringLiteral("missing.wav")).toStdString(), SND_FILENAME));
    EXPECT_FALSE(speaker.PlaySound("", SND_FILENAME | SND_ASYNC)); // never a default sound
    EXPECT_FALSE(speaker.PlayerLoaded());
}

TEST(QtSound, AServerThatDoesNotAnswerHoldsUpNothingAndIsGivenUp) {
    QTemporaryDir dir;
    const std::string wav = WriteWav(dir).toStdString();
    // A frozen sound server: whatever asks it waits until the test lets it go.
    std::promise<void> thaw;
    std::shared_future<void> thawed = thaw.get_future().share();
    std::atomic<int> asked{0};
    std::atomic<int> answered{0};
    const auto frozen = [thawed, &asked, &answered] {
        ++asked;
        thawed.wait_for(std::chrono::seconds(30));
        ++answered;
        return false;
    };
    {
        QtSoundService sound(frozen, BREWDIAL_SOUND_PLAYER, 30 * 1000);
        EXPECT_TRUE(sound.PlaySound(wav, SND_FILENAME | SND_ASYNC));
        EXPECT_EQ(answered, 0) << "the caller waited for the server";
        EXPECT_TRUE(RunLoopUntil([&] { return asked > 0; })) << "the sound thread asks the server";
        // The session's end stops a sound played to its end at once, long before it is given up.
        int ended = 0;
        SessionEnd end([&] { ++ended; });
        raise(SIGTERM);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(sound.PlaySound(wav, SND_FILENAME));
        const std::string givenUp = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(givenUp.empty()) << givenUp;
        EXPECT_TRUE(RunLoopUntil([&] { return ended == 1; }));

        // Each sound is given up after the bound, with one line.
        QtSoundService hasty(frozen, BREWDIAL_SOUND_PLAYER, 0);
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(hasty.PlaySound(wav, SND_FILENAME | SND_ASYNC));
        EXPECT_FALSE(hasty.PlaySound(wav, SND_FILENAME));
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(Lines(said), 2u) << said;
        EXPECT_NE(said.find("did not start within 0 ms"), std::string::npos) << said;
        thaw.set_value();
    }
}

TEST(QtSound, ThePlayerLoadsWhenASoundIsComingAndStillWaitsForNoMissingDevice) {
    QTemporaryDir dir;
    const std::string wav = WriteWav(dir).toStdString();
    // A server that is announced but does not answer: Qt Multimedia finds no output.
    qputenv("PULSE_SERVER", QByteArray("unix:") + dir.filePath(QStringLiteral("no-server")).toUtf8());
    QtSoundService sound([] { return true; }, BREWDIAL_SOUND_PLAYER);
    EXPECT_FALSE(sound.PlayerLoaded());
    sound.PrepareToPlay();
    EXPECT_TRUE(RunLoopUntil([&] { return sound.PlayerLoaded(); }));
    EXPECT_FALSE(sound.PlaySound(wav, SND_FILENAME | SND_NODEFAULT));
    qunsetenv("PULSE_SERVER");

    // The sound server shows the stream as Brewdial's event sound.
    const QByteArray properties = qgetenv("PULSE_PROP_OVERRIDE");
    EXPECT_TRUE(properties.contains("application.name=Brewdial")) << properties.constData();
    EXPECT_TRUE(properties.contains("media.role=event"));
    EXPECT_TRUE(properties.contains("application.icon_name=net.quorvane.Brewdial"));

    // A player library that cannot be loaded: no sound and no wait, the program goes on.
    QtSoundService broken([] { return true; }, dir.filePath(QStringLiteral("missing.so")).toStdString());
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(broken.PlaySound(wav, SND_FILENAME | SND_NODEFAULT));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("the sound player cannot be loaded"), std::string::npos) << said;
    EXPECT_FALSE(broken.PlayerLoaded());
}

} // namespace
