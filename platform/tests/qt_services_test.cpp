// The real services over Qt, where they can be tried without a desktop: the tray's click
// mapping, file filters and the sound service's refusals.
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

TEST(QtTray, AStatusNotifierHostsActivateIsTheDoubleClick) {
    using R = QSystemTrayIcon::ActivationReason;
    EXPECT_EQ(TrayMouseMessage(R::Trigger, TrayProtocol::StatusNotifierItem), WM_LBUTTONDBLCLK);
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

TEST(QtSound, NothingPlaysAndNothingWaitsWithoutAnOutputOrAWavFile) {
    QTemporaryDir dir;
    const std::string wav = WriteWav(dir).toStdString();
    const std::string text = dir.filePath(QStringLiteral("notes.txt")).toStdString();
    QFile notes(QString::fromStdString(text));
    notes.open(QIODevice::WriteOnly);
    notes.write("not a sound");
    notes.close();

    QtSoundService silent([] { return false; });
    QElapsedTimer clock;
    clock.start();
    // Without a device a sound effect claims to play for ever: a synchronous play must not wait.
    EXPECT_FALSE(silent.PlaySound(wav, SND_FILENAME | SND_NODEFAULT));
    EXPECT_FALSE(silent.PlaySound(wav, SND_FILENAME | SND_NODEFAULT | SND_ASYNC));

    QtSoundService speaker([] { return true; });
    EXPECT_FALSE(speaker.PlaySound(text, SND_FILENAME | SND_NODEFAULT));
    EXPECT_FALSE(speaker.PlaySound(dir.filePath(QStringLiteral("missing.wav")).toStdString(), SND_FILENAME));
    EXPECT_FALSE(speaker.PlaySound("", SND_FILENAME | SND_ASYNC)); // never a default sound
    EXPECT_LT(clock.elapsed(), 500);
}

} // namespace
