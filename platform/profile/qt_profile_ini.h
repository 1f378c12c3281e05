#pragma once
// The profile's INI text as QSettings writes it: a "[section]" line, then "key=value" lines.
// Values stay as they were written until one is asked for, so a value of a type the program does
// not know is written back as it was and never deserialised.
#include <QByteArray>

#include <map>
#include <optional>
#include <string>
#include <utility>

using ProfileKey = std::pair<std::string, std::string>; // section, key
using IniValues = std::map<ProfileKey, std::string>;    // as written in the file

// A line that is neither a section nor "key=value" is passed over, as is a ';' comment.
IniValues ParsedIni(QByteArrayView text);
// Sections in order, the keys outside any section first under "[General]".
QByteArray IniText(const IniValues& values);

// A text as QSettings writes it: escaped, quoted where it must be, "@" doubled at its start.
std::string EncodedValue(const std::string& text);
// Nothing for a value of a type other than text.
std::optional<std::string> DecodedValue(const std::string& value);
