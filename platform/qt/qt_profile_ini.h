#pragma once
// The profile's text in the INI format of QSettings, read and written here as QSettings reads and
// writes it: a file written by either reads the same in both.
#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

// Every value of a profile by its full key ("Daten/Minuten"), escaped as the file holds it: a
// value nobody changed is written back as it was read.
using ProfileEntries = std::map<QString, QByteArray>;

ProfileEntries ParseIni(const QByteArray& text);
QByteArray IniText(const ProfileEntries& entries);

QByteArray EscapedValue(const QString& text);
// Nothing for a value that holds no text: a stored Qt type, or "@Invalid()".
std::optional<QString> UnescapedValue(const QByteArray& escaped);
