#include "platform/profile/qt_profile_ini.h"

#include <QString>
#include <QStringDecoder>

#include <cstring>

namespace {

// Escapes QSettings writes and reads as a letter after a backslash, and what they stand for.
constexpr char kEscaped[] = "\a\b\f\n\r\t\v\"\\";
constexpr char kLetters[] = "abfnrtv\"\\";

int DigitValue(char16_t c) {
    const char16_t lower = c | 0x20;
    return c >= '0' && c <= '9' ? c - '0' : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 99;
}

// A byte order mark at the start of a value is a character of it like any other.
QString Utf8Text(QByteArrayView bytes) {
    thread_local QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                                  QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

} // namespace

IniValues ParsedIni(QByteArrayView text) {
    const auto trimmed = [](QByteArrayView part) {
        part = part.trimmed();
        return std::string(part.data(), static_cast<size_t>(part.size()));
    };
    IniValues values;
    std::string section;
    for (qsizetype at = text.startsWith("\xef\xbb\xbf") ? 3 : 0, end = at; at < text.size(); at = end + 1) {
        for (end = at; end < text.size() && text[end] != '\n' && text[end] != '\r';) {
            ++end;
        }
        const QByteArrayView line = text.sliced(at, end - at).trimmed();
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            section = trimmed(line.sliced(1, (close < 0 ? line.size() : close) - 1));
            section = section == "General" ? "" : section; // the keys outside any section
        } else if (equals > 0 && !line.startsWith(';')) {
            values[{section, trimmed(line.first(equals))}] = trimmed(line.sliced(equals + 1));
        }
    }
    return values;
}

std::string IniText(const IniValues& values) {
    std::string out;
    const std::string* section = nullptr;
    for (const auto& [key, value] : values) {
        if (!section || *section != key.first) {
            section = &key.first;
            out += (out.empty() ? "[" : "\n[") + (section->empty() ? "General" : *section) + "]\n";
        }
        out += key.second + '=' + value + '\n';
    }
    return out;
}

std::string EncodedValue(const std::string& value) {
    QByteArray text = Utf8Text(value).toUtf8(); // as the text reads back
    if (text.contains('\0')) {
        text = "@String(" + text + ')';
    } else if (text.startsWith('@')) {
        text.prepend('@');
    }
    QByteArray out;
    bool digitsEscaped = false; // after a numeric escape, which would take them in
    for (const char c : text) {
        const char* escaped = c == 0 ? nullptr : std::strchr(kEscaped, c);
        const uchar code = static_cast<uchar>(c);
        if (digitsEscaped && DigitValue(code) < 16) {
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
    return (quoted ? '"' + out + '"' : out).toStdString();
}

// Quotes keep what they hold, blanks and ';' included; an escape that stands for nothing is dropped.
std::optional<std::string> DecodedValue(const std::string& value) {
    const QString v = Utf8Text(value);
    QString text;
    text.reserve(v.size());
    bool quoted = false;
    qsizetype kept = 0; // blanks before this index are the value's own
    for (qsizetype i = 0; i < v.size() && (quoted || v[i] != u';'); ++i) {
        const char16_t c = v[i].unicode();
        const char16_t e = c == '\\' && i + 1 < v.size() ? v[++i].unicode() : 0;
        const char* letter = e > 0 && e < 0x80 ? std::strchr(kLetters, e) : nullptr;
        const int base = e == 'x' ? 16 : e >= '0' && e <= '7' ? 8 : 0;
        if (c == '"') {
            quoted = !quoted;
        } else if (letter) {
            text += QLatin1Char(kEscaped[letter - kLetters]);
        } else if (e == '?' || e == '\'') {
            text += QChar(e);
        } else if (base > 0) {
            char32_t code = base == 8 ? e - '0' : 0;
            const qsizetype first = i;
            for (; i + 1 < v.size() && DigitValue(v[i + 1].unicode()) < base; ++i) {
                code = code * base + DigitValue(v[i + 1].unicode());
            }
            if (base == 8 || i > first) {
                text += QChar(static_cast<char16_t>(code));
            }
        } else if (c != '\\') {
            text += QChar(c);
            kept = !quoted && (c == ' ' || c == '\t') ? kept : text.size();
            continue;
        }
        kept = text.size();
    }
    text.truncate(quoted ? text.size() : kept);
    if (text.startsWith(QLatin1String("@@"))) {
        text.remove(0, 1);
    } else if (text.startsWith(u'@') && text.endsWith(u')')) {
        // A value of another type, written by QSettings: not ours to deserialise.
        for (const QLatin1String type : {QLatin1String("@String("), QLatin1String("@ByteArray(")}) {
            if (text.startsWith(type)) {
                return text.sliced(type.size()).chopped(1).toStdString();
            }
        }
        return std::nullopt;
    }
    return text.toStdString();
}
