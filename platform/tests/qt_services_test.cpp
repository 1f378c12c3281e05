// The real services over Qt, where they can be tried without a desktop: the tray's click
// mapping, file filters and the sound service.
#include "platform/messages.h"
#include "platform/qt/file_filter.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/tray_activation.h"
#include "platform/wnd.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

QString WriteWav(const QTemporaryDir& dir) {
    // 0.1 s of silence, 8 kHz, 8 bit, mono.
    const quint32 samples = 800;
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

TEST(QtSound, NothingPlaysAndNothingWaitsWithoutAServerOrAWavFile) {
    QTemporaryDir dir;
    const std::string wav = WriteWav(dir).toStdString();
    const std::string text = dir.filePath(QStringLiteral("notes.txt")).toStdString();
    QFile notes(QString::fromStdString(text));
    notes.open(QIODevice::WriteOnly);
    notes.write("not a sound");
    notes.close();

    QtSoundService silent([] { return false; }, BREWDIAL_SOUND_PLAYER);
    QElapsedTimer clock;
    clock.start();
    // Without a device a sound effect claims to play for ever: a synchronous play must not wait.
    EXPECT_FALSE(silent.PlaySound(wav, SND_FILENAME | SND_NODEFAULT));
    EXPECT_FALSE(silent.PlaySound(wav, SND_FILENAME | SND_NODEFAULT | SND_ASYNC));
    EXPECT_FALSE(silent.PlayerLoaded()); // Qt Multimedia is not even loaded without a server

    QtSoundService speaker([] { return true; }, BREWDIAL_SOUND_PLAYER);
    EXPECT_FALSE(speaker.PlaySound(text, SND_FILENAME | SND_NODEFAULT));
    EXPECT_FALSE(speaker.PlaySound(dir.filePath(QStringLiteral("missing.wav")).toStdString(), SND_FILENAME));
    EXPECT_FALSE(speaker.PlaySound("", SND_FILENAME | SND_ASYNC)); // never a default sound
    EXPECT_FALSE(speaker.PlayerLoaded());
    EXPECT_LT(clock.elapsed(), 500);
}

TEST(QtSound, ThePlayerLoadsWhenASoundIsComingAndStillWaitsForNoMissingDevice) {
    QTemporaryDir dir;
    const std::string wav = WriteWav(dir).toStdString();
    // A server that is announced but does not answer: Qt Multimedia finds no output.
    qputenv("PULSE_SERVER", QByteArray("unix:") + dir.filePath(QStringLiteral("no-server")).toUtf8());
    QtSoundService sound([] { return true; }, BREWDIAL_SOUND_PLAYER);
    EXPECT_FALSE(sound.PlayerLoaded());
    sound.PrepareToPlay();
    EXPECT_TRUE(sound.PlayerLoaded());
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(sound.PlaySound(wav, SND_FILENAME | SND_NODEFAULT));
    EXPECT_FALSE(sound.PlaySound(wav, SND_FILENAME | SND_NODEFAULT | SND_ASYNC));
    EXPECT_LT(clock.elapsed(), 1000);
    qunsetenv("PULSE_SERVER");

    // The sound server shows the stream as Brewdial's event sound.
    const QByteArray properties = qgetenv("PULSE_PROP_OVERRIDE");
    EXPECT_TRUE(properties.contains("application.name=Brewdial")) << properties.constData();
    EXPECT_TRUE(properties.contains("media.role=event"));
    EXPECT_TRUE(properties.contains("application.icon_name=net.quorvane.Brewdial"));

    // A player library that cannot be loaded: no sound and no wait, the program goes on.
    QtSoundService broken([] { return true; }, dir.filePath(QStringLiteral("missing.so")).toStdString());
    broken.PrepareToPlay();
    EXPECT_FALSE(broken.PlayerLoaded());
    EXPECT_FALSE(broken.PlaySound(wav, SND_FILENAME | SND_NODEFAULT));
}

} // namespace
