#pragma once
// The profile's text, read and written exactly as QSettings reads and writes INI files, but
// from and to memory: QSettings itself only ever sees a private scratch copy.
#include <QByteArray>
#include <QString>
#include <QVariant>

#include <map>
#include <optional>

// Every value of a profile by its full key ("Daten/Minuten").
using ProfileValues = std::map<QString, QVariant>;

// Nothing when no scratch folder could be made.
std::optional<ProfileValues> ParseProfileText(const QByteArray& text);
std::optional<QByteArray> ProfileText(const ProfileValues& values);
