#pragma once
// The profile's INI text, read and written as QSettings reads and writes it. Every line is kept
// as it was read and a value is decoded only when asked for; only the values the program writes
// are written anew, so whatever else the file holds is written back byte for byte.
#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using ProfileKey = std::pair<QString, QString>; // section, key
using EncodedValues = std::map<ProfileKey, QByteArray>;

class IniText {
public:
    explicit IniText(const QByteArray& text);
    // The stored text; nothing when there is none, or the value is of a type other than text.
    std::optional<QString> Value(const ProfileKey& key) const;
    // The text with these values written in place of the stored ones, or added to their section.
    QByteArray With(const EncodedValues& values) const;

private:
    struct Line {
        QByteArray text; // as read, from the end of the line before
        qsizetype body;  // where what is not space or comment begins
        qsizetype value; // where the value begins; -1 for a section or a line without one
        ProfileKey key;
    };
    std::vector<Line> m_lines;
    QByteArray m_tail;
    std::map<ProfileKey, size_t> m_setter;     // the line whose value counts: the last
    std::map<QString, size_t> m_lastOfSection; // new keys of a section are added after it
};

// A value as QSettings writes a text: escaped, quoted where it must be, "@" doubled at its start.
QByteArray EncodedValue(const std::string& text);
// Nothing for a value of a type other than text: it is not deserialised.
std::optional<QString> DecodedValue(QByteArrayView value);
