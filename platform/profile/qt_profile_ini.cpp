#include "platform/profile/qt_profile_ini.h"

#include <QStringDecoder>
#include <QStringList>

#include <cstring>

namespace {

// Escapes QSettings writes and reads as a letter after a backslash, and what they stand for.
constexpr char kEscaped[] = "\a\b\f\n\r\t\v\"\\";
constexpr char kLetters[] = "abfnrtv\"\\";
constexpr char kReadOnly[] = "?'"; // read as themselves, never written escaped

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsBreak(char c) {
    return c == '\n' || c == '\r';
}

int DigitValue(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return c >= '0' && c <= '9' ? c - '0' : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 99;
}

// A byte order mark is a character of a value like any other, also at the start of a part of it.
QString Utf8Text(QByteArrayView bytes) {
    thread_local QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                                  QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// The next logical line from `at` on, as QSettings splits the text: a quoted part or an escaped
// line break carries it on; a line break or ';' outside quotes ends it, and a ';' at its start
// makes the rest of the line a comment.
struct Span {
    qsizetype body, end, equals = -1;
    QByteArray closing; // closes a line the text's end left open, without changing its value
};

Span NextLine(QByteArrayView d, qsizetype at) {
    Span s{at, d.size(), -1, {}};
    bool quoted = false;
    for (qsizetype i = at; i < d.size(); ++i) {
        const char c = d[i];
        if (i != s.body && c != '"' && c != '\\' && c != '=' && c != ';' && !IsBreak(c)) {
            continue; // most characters: passed over at once
        }
        if (i == s.body && (IsBlank(c) || IsBreak(c) || c == ';')) {
            while (c == ';' && i + 1 < d.size() && !IsBreak(d[i + 1])) {
                ++i;
            }
            s.body = i + 1;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\') {
            // The escaped character is passed over; an escaped line break may be two characters.
            if (++i == d.size()) {
                s.closing = "\n";
            } else if (IsBreak(d[i]) && i + 1 < d.size() && IsBreak(d[i + 1]) && d[i + 1] != d[i]) {
                ++i;
            }
        } else if (c == '=' && !quoted && s.equals < 0) {
            s.equals = i;
        } else if ((IsBreak(c) || c == ';') && !quoted) {
            s.end = i;
            return s;
        }
    }
    if (quoted) {
        s.closing += '"';
    }
    return s;
}

} // namespace

IniText::IniText(const QByteArray& text) {
    QString section;
    qsizetype from = 0;
    for (Span s = NextLine(text, text.startsWith("\xef\xbb\xbf") ? 3 : 0); s.body < s.end;
         s = NextLine(text, from)) {
        const QByteArrayView body = QByteArrayView(text).sliced(s.body, s.end - s.body);
        Line line{text.mid(from, s.end - from).append(s.closing), s.body - from, -1, {section, {}}};
        if (body.startsWith('[')) {
            const qsizetype close = body.indexOf(']');
            section = QString::fromUtf8(body.sliced(1, (close < 0 ? body.size() : close) - 1).trimmed());
            if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
                section.clear(); // the keys outside any section
            }
            line.key.first = section;
        } else if (s.equals >= 0) {
            line.key.second = QString::fromUtf8(text.mid(s.body, s.equals - s.body)).trimmed();
            line.value = s.equals + 1 - from;
            m_setter[line.key] = m_lines.size();
        }
        m_lastOfSection[section] = m_lines.size();
        m_lines.push_back(std::move(line));
        from = s.end;
    }
    m_tail = text.mid(from);
}

std::optional<QString> IniText::Value(const ProfileKey& key) const {
    const auto setter = m_setter.find(key);
    if (setter == m_setter.end()) {
        return std::nullopt;
    }
    const Line& line = m_lines[setter->second];
    return DecodedValue(QByteArrayView(line.text).sliced(line.value));
}

QByteArray IniText::With(const EncodedValues& values) const {
    std::map<QString, QByteArray> added; // by section, the keys the text does not have yet
    for (const auto& [key, value] : values) {
        if (m_setter.count(key) == 0) {
            added[key.first] += '\n' + key.second.toUtf8() + '=' + value;
        }
    }
    QByteArray out;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        const auto written = line.value < 0 ? values.end() : values.find(line.key);
        if (written != values.end() && m_setter.at(line.key) == i) {
            out += line.text.left(line.body) + line.key.second.toUtf8() + '=' + written->second;
        } else {
            out += line.text;
        }
        if (m_lastOfSection.at(line.key.first) == i) {
            out += added[line.key.first];
            added.erase(line.key.first);
        }
    }
    out += m_tail;
    for (const auto& [section, lines] : added) {
        out += (out.isEmpty()        ? ""
                : out.endsWith('\n') ? "\n"
                                     : "\n\n") +
               ('[' + (section.isEmpty() ? QByteArray("General") : section.toUtf8()) + ']') + lines + '\n';
    }
    return out;
}

QByteArray EncodedValue(const std::string& value) {
    QByteArray text = Utf8Text(value).toUtf8(); // as the text reads back
    if (text.contains('\0')) {
        text = "@String(" + text + ')';
    } else if (text.startsWith('@')) {
        text.prepend('@');
    }
    QByteArray out;
    out.reserve(text.size() + text.size() / 8 + 2);
    bool digitsEscaped = false; // after a numeric escape, which would take them in
    for (const char c : text) {
        const char* escaped = c == 0 ? nullptr : std::strchr(kEscaped, c);
        const uchar code = static_cast<uchar>(c);
        if (digitsEscaped && DigitValue(c) < 16) {
            out += "\\x" + QByteArray::number(code, 16);
            continue;
        }
        digitsEscaped = code < 0x20 && !escaped;
        if (escaped) {
            out += '\\';
            out += kLetters[escaped - kEscaped];
        } else if (digitsEscaped) {
            out += code == 0 ? QByteArray("\\0") : "\\x" + QByteArray::number(code, 16);
        } else {
            out += c;
        }
    }
    const bool quoted = text.contains(';') || text.contains(',') || text.contains('=') ||
                        out.startsWith(' ') || out.endsWith(' ');
    return quoted ? '"' + out + '"' : out;
}

std::optional<QString> DecodedValue(QByteArrayView v) {
    QStringList items; // more than one where commas outside quotes part the value
    QString item;
    bool quoted = false, inQuotes = false, skipBlanks = true;
    qsizetype kept = 0; // blanks before this index are the value's own, not the line's
    item.reserve(v.size());
    auto endItem = [&] {
        while (!quoted && item.size() > kept && IsBlank(item.back().toLatin1())) {
            item.chop(1);
        }
        items.append(std::exchange(item, QString()));
        quoted = false;
        skipBlanks = true;
        kept = 0;
    };
    for (qsizetype i = 0; i < v.size();) {
        const char c = v[i++];
        if (skipBlanks && IsBlank(c)) {
            continue;
        }
        skipBlanks = false;
        if (c == '"') {
            quoted = true;
            inQuotes = !inQuotes;
            skipBlanks = !inQuotes;
        } else if (c == ',' && !inQuotes) {
            endItem();
        } else if (c == '\\' && i < v.size()) {
            const char e = v[i++];
            const char* letter = e == 0 ? nullptr : std::strchr(kLetters, e);
            const int base = e == 'x' ? 16 : e >= '0' && e <= '7' ? 8 : 0;
            if (letter) {
                item += QLatin1Char(kEscaped[letter - kLetters]);
            } else if (e != 0 && std::strchr(kReadOnly, e)) {
                item += QLatin1Char(e);
            } else if (base > 0) {
                char32_t code = base == 8 ? e - '0' : 0;
                const qsizetype first = i;
                for (; i < v.size() && DigitValue(v[i]) < base; ++i) {
                    code = code * base + DigitValue(v[i]);
                }
                if (base == 8 || i > first) {
                    item += QChar(static_cast<char16_t>(code));
                }
            } else if (IsBreak(e) && i < v.size() && IsBreak(v[i]) && v[i] != e) {
                ++i; // an escaped line break of two characters; any other escape stands for nothing
            }
            kept = item.size();
        } else if (c != '\\') {
            qsizetype end = i;
            while (end < v.size() && v[end] != '\\' && v[end] != '"' && (v[end] != ',' || inQuotes)) {
                ++end;
            }
            item += Utf8Text(v.sliced(i - 1, end - i + 1));
            i = end;
        }
    }
    endItem();
    for (QString& text : items) {
        if (text.startsWith(QLatin1String("@@"))) {
            text.remove(0, 1);
        } else if (text.startsWith(u'@') && (items.size() > 1 || text.endsWith(u')'))) {
            // A value of another type, written by QSettings: not ours to deserialise.
            for (const QLatin1String type : {QLatin1String("@String("), QLatin1String("@ByteArray(")}) {
                if (items.size() == 1 && text.startsWith(type)) {
                    return text.sliced(type.size()).chopped(1);
                }
            }
            return std::nullopt;
        }
    }
    return items.join(QLatin1String(", "));
}
