#include "platform/profile/qt_profile_ini.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// A new folder each time: QSettings keeps what it parsed of a path for later objects on it.
QString ScratchFile(const QTemporaryDir& dir) {
    return dir.filePath(QStringLiteral("profile.conf"));
}

} // namespace

std::optional<ProfileValues> ParseProfileText(const QByteArray& text) {
    ProfileValues values;
    if (text.isEmpty()) {
        return values;
    }
    const QTemporaryDir dir;
    QFile copy(ScratchFile(dir));
    if (!dir.isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(text) != text.size() ||
        !copy.flush()) {
        return std::nullopt;
    }
    copy.close();
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) {
        if (!key.isEmpty()) { // a line "=value" names nothing QSettings can read or write
            values[key] = settings.value(key);
        }
    }
    return values;
}

std::optional<QByteArray> ProfileText(const ProfileValues& values) {
    const QTemporaryDir dir;
    if (!dir.isValid()) {
        return std::nullopt;
    }
    const QString path = ScratchFile(dir);
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& [key, value] : values) {
            settings.setValue(key, value);
        }
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return std::nullopt;
        }
    }
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly)) {
        return values.empty() ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    }
    return written.readAll();
}
